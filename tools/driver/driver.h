#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "scene/program.h"
#include "tools/driver/json.h"

namespace driver {

// One scripted user action at a virtual time.
struct Action {
    enum class Type { Click, Type, Menu, Key, Close };
    double t = 0;
    Type type = Type::Click;
    std::string target;  // control, menu item or shortcut
    std::string text;    // for Type
};

struct Options {
    std::string form;
    std::optional<double> until;
    std::vector<Action> actions;
    bool segments = false;
    bool paced = false;
    std::string png, wav;
};

constexpr double kMaxUntilMs = 600000;

// Parses the command line; nullopt with a one-line message on a bad argument.
std::optional<Options> parseArgs(const std::vector<std::string>& args, std::string& error);
std::optional<Action> parseAction(double t, const std::string& spec, std::string& error);

struct BeepRecord {
    double t;
    int hz;
    double ms;  // on screen: shorter at a higher speed
};
struct CursorRecord {
    double t;
    int px, py;
};
struct MessageRecord {
    double t;
    std::string text;
};
struct HandlerRecord {
    double t;
    std::string form, name;
    double ms;
};

// The machine as the driver plays it: a virtual clock that only beeps and (when paced) frames
// advance, message boxes answered at once, everything recorded.
class VirtualPlatform : public scene::Platform {
public:
    double now() override { return clock; }
    void beep(int hz, double ms) override;
    void setCursorPos(int px, int py) override;
    void messageBox(const std::string& text) override;
    bool openUrl(const std::string& url) override;
    void end() override { ended = true; }
    void frame(scene::Form&) override;
    void handlerRan(scene::Form& f, const std::string& name, double start, double end) override;

    double clock = 0;
    bool paced = false;
    bool ended = false;
    bool urlsAccepted = true;
    std::function<void(const std::string&)> onMessage;  // tests may act while a box is open
    std::function<void()> onFrame;                      // tests may act between frames
    std::vector<BeepRecord> beeps;
    std::vector<CursorRecord> cursor;
    std::vector<MessageRecord> messages;
    std::vector<HandlerRecord> handlers;
    std::vector<std::string> urls;
};

// A whole program played on the virtual clock.
class Session {
public:
    Session();
    ~Session();

    scene::Program& program() { return *program_; }
    VirtualPlatform& platform() { return platform_; }

    // Starts the program on a form as Show would; false when there is no such form.
    bool start(const std::string& form);
    // Runs timers until virtual time `until` (or, without one, until no timer of the active
    // form is enabled), carrying out the actions at their times. Returns false with a message
    // when an action names something that is not there.
    bool run(std::optional<double> until, std::vector<Action> actions, std::string& error);
    // Advances to time t, firing every tick due on the way.
    void advanceTo(double t);
    bool perform(const Action& a, std::string& error);

    Json report(const std::string& startForm, bool withSegments) const;

private:
    VirtualPlatform platform_;
    std::unique_ptr<scene::Program> program_;
};

// Renders the active form to a PNG; provided by the desktop build, absent headless.
using PngRenderer = std::function<bool(scene::Form&, const std::string& path, std::string& error)>;
void setPngRenderer(PngRenderer r);

// The whole command: returns the exit status, prints the report on `out`, errors on `err`.
int runCommand(const std::vector<std::string>& args, std::string& out, std::string& err);

}  // namespace driver
