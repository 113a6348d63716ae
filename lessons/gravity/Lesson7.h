#pragma once
#include <cstdint>

#include "shell/navigation.h"

namespace lessons {

// The ellipse of the launches, drawn from x^2/a^2 + y^2/b^2 = 1 with its two foci, the earth's
// centre on the left one.
class Lesson7 : public shell::LessonForm {
    ORBELUNE_WORDS(Lesson7)

public:
    explicit Lesson7(scene::Program& program, const shell::Place& place);
    void Form_Activate() override;
    void Timer1_Timer();
    void lintasan();

    scene::ControlArray<scene::Label> Label1{"Label1"}, Label2{"Label2"}, q4{"q4"}, eq3{"eq3"},
        tes{"tes"};
    scene::ControlArray<scene::Shape> f{"f"};
    scene::ControlArray<scene::LineControl> ln{"ln"};

private:
    // Declares the stored control list before the single controls below are looked up in it.
    bool laidOut_ = layout();
    bool layout();

public:
    scene::Timer& Timer1 = control<scene::Timer>("Timer1");
    scene::LineControl& lx = control<scene::LineControl>("lx");  // X axis: a and O's y
    scene::LineControl& ly = control<scene::LineControl>("ly");  // Y axis: b and O's x
    scene::Shape& bumi = control<scene::Shape>("bumi");
    scene::Label& center = control<scene::Label>("center");
    scene::Label& eq1 = control<scene::Label>("eq1");
    scene::Label& eq2 = control<scene::Label>("eq2");

    int drawing = 0;              // 1 when lintasan draws, 0 for a silent run
    std::int16_t pass = 0;        // lintasan runs since activation
    float ox = 0, oy = 0;         // the origin O [hundreds of twips]
    double a = 0, b = 0;          // half-axes [hundreds of twips]
    double x = 0;                 // relative to O: hundreds of twips while computed, then twips
    double y = 0;                 // distance from the X axis [twips]
    double xPrev = 0, yPrev = 0;  // [twips], relative to O
};

}  // namespace lessons
