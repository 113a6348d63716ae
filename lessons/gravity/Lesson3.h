#pragma once
#include "shell/navigation.h"

namespace lessons {

// A ball dropped from the leaning tower after a three-second countdown; its speed is written
// beside its path at every whole second and where it lands.
class Lesson3 : public shell::LessonForm {
    ORBELUNE_WORDS(Lesson3)

public:
    explicit Lesson3(scene::Program& program, const shell::Place& place);
    void Form_Activate() override;
    void jam_Timer();
    void Hitung();

    scene::ControlArray<scene::Label> l{"l"};
    scene::ControlArray<scene::LineControl> Line2{"Line2"};

private:
    // Declares the stored control list before the single controls below are looked up in it.
    bool laidOut_ = layout();
    bool layout();

public:
    scene::Timer& jam = control<scene::Timer>("jam");
    scene::Label& wait = control<scene::Label>("wait");
    scene::Label& tanda = control<scene::Label>("tanda");
    scene::Label& detik = control<scene::Label>("detik");
    scene::LineControl& mistar = control<scene::LineControl>("mistar");
    scene::Shape& bola = control<scene::Shape>("bola");

    // Form-level variables.
    double tick = 0;       // jam ticks since activation
    double fallLeft = 0;   // height still to fall [twips]
    double fallSpeed = 0;  // speed of the ball
};

}  // namespace lessons
