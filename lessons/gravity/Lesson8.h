#pragma once
#include <cstdint>

#include "shell/navigation.h"

namespace lessons {

// Horizontal launches from 2500 km above the earth at growing speed, typed into the speed box
// and started by ticking the check box as a teacher would: falls back onto the earth, closed
// ellipses, the falls extended through the earth, and at last a circular orbit.
class Lesson8 : public shell::LessonForm {
public:
    explicit Lesson8(scene::Program& program, const shell::Place& place);
    void Form_Activate() override;
    void jam_Timer();
    void launch();

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

    int tick = 0;                // position in the demonstration script
    int step = 0;                // step of the current pointer glide, 1 to 21
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

private:
    double rho(double metres) const { return ((metres / 1000000) / 4) * 1000; }
    void glideTo(int px);
};

}  // namespace lessons
