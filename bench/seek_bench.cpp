// A seek on every page with a script, to the farthest point of its demonstration, until that
// moment is on screen: the page played again to its end and a 1920 x 1080 frame of it presented.
// Target: 0.3 s each.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "desktop/formwindow.h"
#include "desktop/png.h"
#include "desktop/still_host.h"
#include "tools/driver/driver.h"

namespace {

void BM_SeekToTheEnd(benchmark::State& state, std::string form) {
    driver::Session s;
    std::string err;
    s.start(form);
    auto& p = s.program();
    const scene::Timeline* line = p.timeline(form);
    if (!line) {
        state.SkipWithError("no script");
        return;
    }
    // From the start, so that the whole demonstration is played again.
    s.run(0, {}, err);
    desktop::StillHost host(p);
    desktop::FormWindow w(host, *p.form(form));
    w.resize(1920, 1080);
    w.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        p.seek(line->lengthMs);
        w.present();
        state.PauseTiming();
        p.seek(0);
        state.ResumeTiming();
    }
    state.counters["length_s"] = line->lengthMs / 1000;
}

}  // namespace

int main(int argc, char** argv) {
    auto qt = desktop::offscreenApplication(argc, argv);
    for (const char* form : {"Lesson2", "Lesson3", "Lesson5", "Lesson6", "Lesson7", "Lesson8",
                             "Lesson9", "Lesson10", "Lesson11", "Lesson12", "optics1", "optics2"})
        benchmark::RegisterBenchmark(("BM_SeekToTheEnd/" + std::string(form)).c_str(),
                                     BM_SeekToTheEnd, std::string(form))
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
