#pragma once
#include <cmath>
#include <cstdint>
#include <functional>

namespace lessons {

// The integration scheme behind every body launched about the earth. The distance follows
// from the kept energy rather than from integrating the radial speed, and the velocity is
// turned into the new local frame after each step. Each lesson gives its own dt, constants,
// scale and end test.
struct Orbit {
    double G, M;       // gravitational constant [N m^2/kg^2] and the earth's mass [kg]
    double r = 0;      // distance from the earth's centre [m]
    double theta = 0;  // polar angle [rad]; 0 is 3 o'clock, growing clockwise on the screen
    double vr = 0;     // radial (outward) speed [m/s]
    double vt = 0;     // tangential speed [m/s]
    double E = 0;      // kept energy per unit mass [J/kg]

    // A launch at speed V [m/s], angle a above the local horizontal [rad], from distance r0 [m].
    static Orbit launch(double G, double M, double V, double a, double r0, double theta0 = 0) {
        Orbit o{G, M};
        o.r = r0;
        o.theta = theta0;
        o.vr = std::sin(a) * V;
        o.vt = std::cos(a) * V;
        o.E = V * V / 2 - G * M / r0;
        return o;
    }

    void step(double dt) {
        double dtheta = vt * dt / r;
        vr = vr - (G * M / r / r) * dt;
        r = G * M / ((vt * vt / 2 + vr * vr / 2) - E);
        theta = theta + dtheta;
        vt = vt * std::cos(dtheta) - vr * std::sin(dtheta);
        vr = vr * std::cos(dtheta) + vt * std::sin(dtheta);
    }
};

// The end test of a flight that closes: well after the start (past step `afterStep`), at a polar
// angle in (angleFrom, angleTo), just past a whole turn from the launch, and at a distance from
// the earth's centre in (ratioFrom, ratioTo) times the launch distance.
struct RoundTrip {
    long afterStep;
    double angleFrom, angleTo;  // [rad]
    double ratioFrom, ratioTo;

    constexpr bool closed(long i, double theta, double r, double r0) const {
        return i > afterStep && angleFrom < theta && theta < angleTo && ratioFrom < r / r0 &&
               r / r0 < ratioTo;
    }
};

// The speed of the lessons' near-circular orbits, as a multiple of the circular speed.
inline constexpr double kJustAboveCircular = 1.006;

// A flight whose point lies outside 0 to kFlightLimit twips, across or down, has left the
// window for good.
inline constexpr double kFlightLimit = 15000;
constexpr bool leftTheWindow(double x, double y) {
    return x < 0 || x > kFlightLimit || y < 0 || y > kFlightLimit;
}

// What a flight does with each step it puts on the screen: the lesson draws the step's segment
// or moves its body there; the benchmark only counts it.
using Segment = std::function<void(std::int32_t colour)>;
using StepShown = std::function<void()>;

}  // namespace lessons
