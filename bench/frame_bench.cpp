// Presenting a frame of a long animation at 1920 x 1080: its cost must not grow with what is
// already drawn. And the time from start to the main menu's first frame.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>

#include "desktop/app.h"
#include "desktop/formwindow.h"
#include "desktop/png.h"
#include "desktop/still_host.h"
#include "tools/driver/driver.h"

namespace {

struct Canvas : scene::Form {
    explicit Canvas(scene::Program& p) : Form(p, "Canvas", "Canvas", 11580, 8235) {}
};

void BM_PresentFrameAfter(benchmark::State& state) {
    driver::VirtualPlatform platform;
    scene::Program program(platform);
    Canvas form(program);
    desktop::StillHost host(program);
    desktop::FormWindow w(host, form);
    w.resize(1920, 1080);
    w.show();
    QCoreApplication::processEvents();
    auto segment = [&](long i) {
        double x = double(i % 11000), y = double((i / 11000) % 8000);
        form.Line(x, y, x + 7, y + 5, -2000000);
    };
    const long already = state.range(0);
    for (long i = 0; i < already; ++i) segment(i);
    w.present();
    long i = already;
    for (auto _ : state) {
        for (int k = 0; k < 50; ++k) segment(i++);  // one frame's worth of a paced flight
        w.present();
    }
}
BENCHMARK(BM_PresentFrameAfter)->Arg(1000)->Arg(300000)->Unit(benchmark::kMillisecond);

void BM_StartToMainMenuFrame(benchmark::State& state) {
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        desktop::App app;
        app.start();
        auto* menu = app.program().active();
        if (menu) app.window(*menu)->present();
        state.SetIterationTime(double(t.nsecsElapsed()) / 1e9);
        app.program().end();
    }
}
BENCHMARK(BM_StartToMainMenuFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    auto qt = desktop::offscreenApplication(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
