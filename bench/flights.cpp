// Every flight of the orbit lessons as a bare loop: the orbit step, the point it lands on and
// the lesson's end test, with the lesson's constants, and nothing of the scene. Set beside the
// same flights played through the lessons, the difference is what the scene costs.
#include "bench/flights.h"

#include <cmath>

#include "lessons/gravity/orbit.h"
#include "scene/numbers.h"

namespace bench {

namespace {

using lessons::Orbit;

constexpr double G = 6.6e-11;  // [N m^2/kg^2]
constexpr double M = 5.95e24;  // the earth's mass [kg]
constexpr double R = 6370000;  // the earth's radius [m]

// Lesson 6: 9000 m/s from the top of the earth at 30, 45 and 60 degrees, first stopping at the
// earth, then extended through it.
void lesson6(Tally& t) {
    auto rho = [](double m) { return ((m / 1000000) / 4) * 1000 * 45 * 2 / 63.2; };
    constexpr double cx = 4500.0 / 2 + 1920, cy = 4500.0 / 2 + 3080;
    for (int extend : {0, 1})
        for (int degrees : {30, 45, 60}) {
            Orbit b = Orbit::launch(G, M, 9000, degrees / 180.0 * 3.14, R, -3.14 / 2);
            for (int i = 0; i <= 80000; ++i) {
                b.step(1);
                double x = std::cos(b.theta) * rho(b.r), y = std::sin(b.theta) * rho(b.r);
                t.add(x, y);
                if (cx + x < 0 || cx + x > 15000 || cy + y < 0 || cy + y > 15000) break;
                if ((x / 100) * x / 100 + (y / 100) * y / 100 < 2025.0 / 2 / 2) {
                    if (extend != 1) break;
                } else if (i > 200 && 4.713 < b.theta && b.theta < 4.725 && 0.98 < b.r / R &&
                           b.r / R < 1.02) {
                    break;
                }
            }
        }
}

// Lesson 8: launches from 2500 km at growing speed, the extended cycles, and three circular
// orbits from slightly growing radii.
void lesson8(Tally& t) {
    auto rho = [](double m) { return ((m / 1000000) / 4) * 1000; };
    constexpr double c = 6370.0 / 4 + 3000;
    constexpr std::int32_t height = 2500000;
    const double vc = scene::Int(1.006 * std::sqrt(G * M / (height + R)));
    struct Flight {
        double v;
        int stage;
        double radius;
    };
    const Flight flights[] = {{2000, 0, R},
                              {4000, 0, R},
                              {6000, 0, R},
                              {6200, 0, R},
                              {7500, 1, R},
                              {2000, 2, R},
                              {4000, 2, R},
                              {6000, 3, R},
                              {vc, 4, R},
                              {vc, 4, R * 1.001},
                              {vc, 4, R * 1.001 * 1.001}};
    for (const Flight& f : flights) {
        const double r0 = height + f.radius;
        Orbit b = Orbit::launch(G, M, f.v, 0, r0, 0);
        for (int i = 0; i <= 80000; ++i) {
            b.step(1);
            double x = std::cos(b.theta) * rho(b.r), y = std::sin(b.theta) * rho(b.r);
            t.add(x, y);
            if (c + x < 0 || c + x > 15000 || c + y < 0 || c + y > 15000) break;
            if ((x / 100) * x / 100 + (y / 100) * y / 100 < 4057.69 / 4 / 4) {
                if (f.stage == 0) break;
                continue;
            }
            if (i > 200 && 6.284 < b.theta && b.theta < 6.3 && 0.99 < b.r / r0 && b.r / r0 < 1.01)
                break;
        }
    }
}

// Lesson 9: one revolution of the station at 100 km.
void lesson9(Tally& t) {
    auto rho = [](double m) { return m / 1000000 / 2 * 1000; };
    const double r0 = 100000 + R;
    Orbit b = Orbit::launch(G, M, 7797.815, 0, r0, 0);
    for (int i = 0; i <= 80000; ++i) {
        b.step(0.3);
        double x = std::cos(b.theta) * rho(b.r), y = std::sin(b.theta) * rho(b.r);
        if (i > 200 && 6.278 < b.theta && b.theta < 6.302 && 0.99 < b.r / r0 && b.r / r0 < 1.01)
            break;
        t.add(x, y);
    }
}

// Lessons 10 and 11: each orbit flown twice (shown, then traced), on two radii.
void revolutions(Tally& t, double far, double farSpeed, double dt, int steps, double twipsPerM,
                 bool closing) {
    for (int stage = 0; stage <= 3; ++stage) {
        double r0 = stage < 2 ? far : far / (closing ? 2 : 3);  // the smaller orbit
        double v = stage < 2 ? farSpeed : scene::Int(std::sqrt(G * M / r0) * 1.006);
        Orbit b = Orbit::launch(G, M, v, 0, r0, 0);
        for (int i = 0; i <= steps; ++i) {
            b.step(dt);
            double rho = b.r * twipsPerM;
            double x = std::cos(b.theta) * rho, y = std::sin(b.theta) * rho;
            bool round = closing ? (i > 200 && 6.2828 < b.theta && b.theta < 6.302 &&
                                    0.99 < b.r / r0 && b.r / r0 < 1.01)
                                 : b.theta > 6.288;
            if (round) break;
            t.add(x, y);
        }
    }
}

void lesson10(Tally& t) {
    constexpr double ratio = 6.6003;
    revolutions(t, ratio * R, ratio * (R * (6.28 / 24) / 3600), 40, 50000,
                500.0 / 1000000 / 6370 * 1000, false);
}

void lesson11(Tally& t) {
    constexpr double moon = 395200000 + R;
    revolutions(t, moon, (moon * (6.28 / 24) / 3600) / 29.5, 50, 90000,
                50.0 / 1000000 / 6370 * 1000, true);
}

// Lesson 12: seven launches from the small earth at 1 to 1.44 times the circular speed.
void lesson12(Tally& t) {
    constexpr double left = 8775, width = 60, top = 3720, lineX = 8880;  // Shape1, Line1
    const double d = lineX - ((left - 17) + width);
    const double h = scene::toSingle(scene::Int(((d * 1000) / width + (d * 1000) / width) * 6370));
    const double kmPerTwip = 6370 / width + 6370 / width;
    const double vc = std::sqrt(G * M / (R + h));
    for (double f : {1.0, 1.34, 1.36, 1.38, 1.40, 1.42, 1.44}) {
        const double v = scene::Int(vc * f);
        const double dt = ((v - 4000) * 40) / 800;
        Orbit b = Orbit::launch(G, M, v, 0, R + h, 0);
        for (long i = 0; i <= 290000; ++i) {
            b.step(dt);
            double rho = ((b.r / 1000000) / kmPerTwip) * 1000;
            double x = rho * std::cos(b.theta), y = rho * std::sin(b.theta);
            if ((left - 17) + 6370 / kmPerTwip + x > lineX || b.theta > 6.28) break;
            double ax = left + 6370 / kmPerTwip + x, ay = top + 6370 / kmPerTwip + y;
            if (ax < 0 || ax > 15000 || ay < 0 || ay > 15000) break;
            t.add(x, y);
        }
    }
}

}  // namespace

const std::vector<FlightSet>& flightSets() {
    static const std::vector<FlightSet> sets = {
        {"Lesson6", lesson6},   {"Lesson8", lesson8},   {"Lesson9", lesson9},
        {"Lesson10", lesson10}, {"Lesson11", lesson11}, {"Lesson12", lesson12},
    };
    return sets;
}

}  // namespace bench
