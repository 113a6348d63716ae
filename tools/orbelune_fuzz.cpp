// Throws random user actions at the whole program on the virtual clock and checks, after each,
// that what a student would see is still sane. Usage:
//   orbelune-fuzz --seed N --actions K [--verbose] [--limit-s S]
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tools/driver/driver.h"

namespace {

using scene::Control;
using scene::Form;
using scene::Kind;

// What a bored student types.
std::vector<std::string> typedTexts() {
    return {"",
            " ",
            "   ",
            "abc",
            "0",
            "-0",
            "1",
            "8",
            "64",
            "-1",
            "-5",
            "0.5",
            "4001",
            "4483",
            "7500",
            "9000",
            "12000",
            "1e308",
            "-1e308",
            "1e-308",
            "nan",
            "inf",
            "-inf",
            "1,5",
            "&H10",
            "3e",
            "--2",
            "99999999999999999999",
            "ünïcødé ☺",
            std::string(10000, '9'),
            std::string(10000, 'x'),
            "\t\n",
            "1 2 3"};
}

struct Failure {
    std::string what;
};

class Fuzzer {
public:
    Fuzzer(std::uint64_t seed, bool verbose) : rng_(seed), seed_(seed), verbose_(verbose) {
        restart();
    }

    // One top-level action; returns a description of it.
    std::string step() {
        if (session_->program().ended()) {
            restart();
            return "restart after the program ended";
        }
        return act(0);
    }

    // Every sanity condition; the first broken one is reported.
    void check(std::vector<Failure>& out) {
        auto& p = session_->program();
        if (p.busy()) out.push_back({"a handler is still running between actions"});
        if (p.ended()) return;
        int pages = 0;
        for (Form* f : p.visibleForms())
            if (f->name() != "frmAbout") ++pages;
        if (pages != 1) out.push_back({std::to_string(pages) + " lesson or menu windows visible"});
        for (Form* f : p.createdForms()) {
            for (auto& c : f->controls()) {
                scene::PropList props;
                c->properties(props);
                for (auto& [name, v] : props)
                    if (auto* d = std::get_if<double>(&v); d && !std::isfinite(*d))
                        out.push_back(
                            {f->name() + "." + c->fullName() + "." + name + " is not finite"});
            }
            auto& s = f->surface();
            auto& seen = checked_[f];
            if (seen.first != s.generation() || seen.second > s.size()) seen = {s.generation(), 0};
            bool bad = false;
            s.forEach(seen.second, [&](const scene::Segment& g) {
                bad = bad || !std::isfinite(g.x1) || !std::isfinite(g.y1) || !std::isfinite(g.x2) ||
                      !std::isfinite(g.y2);
            });
            if (bad) out.push_back({f->name() + " drew a segment with a non-finite end"});
            seen.second = s.size();
        }
    }

    long frames = 0, messages = 0, nestedActions = 0, restarts = 0;

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }

    void restart() {
        ++restarts;
        session_ = std::make_unique<driver::Session>();
        checked_.clear();
        auto& pf = session_->platform();
        pf.paced = chance(0.5);  // frames let actions land in the middle of long handlers
        pf.onFrame = [this] {
            ++frames;
            if (nested_ <= 1 && chance(0.01)) ++nestedActions, act(1);
        };
        pf.onMessage = [this](const std::string&) {
            ++messages;
            if (nested_ <= 1 && chance(0.3)) ++nestedActions, act(1);
        };
        session_->start(chance(0.4) ? "Utama" : randomForm());
    }

    std::string randomForm() {
        // Any page the driver can start on; the About box is never the program's first window.
        auto names = session_->program().registered();
        std::erase(names, std::string("frmAbout"));
        return names[pick(int(names.size()))];
    }

    std::string act(int depth) {
        struct Nest {
            int& n;
            explicit Nest(int& n) : n(n) { ++n; }
            ~Nest() { --n; }
        } nest(nested_);
        auto& p = session_->program();
        Form* f = driver::shownForm(p);
        std::string in = depth ? " (during a handler or message box)" : "";
        if (!f || p.ended()) return "nothing to act on";
        const std::string at = f->name() + ": ";
        // The About box has nothing but its close button; a student soon closes it or clicks
        // the lesson beside it.
        if (f->name() == "frmAbout" && chance(0.3)) {
            auto vis = p.visibleForms();
            Form* g = vis[pick(int(vis.size()))];
            if (g == f) {
                p.closeButton(*f);
                return at + "close button" + in;
            }
            p.windowActivated(*g);
            return at + "activate " + g->name() + in;
        }
        int kind = pick(1000);
        if (kind < 180) {  // a menu item, enabled or not, as the menu or its shortcut
            auto& items = f->menu();
            if (items.empty()) return at + "no menu";
            auto& m = *items[pick(int(items.size()))];
            if (m.level == 0) return at + "menu title " + m.name();
            if (!m.shortcut.empty() && chance(0.5)) {
                p.shortcut(*f, m.shortcut);
                return at + "key " + m.shortcut + in;
            }
            if (m.Enabled && m.Visible) p.menu(m);
            return at + "menu " + m.name() + in;
        }
        if (kind < 188) {  // the Language menu: the page starts again in another language
            const std::string code = chance(0.5) ? std::string(scene::kPseudoLanguage) : "en";
            p.setLanguage(code);
            return at + "language " + code + in;
        }
        if (kind < 210) {  // a shortcut nothing has
            static const char* keys[] = {"Ctrl+Z", "Ctrl+Q", "Ctrl+", "Alt+F4", "Ctrl+Shift+N"};
            const char* k = keys[pick(5)];
            p.shortcut(*f, k);
            return at + "key " + k + in;
        }
        if (kind < 460) {  // a click on anything clickable or not
            auto& cs = f->controls();
            if (cs.empty()) return at + "no controls";
            std::vector<Control*> clickable;
            for (auto& c : cs)
                if (c->onClick || c->kind() == Kind::CheckBox || c->kind() == Kind::CommandButton)
                    clickable.push_back(c.get());
            Control* c = !clickable.empty() && chance(0.85) ? clickable[pick(int(clickable.size()))]
                                                            : cs[pick(int(cs.size()))].get();
            p.click(*c);
            return at + "click " + c->fullName() + in;
        }
        if (kind < 610) {  // typing into a text box
            std::vector<scene::TextBox*> boxes;
            for (auto& c : f->controls())
                if (auto* b = dynamic_cast<scene::TextBox*>(c.get())) boxes.push_back(b);
            if (boxes.empty()) return at + "no text box";
            auto* b = boxes[pick(int(boxes.size()))];
            static const auto texts = typedTexts();
            std::string t =
                chance(0.3) ? std::to_string(pick(20000) - 2000) : texts[pick(int(texts.size()))];
            p.type(*b, t);
            return at + "type " + std::to_string(t.size()) + " chars into " + b->fullName() + in;
        }
        if (kind < 622) {
            p.closeButton(*f);
            return at + "close button" + in;
        }
        if (kind < 650) {  // the user brings another of the program's windows to the front
            auto vis = p.visibleForms();
            Form* g = vis[pick(int(vis.size()))];
            p.windowActivated(*g);
            return at + "activate " + g->name() + in;
        }
        if (depth) return at + "no wait inside a handler";
        // Time passes: a moment, a few seconds, or long enough for a whole script.
        double span = chance(0.7) ? pick(400) : chance(0.8) ? pick(8000) : 60000 + pick(120000);
        session_->advanceTo(session_->platform().clock + span);
        return at + "wait " + std::to_string(int(span)) + " ms";
    }

    std::mt19937_64 rng_;
    std::uint64_t seed_;
    bool verbose_;
    int nested_ = 0;
    std::unique_ptr<driver::Session> session_;
    std::map<const Form*, std::pair<std::uint64_t, std::size_t>> checked_;
};

}  // namespace

int main(int argc, char** argv) {
    std::uint64_t seed = 1;
    long actions = 1000;
    bool verbose = false;
    double limitS = 120;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto next = [&]() -> const char* {
            if (i + 1 >= argc) {
                std::cerr << "orbelune-fuzz: " << a << " needs a value\n";
                std::exit(2);
            }
            return argv[++i];
        };
        if (a == "--seed")
            seed = std::strtoull(next(), nullptr, 10);
        else if (a == "--actions")
            actions = std::strtol(next(), nullptr, 10);
        else if (a == "--limit-s")
            limitS = std::strtod(next(), nullptr);
        else if (a == "--verbose")
            verbose = true;
        else {
            std::cerr << "usage: orbelune-fuzz --seed N --actions K [--verbose] [--limit-s S]\n";
            return 2;
        }
    }
    if (actions < 0) actions = 0;

    // A hang is a failure too: a watchdog ends the run when one action takes too long.
    std::atomic<long> current{-1};
    std::atomic<long long> startedMs{0};
    std::atomic<bool> done{false};
    auto nowMs = [] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    };
    std::thread watchdog([&] {
        while (!done) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            long i = current;
            if (i >= 0 && nowMs() - startedMs > limitS * 1000) {
                std::fprintf(stdout,
                             "FAIL seed %llu action %ld: no answer within %.0f s\n"
                             "replay: orbelune-fuzz --seed %llu --actions %ld --verbose\n"
                             "actions: %ld, failures: 1\n",
                             (unsigned long long)seed, i, limitS, (unsigned long long)seed, i + 1,
                             i);
                std::fflush(stdout);
                _exit(1);
            }
        }
    });

    Fuzzer fz(seed, verbose);
    long failures = 0;
    for (long i = 0; i < actions; ++i) {
        startedMs = nowMs();
        current = i;
        std::string what;
        std::vector<Failure> found;
        try {
            what = fz.step();
        } catch (const std::exception& e) {
            found.push_back({std::string("exception: ") + e.what()});
        } catch (...) {
            found.push_back({"unknown exception"});
        }
        current = -1;
        if (verbose) std::cout << i << ": " << what << "\n";
        fz.check(found);
        for (auto& f : found) {
            ++failures;
            std::cout << "FAIL seed " << seed << " action " << i << " (" << what << "): " << f.what
                      << "\n";
        }
        if (!found.empty() && failures >= 20) {
            std::cout << "stopping after 20 failures\n";
            actions = i + 1;
            break;
        }
    }
    done = true;
    watchdog.join();
    std::cout << "paced frames: " << fz.frames << ", message boxes: " << fz.messages
              << ", actions inside handlers or boxes: " << fz.nestedActions
              << ", program starts: " << fz.restarts << "\n";
    if (failures)
        std::cout << "replay: orbelune-fuzz --seed " << seed << " --actions " << actions
                  << " --verbose\n";
    std::cout << "actions: " << actions << ", failures: " << failures << "\n";
    return failures ? 1 : 0;
}
