// orbelune-bench: how fast the program is, as one table (or, with --json, one JSON object).
//   orbelune-bench [--json] [--lessons FORM,FORM...] [--no-desktop] [--repeat N]
// Headless parts run on Qt's offscreen platform. When DISPLAY names an X server (with a window
// manager), the real program is also started there: start-up against a bare Qt program, frame
// pacing of every in-tick animation, CPU time of 10 idle seconds per lesson, resident memory.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

#include "bench/flights.h"
#include "desktop/formwindow.h"
#include "desktop/png.h"
#include "scene/pointer.h"
#include "tools/driver/driver.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
double msSince(Clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

// What could not be measured; any of it makes the run fail, so no table hides a gap.
std::vector<std::string> failures;

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

struct StillHost : desktop::Host {
    explicit StillHost(scene::Program& p) : p(p) {}
    scene::Program& program() override { return p; }
    void dispatch(const std::function<void()>&) override {}
    scene::Program& p;
};

// Windows on the offscreen platform whose canvas is 1920 x 1080, painted by the desktop painter.
class Renderer {
public:
    explicit Renderer(scene::Program& p) : host_(p) {}
    desktop::FormWindow& window(scene::Form& f) {
        auto& w = windows_[&f];
        if (!w) {
            w = std::make_unique<desktop::FormWindow>(host_, f);
            w->canvas()->setFixedSize(1920, 1080);
            w->adjustSize();
            w->show();
            QCoreApplication::processEvents();
        }
        return *w;
    }
    void present(scene::Form* f) {
        if (f && f->visible()) window(*f).present();
    }

private:
    StillHost host_;
    std::map<scene::Form*, std::unique_ptr<desktop::FormWindow>> windows_;
};

bool timerRuns(scene::Form* f) {
    if (!f) return false;
    for (auto* t : f->timers())
        if (t->armed()) return true;
    return false;
}

// --- Scripts -------------------------------------------------------------------------------

struct ScriptRun {
    double ms = 0;
    std::size_t segments = 0;
    std::uint64_t frames = 0;
    double frameMeanMs = 0, frameMaxMs = 0;  // from one presented frame to the next
    double lastChangeMs = 0;                 // virtual time of the script's last scene change
    double pacedTicksMs = 0;                 // time in the ticks that presented frames (flights)
};

// Plays a form's whole script unpaced, as the driver does without actions: until no timer of
// the active form runs, at most ten virtual minutes. With `render`, the window is painted at
// every frame of a long handler and after every tick that changed the scene, as on the desktop.
ScriptRun playScript(const std::string& form, bool render, bool paced = false) {
    ScriptRun out;
    driver::Session s;
    auto& p = s.program();
    s.platform().paced = paced;
    std::unique_ptr<Renderer> r;
    if (render) r = std::make_unique<Renderer>(p);
    Clock::time_point prev{};
    bool inRun = false;
    double sum = 0;
    long n = 0;
    s.platform().onFrame = [&] {
        if (r) r->present(p.active());
        auto now = Clock::now();
        if (inRun) {
            double d = std::chrono::duration<double, std::milli>(now - prev).count();
            sum += d, ++n, out.frameMaxMs = std::max(out.frameMaxMs, d);
        }
        prev = Clock::now();
        inRun = true;
    };
    auto version = [&] {
        scene::Form* a = p.active();
        return a ? a->version() : 0;
    };
    auto t0 = Clock::now();
    s.start(form);
    if (r) r->present(p.active());
    const double limit = driver::kMaxUntilMs;
    while (!p.ended() && timerRuns(p.active())) {
        auto due = p.nextDue();
        if (!due || *due > limit) break;
        s.platform().clock = std::max(s.platform().clock, *due);
        auto v = version();
        inRun = false;
        const auto framesBefore = p.framesPresented();
        auto tick0 = Clock::now();
        p.fireDueTimers();
        if (p.framesPresented() != framesBefore) out.pacedTicksMs += msSince(tick0);
        if (version() != v) {
            out.lastChangeMs = s.platform().clock;
            if (r) r->present(p.active());
        }
    }
    out.ms = msSince(t0);
    if (scene::Form* a = p.active()) out.segments = a->surface().size();
    out.frames = p.framesPresented();
    out.frameMeanMs = n ? sum / double(n) : 0;
    return out;
}

// --- Frames after many segments ----------------------------------------------------------------

struct Canvas : scene::Form {
    explicit Canvas(scene::Program& p) : Form(p, "Canvas", "Canvas", 11580, 8235) {}
};

double presentAfter(long already) {
    driver::VirtualPlatform platform;
    scene::Program program(platform);
    Canvas form(program);
    Renderer r(program);
    auto& w = r.window(form);
    auto segment = [&](long i) {
        double x = double(i % 11000), y = double((i / 11000) % 8000);
        form.Line(x, y, x + 7, y + 5, -2000000);
    };
    for (long i = 0; i < already; ++i) segment(i);
    w.present();
    std::vector<double> times;
    long i = already;
    for (int k = 0; k < 300; ++k) {
        auto t0 = Clock::now();
        for (int j = 0; j < 50; ++j) segment(i++);  // one frame's worth of a paced flight
        w.present();
        times.push_back(msSince(t0));
    }
    return median(times);
}

// --- Child processes ---------------------------------------------------------------------------

std::vector<std::string> childEnv(const std::map<std::string, std::string>& set, bool x11) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        std::string kv = *e;
        std::string k = kv.substr(0, kv.find('='));
        if (set.count(k) || k == "QT_QPA_PLATFORM") continue;
        env.push_back(kv);
    }
    if (!x11) env.push_back("QT_QPA_PLATFORM=offscreen");
    for (auto& [k, v] : set) env.push_back(k + "=" + v);
    return env;
}

pid_t spawn(const std::string& bin, const std::vector<std::string>& env, int* stdoutFd) {
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    int pipefd[2] = {-1, -1};
    if (stdoutFd) {
        if (pipe(pipefd) != 0) return -1;
        posix_spawn_file_actions_adddup2(&fa, pipefd[1], 1);
        posix_spawn_file_actions_addclose(&fa, pipefd[0]);
    } else {
        posix_spawn_file_actions_addopen(&fa, 1, "/dev/null", O_WRONLY, 0);
    }
    posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv{const_cast<char*>(bin.c_str()), nullptr};
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    pid_t pid = -1;
    int rc = posix_spawn(&pid, bin.c_str(), &fa, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&fa);
    if (stdoutFd) {
        close(pipefd[1]);
        *stdoutFd = pipefd[0];
    }
    return rc == 0 ? pid : -1;
}

// Milliseconds from spawning the program to its report of the first painted frame; <0 on failure.
double timeToFirstFrame(const std::string& bin, bool x11) {
    auto env = childEnv({{"ORBELUNE_FIRST_FRAME", "exit"}}, x11);
    int fd = -1;
    auto t0 = Clock::now();
    pid_t pid = spawn(bin, env, &fd);
    if (pid < 0) return -1;
    std::string got;
    double ms = -1;
    while (msSince(t0) < 20000) {
        pollfd pfd{fd, POLLIN, 0};
        if (poll(&pfd, 1, 100) <= 0) continue;
        char buf[256];
        ssize_t k = read(fd, buf, sizeof buf);
        if (k <= 0) break;
        got.append(buf, std::size_t(k));
        if (got.find("first-frame") != std::string::npos) {
            ms = msSince(t0);
            break;
        }
    }
    close(fd);
    if (ms < 0) kill(pid, SIGKILL);
    int st = 0;
    waitpid(pid, &st, 0);
    return ms;
}

// --- The real program in a real X window -------------------------------------------------------

struct LogLine {
    std::string kind, form;
    double a = 0, b = 0;
    int busy = 0;
};

std::vector<LogLine> readLog(const std::string& path) {
    std::vector<LogLine> out;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream ss(line);
        LogLine l;
        ss >> l.kind;
        if (l.kind == "paint")
            ss >> l.a >> l.form >> l.busy;
        else if (l.kind == "handler")
            ss >> l.a >> l.b >> l.form >> l.kind, l.kind = "handler:" + l.kind;
        else if (l.kind == "beep")
            ss >> l.a >> l.b, l.b += l.a;
        else if (l.kind == "msgbox")
            ss >> l.a >> l.b;
        else
            continue;
        if (ss.fail()) continue;
        out.push_back(l);
    }
    return out;
}

double cpuMs(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string s((std::istreambuf_iterator<char>(in)), {});
    auto close = s.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream ss(s.substr(close + 2));
    std::string f;
    double ut = 0, st = 0;
    for (int i = 3; i <= 15 && ss >> f; ++i) {
        if (i == 14) ut = std::stod(f);
        if (i == 15) st = std::stod(f);
    }
    return (ut + st) * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

double rssMb(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return -1;
}

struct Pacing {
    int animations = 0;
    long frames = 0;
    double minFps = 0, worstGapMs = 0, idleCpuMs = 0;
    long lateFrames = 0, idlePaints = 0, idleTicks = 0;
    double scriptMs = 0;
};

// Frames of every in-tick animation of `form` (a handler of 300 ms or more that presented
// frames): their rate, and the longest wait between two, leaving out the lesson's own pauses
// (a blocking beep, a message box waiting for the user).
void analyse(const std::vector<LogLine>& log, const std::string& form, Pacing& out) {
    std::vector<std::pair<double, double>> pauses;
    for (auto& l : log)
        if (l.kind == "beep" || l.kind == "msgbox") pauses.push_back({l.a - 1, l.b + 1});
    out.minFps = 1e9;
    for (auto& h : log) {
        if (h.kind.rfind("handler:", 0) != 0 || h.form != form || h.b - h.a < 300) continue;
        std::vector<double> t;
        for (auto& p : log)
            if (p.kind == "paint" && p.form == form && p.busy && p.a >= h.a && p.a <= h.b)
                t.push_back(p.a);
        if (t.size() < 5) continue;
        ++out.animations;
        out.frames += long(t.size());
        double paused = 0;
        for (std::size_t i = 1; i < t.size(); ++i) {
            double gap = t[i] - t[i - 1];
            bool pause = false;
            for (auto& [a, b] : pauses)
                if (a < t[i] && b > t[i - 1]) pause = true;
            if (pause) {
                paused += gap;
                continue;
            }
            out.worstGapMs = std::max(out.worstGapMs, gap);
            if (gap > 50) ++out.lateFrames;
        }
        double span = t.back() - t.front() - paused;
        if (span > 0) out.minFps = std::min(out.minFps, double(t.size() - 1) / span * 1000);
    }
    if (out.animations == 0) out.minFps = 0;
}

bool hasLine(const std::vector<LogLine>& log, const std::string& kind, const std::string& form) {
    for (auto& l : log)
        if (l.kind == kind && l.form == form) return true;
    return false;
}

void xdo(const std::string& args) {
    std::string cmd = "xdotool " + args + " >/dev/null 2>&1";
    if (std::system(cmd.c_str()) != 0) {
    }
}

// Plays `forms` in one run of the real program, from the first (Next between them); for each,
// waits out its script (paced length from the driver, plus margin), then measures 10 idle
// seconds. Returns the resident memory at the end.
double playOnDesktop(const std::vector<std::string>& forms,
                     const std::map<std::string, double>& scriptEnd,
                     std::map<std::string, Pacing>& out, bool verbose) {
    char tmpl[] = "/tmp/orbelune-frames-XXXXXX";
    int fd = mkstemp(tmpl);
    if (fd < 0) return -1;
    close(fd);
    std::string log = tmpl;
    auto env = childEnv({{"ORBELUNE_START", forms.front()}, {"ORBELUNE_FRAME_LOG", log}}, true);
    pid_t pid = spawn(ORBELUNE_BIN, env, nullptr);
    if (pid < 0) {
        failures.push_back(std::string("cannot start ") + ORBELUNE_BIN);
        return -1;
    }
    for (std::size_t k = 0; k < forms.size(); ++k) {
        const std::string& form = forms[k];
        if (k > 0) xdo("key ctrl+n");
        auto t0 = Clock::now();
        while (!hasLine(readLog(log), "handler:Form_Activate", form) && msSince(t0) < 15000)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (!hasLine(readLog(log), "handler:Form_Activate", form))
            failures.push_back(form + " never opened on the desktop");
        auto started = Clock::now();
        double waitMs = scriptEnd.at(form) * 1.1 + 2000;
        double boxes = 0;
        for (;;) {
            auto lines = readLog(log);
            boxes = 0;
            for (auto& l : lines)
                if (l.kind == "msgbox") boxes += l.b - l.a;
            if (msSince(started) > waitMs + boxes + 500) break;
            // A student answers the lesson's message boxes.
            std::string cmd = "xdotool search --onlyvisible --pid " + std::to_string(pid) +
                              " --name '^Orbelune$' >/dev/null 2>&1";
            if (std::system(cmd.c_str()) == 0) xdo("key Return");
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
        }
        Pacing& p = out[form];
        p.scriptMs = msSince(started);
        double logBefore = readLog(log).size();
        double c0 = cpuMs(pid);
        std::this_thread::sleep_for(std::chrono::seconds(10));
        double c1 = cpuMs(pid);
        auto lines = readLog(log);
        p.idleCpuMs = c1 - c0;
        for (std::size_t i = std::size_t(logBefore); i < lines.size(); ++i) {
            if (lines[i].kind == "paint") ++p.idlePaints;
            if (lines[i].kind.rfind("handler:", 0) == 0) ++p.idleTicks;
        }
        analyse(lines, form, p);
        if (verbose)
            std::fprintf(stderr,
                         "  %s: %d animations, %.1f fps min, worst gap %.1f ms, idle %.0f ms CPU\n",
                         form.c_str(), p.animations, p.minFps, p.worstGapMs, p.idleCpuMs);
    }
    double rss = rssMb(pid);
    int st = 0;
    if (waitpid(pid, &st, WNOHANG) == pid) {
        failures.push_back("orbelune ended before the run was over (status " + std::to_string(st) +
                           ")");
        rss = -1;
    } else {
        kill(pid, SIGTERM);
        waitpid(pid, &st, 0);
    }
    std::remove(log.c_str());
    return rss;
}

double headlessRssAfterEveryLesson(const std::vector<std::string>& lessons) {
    driver::Session s;
    std::string err;
    for (auto& f : lessons) {
        if (auto* form = s.program().form(f)) s.program().show(*form);
        s.run(std::nullopt, {}, err);
    }
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return -1;
}

std::string loadAvg() {
    std::ifstream in("/proc/loadavg");
    std::string a, b, c;
    in >> a >> b >> c;
    return a + " " + b + " " + c;
}

std::vector<std::string> split(const std::string& s) {
    std::vector<std::string> out;
    std::stringstream ss(s);
    std::string item;
    while (std::getline(ss, item, ','))
        if (!item.empty()) out.push_back(item);
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    bool json = false, desktopPart = true;
    int repeat = 3;
    std::vector<std::string> only;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--json")
            json = true;
        else if (a == "--no-desktop")
            desktopPart = false;
        else if (a == "--lessons" && i + 1 < argc)
            only = split(argv[++i]);
        else if (a == "--repeat" && i + 1 < argc)
            repeat = std::max(1, std::atoi(argv[++i]));
        else {
            std::fprintf(stderr,
                         "usage: orbelune-bench [--json] [--lessons FORM,...] [--no-desktop] "
                         "[--repeat N]\n");
            return 2;
        }
    }
    const bool x11 = std::getenv("DISPLAY") && *std::getenv("DISPLAY");
    const std::string loadBefore = loadAvg();
    // The headless parts paint offscreen whatever display there is.
    std::string display = x11 ? std::getenv("DISPLAY") : "";
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    auto qt = desktop::offscreenApplication(argc, argv);

    std::vector<std::string> forms;
    {
        driver::Session s;
        forms = s.program().registered();
    }
    auto order = [](const std::string& f) {
        int base = f.rfind("Lesson", 0) == 0 ? 100 : f.rfind("optics", 0) == 0 ? 200 : 0;
        int n = 0;
        for (char c : f)
            if (std::isdigit((unsigned char)c)) n = n * 10 + (c - '0');
        return base + n;
    };
    std::sort(forms.begin(), forms.end(), [&](auto& a, auto& b) { return order(a) < order(b); });

    driver::Json out = driver::Json::object();
    out["load_before"] = loadBefore;

    // Scripts: the best of `repeat` runs, segments only and rendered.
    driver::Json scripts = driver::Json::object();
    std::map<std::string, ScriptRun> bare, drawn;
    std::map<std::string, double> scriptEnd;
    if (!json)
        std::printf("%-10s %10s %12s %12s %9s %7s %11s %11s\n", "form", "driver ms", "segments ms",
                    "rendered ms", "segments", "frames", "frame ms", "max frame");
    for (auto& f : forms) {
        ScriptRun b, d;
        double driverMs = 0;
        for (int k = 0; k < repeat; ++k) {
            // The whole script as `orbelune-script FORM` plays it, its JSON report included.
            std::string report, err;
            auto t0 = Clock::now();
            driver::runCommand({f}, report, err);
            driverMs = k == 0 ? msSince(t0) : std::min(driverMs, msSince(t0));
            ScriptRun x = playScript(f, false), y = playScript(f, true);
            if (k == 0 || x.ms < b.ms) b = x;
            b.pacedTicksMs = k == 0 ? x.pacedTicksMs : std::min(b.pacedTicksMs, x.pacedTicksMs);
            if (k == 0 || y.ms < d.ms) d = y;
        }
        bare[f] = b, drawn[f] = d;
        scriptEnd[f] = playScript(f, false, true).lastChangeMs;
        driver::Json e = driver::Json::object();
        e["driver_ms"] = driverMs;
        e["segments_only_ms"] = b.ms;
        e["rendered_ms"] = d.ms;
        e["segments"] = b.segments;
        e["frames"] = b.frames;
        e["frame_ms"] = d.frameMeanMs;
        e["frame_max_ms"] = d.frameMaxMs;
        e["paced_script_ms"] = scriptEnd[f];
        scripts[f] = e;
        if (!json)
            std::printf("%-10s %10.2f %12.2f %12.2f %9zu %7llu %11.3f %11.3f\n", f.c_str(),
                        driverMs, b.ms, d.ms, b.segments, (unsigned long long)b.frames,
                        d.frameMeanMs, d.frameMaxMs);
    }
    out["scripts"] = scripts;

    // Bare physics against the same flights through the lessons.
    driver::Json physics = driver::Json::object();
    if (!json)
        std::printf("\n%-10s %12s %12s %8s %11s\n", "orbit", "bare ms", "flights ms", "ratio",
                    "bare steps");
    double sink = 0;
    for (auto& set : bench::flightSets()) {
        if (!bare.count(set.form)) continue;
        double best = 0;
        long steps = 0;
        for (int k = 0; k < std::max(5, repeat); ++k) {
            bench::Tally t;
            auto t0 = Clock::now();
            set.fly(t);
            double ms = msSince(t0);
            sink += t.sink;
            steps = t.steps;
            if (k == 0 || ms < best) best = ms;
        }
        double lesson = bare[set.form].pacedTicksMs;
        driver::Json e = driver::Json::object();
        e["bare_ms"] = best;
        e["lesson_ms"] = lesson;
        e["ratio"] = lesson / best;
        e["bare_steps"] = steps;
        physics[set.form] = e;
        if (!json)
            std::printf("%-10s %12.2f %12.2f %8.2f %11ld\n", set.form.c_str(), best, lesson,
                        lesson / best, steps);
    }
    out["physics"] = physics;
    if (sink == 42.4242) std::printf(" ");

    // Presenting a frame at 1920 x 1080.
    double f1k = presentAfter(1000), f300k = presentAfter(300000);
    out["present_ms_after_1000"] = f1k;
    out["present_ms_after_300000"] = f300k;
    out["present_ratio"] = f300k / f1k;
    if (!json)
        std::printf(
            "\npresent at 1920x1080 (50 new segments): after 1000 %.3f ms, after 300000 %.3f ms "
            "(x%.2f)\n",
            f1k, f300k, f300k / f1k);

    std::vector<std::string> lessons;
    for (auto& f : forms)
        if (f.rfind("Lesson", 0) == 0 || f.rfind("optics", 0) == 0) lessons.push_back(f);
    double headlessRss = headlessRssAfterEveryLesson(lessons);
    out["rss_mb_headless"] = headlessRss;
    if (!json)
        std::printf(
            "resident memory of this benchmark after every lesson once (headless driver): %.1f "
            "MB\n",
            headlessRss);

    if (x11 && desktopPart) {
        setenv("DISPLAY", display.c_str(), 1);
        // Start-up: the program and the bare Qt program, alternately.
        std::vector<double> prog, bareQt;
        for (int k = 0; k < 7; ++k) {
            double a = timeToFirstFrame(ORBELUNE_BIN, true),
                   b = timeToFirstFrame(BARE_QT_BIN, true);
            if (a > 0) prog.push_back(a);
            if (b > 0) bareQt.push_back(b);
        }
        if (prog.empty() || bareQt.empty())
            failures.push_back("no first frame reported at start-up");
        driver::Json su = driver::Json::object();
        su["program_ms"] = median(prog);
        su["bare_qt_ms"] = median(bareQt);
        su["ratio"] = median(bareQt) > 0 ? median(prog) / median(bareQt) : 0;
        out["startup"] = su;
        if (!json)
            std::printf(
                "\nstart to first frame (X11, median of 7): orbelune %.1f ms, bare Qt %.1f ms "
                "(x%.2f)\n",
                median(prog), median(bareQt),
                median(bareQt) > 0 ? median(prog) / median(bareQt) : 0);

        std::map<std::string, Pacing> pacing;
        std::map<std::string, double> rssOf;
        if (only.empty()) {
            std::vector<std::string> gravity, optics;
            for (auto& f : lessons) (f.rfind("Lesson", 0) == 0 ? gravity : optics).push_back(f);
            if (!gravity.empty())
                rssOf["gravity"] = playOnDesktop(gravity, scriptEnd, pacing, !json);
            if (!optics.empty()) rssOf["optics"] = playOnDesktop(optics, scriptEnd, pacing, !json);
        } else {
            for (auto& f : only)
                if (scriptEnd.count(f)) rssOf[f] = playOnDesktop({f}, scriptEnd, pacing, !json);
        }
        driver::Json rss = driver::Json::object();
        for (auto& [k, v] : rssOf) rss[k] = v;
        out["rss_mb_desktop"] = rss;
        driver::Json pj = driver::Json::object();
        if (!json)
            std::printf("\n%-10s %6s %7s %8s %9s %6s %11s %11s %10s\n", "desktop", "anims",
                        "frames", "min fps", "worst gap", "late", "idle CPU ms", "idle paints",
                        "idle ticks");
        for (auto& [f, p] : pacing) {
            driver::Json e = driver::Json::object();
            e["animations"] = p.animations;
            e["frames"] = p.frames;
            e["min_fps"] = p.minFps;
            e["worst_gap_ms"] = p.worstGapMs;
            e["late_frames"] = p.lateFrames;
            e["idle_cpu_ms"] = p.idleCpuMs;
            e["idle_paints"] = p.idlePaints;
            e["idle_ticks"] = p.idleTicks;
            pj[f] = e;
        }
        for (auto& f : lessons) {
            if (!pacing.count(f) || json) continue;
            auto& p = pacing[f];
            std::printf("%-10s %6d %7ld %8.1f %9.1f %6ld %11.0f %11ld %10ld\n", f.c_str(),
                        p.animations, p.frames, p.minFps, p.worstGapMs, p.lateFrames, p.idleCpuMs,
                        p.idlePaints, p.idleTicks);
        }
        out["desktop"] = pj;
        if (!json) {
            std::printf("resident memory of orbelune after playing each lesson once, per run:");
            for (auto& [k, v] : rssOf) std::printf(" %s %.1f MB", k.c_str(), v);
            std::printf("\n");
        }
    }
    out["load_after"] = loadAvg();
    driver::Json failed = driver::Json::array();
    for (auto& f : failures) failed.push(f);
    out["failures"] = failed;
    if (json)
        std::printf("%s\n", out.dump().c_str());
    else
        std::printf("\nload average before: %s, after: %s\n", loadBefore.c_str(),
                    loadAvg().c_str());
    for (auto& f : failures) std::fprintf(stderr, "orbelune-bench: %s\n", f.c_str());
    return failures.empty() ? 0 : 1;
}
