#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "scene/program.h"
#include "tools/driver/args.h"
#include "tools/driver/virtual_platform.h"

namespace driver {

// A whole program played on the virtual clock.
class Session {
public:
    Session();
    ~Session();

    scene::Program& program() { return *program_; }
    const scene::Program& program() const { return *program_; }
    VirtualPlatform& platform() { return platform_; }
    const VirtualPlatform& platform() const { return platform_; }

    // Starts the program on a form as Show would; false when there is no such form.
    bool start(const std::string& form);
    // Runs timers until virtual time `until` (or, without one, until no timer of the active
    // form is enabled), carrying out the actions at their times; one that falls inside a paced
    // handler at the first frame at or after it. A handler held paused when no action is left
    // ends the run there. Returns false with a message when an action names something that is
    // not there.
    bool run(std::optional<double> until, std::vector<Action> actions, std::string& error);
    // Advances to time t, firing every tick due on the way.
    void advanceTo(double t);
    bool perform(const Action& a, std::string& error);

private:
    // The loop of run() between handlers: ticks as they fall due, actions at their times.
    bool play(std::optional<double> until, double limit, const std::vector<Action>& actions,
              size_t& next, std::string& error);
    VirtualPlatform platform_;
    std::unique_ptr<scene::Program> program_;
};

// The form the user is looking at: the active one, else the last one shown; nullptr when no
// window is on screen.
scene::Form* shownForm(const scene::Program& p);

}  // namespace driver
