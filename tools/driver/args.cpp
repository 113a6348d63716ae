#include "tools/driver/args.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

#include "scene/files.h"
#include "scene/playback.h"
#include "scene/words.h"
#include "tools/driver/number_text.h"

namespace driver {

static bool parseMs(const std::string& s, double& out) {
    double v = 0;
    if (!readNumber(s, v) || v < 0) return false;
    out = v;
    return true;
}

static bool validControlName(const std::string& n) {
    size_t i = 0;
    if (n.empty() || !(std::isalpha((unsigned char)n[0]) || n[0] == '_')) return false;
    while (i < n.size() && (std::isalnum((unsigned char)n[i]) || n[i] == '_')) ++i;
    if (i == n.size()) return true;
    if (n[i] != '(' || n.back() != ')' || i + 2 >= n.size()) return false;
    for (size_t j = i + 1; j + 1 < n.size(); ++j)
        if (!std::isdigit((unsigned char)n[j])) return false;
    return true;
}

static std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

// A key as the menus write it, from its character or its name in any case: "minus" and "-"
// are both "-"; "" for a key no menu uses.
static std::string keyName(const std::string& k) {
    static const std::pair<const char*, const char*> kNamed[] = {
        {"minus", "-"},     {"plus", "+"},      {"equal", "="},       {"period", "."},
        {"space", "Space"}, {"pause", "Pause"}, {"escape", "Escape"}, {"left", "Left"},
        {"right", "Right"}, {"up", "Up"},       {"down", "Down"},     {"home", "Home"},
    };
    if (k.size() == 1 && (std::isalnum((unsigned char)k[0]) || std::strchr("-+=.", k[0])))
        return std::string(1, char(std::toupper((unsigned char)k[0])));
    const std::string l = lower(k);
    for (auto& [name, key] : kNamed)
        if (l == name) return key;
    if (l.size() >= 2 && l.size() <= 3 && l[0] == 'f') {
        int n = 0;
        for (size_t i = 1; i < l.size(); ++i) {
            if (!std::isdigit((unsigned char)l[i])) return "";
            n = n * 10 + (l[i] - '0');
        }
        if (n >= 1 && n <= 12) return "F" + std::to_string(n);
    }
    return "";
}

// "ctrl+n" and "Ctrl+N" both name the menu shortcut "Ctrl+N", "ctrl+minus" names "Ctrl+-",
// "ctrl+shift+c" names "Ctrl+Shift+C". Keys without Ctrl are the function keys and Pause.
static std::optional<std::string> canonicalShortcut(const std::string& s) {
    std::string rest = s, mods;
    for (const char* mod : {"ctrl+", "shift+"}) {
        const std::string m = mod;
        if (rest.size() > m.size() && lower(rest.substr(0, m.size())) == m) {
            mods += m == "ctrl+" ? "Ctrl+" : "Shift+";
            rest = rest.substr(m.size());
        }
    }
    const std::string key = keyName(rest);
    if (key.empty()) return std::nullopt;
    const bool bare = key == "Pause" || key == "Escape" || (key.size() > 1 && key[0] == 'F');
    if (mods.empty() ? !bare : mods.rfind("Ctrl+", 0) != 0) return std::nullopt;
    return mods + key;
}

std::optional<Action> parseAction(double t, const std::string& spec, std::string& error) {
    Action a;
    a.t = t;
    auto colon = spec.find(':');
    std::string verb = spec.substr(0, colon);
    std::string rest = colon == std::string::npos ? "" : spec.substr(colon + 1);
    if (verb == "close" && colon == std::string::npos) {
        a.type = Action::Type::Close;
        return a;
    }
    if (colon == std::string::npos) {
        error = "bad action '" + spec + "': expected click:, type:, menu:, key:, seek: or close";
        return std::nullopt;
    }
    if (verb == "click") {
        a.type = Action::Type::Click;
        a.target = rest;
    } else if (verb == "type") {
        auto eq = rest.find('=');
        if (eq == std::string::npos) {
            error = "bad action '" + spec + "': expected type:CONTROL=TEXT";
            return std::nullopt;
        }
        a.type = Action::Type::Type;
        a.target = rest.substr(0, eq);
        a.text = rest.substr(eq + 1);
    } else if (verb == "menu") {
        a.type = Action::Type::Menu;
        a.target = rest;
    } else if (verb == "seek") {
        if (!parseMs(rest, a.to) || a.to > kMaxUntilMs) {
            error = "bad action '" + spec + "': expected seek:MS, from 0 to 600000";
            return std::nullopt;
        }
        a.type = Action::Type::Seek;
        return a;
    } else if (verb == "key") {
        auto k = canonicalShortcut(rest);
        if (!k) {
            error = "bad shortcut '" + rest +
                    "': expected Ctrl+KEY or Ctrl+Shift+KEY (a letter, digit, - + = . Space or an "
                    "arrow, Home), F1 to F12 or Pause";
            return std::nullopt;
        }
        a.type = Action::Type::Key;
        a.target = *k;
        return a;
    } else {
        error = "bad action '" + spec + "': unknown verb '" + verb + "'";
        return std::nullopt;
    }
    if (!validControlName(a.target)) {
        error = "bad name '" + a.target + "' in action '" + spec + "'";
        return std::nullopt;
    }
    return a;
}

std::optional<Options> parseArgs(const std::vector<std::string>& raw, std::string& error) {
    // Text as node hands it to the driver's web build, so that both builds see the same.
    std::vector<std::string> args;
    for (const std::string& a : raw) args.push_back(scene::validUtf8(a));
    Options o;
    // The latest --at, to be checked against --until wherever that stands.
    double latest = -1;
    std::string latestText, untilText;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto need = [&](size_t n) {
            if (i + n < args.size()) return true;
            error = a + " needs " + (n == 1 ? "a value" : "two values");
            return false;
        };
        if (a == "--until") {
            if (!need(1)) return std::nullopt;
            double v;
            if (!parseMs(args[++i], v) || v > kMaxUntilMs) {
                error = "--until takes milliseconds from 0 to 600000, not '" + args[i] + "'";
                return std::nullopt;
            }
            o.until = v;
            untilText = args[i];
        } else if (a == "--at") {
            if (!need(2)) return std::nullopt;
            double t;
            if (!parseMs(args[i + 1], t) || t > kMaxUntilMs) {
                error = "--at takes milliseconds from 0 to 600000, not '" + args[i + 1] + "'";
                return std::nullopt;
            }
            auto act = parseAction(t, args[i + 2], error);
            if (!act) return std::nullopt;
            if (t > latest) {
                latest = t;
                latestText = args[i + 1];
            }
            o.actions.push_back(*act);
            i += 2;
        } else if (a == "--segments") {
            o.segments = true;
        } else if (a == "--paced") {
            o.paced = true;
        } else if (a == "--projector") {
            o.projector = true;
        } else if (a == "--reader") {
            o.reader = true;
        } else if (a == "--lang") {
            if (!need(1)) return std::nullopt;
            const std::string& code = args[++i];
            o.language = scene::matchLanguage(code);
            if (o.language.empty()) {
                std::string codes;
                for (const scene::Language& l : scene::languages())
                    codes += (codes.empty() ? "" : ", ") + std::string(l.code);
                error = "--lang takes " + codes + " or " + std::string(scene::kPseudoLanguage) +
                        ", not '" + code + "'";
                return std::nullopt;
            }
        } else if (a == "--speed") {
            if (!need(1)) return std::nullopt;
            double v = 0;
            auto& speeds = scene::ProgramClock::kSpeeds;
            const std::string& text = args[++i];
            if (!readNumber(text, v) ||
                std::find(speeds.begin(), speeds.end(), v) == speeds.end()) {
                error = "--speed takes 0.25, 0.5, 1, 2 or 4, not '" + text + "'";
                return std::nullopt;
            }
            o.speed = v;
        } else if (a == "--png" || a == "--wav") {
            if (!need(1)) return std::nullopt;
            if (args[i + 1].empty()) {
                error = a + " needs a file name";
                return std::nullopt;
            }
            (a == "--png" ? o.png : o.wav) = args[++i];
        } else if (!a.empty() && a[0] == '-') {
            error = "unknown option '" + a + "'";
            return std::nullopt;
        } else if (o.form.empty()) {
            o.form = a;
        } else {
            error = "unexpected argument '" + a + "'";
            return std::nullopt;
        }
    }
    if (o.form.empty()) {
        error =
            "usage: orbelune-script FORM [--until MS] [--at MS ACTION]... [--segments] [--paced] "
            "[--speed S] [--projector] [--lang CODE] [--reader] [--png FILE] [--wav FILE]";
        return std::nullopt;
    }
    // An action after the end would silently never happen.
    if (o.until && latest > *o.until) {
        error = "--at " + latestText + " comes after --until " + untilText;
        return std::nullopt;
    }
    return o;
}

}  // namespace driver
