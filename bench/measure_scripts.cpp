// Every form's whole script, timed three ways.
#include <algorithm>
#include <cstdio>

#include "bench/measurements.h"
#include "bench/renderer.h"
#include "tools/driver/driver.h"

namespace bench {

namespace {

bool timerRuns(scene::Form* f) {
    if (!f) return false;
    for (auto* t : f->timers())
        if (t->armed()) return true;
    return false;
}

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

}  // namespace

ScriptTimes measureScripts(const Run& run, driver::Json& out) {
    // The best of `repeat` runs, segments only and rendered.
    driver::Json scripts = driver::Json::object();
    ScriptTimes times;
    if (!run.json)
        std::printf("%-10s %10s %12s %12s %9s %7s %11s %11s\n", "form", "driver ms", "segments ms",
                    "rendered ms", "segments", "frames", "frame ms", "max frame");
    for (auto& f : run.forms) {
        ScriptRun b, d;
        double driverMs = 0;
        for (int k = 0; k < run.repeat; ++k) {
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
        times.flightMs[f] = b.pacedTicksMs;
        const double scriptEnd = times.scriptEnd[f] = playScript(f, false, true).lastChangeMs;
        driver::Json e = driver::Json::object();
        e["driver_ms"] = driverMs;
        e["segments_only_ms"] = b.ms;
        e["rendered_ms"] = d.ms;
        e["segments"] = b.segments;
        e["frames"] = b.frames;
        e["frame_ms"] = d.frameMeanMs;
        e["frame_max_ms"] = d.frameMaxMs;
        e["paced_script_ms"] = scriptEnd;
        scripts[f] = e;
        if (!run.json)
            std::printf("%-10s %10.2f %12.2f %12.2f %9zu %7llu %11.3f %11.3f\n", f.c_str(),
                        driverMs, b.ms, d.ms, b.segments, (unsigned long long)b.frames,
                        d.frameMeanMs, d.frameMaxMs);
    }
    out["scripts"] = scripts;
    return times;
}

}  // namespace bench
