#include "tools/driver/session.h"

#include <algorithm>
#include <limits>

#include "app/registry.h"

namespace driver {

using scene::Control;
using scene::Form;

Form* shownForm(const scene::Program& p) {
    if (Form* f = p.active()) return f;
    auto vis = p.visibleForms();
    return vis.empty() ? nullptr : vis.back();
}

Session::Session() : program_(std::make_unique<scene::Program>(platform_)) {
    app::registerForms(*program_);
}

Session::~Session() = default;

bool Session::start(const std::string& form) {
    if (!program_->exists(form)) return false;
    program_->start(form);
    return true;
}

void Session::advanceTo(double t) {
    while (!program_->ended()) {
        auto due = program_->nextDue();
        if (!due || *due > t) break;
        platform_.clock = std::max(platform_.clock, *due);
        program_->fireDueTimers();
    }
    platform_.clock = std::max(platform_.clock, t);
}

bool Session::perform(const Action& a, std::string& error) {
    auto& p = *program_;
    if (p.ended()) return true;
    Form* f = shownForm(p);
    if (!f) return true;
    auto where = " on form '" + f->name() + "'";
    switch (a.type) {
        case Action::Type::Click: {
            Control* c = f->find(a.target);
            if (!c) {
                error = "click: no control '" + a.target + "'" + where;
                return false;
            }
            p.click(*c);
            return true;
        }
        case Action::Type::Type: {
            auto* box = dynamic_cast<scene::TextBox*>(f->find(a.target));
            if (!box) {
                error = "type: no text box '" + a.target + "'" + where;
                return false;
            }
            p.type(*box, a.text);
            return true;
        }
        case Action::Type::Menu: {
            auto* item = f->menuItem(a.target);
            if (!item || item->level == 0) {
                error = "menu: no menu item '" + a.target + "'" + where;
                return false;
            }
            p.menu(*item);
            return true;
        }
        case Action::Type::Key:
            p.shortcut(*f, a.target);
            return true;
        case Action::Type::Close:
            p.closeButton(*f);
            return true;
        case Action::Type::Seek:
            p.seek(a.to);
            return true;
    }
    return true;
}

namespace {
// Unwinds a handler held paused when nothing more will come: the run ends there.
struct RunOver {};
}  // namespace

bool Session::run(std::optional<double> until, std::vector<Action> actions, std::string& error) {
    std::stable_sort(actions.begin(), actions.end(),
                     [](const Action& a, const Action& b) { return a.t < b.t; });
    // Without an end time a run stops at the latest kMaxUntilMs after it began.
    const double limit = until ? *until : platform_.clock + kMaxUntilMs;
    size_t next = 0;
    bool failed = false;
    // Inside a paced handler, as on the desktop, an action is delivered at the first frame at
    // or after its time; while the handler is held paused, the next action comes at its own.
    auto performUpTo = [&](double t) {
        while (next < actions.size() && actions[next].t <= std::min(t, limit))
            if (!perform(actions[next++], error)) {
                failed = true;
                throw RunOver{};
            }
    };
    platform_.whileHeld = [&](std::optional<double> wall) {
        const bool more = next < actions.size() && actions[next].t <= limit;
        if (!wall) {
            if (!more) throw RunOver{};
            wall = actions[next].t;
        } else if (more && program_->messageOpen()) {
            // A message box lasts seconds, not a frame: what the user does meanwhile comes at
            // its own time.
            wall = std::min(*wall, std::max(platform_.clock, actions[next].t));
        }
        platform_.clock = std::max(platform_.clock, *wall);
        performUpTo(platform_.clock);
        return true;
    };
    struct Unhook {
        VirtualPlatform& p;
        ~Unhook() { p.whileHeld = nullptr; }
    } unhook{platform_};
    bool ok = true;
    try {
        ok = play(until, limit, actions, next, error);
    } catch (RunOver&) {
    }
    if (failed || !ok) return false;
    if (until && !program_->ended()) platform_.clock = std::max(platform_.clock, *until);
    return true;
}

bool Session::play(std::optional<double> until, double limit, const std::vector<Action>& actions,
                   size_t& next, std::string& error) {
    auto activeTimerRuns = [&] {
        Form* f = program_->active();
        if (!f) return false;
        for (auto* t : f->timers())
            if (t->armed()) return true;
        return false;
    };
    while (!program_->ended()) {
        if (!until && next >= actions.size() && !activeTimerRuns()) break;
        constexpr double inf = std::numeric_limits<double>::infinity();
        double actionT = next < actions.size() ? actions[next].t : inf;
        double due = program_->nextDue().value_or(inf);
        double t = std::min(actionT, due);
        if (t > limit) break;
        platform_.clock = std::max(platform_.clock, t);
        if (actionT <= platform_.clock && actionT <= due) {
            if (!perform(actions[next++], error)) return false;
        } else {
            program_->fireDueTimers();
        }
    }
    return true;
}
}  // namespace driver
