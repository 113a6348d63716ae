#pragma once
#include "shell/navigation.h"

namespace lessons {

// The still page that weighs the earth (g = GM/R^2) and the sun (M = 4 pi^2 R^3 / G T^2).
// Nothing moves and nothing is reset: the form has no activation handler and no timer.
class Lesson4 : public shell::LessonForm {
    ORBELUNE_WORDS(Lesson4)

public:
    explicit Lesson4(scene::Program& program, const shell::Place& place);

    scene::ControlArray<scene::Label> Label1{"Label1"}, Label3{"Label3"}, Label4{"Label4"},
        Label6{"Label6"}, Label7{"Label7"}, Label8{"Label8"}, Label9{"Label9"};
    scene::ControlArray<scene::LineControl> Line9{"Line9"}, Line13{"Line13"}, Line26{"Line26"};
    scene::ControlArray<scene::Shape> Shape2{"Shape2"};
};

}  // namespace lessons
