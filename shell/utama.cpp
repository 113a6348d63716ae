#include "shell/utama.h"

#include "scene/program.h"

namespace shell {

using scene::Box;

static constexpr scene::Color kLinkBlue = 0x00FF0000;

Utama::Utama(scene::Program& program)
    : Form(program, "Utama", "MAIN MENU", 10230, 8460),
      Label1(label("Label1", Box{720, 600, 2895, 375}, "Menu").size(13.5).bold()) {
    auto& gravity =
        label(Label2, 0, Box{720, 1320, 1095, 375}, "1. Gravity").size(12).fore(kLinkBlue);
    auto& optics = label(Label2, 1, Box{720, 1800, 975, 375}, "2. Optics").size(12).fore(kLinkBlue);
    for (auto* l : {&gravity, &optics}) {
        l->linkPointer = true;
        l->onClick = [this](int i) { Label2_Click(i); };
    }
}

void Utama::Label2_Click(int index) {
    const char* course = index == 0 ? "Lesson1" : "optics1";
    // A course this build does not have yet leaves the menu where it is.
    if (!program().exists(course)) return;
    Hide();
    program().form(course)->Show();
}

// Closing the main menu ends the program, also once lesson windows exist (they are hidden).
void Utama::Form_Unload() { End(); }

FrmAbout::FrmAbout(scene::Program& program)
    : Form(program, "frmAbout", "About this program", 5790, 1575) {
    setMaximized(false);
    label("Label3", Box{120, 600, 5655, 495}, "E-mail: author@example.org").size(9.75);
    label("Label2", Box{120, 360, 4815, 375}, "Orbelune Learning, Bandung, Indonesia").size(9.75);
    label("Label1", Box{0, 120, 5775, 1455},
          "   Physics courseware written by Dr. Ir. Rina Halim, M.Sc.")
        .size(9.75);
}

void FrmAbout::Form_Unload() { program().unload(*this); }

}  // namespace shell
