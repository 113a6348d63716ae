#pragma once
#include <functional>
#include <string>

#include "scene/form.h"
#include "scene/words.h"
#include "shell/course.h"

namespace shell {

// How one lesson form's Navigation menu behaves; everything else about the menu is shared.
struct Navigation {
    std::string prev{}, next{};  // neighbouring forms; "" at either end (from the course table)
    std::string timer{};         // the animation timer that leaving stops; "" when none
    std::string replayItem{};    // "replay", "rep", or "" for a form without one
    // Captions in English, looked up in the catalogue (context "Navigation") where shown.
    std::string replayCaption = QT_TRANSLATE_NOOP("Navigation", "Replay");
    std::string titleItem = "navigation";
    std::string titleCaption = QT_TRANSLATE_NOOP("Navigation", "&Navigation");
    std::string nextItem = "next";
    bool nextDisabled = false;      // the last page of a course
    bool leavingFlag = false;       // the mirror lessons keep a flag that Next sets
    bool replayStopsTimer = false;  // and stop their timer before replaying
};

// The contact addresses the Contact item writes to, as its message box shows them.
inline constexpr const char* kContactAddresses = "author@example.org; orbelune@example.org";
// The link handed to the mail program: mailto: URIs separate addresses with ",".
std::string contactMailto();

// How far Back 10 s and Forward 10 s move on a page's timeline [program ms].
inline constexpr double kSeekStepMs = 10000;

// What a window shows of the playback beside its menus: "Paused", a speed other than normal
// ("½×", "2×"), or "" at normal speed.
std::string playbackBadge(const scene::Program& p);

// A lesson window: the Navigation menu, and closing the window ends the program.
class LessonForm : public scene::Form {
    ORBELUNE_WORDS(Navigation)

public:
    LessonForm(scene::Program& program, std::string name, std::string caption, float clientWidth,
               float clientHeight, Navigation nav);
    // A page of a course: its title and neighbours come from the course table.
    LessonForm(scene::Program& program, const Place& place, float clientWidth, float clientHeight,
               Navigation nav);

    const Navigation& navigation() const { return nav_; }
    void Form_Unload() override;
    void playbackChanged() override;
    void colorSchemeChanged() override;

protected:
    // Set to 0 by the mirror lessons' activation, to 1 by Next just before the form hides.
    int leaving = 0;

    void prev_Click();
    void next_Click();
    void replay_Click();
    void pertama_Click();
    void about_Click();
    void contact_Click();
    void exit_Click();

private:
    void stopTimer();
    void goTo(const std::string& form);  // as Next does
    scene::MenuItem& viewItem(const std::string& name, const std::string& caption,
                              const std::string& shortcut, std::function<void()> command);
    Navigation nav_;
};

}  // namespace shell
