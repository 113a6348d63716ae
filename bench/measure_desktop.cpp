// In a real X display: frame pacing of every in-tick animation (also at speed 4), CPU time of 10
// idle seconds per lesson and of 10 seconds paused in the middle of an animation, and resident
// memory of the real program.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "bench/child_process.h"
#include "bench/measurements.h"

namespace bench {

namespace {

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

// Waits until the log has a line of this kind for the form, at most `ms`.
bool awaitLine(const std::string& log, const std::string& kind, const std::string& form,
               double ms) {
    auto t0 = Clock::now();
    while (!hasLine(readLog(log), kind, form) && msSince(t0) < ms)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return hasLine(readLog(log), kind, form);
}

void stop(pid_t pid) {
    int st = 0;
    kill(pid, SIGTERM);
    waitpid(pid, &st, 0);
}

// Plays `forms` in one run of the real program, from the first (Next between them), at `speed`
// (Faster pressed once the first page is open); for each, waits out its script (paced length
// from the driver, plus margin), then at normal speed measures 10 idle seconds. Returns the
// resident memory at the end.
double playOnDesktop(const std::vector<std::string>& forms,
                     const std::map<std::string, double>& scriptEnd,
                     std::map<std::string, Pacing>& out, bool verbose, double speed = 1) {
    char tmpl[] = "/tmp/orbelune-frames-XXXXXX";
    int fd = mkstemp(tmpl);
    if (fd < 0) return -1;
    close(fd);
    std::string log = tmpl;
    auto env = childEnv({{"ORBELUNE_START", forms.front()}, {"ORBELUNE_FRAME_LOG", log}}, true);
    pid_t pid = spawn(ORBELUNE_BIN, env, nullptr);
    if (pid < 0) {
        fail(std::string("cannot start ") + ORBELUNE_BIN);
        return -1;
    }
    for (std::size_t k = 0; k < forms.size(); ++k) {
        const std::string& form = forms[k];
        if (k > 0) xdo("key ctrl+n");
        if (!awaitLine(log, "handler:Form_Activate", form, 15000))
            fail(form + " never opened on the desktop");
        if (k == 0)
            for (double s = 1; s < speed; s *= 2) xdo("key ctrl+equal");
        auto started = Clock::now();
        double waitMs = scriptEnd.at(form) / speed * 1.1 + 2000;
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
        if (speed != 1) {
            analyse(readLog(log), form, p);
            continue;
        }
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
        fail("orbelune ended before the run was over (status " + std::to_string(st) + ")");
        rss = -1;
    } else {
        stop(pid);
    }
    std::remove(log.c_str());
    return rss;
}

// Lesson 9 paused a second into its orbit (a paced handler): CPU time and paints of the next
// 10 seconds.
void pausedMidFlight(double& cpu, long& paints) {
    cpu = -1;
    paints = -1;
    char tmpl[] = "/tmp/orbelune-frames-XXXXXX";
    int fd = mkstemp(tmpl);
    if (fd < 0) return;
    close(fd);
    std::string log = tmpl;
    pid_t pid = spawn(ORBELUNE_BIN,
                      childEnv({{"ORBELUNE_START", "Lesson9"}, {"ORBELUNE_FRAME_LOG", log}}, true),
                      nullptr);
    if (pid < 0) return fail(std::string("cannot start ") + ORBELUNE_BIN);
    auto busyPaints = [&] {
        long n = 0;
        for (auto& l : readLog(log)) n += l.kind == "paint" && l.busy;
        return n;
    };
    auto t0 = Clock::now();
    while (busyPaints() < 60 && msSince(t0) < 20000)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    if (busyPaints() < 60) {
        stop(pid);
        return fail("Lesson 9's orbit never started on the desktop");
    }
    xdo("key ctrl+space");
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const std::size_t before = readLog(log).size();
    const double c0 = cpuMs(pid);
    std::this_thread::sleep_for(std::chrono::seconds(10));
    cpu = cpuMs(pid) - c0;
    auto lines = readLog(log);
    paints = 0;
    for (std::size_t i = before; i < lines.size(); ++i) paints += lines[i].kind == "paint";
    // Still held: the orbit's tick has not ended.
    for (std::size_t i = before; i < lines.size(); ++i)
        if (lines[i].kind == "handler:jam_Timer") fail("Lesson 9's orbit went on while paused");
    stop(pid);
    std::remove(log.c_str());
}

}  // namespace

void measureDesktop(const Run& run, const std::map<std::string, double>& scriptEnd,
                    driver::Json& out) {
    std::map<std::string, Pacing> pacing;
    std::map<std::string, double> rssOf;
    if (run.only.empty()) {
        std::vector<std::string> gravity, optics;
        for (auto& f : run.lessons) (f.rfind("Lesson", 0) == 0 ? gravity : optics).push_back(f);
        if (!gravity.empty())
            rssOf["gravity"] = playOnDesktop(gravity, scriptEnd, pacing, !run.json);
        if (!optics.empty()) rssOf["optics"] = playOnDesktop(optics, scriptEnd, pacing, !run.json);
    } else {
        for (auto& f : run.only)
            if (scriptEnd.count(f)) rssOf[f] = playOnDesktop({f}, scriptEnd, pacing, !run.json);
    }
    driver::Json rss = driver::Json::object();
    for (auto& [k, v] : rssOf) rss[k] = v;
    out["rss_mb_desktop"] = rss;
    driver::Json pj = driver::Json::object();
    if (!run.json)
        std::printf("\n%-10s %6s %7s %8s %9s %6s %11s %11s %10s\n", "desktop", "anims", "frames",
                    "min fps", "worst gap", "late", "idle CPU ms", "idle paints", "idle ticks");
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
    for (auto& f : run.lessons) {
        if (!pacing.count(f) || run.json) continue;
        auto& p = pacing[f];
        std::printf("%-10s %6d %7ld %8.1f %9.1f %6ld %11.0f %11ld %10ld\n", f.c_str(), p.animations,
                    p.frames, p.minFps, p.worstGapMs, p.lateFrames, p.idleCpuMs, p.idlePaints,
                    p.idleTicks);
    }
    out["desktop"] = pj;
    if (!run.json) {
        std::printf("resident memory of orbelune after playing each lesson once, per run:");
        for (auto& [k, v] : rssOf) std::printf(" %s %.1f MB", k.c_str(), v);
        std::printf("\n");
    }
}

void measurePlayback(const Run& run, const std::map<std::string, double>& scriptEnd,
                     driver::Json& out) {
    double cpu = 0;
    long paints = 0;
    pausedMidFlight(cpu, paints);
    out["paused_cpu_ms"] = cpu;
    out["paused_paints"] = paints;
    // Every in-tick animation at four times the speed.
    std::map<std::string, Pacing> pacing;
    // As measureDesktop plays them: each course in one run, or each form chosen on its own.
    std::vector<std::vector<std::string>> runs;
    if (run.only.empty()) {
        std::vector<std::string> gravity, optics;
        for (auto& f : run.lessons) (f.rfind("Lesson", 0) == 0 ? gravity : optics).push_back(f);
        runs = {gravity, optics};
    } else {
        for (auto& f : run.only)
            if (scriptEnd.count(f)) runs.push_back({f});
    }
    for (auto& forms : runs)
        if (!forms.empty()) playOnDesktop(forms, scriptEnd, pacing, false, 4);
    driver::Json fast = driver::Json::object();
    for (auto& [f, p] : pacing) {
        if (p.animations == 0) continue;
        fast[f] = driver::Json::Object{{"animations", p.animations},
                                       {"frames", p.frames},
                                       {"min_fps", p.minFps},
                                       {"worst_gap_ms", p.worstGapMs}};
    }
    out["desktop_speed4"] = fast;
    if (run.json) return;
    std::printf("\npaused a second into Lesson 9's orbit, 10 s: %.0f ms CPU, %ld paints\n", cpu,
                paints);
    std::printf("%-10s %6s %7s %8s %9s   (speed 4)\n", "desktop", "anims", "frames", "min fps",
                "worst gap");
    for (auto& [f, p] : pacing)
        if (p.animations > 0)
            std::printf("%-10s %6d %7ld %8.1f %9.1f\n", f.c_str(), p.animations, p.frames, p.minFps,
                        p.worstGapMs);
}

}  // namespace bench
