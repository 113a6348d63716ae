#pragma once
#include <cstdint>

#include "lessons/common.h"
#include "lessons/gravity/orbit.h"
#include "shell/navigation.h"

namespace lessons {

// Horizontal launches from 2500 km above the earth at growing speed, typed into the speed box
// and started by ticking the check box as a teacher would: falls back onto the earth, closed
// ellipses, the falls extended through the earth, and at last a circular orbit.
class Lesson8 : public shell::LessonForm {
    ORBELUNE_WORDS(Lesson8)

public:
    explicit Lesson8(scene::Program& program, const shell::Place& place);
    void Form_Activate() override;
    void jam_Timer();
    void launch();

    // The flight launch draws, apart from the screen: the start from the speed in the box, and
    // the steps, each handed to `segment` in its colour.
    void takeOff();
    void fly(const Segment& segment);
    // The speed the last launches are given: a little above the circular one [m/s].
    double circleLaunchSpeed() const;

    scene::ControlArray<scene::Label> ujung{"ujung"}, Label6{"Label6"}, cir{"cir"};

private:
    // Declares the stored control list before the single controls below are looked up in it.
    bool laidOut_ = layout();
    bool layout();

public:
    scene::Timer& jam = control<scene::Timer>("jam");
    scene::Label& Label1 = control<scene::Label>("Label1");
    scene::TextBox& vinit = control<scene::TextBox>("vinit");
    scene::Label& Label2 = control<scene::Label>("Label2");
    scene::CheckBox& ck = control<scene::CheckBox>("ck");
    scene::Label& wait = control<scene::Label>("wait");
    scene::Shape& Shape1 = control<scene::Shape>("Shape1");
    scene::Label& ext = control<scene::Label>("ext");
    scene::Label& hap = control<scene::Label>("hap");
    scene::Label& rumus = control<scene::Label>("rumus");
    scene::Label& loro1 = control<scene::Label>("loro1");
    scene::Label& loro2 = control<scene::Label>("loro2");
    scene::LineControl& panah1 = control<scene::LineControl>("panah1");
    scene::LineControl& panah2 = control<scene::LineControl>("panah2");
    scene::LineControl& panah3 = control<scene::LineControl>("panah3");
    scene::Label& rumus2 = control<scene::Label>("rumus2");

    // The script's stages, in ticks of jam. A cycle enters the next speed, glides the pointer
    // onto the check box and launches; launch() then moves the script on to where the next
    // stage begins, and a cycle goes round again from the tick before kEnterSpeed.
    static constexpr Ticks kCountdown{1, 2};
    static constexpr int kEnterSpeed = 3;
    static constexpr int kGlideSetUp = 4;
    static constexpr Ticks kGlideOn{kGlideSetUp + 1, kGlideSetUp + kGlideSteps};
    static constexpr int kLaunch = kGlideOn.last + 1;
    static constexpr int kFallFlown = 100;  // after a first launch: a pause, then
    static constexpr int kUntick = 102;
    static constexpr Ticks kGlideBack{kUntick + 1, kUntick + kGlideSteps};
    static constexpr int kEllipseFlown = 200;  // after the 7500 m/s launch
    static constexpr int kExtendNotice = 201;
    static constexpr int kExtendedCycles = 205;
    static constexpr int kExtendedFlown = 300;  // after the extended cycles
    static constexpr int kCircleEquation = 301;
    static constexpr int kCircleLaunches = 305;
    static constexpr int kCircleFlown = 400;
    static constexpr int kClosing = 401;

    int tick = 0;                // position in the demonstration script
    int step = 0;                // step of the current pointer glide, 1 to kGlideSteps
    std::int16_t stage = 0;      // 0 first launches, 1 the 7500 launch, 2 and 3 extended, 4 circle
    std::int16_t tpp = 15;       // twips per screen pixel
    double G = 0, M = 0, R = 0;  // [N m^2/kg^2], [kg], earth radius [m]
    std::int32_t height = 2500000;  // launch height above the surface [m]
    double speed = 0;               // launch speed [m/s]
    int angle = 0;                  // launch angle above the local horizontal [rad]
    double theta = 0;               // polar angle [rad], 0 at the launch point
    double r = 0, r0 = 0;           // distance from the earth's centre now and at launch [m]
    double offX = 0, offY = 0, offXPrev = 0, offYPrev = 0;  // from the earth's centre [twips]
    int i = 0;                                              // step of the current flight
    Orbit body{};

private:
    void glideTo(int step);
};

}  // namespace lessons
