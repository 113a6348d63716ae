#include "scene/program.h"

#include <algorithm>
#include <limits>

#include "scene/pointer.h"

namespace scene {

Program::Program(Platform& platform) : platform_(platform) {}

Program::~Program() = default;

void Program::registerForm(const std::string& name, Factory factory) {
    factories_[name] = std::move(factory);
}

std::vector<std::string> Program::registered() const {
    std::vector<std::string> out;
    for (auto& [name, f] : factories_) out.push_back(name);
    return out;
}

Form* Program::form(const std::string& name) {
    if (auto* f = created(name)) return f;
    auto it = factories_.find(name);
    if (it == factories_.end()) return nullptr;
    auto f = it->second(*this);
    Form* raw = f.get();
    forms_[name] = std::move(f);
    creationOrder_.push_back(raw);
    return raw;
}

Form* Program::created(const std::string& name) const {
    auto it = forms_.find(name);
    return it == forms_.end() ? nullptr : it->second.get();
}

std::vector<Form*> Program::createdForms() const { return creationOrder_; }

std::vector<Form*> Program::visibleForms() const {
    std::vector<Form*> out;
    for (Form* f : creationOrder_)
        if (f->visible()) out.push_back(f);
    return out;
}

// --- Windows ---------------------------------------------------------------------------------

void Program::show(Form& f) {
    if (ended_) return;
    if (!f.visible()) {
        f.setVisible(true);
        activation_.push_back(&f);
        f.noteChangeQuietly();
        platform_.visibilityChanged(f);
    }
    // Showing is one step of whatever command asked for it: if the activation it causes is
    // stopped, the rest of that command (hiding the form it leaves) still happens.
    try {
        activate(f);
    } catch (StopSignal&) {
        if (ended_) throw;
    }
}

void Program::hide(Form& f) {
    if (!f.visible()) return;
    f.setVisible(false);
    // What the Line method drew does not survive hiding.
    f.clearSurface();
    f.noteChangeQuietly();
    platform_.visibilityChanged(f);
    activation_.erase(std::remove(activation_.begin(), activation_.end(), &f), activation_.end());
    if (active_ == &f) activateNextAfter(f);
}

void Program::unload(Form& f) { hide(f); }

void Program::activateNextAfter(Form& gone) {
    active_ = nullptr;
    if (activation_.empty()) return;
    Form* next = activation_.back();
    if (next != &gone) activate(*next);
}

void Program::activate(Form& f) {
    if (active_ == &f || ended_ || !f.visible()) return;
    active_ = &f;
    ++f.activations_;
    platform_.activated(f);
    activation_.erase(std::remove(activation_.begin(), activation_.end(), &f), activation_.end());
    activation_.push_back(&f);
    double t0 = platform_.now();
    struct Report {
        Program& p;
        Form& f;
        double t0;
        ~Report() { p.platform_.handlerRan(f, "Form_Activate", t0, p.platform_.now()); }
    } report{*this, f, t0};
    // The page's run begins here: a seek plays it again from this moment and this scene.
    run_ = PageRun{&f, time(), f.keepScene(), {}};
    ++depth_;
    struct Depth {
        int& d;
        ~Depth() { --d; }
    } depth{depth_};
    f.Form_Activate();
}

void Program::end() {
    if (ended_) return;
    ended_ = true;
    for (Form* f : creationOrder_) {
        for (Timer* t : f->timers()) t->disarm();
        f->setVisible(false);
    }
    activation_.clear();
    active_ = nullptr;
    queue_.clear();
    platform_.end();
    if (busy()) throw StopSignal{};
}

// --- Dispatch --------------------------------------------------------------------------------

void Program::runHandler(Form& f, const std::string& name, const std::function<void()>& body) {
    if (ended_) return;
    double t0 = platform_.now();
    struct Depth {
        Program& p;
        Depth(Program& p) : p(p) {
            if (++p.depth_ == 1) p.changes_ = 0;
        }
        ~Depth() {
            if (--p.depth_ == 0) {
                p.stopRequested_ = false;
                p.stepCredit_ = 0;
            }
        }
    };
    {
        Depth depth(*this);
        try {
            body();
        } catch (StopSignal&) {
        }
    }
    platform_.handlerRan(f, name, t0, platform_.now());
}

void Program::deliver(std::function<void()> event, bool leavesLesson, bool resumes) {
    if (ended_) return;
    // The page a command opens (or restarts) plays, whether or not the one left was paused.
    if (leavesLesson && resumes)
        event = [this, e = std::move(event)] {
            resume();
            e();
        };
    if (busy()) {
        if (leavesLesson) {
            // Input meant for the lesson being left is dropped with it.
            queue_.erase(std::remove_if(queue_.begin(), queue_.end(),
                                        [](const auto& e) { return !e.second; }),
                         queue_.end());
            stopRequested_ = true;
        }
        queue_.emplace_back(std::move(event), leavesLesson);
        return;
    }
    event();
    drainQueue();
}

void Program::drainQueue() {
    if (draining_) return;
    draining_ = true;
    // Reset also when a front end abandons the run from inside a handler.
    struct Draining {
        bool& d;
        ~Draining() { d = false; }
    } draining{draining_};
    while (!queue_.empty() && !busy() && !ended_) {
        auto e = std::move(queue_.front().first);
        queue_.pop_front();
        e();
    }
}

void Program::start(const std::string& formName) {
    if (Form* f = form(formName))
        deliver([this, f] { runHandler(*f, "Show", [&] { show(*f); }); }, false);
}

void Program::click(Control& c) {
    deliver(
        [this, &c] {
            Form& f = c.form();
            if (!f.visible() || !c.Visible || !c.Enabled) return;
            noteInput(f, [this, &c] { click(c); });
            if (c.kind() == Kind::CheckBox) {
                auto& box = static_cast<CheckBox&>(c);
                box.Value = box.Value == 0 ? 1 : 0;
            }
            if (c.kind() == Kind::CheckBox || c.kind() == Kind::CommandButton ||
                c.kind() == Kind::TextBox)
                c.SetFocus();
            if (c.onClick) runHandler(f, c.name() + "_Click", [&] { c.onClick(c.index()); });
        },
        false);
}

void Program::type(TextBox& box, const std::string& text) {
    deliver(
        [this, &box, text] {
            if (!box.form().visible() || !box.Visible || !box.Enabled) return;
            noteInput(box.form(), [this, &box, text] { type(box, text); });
            box.Text = text;
        },
        false);
}

void Program::focus(Control& c) {
    deliver(
        [this, &c] {
            noteInput(c.form(), [this, &c] { focus(c); });
            c.SetFocus();
        },
        false);
}

void Program::keyDown(CommandButton& b, int key) {
    deliver(
        [this, &b, key] {
            if (!b.form().visible() || !b.Visible || !b.Enabled || !b.onKeyDown) return;
            noteInput(b.form(), [this, &b, key] { keyDown(b, key); });
            runHandler(b.form(), b.name() + "_KeyDown", [&] { b.onKeyDown(b.index(), key); });
        },
        false);
}

void Program::mouseDown(CommandButton& b, int button) {
    deliver(
        [this, &b, button] {
            if (!b.form().visible() || !b.Visible || !b.Enabled || !b.onMouseDown) return;
            noteInput(b.form(), [this, &b, button] { mouseDown(b, button); });
            runHandler(b.form(), b.name() + "_MouseDown",
                       [&] { b.onMouseDown(b.index(), button); });
        },
        false);
}

void Program::menu(MenuItem& item) {
    if (item.immediate) {
        if (!ended_ && item.form().visible() && item.Enabled && item.onMenu) item.onMenu();
        return;
    }
    deliver(
        [this, &item] {
            Form& f = item.form();
            if (!f.visible() || !item.Enabled || !item.onMenu) return;
            runHandler(f, item.name() + "_Click", [&] { item.onMenu(); });
        },
        item.stopsHandler);
}

bool Program::shortcut(Form& f, const std::string& keys) {
    for (auto& m : f.menu()) {
        if (m->hasShortcut(keys)) {
            if (!m->Enabled) return false;
            menu(*m);
            return true;
        }
    }
    return false;
}

void Program::closeButton(Form& f) {
    deliver(
        [this, &f] {
            if (!f.visible()) return;
            runHandler(f, "Form_Unload", [&] { f.Form_Unload(); });
        },
        true);
}

void Program::setLanguage(const std::string& code, Lookup lookup) {
    deliver(
        [this, code, lookup = std::move(lookup)] {
            scene::setLanguage(code, lookup);
            for (Form* f : creationOrder_) f->retranslate();
            timelines_.clear();  // their stages are named in the language they were found in
            platform_.languageChanged();
            // The page on the screen: the maximised window activated last.
            Form* page = nullptr;
            for (Form* f : activation_)
                if (f->maximized()) page = f;
            if (!page) return;
            runHandler(*page, "Language", [this, page] {
                const auto before = page->activations();
                hide(*page);
                show(*page);
                if (page->activations() == before) page->Form_Activate();
            });
        },
        true);
}

void Program::windowActivated(Form& f) {
    deliver([this, &f] { runHandler(f, "Activate", [&] { activate(f); }); }, false);
}

// --- Time ------------------------------------------------------------------------------------

std::optional<double> Program::nextDue() const {
    if (ended_) return std::nullopt;
    std::optional<double> best;
    for (Form* f : creationOrder_)
        for (Timer* t : f->timers())
            if (t->armed() && (!best || t->due() < *best)) best = t->due();
    if (!best) return std::nullopt;
    if (clock_.paused()) {
        if (*best <= time()) return platform_.now();
        return std::nullopt;
    }
    return clock_.wallAt(*best);
}

void Program::fireDueTimers() {
    if (busy() || ended_) return;
    // Each timer due now fires once, earliest first; a tick's own duration does not let it
    // catch up on ticks it missed.
    std::vector<Timer*> due;
    double now = time();
    for (Form* f : creationOrder_)
        for (Timer* t : f->timers())
            if (t->armed() && t->due() <= now) due.push_back(t);
    std::stable_sort(due.begin(), due.end(),
                     [](const Timer* a, const Timer* b) { return a->due() < b->due(); });
    for (Timer* t : due) {
        if (ended_) break;
        if (!t->armed()) continue;  // an earlier tick stopped it
        t->advanceAfterTick(time());
        if (t->onTimer) runHandler(t->form(), t->name() + "_Timer", t->onTimer);
        drainQueue();
    }
}

// --- Pacing ----------------------------------------------------------------------------------

void Program::sceneChanged(Form& f) {
    if (!busy() || ended_) return;
    if (stopRequested_) throw StopSignal{};
    if (f.pace() <= 0) return;
    if (++changes_ < f.pace()) return;
    changes_ = 0;
    if (seeking_) {
        seekFrame();
        if (seeking_) return;  // else it has landed in this handler, which goes on as shown
    }
    ++frames_;
    platform_.frame(f);
    if (stopRequested_) throw StopSignal{};
}

// --- Playback --------------------------------------------------------------------------------

void Program::playbackChanged() {
    for (Form* f : creationOrder_) f->playbackChanged();
    platform_.playbackChanged();
}

void Program::setColorScheme(ColorScheme scheme) {
    if (scheme == scheme_) return;
    scheme_ = scheme;
    for (Form* f : creationOrder_) f->colorSchemeChanged();
    platform_.colorSchemeChanged();
}

void Program::pause() {
    if (ended_ || clock_.paused()) return;
    clock_.pause(platform_.now());
    playbackChanged();
}

void Program::resume() {
    if (ended_ || !clock_.paused()) return;
    clock_.resume(platform_.now());
    stepCredit_ = 0;
    playbackChanged();
}

void Program::setSpeedIndex(int i) {
    if (ended_) return;
    int before = clock_.speedIndex();
    clock_.setSpeedIndex(i, platform_.now());
    if (clock_.speedIndex() != before) playbackChanged();
}

void Program::slower() { setSpeedIndex(clock_.speedIndex() - 1); }
void Program::faster() { setSpeedIndex(clock_.speedIndex() + 1); }
void Program::normalSpeed() { setSpeedIndex(ProgramClock::kNormal); }

bool Program::setSpeed(double speed) {
    auto& s = ProgramClock::kSpeeds;
    auto it = std::find(s.begin(), s.end(), speed);
    if (it == s.end()) return false;
    setSpeedIndex(int(it - s.begin()));
    return true;
}

void Program::stepFrame() {
    if (ended_ || !clock_.paused()) return;
    clock_.advancePaused(kFrameMs);
    if (holding_ > 0) ++stepCredit_;
    playbackChanged();
}

bool Program::holdUntil(double t) {
    ++holding_;
    struct Holding {
        int& h;
        ~Holding() { --h; }
    } holding{holding_};
    bool waited = false;
    while (!stopRequested_ && !ended_) {
        if (!clock_.paused() && time() >= t) break;
        if (clock_.paused() && stepCredit_ > 0) {
            --stepCredit_;
            break;
        }
        if (!platform_.waitUntil(clock_.wallAt(t))) break;
        waited = true;
    }
    return waited;
}

// --- Message boxes ---------------------------------------------------------------------------

void Program::messageBox(Form& over, const std::string& text, bool mayContinue) {
    if (ended_) return;
    // A handler on its way out shows nothing more.
    if (stopRequested_ && busy()) throw StopSignal{};
    if (seeking_) return;  // a page played again to a moment answers its boxes at once
    message_ = OpenMessage{time(), mayContinue};
    struct Close {
        Program& p;
        ~Close() {
            p.message_.reset();
            p.platform_.closeMessageBox();
        }
    };
    {
        Close close{*this};
        platform_.openMessageBox(over, text);
        while (!message_->answered && !stopRequested_ && !ended_) {
            std::optional<double> wall;  // none: until the user does something
            if (messageClosesItself()) {
                const double until = message_->opened + kMessageMs;
                if (time() >= until) break;
                wall = clock_.wallAt(until);
            }
            if (!platform_.waitUntil(wall)) break;  // a machine that cannot wait answers at once
        }
    }
    // A command that leaves or restarts the page took the box with it; the handler goes too.
    if ((stopRequested_ || ended_) && busy()) throw StopSignal{};
}

void Program::messageAnswered() {
    if (message_) message_->answered = true;
}

bool Program::messageClosesItself() const {
    return message_ && message_->mayContinue && continueAfterMessages_;
}

void Program::setContinueAfterMessages(bool on) {
    if (ended_ || continueAfterMessages_ == on) return;
    continueAfterMessages_ = on;
    playbackChanged();
}

void Program::beep(int hz, int ms) {
    // A page played again to a moment is silent; its beeps take their time all the same.
    if (seeking_) {
        seekTime_ += std::clamp(double(ms), 0.0, 10000.0);
        return;
    }
    // A beep asked for while paused (by a click's handler, or the frame a Next Frame ran)
    // waits for the clock to move on.
    if (clock_.paused() && busy()) {
        holdUntil(time());
        if (stopRequested_ || ended_) return;
    }
    platform_.beep(hz, ms / clock_.speed());
}

// --- Timeline --------------------------------------------------------------------------------

namespace {

// The machine a page's timeline is found on: a virtual clock that beeps and paced frames move
// on as the desktop shows them, boxes answered at once, nothing heard or seen.
class SurveyPlatform : public Platform {
public:
    double now() override { return clock; }
    void beep(int, double ms) override {
        clock += std::clamp(ms, 0.0, 10000.0);
        last = clock;
    }
    void setCursorPos(int, int) override {}
    void openMessageBox(Form& over, const std::string&) override {
        over.program().messageAnswered();
    }
    bool openUrl(const std::string&) override { return false; }
    void frame(Form& f) override { f.program().holdUntil(f.program().time() + kFrameMs); }
    bool waitUntil(std::optional<double> wall) override {
        if (!wall) return false;
        clock = std::max(clock, *wall);
        return true;
    }
    void formChanged(Form& f) override {
        if (&f == page) last = clock;
    }

    double clock = 0;
    double last = 0;  // the page's last change or beep
    Form* page = nullptr;
};

}  // namespace

std::optional<Timeline> Program::survey(const std::string& name) {
    // A script is over when nothing has changed for this long, or at the latest at the end of
    // the longest run the driver plays [program ms].
    constexpr double kQuietMs = 30000;
    constexpr double kLongestMs = 600000;
    SurveyPlatform machine;
    Program p(machine);
    p.factories_ = factories_;
    Form* f = p.form(name);
    if (!f || f->timers().empty()) return std::nullopt;
    Timeline t;
    machine.page = f;
    p.surveyed_ = f;
    p.stagesFound_ = &t.stages;
    p.start(name);
    while (!p.ended() && p.active() == f) {
        auto due = p.nextDue();
        if (!due || *due > kLongestMs || *due > machine.last + kQuietMs) break;
        machine.clock = std::max(machine.clock, *due);
        p.fireDueTimers();
    }
    t.lengthMs = std::max(0.0, machine.last - p.run_.start);
    return t;
}

const Timeline* Program::timeline(const std::string& form) {
    auto it = timelines_.find(form);
    if (it == timelines_.end()) it = timelines_.emplace(form, survey(form)).first;
    return it->second ? &*it->second : nullptr;
}

void Program::stageBegins(Form& f, const std::string& name) {
    if (stagesFound_ && &f == surveyed_) stagesFound_->push_back({time() - run_.start, name});
}

double Program::position() const {
    if (!run_.form || run_.form != active_) return 0;
    return time() - run_.start;
}

void Program::noteInput(Form& f, std::function<void()> again) {
    if (seeking_ || run_.form != &f) return;
    run_.inputs.push_back({time(), std::move(again)});
}

void Program::seek(double ms) {
    Form* f = active_;
    if (!f || ended_ || run_.form != f || seeking_) return;
    const Timeline* t = timeline(f->name());
    if (!t) return;
    ms = std::clamp(ms, 0.0, t->lengthMs);
    // Stops a running handler as Replay does, but keeps the pause.
    deliver([this, f, ms] { seekNow(*f, ms); }, true, false);
}

void Program::seekBy(double ms) { seek(position() + ms); }

void Program::seekStage(int step) {
    Form* f = active_;
    if (!f) return;
    const Timeline* t = timeline(f->name());
    if (!t) return;
    seek(step < 0 ? previousStage(*t, position()) : nextStage(*t, position()));
}

void Program::seekNow(Form& f, double ms) {
    if (ended_ || !f.visible() || run_.form != &f || active_ != &f) return;
    const double target = run_.start + ms;
    auto& inputs = run_.inputs;
    inputs.erase(
        std::remove_if(inputs.begin(), inputs.end(), [&](const Input& i) { return i.t > target; }),
        inputs.end());
    seekInputs_ = inputs;
    seekNext_ = 0;
    seekTime_ = run_.start;
    seekTarget_ = target;
    seeking_ = true;
    // Inputs the page played again queues behind its handlers come in between, as they did.
    struct Restore {
        Program& p;
        bool draining;
        ~Restore() {
            p.seeking_ = false;
            p.draining_ = draining;
            p.seekInputs_.clear();
        }
    } restore{*this, draining_};
    draining_ = false;
    run_.restore();
    runHandler(f, "Form_Activate", [&] { f.Form_Activate(); });
    constexpr double inf = std::numeric_limits<double>::infinity();
    while (seeking_ && !ended_) {
        double due = inf;
        for (Form* g : creationOrder_)
            for (Timer* t : g->timers())
                if (t->armed()) due = std::min(due, t->due());
        const double input = seekNext_ < seekInputs_.size() ? seekInputs_[seekNext_].t : inf;
        const double t = std::min(due, input);
        if (t > target) break;
        seekTime_ = std::max(seekTime_, t);
        if (input <= seekTime_ && input <= due)
            seekInputs_[seekNext_++].again();
        else
            fireDueTimers();
    }
    if (seeking_) land(std::max(seekTime_, target));
}

void Program::seekFrame() {
    // The frame the desktop would show at this moment: the seek lands on the first one due at
    // or after its target, and the handler goes on from there as shown.
    if (seekTime_ >= seekTarget_) {
        land(seekTime_);
        return;
    }
    seekTime_ += kFrameMs;
    deliverSeekInputs();
}

void Program::deliverSeekInputs() {
    while (seekNext_ < seekInputs_.size() && seekInputs_[seekNext_].t <= seekTime_)
        seekInputs_[seekNext_++].again();
}

void Program::land(double at) {
    seeking_ = false;
    clock_.jumpTo(at, platform_.now());
    if (run_.form) platform_.sought(*run_.form);
}

}  // namespace scene
