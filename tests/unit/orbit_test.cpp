// The integration step every launched body flies with.
#include "lessons/gravity/orbit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

using lessons::Orbit;

namespace {

constexpr double G = 6.6e-11;  // [N m^2/kg^2]
constexpr double M = 5.95e24;  // [kg]
constexpr double R = 6370000;  // the earth's radius [m]

double circular(double r) { return std::sqrt(G * M / r); }

// Over one revolution at the step the lesson takes, energy and angular momentum stay what the
// launch gave, and the body comes back to its launch distance.
TEST(OrbitStep, KeepsEnergyAndAngularMomentumOverOneRevolutionAtTheLessonsSteps) {
    struct Row {
        const char* flight;
        double r0, V, dt;  // [m], [m/s], [s]
        double drift;      // largest relative drift allowed
    };
    const double lesson10 = 6.6003 * R / 3, lesson11 = 395200000 + R;
    const double lesson12 = G * M / (4483.0 * 4483.0);  // where its 4483 m/s is the circle
    for (const Row& row : {
             Row{"Lesson 8, 7500 m/s at 2500 km", R + 2500000, 7500, 1, 1e-3},
             Row{"Lesson 9, the station", R + 100000, 7797.815, 0.3, 1e-3},
             Row{"Lesson 10, a third of the way out", lesson10, circular(lesson10) * 1.006, 40,
                 1e-3},
             Row{"Lesson 11, the moon", lesson11, lesson11 * (6.28 / 24) / 3600 / 29.5, 50, 1e-3},
             Row{"Lesson 12, the circle", lesson12, 4483, (4483 - 4000) * 40 / 800.0, 1e-3},
             // Long steps through a close perigee: the widest ellipse still closes.
             Row{"Lesson 12, 1.40 times the circle", lesson12, 6276, (6276 - 4000) * 40 / 800.0,
                 5e-2},
         }) {
        SCOPED_TRACE(row.flight);
        Orbit o = Orbit::launch(G, M, row.V, 0, row.r0);
        const double E0 = row.V * row.V / 2 - G * M / row.r0;
        const double L0 = row.r0 * row.V;
        double energy = 0, momentum = 0;
        long steps = 0;
        while (o.theta < 2 * std::numbers::pi && steps < 1000000) {
            o.step(row.dt);
            ++steps;
            const double E = (o.vr * o.vr + o.vt * o.vt) / 2 - G * M / o.r;
            energy = std::max(energy, std::abs(E - E0) / std::abs(E0));
            momentum = std::max(momentum, std::abs(o.r * o.vt - L0) / L0);
        }
        ASSERT_GE(o.theta, 2 * std::numbers::pi) << "no revolution in " << steps << " steps";
        EXPECT_LT(energy, row.drift);
        EXPECT_LT(momentum, row.drift);
        EXPECT_NEAR(o.r / row.r0, 1, row.drift);
    }
}

}  // namespace
