#pragma once
#include <cstdint>

#include "lessons/common.h"
#include "lessons/gravity/orbit.h"
#include "shell/navigation.h"

namespace lessons {

// Launches from the top of the earth at 9000 m/s: first until each path meets the earth, then
// continued through it until each closes into an ellipse with its long axis.
class Lesson6 : public shell::LessonForm {
    ORBELUNE_WORDS(Lesson6)

public:
    explicit Lesson6(scene::Program& program, const shell::Place& place);
    void Form_Activate() override;
    void jam_Timer();
    void lintasan();

    // The flight lintasan draws, apart from the screen: the launch at `degrees` from the top of
    // the earth, and its steps, each handed to `segment` in its colour.
    enum class FlightEnd { LeftWindow, MetEarth, Closed, RanOut };
    void aim(int degrees);
    void takeOff();
    FlightEnd fly(const Segment& segment);

    scene::ControlArray<scene::LineControl> Line1{"Line1"};
    scene::ControlArray<scene::Label> Label2{"Label2"}, sud{"sud"}, what{"what"};

private:
    // Declares the stored control list before the single controls below are looked up in it.
    bool laidOut_ = layout();
    bool layout();

public:
    scene::Timer& jam = control<scene::Timer>("jam");
    scene::Label& wait = control<scene::Label>("wait");
    scene::Shape& Shape1 = control<scene::Shape>("Shape1");

    // The script's stages, in ticks of jam: a countdown, the launches, each stopping where it
    // meets the earth (which moves the script on to kMetEarth), then the launches extended.
    static constexpr int kCountdownEnd = 4;
    static constexpr int kLaunches = 5;
    static constexpr int kMetEarth = 1000;
    static constexpr int kExtendNotice = 1004;
    static constexpr int kExtendedLaunches = 1005;

    std::int16_t tick = 0;  // jam ticks
    int extend = 0;         // 1 while the paths are continued through the earth
    double G = 0;           // [N m^2/kg^2]
    double M = 0;           // the earth's mass [kg]
    double R = 0;           // the earth's radius [m]
    double speed = 0;       // launch speed [m/s]
    double angle = 0;       // launch angle above the local horizontal [rad]

    // The launched body; its state goes by the names the lesson uses.
    Orbit body{};
    double& theta = body.theta;  // screen angle, growing clockwise; -1.57 is straight up [rad]
    double& r = body.r;          // [m]
    double& vr = body.vr;        // [m/s]
    double& vt = body.vt;        // [m/s]
    double& energy = body.E;     // per unit mass, kept during a launch [J/kg]

    double r0 = 0;                    // distance at launch [m]
    double thetaPrev = 0, rPrev = 0;  // the step before
    std::int16_t phase = 0;           // 0 before the farthest point, 1 after, 2 after the nearest
    double rFar = 0, thetaFar = 0;
    double rNear = 0, thetaNear = 0;
    double offX = 0, offY = 0;  // the point's offset from the earth's centre [twips]
    double offXPrev = 0, offYPrev = 0;
    double farX = 0, farY = 0, nearX = 0, nearY = 0;

private:
    // Metres from the earth's centre to twips on screen (about 2809 m a twip).
    static double rho(double metres) { return ((metres / 1000000) / 4) * 1000 * 45 * 2 / 63.2; }
};

}  // namespace lessons
