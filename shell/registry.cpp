#include "shell/registry.h"

#include "lessons/gravity/Lesson1.h"
#include "shell/utama.h"

namespace shell {

template <class T>
static void add(scene::Program& program, const char* name) {
    program.registerForm(name, [](scene::Program& p) { return std::make_unique<T>(p); });
}

void registerForms(scene::Program& program) {
    add<Utama>(program, "Utama");
    add<FrmAbout>(program, "frmAbout");
    add<lessons::Lesson1>(program, "Lesson1");
}

}  // namespace shell
