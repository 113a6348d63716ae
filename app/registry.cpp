#include "app/registry.h"

#include "app/courses.h"
#include "shell/utama.h"
// A build may leave out lesson forms; the commands that would show them then do nothing.
#if defined(ORBELUNE_HAVE_Lesson1)
#include "lessons/gravity/Lesson1.h"
#endif
#if defined(ORBELUNE_HAVE_Lesson2)
#include "lessons/gravity/Lesson2.h"
#endif
#if defined(ORBELUNE_HAVE_Lesson3)
#include "lessons/gravity/Lesson3.h"
#endif
#if defined(ORBELUNE_HAVE_Lesson4)
#include "lessons/gravity/Lesson4.h"
#endif
#if defined(ORBELUNE_HAVE_Lesson5)
#include "lessons/gravity/Lesson5.h"
#endif
#if defined(ORBELUNE_HAVE_Lesson6)
#include "lessons/gravity/Lesson6.h"
#endif
#if defined(ORBELUNE_HAVE_Lesson7)
#include "lessons/gravity/Lesson7.h"
#endif
#if defined(ORBELUNE_HAVE_Lesson8)
#include "lessons/gravity/Lesson8.h"
#endif
#if defined(ORBELUNE_HAVE_Lesson9)
#include "lessons/gravity/Lesson9.h"
#endif
#if defined(ORBELUNE_HAVE_Lesson10)
#include "lessons/gravity/Lesson10.h"
#endif
#if defined(ORBELUNE_HAVE_Lesson11)
#include "lessons/gravity/Lesson11.h"
#endif
#if defined(ORBELUNE_HAVE_Lesson12)
#include "lessons/gravity/Lesson12.h"
#endif
#if defined(ORBELUNE_HAVE_optics1)
#include "lessons/optics/optics1.h"
#endif
#if defined(ORBELUNE_HAVE_optics2)
#include "lessons/optics/optics2.h"
#endif
#if defined(ORBELUNE_HAVE_optics3)
#include "lessons/optics/optics3.h"
#endif

namespace app {

// A lesson is built knowing its place in the course table.
template <class T>
static void add(scene::Program& program, const char* name) {
    program.registerForm(name, [place = shell::placeOf(kCourses, name)](scene::Program& p) {
        return std::make_unique<T>(p, place);
    });
}

void registerForms(scene::Program& program) {
    program.registerForm(
        "Utama", [](scene::Program& p) { return std::make_unique<shell::Utama>(p, kCourses); });
    program.registerForm("frmAbout",
                         [](scene::Program& p) { return std::make_unique<shell::FrmAbout>(p); });
#if defined(ORBELUNE_HAVE_Lesson1)
    add<lessons::Lesson1>(program, "Lesson1");
#endif
#if defined(ORBELUNE_HAVE_Lesson2)
    add<lessons::Lesson2>(program, "Lesson2");
#endif
#if defined(ORBELUNE_HAVE_Lesson3)
    add<lessons::Lesson3>(program, "Lesson3");
#endif
#if defined(ORBELUNE_HAVE_Lesson4)
    add<lessons::Lesson4>(program, "Lesson4");
#endif
#if defined(ORBELUNE_HAVE_Lesson5)
    add<lessons::Lesson5>(program, "Lesson5");
#endif
#if defined(ORBELUNE_HAVE_Lesson6)
    add<lessons::Lesson6>(program, "Lesson6");
#endif
#if defined(ORBELUNE_HAVE_Lesson7)
    add<lessons::Lesson7>(program, "Lesson7");
#endif
#if defined(ORBELUNE_HAVE_Lesson8)
    add<lessons::Lesson8>(program, "Lesson8");
#endif
#if defined(ORBELUNE_HAVE_Lesson9)
    add<lessons::Lesson9>(program, "Lesson9");
#endif
#if defined(ORBELUNE_HAVE_Lesson10)
    add<lessons::Lesson10>(program, "Lesson10");
#endif
#if defined(ORBELUNE_HAVE_Lesson11)
    add<lessons::Lesson11>(program, "Lesson11");
#endif
#if defined(ORBELUNE_HAVE_Lesson12)
    add<lessons::Lesson12>(program, "Lesson12");
#endif
#if defined(ORBELUNE_HAVE_optics1)
    add<lessons::optics1>(program, "optics1");
#endif
#if defined(ORBELUNE_HAVE_optics2)
    add<lessons::optics2>(program, "optics2");
#endif
#if defined(ORBELUNE_HAVE_optics3)
    add<lessons::optics3>(program, "optics3");
#endif
}

}  // namespace app
