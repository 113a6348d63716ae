#pragma once
#include <cstdint>

#include "shell/navigation.h"

namespace lessons {

// A wire-frame picture of a paraboloid dish in an oblique three-axis view, drawn in one
// activation, with its receiver at the focus.
class optics3 : public shell::LessonForm {
    ORBELUNE_WORDS(optics3)

public:
    explicit optics3(scene::Program& program, const shell::Place& place);
    void Form_Activate() override;

    scene::ControlArray<scene::Label> Label1{"Label1"}, Label2{"Label2"};
    scene::ControlArray<scene::LineControl> Line3{"Line3"}, Line4{"Line4"}, Line5{"Line5"};

private:
    // Declares the stored control list before the single controls below are looked up in it.
    bool laidOut_ = layout();
    bool layout();

public:
    scene::Shape& Shape1 = control<scene::Shape>("Shape1");
    scene::LineControl& Line8 = control<scene::LineControl>("Line8");
    scene::LineControl& Line9 = control<scene::LineControl>("Line9");

    // 0 during the first pass until depth 50, 1 while depth 0 is drawn, 2 while the rim is
    // drawn again.
    std::int16_t drawPass = 0;
};

}  // namespace lessons
