#include "shell/utama.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>

#include "scene/program.h"
#include "scene/textlayout.h"
#include "shell/lessonsmenu.h"

namespace shell {

using scene::Box;

static constexpr scene::Color kLinkBlue = 0x00FF0000;

// Where each course's entry stands; each box is as wide as its caption.
static constexpr Box kEntries[] = {{720, 1320, 1095, 375}, {720, 1800, 975, 375}};

Utama::Utama(scene::Program& program, Courses courses)
    : Form(program, "Utama", tr("MAIN MENU"), 10230, 8460),
      Label1(label("Label1", Box{720, 600, 2895, 375}, tr("Menu")).size(13.5).bold()),
      courses_(courses.first(std::min(courses.size(), std::size(kEntries)))) {
    for (std::size_t i = 0; i < courses_.size(); ++i) {
        std::string caption = std::to_string(i + 1) + ". " +
                              scene::translate("Courses", std::string(courses_[i].name).c_str());
        auto& entry = label(Label2, int(i), kEntries[i], caption).size(12).fore(kLinkBlue);
        // A translated course name may be longer than the English one its box was made for: the
        // entry grows to its caption (and so does the area a click opens it from).
        const auto one =
            scene::text::layout(caption, {entry.font.size, entry.font.bold, entry.font.italic}, 0,
                                scene::text::Align::Left, false);
        if (!one.lines.empty())
            entry.Width = std::max<double>(entry.Width, std::ceil(one.lines.front().width * 15));
        entry.linkPointer = true;
        entry.onClick = [this](int index) { Label2_Click(index); };
    }
    addLessonsMenu(
        *this, courses,
        [this](const std::string& name, const std::string& caption) -> scene::MenuItem& {
            return menuItem(name, caption, "");
        },
        [this](const std::string& page) { open(page); });
}

void Utama::Label2_Click(int index) {
    if (index < 0 || std::size_t(index) >= courses_.size() || courses_[index].pages.empty()) return;
    open(std::string(courses_[index].pages.front().form));
}

void Utama::open(const std::string& page) {
    // A page this build does not have yet leaves the menu where it is.
    if (!program().exists(page)) return;
    Hide();
    program().form(page)->Show();
}

// Closing the main menu ends the program, also once lesson windows exist (they are hidden).
void Utama::Form_Unload() { End(); }

FrmAbout::FrmAbout(scene::Program& program)
    : Form(program, "frmAbout", tr("About this program"), 5790, 1575) {
    setMaximized(false);
    label("Label3", Box{120, 600, 5655, 495}, tr("E-mail: author@example.org")).size(9.75);
    label("Label2", Box{120, 360, 4815, 375}, tr("Orbelune Learning, Bandung, Indonesia"))
        .size(9.75);
    label("Label1", Box{0, 120, 5775, 1455},
          tr("   Physics courseware written by Dr. Ir. Rina Halim, M.Sc."))
        .size(9.75);
}

void FrmAbout::Form_Unload() { program().unload(*this); }

}  // namespace shell
