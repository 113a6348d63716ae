#include "tools/driver/driver.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

#include "scene/pointer.h"
#include "shell/registry.h"
#include "tools/driver/wav.h"

namespace driver {

using scene::Control;
using scene::Form;

// --- Arguments -------------------------------------------------------------------------------

static bool parseMs(const std::string& s, double& out) {
    double v = 0;
    auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size() || !std::isfinite(v) || v < 0)
        return false;
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

// "ctrl+n" and "Ctrl+N" both name the menu shortcut "Ctrl+N".
static std::optional<std::string> canonicalShortcut(const std::string& s) {
    auto plus = s.find('+');
    if (plus == std::string::npos || plus + 2 != s.size()) return std::nullopt;
    std::string mod = s.substr(0, plus);
    std::transform(mod.begin(), mod.end(), mod.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    char key = char(std::toupper((unsigned char)s.back()));
    if (mod != "ctrl" || !std::isalpha((unsigned char)key)) return std::nullopt;
    return std::string("Ctrl+") + key;
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
        error = "bad action '" + spec + "': expected click:, type:, menu:, key: or close";
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
    } else if (verb == "key") {
        auto k = canonicalShortcut(rest);
        if (!k) {
            error = "bad shortcut '" + rest + "': expected Ctrl+LETTER";
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

std::optional<Options> parseArgs(const std::vector<std::string>& args, std::string& error) {
    Options o;
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
        } else if (a == "--at") {
            if (!need(2)) return std::nullopt;
            double t;
            if (!parseMs(args[i + 1], t) || t > kMaxUntilMs) {
                error = "--at takes milliseconds from 0 to 600000, not '" + args[i + 1] + "'";
                return std::nullopt;
            }
            auto act = parseAction(t, args[i + 2], error);
            if (!act) return std::nullopt;
            o.actions.push_back(*act);
            i += 2;
        } else if (a == "--segments") {
            o.segments = true;
        } else if (a == "--paced") {
            o.paced = true;
        } else if (a == "--png" || a == "--wav") {
            if (!need(1)) return std::nullopt;
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
            "[--png FILE] [--wav FILE]";
        return std::nullopt;
    }
    return o;
}

// --- Virtual platform ------------------------------------------------------------------------

void VirtualPlatform::beep(int hz, double ms) {
    beeps.push_back({clock, hz, ms});
    clock += std::clamp(ms, 0.0, 10000.0);
}

void VirtualPlatform::setCursorPos(int px, int py) { cursor.push_back({clock, px, py}); }

void VirtualPlatform::messageBox(const std::string& text) {
    messages.push_back({clock, text});
    if (onMessage) onMessage(text);
}

bool VirtualPlatform::openUrl(const std::string& url) {
    urls.push_back(url);
    return urlsAccepted;
}

void VirtualPlatform::frame(Form&) {
    if (paced) clock += scene::kFrameMs;
    if (onFrame) onFrame();
}

void VirtualPlatform::handlerRan(Form& f, const std::string& name, double start, double end) {
    if (end - start >= 50) handlers.push_back({start, f.name(), name, end - start});
}

// --- Session ---------------------------------------------------------------------------------

Session::Session() : program_(std::make_unique<scene::Program>(platform_)) {
    shell::registerForms(*program_);
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
    Form* f = p.active();
    if (!f) {
        auto vis = p.visibleForms();
        if (vis.empty()) return true;
        f = vis.back();
    }
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
    }
    return true;
}

bool Session::run(std::optional<double> until, std::vector<Action> actions, std::string& error) {
    std::stable_sort(actions.begin(), actions.end(),
                     [](const Action& a, const Action& b) { return a.t < b.t; });
    // Without an end time a run stops at the latest kMaxUntilMs after it began.
    const double limit = until ? *until : platform_.clock + kMaxUntilMs;
    size_t next = 0;
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
    if (until && !program_->ended()) platform_.clock = std::max(platform_.clock, *until);
    return true;
}

static Json propValue(const scene::PropValue& v) {
    if (auto* d = std::get_if<double>(&v)) return Json(*d);
    if (auto* s = std::get_if<std::string>(&v)) return Json(*s);
    return Json(std::get<bool>(v));
}

Json Session::report(const std::string& startForm, bool withSegments) const {
    auto& p = *program_;
    Json r = Json::object();
    r["form"] = startForm;
    r["time_ms"] = platform_.clock;
    Form* active = p.active();
    r["active"] = active ? Json(active->name()) : Json();
    Json vis = Json::array();
    for (Form* f : p.visibleForms()) vis.push(f->name());
    r["visible_forms"] = vis;
    r["ended"] = p.ended();
    Json beeps = Json::array();
    for (auto& b : platform_.beeps)
        beeps.push(Json::Object{{"t", b.t}, {"hz", b.hz}, {"ms", b.ms}});
    r["beeps"] = beeps;
    Json cursor = Json::array();
    for (auto& c : platform_.cursor) {
        auto at = scene::classicClientPoint(c.px, c.py);
        cursor.push(Json::Object{{"t", c.t}, {"px", c.px}, {"py", c.py}, {"x", at.x}, {"y", at.y}});
    }
    r["cursor"] = cursor;
    Json messages = Json::array();
    for (auto& m : platform_.messages) messages.push(Json::Object{{"t", m.t}, {"text", m.text}});
    r["messages"] = messages;
    Json handlers = Json::array();
    for (auto& h : platform_.handlers)
        handlers.push(Json::Object{{"t", h.t}, {"form", h.form}, {"name", h.name}, {"ms", h.ms}});
    r["handlers"] = handlers;
    Json urls = Json::array();
    for (auto& u : platform_.urls) urls.push(u);
    r["urls"] = urls;

    // The form the report describes: the active one, else the last one shown.
    Form* shown = active;
    if (!shown) {
        auto vis = p.visibleForms();
        shown = vis.empty() ? p.created(startForm) : vis.back();
    }
    Json menu = Json::object();
    Json controls = Json::object();
    Json segments = Json::object();
    if (shown) {
        for (auto& m : shown->menu())
            menu[m->name()] = Json::Object{
                {"caption", m->caption}, {"shortcut", m->shortcut}, {"enabled", m->Enabled.get()}};
        for (auto& c : shown->controls()) {
            Json entry = Json::object();
            entry["kind"] = scene::kindName(c->kind());
            scene::PropList props;
            c->properties(props);
            for (auto& [k, v] : props) entry[k] = propValue(v);
            controls[c->fullName()] = entry;
        }
        auto& segs = shown->surface();
        segments["count"] = segs.size();
        if (withSegments) {
            Json items = Json::array();
            segs.forEach(0, [&](const scene::Segment& s) {
                items.push(Json::Array{double(s.x1), double(s.y1), double(s.x2), double(s.y2),
                                       double(s.color)});
            });
            segments["items"] = items;
        }
    } else {
        segments["count"] = 0;
    }
    r["menu"] = menu;
    r["controls"] = controls;
    r["segments"] = segments;
    return r;
}

// --- The command -----------------------------------------------------------------------------

static PngRenderer& pngRenderer() {
    static PngRenderer r;
    return r;
}

void setPngRenderer(PngRenderer r) { pngRenderer() = std::move(r); }

int runCommand(const std::vector<std::string>& args, std::string& out, std::string& err) {
    auto opts = parseArgs(args, err);
    if (!opts) return 2;
    Session s;
    s.platform().paced = opts->paced;
    if (!s.start(opts->form)) {
        err = "unknown form '" + opts->form + "'";
        return 2;
    }
    if (!s.run(opts->until, opts->actions, err)) return 2;
    if (!opts->png.empty()) {
        Form* f = s.program().active();
        if (!f) {
            auto vis = s.program().visibleForms();
            f = vis.empty() ? nullptr : vis.back();
        }
        if (!pngRenderer()) {
            err = "--png needs the desktop build of orbelune-script";
            return 2;
        }
        if (!f) {
            err = "--png: no form is on screen";
            return 2;
        }
        if (!pngRenderer()(*f, opts->png, err)) return 2;
    }
    if (!opts->wav.empty()) {
        std::vector<Tone> tones;
        for (auto& b : s.platform().beeps) tones.push_back({b.t, b.hz, int(std::lround(b.ms))});
        if (!writeWav(opts->wav, tones)) {
            err = "--wav: cannot write '" + opts->wav + "'";
            return 2;
        }
    }
    out = s.report(opts->form, opts->segments).dump() + "\n";
    return 0;
}

}  // namespace driver
