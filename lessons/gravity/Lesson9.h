#pragma once
#include <cstdint>
#include <string>

#include "lessons/gravity/orbit.h"
#include "shell/navigation.h"

namespace lessons {

// Why a space station stays up: after a countdown it is launched 100 km above the ground at
// just over the circular speed and flies one revolution while the clock counts its minutes.
class Lesson9 : public shell::LessonForm {
    ORBELUNE_WORDS(Lesson9)

public:
    explicit Lesson9(scene::Program& program, const shell::Place& place);
    void Form_Activate() override;
    void jam_Timer();
    void launch();

    // A little above the circular speed at the station's height [m/s].
    static constexpr double kLaunchSpeed = 7797.815;
    // The flight launch shows, apart from the screen: the start at speed V, and the steps of one
    // revolution, each handed to `show`.
    void takeOff();
    void fly(const StepShown& show);

    // The clock's three digits for m whole minutes: "007", "087", "120".
    static std::string clockCaption(double m);

    scene::ControlArray<scene::Label> Label6{"Label6"}, Label3{"Label3"}, Label4{"Label4"};

private:
    // Declares the stored control list before the single controls below are looked up in it.
    bool laidOut_ = layout();
    bool layout();

public:
    scene::Timer& jam = control<scene::Timer>("jam");
    scene::Shape& titik = control<scene::Shape>("titik");
    scene::Label& waktu = control<scene::Label>("waktu");

    double G = 0, M = 0, R = 0;  // [N m^2/kg^2], [kg], earth radius [m]
    long tick = 0;               // whole seconds since activation
    double V = 0;                // launch speed [m/s]
    double a = 0;                // launch angle above the local horizontal [rad]
    std::int32_t h = 0;          // launch height [m]
    double r = 0, r0 = 0;        // distance from the earth's centre now and at launch [m]
    double theta = 0;            // polar angle [rad], 0 at launch
    double x = 0, y = 0;         // the station's offset from the earth's centre [twips]
    int i = 0;                   // step of the flight
    Orbit body{};

private:
    void placeStation();
};

}  // namespace lessons
