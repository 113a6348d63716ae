#pragma once
#include <cstdint>

#include "shell/navigation.h"

namespace lessons {

// Three stones thrown at 30, 45 and 60 degrees, each on the earth and on the moon.
class Lesson5 : public shell::LessonForm {
    ORBELUNE_WORDS(Lesson5)

public:
    explicit Lesson5(scene::Program& program, const shell::Place& place);
    void Form_Activate() override;
    void jam_Timer();
    void init();
    void lintasan();

    scene::ControlArray<scene::Label> sud{"sud"}, com2{"com2"}, com3{"com3"}, Label3{"Label3"},
        Label2{"Label2"};
    scene::ControlArray<scene::LineControl> Line1{"Line1"};

private:
    // Declares the stored control list before the single controls below are looked up in it.
    bool laidOut_ = layout();
    bool layout();

public:
    scene::Timer& jam = control<scene::Timer>("jam");
    scene::Label& wait = control<scene::Label>("wait");
    scene::Label& Label4 = control<scene::Label>("Label4");
    scene::Label& com1 = control<scene::Label>("com1");

    std::int16_t tick = 0;        // jam ticks since the last activation
    double dt = 0;                // [s]
    double speed = 0;             // launch speed [m/s]
    double g = 0;                 // the earth's gravity [m/s^2]
    int scale = 0;                // [twips/m]
    int angle = 0;                // launch angle of the current throw [degrees]
    double vx = 0, vy = 0;        // [m/s]; vx is shared by both stones
    double vyMoon = 0;            // [m/s]
    double x = 0;                 // [m], the same for both stones
    double y = 0, yMoon = 0;      // heights of the earth stone and the moon stone [m]
    double xPrev = 0, yPrev = 0;  // end of the last drawn segment [m]
};

}  // namespace lessons
