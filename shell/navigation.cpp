#include "shell/navigation.h"

#include <string_view>

#include "scene/program.h"
#include "shell/lessonsmenu.h"

namespace shell {

using scene::Program;

LessonForm::LessonForm(Program& program, std::string name, std::string caption, float clientWidth,
                       float clientHeight, Navigation nav)
    : Form(program, std::move(name), std::move(caption), clientWidth, clientHeight),
      nav_(std::move(nav)) {
    menuItem(nav_.titleItem, tr(nav_.titleCaption), "").level = 0;
    menuItem("prev", tr("Previous Lesson"), "Ctrl+P").onMenu = [this] { prev_Click(); };
    auto& next = menuItem(nav_.nextItem, tr("Next Lesson"), "Ctrl+N");
    next.onMenu = [this] { next_Click(); };
    if (nav_.nextDisabled) next.Enabled = false;
    if (!nav_.replayItem.empty())
        menuItem(nav_.replayItem, tr(nav_.replayCaption), "Ctrl+R").onMenu = [this] {
            replay_Click();
        };
    menuItem("pertama", tr("Main Menu"), "Ctrl+M").onMenu = [this] { pertama_Click(); };
    menuItem("about", tr("About"), "Ctrl+A").onMenu = [this] { about_Click(); };
    auto& contact = menuItem("contact", tr("Contact"), "Ctrl+C");
    contact.onMenu = [this] { contact_Click(); };
    contact.stopsHandler = false;  // writing to the author does not leave the lesson
    menuItem("exit", tr("Exit"), "Ctrl+E").onMenu = [this] { exit_Click(); };

    // The teacher's controls: the program clock and the window.
    menuItem("view", tr("&View"), "").level = 0;
    Program& p = program;
    viewItem("pause", tr("Pause"), "Ctrl+Space", [&p] {
        if (p.paused())
            p.resume();
        else
            p.pause();
    }).otherShortcuts = {"Pause"};
    viewItem("slower", tr("Slower"), "Ctrl+-", [&p] { p.slower(); });
    viewItem("faster", tr("Faster"), "Ctrl++", [&p] { p.faster(); }).otherShortcuts = {"Ctrl+="};
    viewItem("normal", tr("Normal Speed"), "Ctrl+0", [&p] { p.normalSpeed(); });
    viewItem("frame", tr("Next Frame"), "Ctrl+.", [&p] { p.stepFrame(); });
    // The demonstration's timeline, as on a video: keys no page uses, also in a text box.
    viewItem("back", tr("Back 10 s"), "Ctrl+Left", [&p] { p.seekBy(-kSeekStepMs); });
    viewItem("forward", tr("Forward 10 s"), "Ctrl+Right", [&p] { p.seekBy(kSeekStepMs); });
    viewItem("prevstage", tr("Previous Stage"), "Ctrl+Shift+Left", [&p] { p.seekStage(-1); });
    viewItem("nextstage", tr("Next Stage"), "Ctrl+Shift+Right", [&p] { p.seekStage(1); });
    // For a class watching a projected lesson: its message boxes close by themselves.
    viewItem("continue", tr("Continue after Messages"), "", [&p] {
        p.setContinueAfterMessages(!p.continuesAfterMessages());
    }).checkable = true;
    viewItem("projector", tr("Projector Colours"), "", [&p] {
        p.setColorScheme(p.colorScheme() == scene::ColorScheme::Projector
                             ? scene::ColorScheme::Standard
                             : scene::ColorScheme::Projector);
    }).checkable = true;
    viewItem("fullscreen", tr("Full Screen"), "F11",
             [this, &p] { p.platform().toggleFullScreen(*this); });
    viewItem("savepicture", tr("Save Picture\u2026"), "Ctrl+S",
             [this, &p] { p.platform().savePicture(*this); });
    viewItem("copypicture", tr("Copy Picture"), "Ctrl+Shift+C",
             [this, &p] { p.platform().copyPicture(*this); });
    // Keys the pages leave alone: Ctrl with +, - and 0 are the speeds already.
    auto zoomBy = [&p](double ratio) {
        p.zoom().zoomBy(ratio);
        p.platform().zoomChanged();
    };
    viewItem("zoomin", tr("Zoom In"), "Ctrl+Up", [zoomBy] { zoomBy(scene::Zoom::kStep); });
    viewItem("zoomout", tr("Zoom Out"), "Ctrl+Down", [zoomBy] { zoomBy(1 / scene::Zoom::kStep); });
    viewItem("zoomfit", tr("Fit to Window"), "Ctrl+Home", [&p] {
        p.zoom().fit();
        p.platform().zoomChanged();
    });
    playbackChanged();
    colorSchemeChanged();
}

scene::MenuItem& LessonForm::viewItem(const std::string& name, const std::string& caption,
                                      const std::string& shortcut, std::function<void()> command) {
    auto& item = menuItem(name, caption, shortcut);
    item.onMenu = std::move(command);
    item.immediate = true;
    item.quiet = true;
    return item;
}

void LessonForm::playbackChanged() {
    const Program& p = program();
    menuItem("pause")->caption = p.paused() ? tr("Resume") : tr("Pause");
    menuItem("slower")->Enabled = !p.slowest();
    menuItem("faster")->Enabled = !p.fastest();
    menuItem("frame")->Enabled = p.paused();
    menuItem("continue")->checked = p.continuesAfterMessages();
}

void LessonForm::colorSchemeChanged() {
    menuItem("projector")->checked = program().colorScheme() == scene::ColorScheme::Projector;
}

static Navigation placed(const Place& place, Navigation nav) {
    nav.prev = place.prev;
    nav.next = place.next;
    nav.nextDisabled = nav.nextDisabled || place.last;
    return nav;
}

LessonForm::LessonForm(Program& program, const Place& place, float clientWidth, float clientHeight,
                       Navigation nav)
    : LessonForm(program, place.form, scene::translate("Courses", place.title.c_str()), clientWidth,
                 clientHeight, placed(place, std::move(nav))) {
    addLessonsMenu(
        *this, place.courses,
        [this](const std::string& name, const std::string& caption) -> scene::MenuItem& {
            return menuItem(name, caption, "");
        },
        [this](const std::string& page) { goTo(page); });
}

void LessonForm::stopTimer() {
    if (nav_.timer.empty()) return;
    if (auto* t = dynamic_cast<scene::Timer*>(find(nav_.timer))) t->Enabled = false;
}

void LessonForm::prev_Click() {
    // A neighbour that this build lacks makes the command do nothing at all.
    if (nav_.prev.empty() || !program().exists(nav_.prev)) return;
    stopTimer();
    program().form(nav_.prev)->Show();
    Hide();
}

void LessonForm::next_Click() {
    if (!nav_.next.empty()) goTo(nav_.next);
}

void LessonForm::goTo(const std::string& page) {
    if (page == name() || !program().exists(page)) return;
    stopTimer();
    program().form(page)->Show();
    if (nav_.leavingFlag) leaving = 1;
    Hide();
}

void LessonForm::replay_Click() {
    if (nav_.replayStopsTimer) stopTimer();
    // Hiding and showing clears what was drawn; the lesson then starts from its beginning once:
    // showing it activates it, and only if it did not does the restart run here.
    auto before = activations();
    Hide();
    Show();
    if (activations() == before) Form_Activate();
}

void LessonForm::pertama_Click() {
    stopTimer();
    Hide();
    program().form("Utama")->Show();
}

void LessonForm::about_Click() { program().form("frmAbout")->Show(); }

std::string playbackBadge(const scene::Program& p) {
    if (p.paused()) return scene::translate("Navigation", "Paused");
    const double s = p.speed();
    if (s == 1) return "";
    if (s == 0.25) return "\u00BC\u00D7";
    if (s == 0.5) return "\u00BD\u00D7";
    return std::to_string(int(s)) + "\u00D7";
}

std::string contactMailto() {
    std::string link = "mailto:";
    for (char c : std::string_view(kContactAddresses))
        if (c == ';')
            link += ',';
        else if (c != ' ')
            link += c;
    return link;
}

void LessonForm::contact_Click() {
    // The addresses are there to be written down: this box waits for OK also when the
    // lessons' messages continue by themselves.
    if (!program().platform().openUrl(contactMailto()))
        program().messageBox(
            *this, tr("No mail program could be started. Please write to: ") + kContactAddresses,
            false);
}

void LessonForm::exit_Click() { End(); }

void LessonForm::Form_Unload() {
    if (nav_.leavingFlag && leaving != 0) return;
    End();
}

}  // namespace shell
