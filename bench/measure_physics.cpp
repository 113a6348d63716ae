// The bare orbit physics against the same flights played by the lessons.
#include <algorithm>
#include <cstdio>

#include "bench/flights.h"
#include "bench/measurements.h"

namespace bench {

void measurePhysics(const Run& run, const std::map<std::string, double>& flightMs,
                    driver::Json& out) {
    driver::Json physics = driver::Json::object();
    if (!run.json)
        std::printf("\n%-10s %12s %12s %8s %11s\n", "orbit", "bare ms", "flights ms", "ratio",
                    "bare steps");
    double sink = 0;
    for (auto& set : flightSets()) {
        if (!flightMs.count(set.form)) continue;
        double best = 0;
        long steps = 0;
        for (int k = 0; k < std::max(5, run.repeat); ++k) {
            Tally t;
            auto t0 = Clock::now();
            set.fly(t);
            double ms = msSince(t0);
            sink += t.sink;
            steps = t.steps;
            if (k == 0 || ms < best) best = ms;
        }
        double lesson = flightMs.at(set.form);
        driver::Json e = driver::Json::object();
        e["bare_ms"] = best;
        e["lesson_ms"] = lesson;
        e["ratio"] = lesson / best;
        e["bare_steps"] = steps;
        physics[set.form] = e;
        if (!run.json)
            std::printf("%-10s %12.2f %12.2f %8.2f %11ld\n", set.form.c_str(), best, lesson,
                        lesson / best, steps);
    }
    out["physics"] = physics;
    if (sink == 42.4242) std::printf(" ");  // keeps the flights from being optimised away
}

}  // namespace bench
