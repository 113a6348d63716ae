#pragma once
#include <optional>
#include <string>
#include <vector>

namespace driver {

// One scripted user action at a virtual time.
struct Action {
    enum class Type { Click, Type, Menu, Key, Close, Seek };
    double t = 0;
    Type type = Type::Click;
    std::string target;  // control, menu item or shortcut
    std::string text;    // for Type
    double to = 0;       // for Seek: the moment of the page's run [program ms]
};

struct Options {
    std::string form;
    std::optional<double> until;
    std::vector<Action> actions;
    bool segments = false;
    bool paced = false;
    double speed = 1;        // of the program clock: 0.25, 0.5, 1, 2 or 4
    bool projector = false;  // --png draws in projector colours; the report is the same
    std::string language;    // --lang: every text in this language ("" English)
    bool reader = false;     // what a screen reader gets instead of the report
    std::string png, wav;
};

constexpr double kMaxUntilMs = 600000;

// Parses the command line; nullopt with a one-line message on a bad argument.
std::optional<Options> parseArgs(const std::vector<std::string>& args, std::string& error);
std::optional<Action> parseAction(double t, const std::string& spec, std::string& error);

}  // namespace driver
