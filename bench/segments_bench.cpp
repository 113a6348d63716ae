// Recording drawn segments: the cost per segment and the memory a form holds for them.
#include <benchmark/benchmark.h>

#include "scene/program.h"

namespace {

struct NullPlatform : scene::Platform {
    double now() override { return 0; }
    void beep(int, double) override {}
    void setCursorPos(int, int) override {}
    void openMessageBox(scene::Form&, const std::string&) override {}
    bool openUrl(const std::string&) override { return true; }
};

struct Canvas : scene::Form {
    explicit Canvas(scene::Program& p) : Form(p, "Canvas", "", 12000, 9000) {}
};

void BM_RecordSegments(benchmark::State& state) {
    NullPlatform platform;
    scene::Program program(platform);
    for (auto _ : state) {
        state.PauseTiming();
        Canvas form(program);
        state.ResumeTiming();
        const long n = state.range(0);
        for (long i = 0; i < n; ++i) {
            float x = float(i % 12000);
            form.Line(x, 100, x + 1, 101, -2000000);
        }
        benchmark::DoNotOptimize(form.surface().size());
        state.counters["bytes_per_segment"] = double(form.surface().bytes()) / double(n);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RecordSegments)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
