// Presenting a frame at 1920 x 1080: its cost must not grow with what is already drawn.
#include <cstdio>
#include <vector>

#include "bench/measurements.h"
#include "bench/renderer.h"
#include "tools/driver/driver.h"

namespace bench {

namespace {

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

}  // namespace

void measurePresent(const Run& run, driver::Json& out) {
    double f1k = presentAfter(1000), f300k = presentAfter(300000);
    out["present_ms_after_1000"] = f1k;
    out["present_ms_after_300000"] = f300k;
    out["present_ratio"] = f300k / f1k;
    if (!run.json)
        std::printf(
            "\npresent at 1920x1080 (50 new segments): after 1000 %.3f ms, after 300000 %.3f ms "
            "(x%.2f)\n",
            f1k, f300k, f300k / f1k);
}

}  // namespace bench
