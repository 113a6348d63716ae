#pragma once
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "scene/colorscheme.h"
#include "scene/form.h"
#include "scene/platform.h"
#include "scene/playback.h"
#include "scene/timeline.h"
#include "scene/words.h"
#include "scene/zoom.h"

namespace scene {

// Thrown through a running handler when the user asked to leave it (a Navigation command, the
// close button) or the program ended. Lessons hold no resources, so unwinding them is safe.
struct StopSignal {};

// The one program-wide runtime: the form registry, window activation, the dispatcher that
// runs one handler at a time, the program clock, timers and the pacing of long handlers.
class Program {
public:
    using Factory = std::function<std::unique_ptr<Form>(Program&)>;

    explicit Program(Platform& platform);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Platform& platform() const { return platform_; }

    // --- Forms ---------------------------------------------------------------------------
    void registerForm(const std::string& name, Factory factory);
    bool exists(const std::string& name) const { return factories_.count(name) != 0; }
    std::vector<std::string> registered() const;
    // The single instance, created on first use; nullptr for a form the program lacks.
    Form* form(const std::string& name);
    Form* created(const std::string& name) const;
    template <class T>
    T& get(const std::string& name) {
        return dynamic_cast<T&>(*form(name));
    }
    std::vector<Form*> createdForms() const;
    std::vector<Form*> visibleForms() const;
    Form* active() const { return active_; }

    // Show, Hide and closing, as the lessons and the shell call them.
    void show(Form& f);
    void hide(Form& f);
    // A window that goes away for good (the About box): hidden, and the next window activates.
    void unload(Form& f);
    void end();
    bool ended() const { return ended_; }

    // --- Input from a front end ----------------------------------------------------------
    // Each of these is carried out now when no handler runs; otherwise input is kept and
    // delivered after the running handler, and commands that leave the lesson stop it first.
    void start(const std::string& formName);  // the program's start: Show of the first form
    void click(Control& c);                   // a label, check box or button clicked
    void type(TextBox& box, const std::string& text);  // the user's edit of a text box
    void focus(Control& c);  // the user moved the keyboard focus there (a click, Tab)
    void keyDown(CommandButton& b, int key);
    void mouseDown(CommandButton& b, int button);
    void menu(MenuItem& item);                        // a menu item chosen (or its shortcut)
    bool shortcut(Form& f, const std::string& keys);  // "Ctrl+N"; false if no enabled item has it
    void closeButton(Form& f);                        // the window frame's close button
    void windowActivated(Form& f);                    // the user brought this window to the front

    // --- Time ----------------------------------------------------------------------------
    // The program clock (ms): what timers, paced frames and beeps run on.
    double time() const { return seeking_ ? seekTime_ : clock_.at(platform_.now()); }
    // The wall time (Platform::now()) at which the earliest tick of any enabled timer falls
    // due; while paused only a tick that is due already.
    std::optional<double> nextDue() const;
    void fireDueTimers();  // runs every tick due by now, once each

    // --- Playback ------------------------------------------------------------------------
    // These act at once, also while a handler runs, and are never queued. Commands that leave
    // or restart the lesson resume; the speed holds for the rest of the run.
    bool paused() const { return clock_.paused(); }
    double speed() const { return clock_.speed(); }
    bool slowest() const { return clock_.speedIndex() == 0; }
    bool fastest() const { return clock_.speedIndex() + 1 == int(ProgramClock::kSpeeds.size()); }
    void pause();
    void resume();
    void slower();
    void faster();
    void normalSpeed();
    bool setSpeed(double speed);  // false for a speed that is not one of kSpeeds
    // Next Frame: while paused, the clock moves on by one frame; a tick due in that time fires
    // and a held paced handler runs to its next frame.
    void stepFrame();
    // Holds the running handler, letting commands in, until the running clock has reached t, a
    // Next Frame releases it or it is to stop. Returns whether it waited at all.
    bool holdUntil(double t);
    // A beep the lessons ask for: the wait is on the program clock.
    void beep(int hz, int ms);

    // --- Timeline ------------------------------------------------------------------------
    // The demonstration of a page with a script (a timer), as it plays untouched from its start;
    // found once, by playing the page on a program of its own. nullptr for a page without one.
    const Timeline* timeline(const std::string& form);
    // Program ms since the active page's run began (its activation, Replay).
    double position() const;
    // Takes the active page to `ms` of its run, as it would look had it played there: the page
    // plays again from its start on the program clock without waiting, silently, leaving the
    // real pointer alone and answering its message boxes at once; the user's inputs up to that
    // moment are done again at their times, later ones dropped. Then it goes on at the chosen
    // speed, still paused if it was; a moment inside a long flight lands inside it. A running
    // handler is stopped first.
    void seek(double ms);
    void seekBy(double ms);    // Back 10 s, Forward 10 s
    void seekStage(int step);  // Previous Stage (-1), Next Stage (+1)
    bool seeking() const { return seeking_; }
    // A lesson's script marks the start of a named stage (Form::StageBegins).
    void stageBegins(Form& f, const std::string& name);

    // --- Message boxes ---------------------------------------------------------------------
    // How long a box stays open with Continue after Messages on [ms of the program clock].
    static constexpr double kMessageMs = 4000;
    // Shows a message box over `over` and holds the running handler, letting commands in, until
    // the user answers it, a command that leaves or restarts the page stops the handler (the box
    // goes with it), or, where `mayContinue` and Continue after Messages is on, kMessageMs of
    // the program clock have passed since it opened (so it waits while paused).
    void messageBox(Form& over, const std::string& text, bool mayContinue = true);
    void messageAnswered();  // the user pressed OK on the open box
    bool messageOpen() const { return message_.has_value(); }
    // Whether the open box goes away by itself.
    bool messageClosesItself() const;
    bool continuesAfterMessages() const { return continueAfterMessages_; }
    void setContinueAfterMessages(bool on);
    // --- Look --------------------------------------------------------------------------------
    // How the front ends draw the lessons' colours; the lessons and the reports never see it.
    ColorScheme colorScheme() const { return scheme_; }
    void setColorScheme(ColorScheme scheme);
    // --- Language --------------------------------------------------------------------------
    // Every text from now on in this language (words.h), the texts shown looked up again, and
    // the page shown started again in it, as Replay starts it (a running handler stops first).
    void setLanguage(const std::string& code, Lookup lookup = {});
    // --- Magnification -------------------------------------------------------------------
    // One for every page, kept until Fit to Window; the front ends present it.
    Zoom& zoom() { return zoom_; }
    const Zoom& zoom() const { return zoom_; }

    bool busy() const { return depth_ > 0; }
    bool stopRequested() const { return stopRequested_; }

    // Called by forms on every scene change.
    void sceneChanged(Form& f);
    std::uint64_t framesPresented() const { return frames_; }

private:
    void activate(Form& f);
    void activateNextAfter(Form& gone);
    void runHandler(Form& f, const std::string& name, const std::function<void()>& body);
    // `leavesLesson` stops a running handler first; such a command resumes playback unless it
    // only moves on the page's timeline.
    void deliver(std::function<void()> event, bool leavesLesson, bool resumes = true);
    // Notes a user input on the page whose run is kept, to be done again by a seek.
    void noteInput(Form& f, std::function<void()> again);
    void seekNow(Form& f, double ms);
    void seekFrame();
    void deliverSeekInputs();
    void land(double at);
    std::optional<Timeline> survey(const std::string& form);
    void drainQueue();
    void setSpeedIndex(int i);
    void playbackChanged();

    Platform& platform_;
    std::map<std::string, Factory> factories_;
    std::map<std::string, std::unique_ptr<Form>> forms_;
    std::vector<Form*> creationOrder_;
    std::vector<Form*> activation_;  // visible forms, most recently active last
    Form* active_ = nullptr;
    bool ended_ = false;
    int depth_ = 0;
    bool stopRequested_ = false;
    bool draining_ = false;
    int changes_ = 0;
    std::uint64_t frames_ = 0;
    ProgramClock clock_;
    ColorScheme scheme_ = ColorScheme::Standard;
    int holding_ = 0;     // holds in progress (the running handler waits for its next frame)
    int stepCredit_ = 0;  // Next Frames not yet taken by the held handler
    std::deque<std::pair<std::function<void()>, bool>> queue_;
    struct OpenMessage {
        double opened;  // program time
        bool mayContinue;
        bool answered = false;
    };
    std::optional<OpenMessage> message_;  // handlers run one at a time: one box at most
    bool continueAfterMessages_ = false;
    Zoom zoom_;
    // The active page's run: where it began on the program clock, its scene then, and what
    // the user did since, at program times.
    struct Input {
        double t;
        std::function<void()> again;
    };
    struct PageRun {
        Form* form = nullptr;
        double start = 0;
        std::function<void()> restore;
        std::vector<Input> inputs;
    };
    PageRun run_;
    bool seeking_ = false;
    double seekTime_ = 0;    // the program clock while a seek plays the page again
    double seekTarget_ = 0;  // where it lands
    std::vector<Input> seekInputs_;
    std::size_t seekNext_ = 0;
    std::map<std::string, std::optional<Timeline>> timelines_;
    Form* surveyed_ = nullptr;                   // on a program that surveys a page's timeline
    std::vector<Stage>* stagesFound_ = nullptr;  // its stages as they begin
};

}  // namespace scene
