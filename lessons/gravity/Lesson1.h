#pragma once
#include "shell/navigation.h"

namespace lessons {

// The still page comparing the law of gravitation with Coulomb's law.
class Lesson1 : public shell::LessonForm {
    ORBELUNE_WORDS(Lesson1)

public:
    explicit Lesson1(scene::Program& program, const shell::Place& place);
    void Form_Activate() override;

    scene::ControlArray<scene::Label> Label1{"Label1"}, Label2{"Label2"}, Label3{"Label3"},
        Label4{"Label4"}, Label5{"Label5"}, Label6{"Label6"}, Label7{"Label7"}, Label8{"Label8"},
        Label9{"Label9"}, Label10{"Label10"}, Label11{"Label11"};
    scene::ControlArray<scene::LineControl> Line2{"Line2"}, Line3{"Line3"}, Line4{"Line4"},
        Line5{"Line5"}, Line6{"Line6"}, Line7{"Line7"}, Line8{"Line8"};
    scene::ControlArray<scene::Shape> Shape1{"Shape1"};
};

}  // namespace lessons
