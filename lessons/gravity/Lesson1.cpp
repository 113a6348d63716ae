#include "lessons/gravity/Lesson1.h"

#include "lessons/common.h"
#include "scene/program.h"

namespace lessons {

using scene::Box;

namespace {
constexpr scene::Color kLightRed = 0x008080FF;     // the charges; the masses are red
constexpr scene::Color kFormulaBox = 0x00C0E0FF;   // a light orange
constexpr scene::Color kConstantBox = 0x0080C0FF;  // a deeper orange
using scene::kCircle;
}  // namespace

Lesson1::Lesson1(scene::Program& program, const shell::Place& place)
    : LessonForm(program, place, 11580, 8235,
                 {.timer = "",
                  .replayItem = "",
                  .titleCaption = QT_TRANSLATE_NOOP("Navigation", "Navigation")}) {
    // Stored order: earlier lies above later, so every small sub- and superscript label covers
    // the gap left for it in the formula label beneath.
    label("Label12", Box{3840, 6720, 3735, 615}, tr("Both have similar forms!"))
        .size(12)
        .bold()
        .center();
    label(Label10, 1, Box{7080, 5760, 3855, 495}, tr("... a constant "))
        .back(kConstantBox)
        .size(12);
    label(Label5, 25, Box{9600, 5160, 135, 255}, "2").back(kConstantBox);
    label(Label5, 24, Box{9000, 5160, 135, 255}, "2").back(kConstantBox);
    label(Label9, 1, Box{8280, 5160, 375, 255}, "9").back(kConstantBox);
    label(Label8, 1, Box{7080, 5280, 3855, 495}, tr(" k = 9 x 10        Nm   / C"))
        .back(kConstantBox)
        .size(12);
    label(Label6, 2, Box{2400, 2280, 375, 255}, tr("R")).size(12);
    label(Label5, 23, Box{10080, 3000, 135, 255}, "2");
    label(Label7, 2, Box{6240, 2880, 255, 495}, tr("q")).size(12);
    label(Label6, 1, Box{7920, 2280, 375, 255}, tr("R")).size(12);
    line(Line8, 1, 6720, 2640, 9720, 2640).style(2);
    line(Line7, 3, 9720, 2520, 9720, 3360).style(2);
    line(Line7, 2, 6720, 2520, 6720, 3360).style(2);
    label(Label5, 21, Box{10080, 4080, 135, 255}, "2").back(kFormulaBox);
    label(Label5, 20, Box{9360, 4320, 135, 255}, "1").back(kFormulaBox);
    label(Label5, 19, Box{9720, 4320, 135, 255}, "2").back(kFormulaBox);
    label(Label5, 18, Box{8520, 4320, 135, 255}, "2").back(kFormulaBox);
    label(Label5, 17, Box{7920, 4320, 135, 255}, "1").back(kFormulaBox);
    label(Label5, 16, Box{7200, 3240, 135, 255}, "1");
    label(Label5, 15, Box{9120, 3240, 135, 255}, "2");
    label(Label5, 14, Box{8400, 3960, 135, 255}, "2").back(kFormulaBox);
    label(Label5, 13, Box{7800, 3960, 135, 255}, "1").back(kFormulaBox);
    label(Label4, 1, Box{7680, 4200, 3255, 735}, tr("|F  | = |F  | = kq    q   /R "))
        .back(kFormulaBox)
        .size(12);
    label(Label3, 1, Box{7680, 3840, 3255, 855}, tr("F  = - F")).back(kFormulaBox).size(12);
    label(Label2, 3, Box{9000, 3120, 495, 375}, tr("F")).size(12);
    label(Label2, 2, Box{7080, 3120, 495, 375}, tr("F")).size(12);
    line(Line6, 1, 9120, 3120, 9000, 3000);
    line(Line5, 1, 9000, 3000, 9120, 2880);
    line(Line4, 1, 7320, 3120, 7440, 3000);
    line(Line3, 1, 7440, 3000, 7320, 2880);
    line(Line2, 3, 9000, 3000, 9600, 3000);
    line(Line2, 2, 6840, 3000, 7440, 3000);
    shape(Shape1, 3, Box{9600, 2880, 255, 255}, kCircle).fill(kLightRed);
    shape(Shape1, 2, Box{6600, 2880, 255, 255}, kCircle).fill(kLightRed);
    label(Label10, 0, Box{1320, 5760, 3855, 495}, tr("... is the Universal Gravity Constant"))
        .back(kConstantBox)
        .size(12);
    label(Label5, 12, Box{3960, 5160, 135, 255}, "2").back(kConstantBox);
    label(Label5, 11, Box{3480, 5160, 135, 255}, "2").back(kConstantBox);
    label(Label9, 0, Box{2640, 5160, 375, 255}, "-11").back(kConstantBox);
    label(Label8, 0, Box{1320, 5280, 3855, 495}, tr(" G = 6.6 x 10        Nm   /kg"))
        .back(kConstantBox)
        .size(12);
    label(Label5, 10, Box{4320, 3000, 135, 255}, "2");
    line(Line8, 0, 960, 2640, 3960, 2640).style(2);
    line(Line7, 1, 3960, 2520, 3960, 3360).style(2);
    line(Line7, 0, 960, 2520, 960, 3360).style(2);
    label(Label5, 8, Box{4440, 4080, 135, 255}, "2").back(kFormulaBox);
    label(Label5, 7, Box{3720, 4320, 135, 255}, "1").back(kFormulaBox);
    label(Label5, 6, Box{4080, 4320, 135, 255}, "2").back(kFormulaBox);
    label(Label5, 5, Box{2760, 4320, 135, 255}, "2").back(kFormulaBox);
    label(Label5, 4, Box{2160, 4320, 135, 255}, "1").back(kFormulaBox);
    label(Label5, 3, Box{1440, 3240, 135, 255}, "1");
    label(Label5, 2, Box{3360, 3240, 135, 255}, "2");
    label(Label5, 1, Box{2640, 3960, 135, 255}, "2").back(kFormulaBox);
    label(Label5, 0, Box{2040, 3960, 135, 255}, "1").back(kFormulaBox);
    label(Label4, 0, Box{1920, 4200, 3255, 735}, tr("|F  | = |F  | = GM   M   /R "))
        .back(kFormulaBox)
        .size(12);
    label(Label3, 0, Box{1920, 3840, 3255, 855}, tr("F  = - F")).back(kFormulaBox).size(12);
    label(Label2, 1, Box{3240, 3120, 495, 375}, tr("F")).size(12);
    label(Label2, 0, Box{1320, 3120, 495, 375}, tr("F")).size(12);
    line(Line6, 0, 3360, 3120, 3240, 3000);
    line(Line5, 0, 3240, 3000, 3360, 2880);
    line(Line4, 0, 1560, 3120, 1680, 3000);
    line(Line3, 0, 1680, 3000, 1560, 2880);
    line(Line2, 1, 3240, 3000, 3840, 3000);
    line(Line2, 0, 1080, 3000, 1680, 3000);
    label(Label1, 1, Box{5760, 360, 4335, 495}, tr("Comparation with Electrical Force"))
        .size(12)
        .bold()
        .center();
    label(Label1, 0, Box{840, 360, 3735, 495}, tr("GRAVITATIONAL FORCE")).size(12).bold().center();
    shape(Shape1, 1, Box{3840, 2880, 255, 255}, kCircle).fill(kRed);
    shape(Shape1, 0, Box{840, 2880, 255, 255}, kCircle).fill(kRed);
    line("Line1", 5640, 240, 5640, 8040);
    label(Label11, 0, Box{1320, 5040, 3855, 255}).back(kConstantBox);
    label(Label11, 1, Box{7080, 5040, 3855, 255}).back(kConstantBox);
    label(Label5, 9, Box{720, 3000, 135, 255}, "1");
    label(Label7, 0, Box{480, 2880, 255, 495}, tr("M")).size(12);
    label(Label7, 1, Box{4080, 2880, 255, 495}, tr("M")).size(12);
    label(Label5, 22, Box{6480, 3000, 135, 255}, "1");
    label(Label7, 3, Box{9840, 2880, 255, 495}, tr("q")).size(12);

    // Read aloud: each formula once, its indices and exponents with it.
    formula(Label7(0), tr("M1"), {&Label5(9)});
    formula(Label7(1), tr("M2"), {&Label5(10)});
    formula(Label2(0), tr("F1"), {&Label5(3)});
    formula(Label2(1), tr("F2"), {&Label5(2)});
    formula(Label3(0), tr("F1 = −F2"), {&Label5(0), &Label5(1)});
    formula(Label4(0), tr("|F1| = |F2| = G × M1 × M2 / R²"),
            {&Label5(4), &Label5(5), &Label5(6), &Label5(7), &Label5(8)});
    formula(Label8(0), tr("G = 6.6 × 10⁻¹¹ N m² / kg²"), {&Label9(0), &Label5(11), &Label5(12)});
    formula(Label7(2), tr("q1"), {&Label5(22)});
    formula(Label7(3), tr("q2"), {&Label5(23)});
    formula(Label2(2), tr("F1"), {&Label5(16)});
    formula(Label2(3), tr("F2"), {&Label5(15)});
    formula(Label3(1), tr("F1 = −F2"), {&Label5(13), &Label5(14)});
    formula(Label4(1), tr("|F1| = |F2| = k × q1 × q2 / R²"),
            {&Label5(17), &Label5(18), &Label5(19), &Label5(20), &Label5(21)});
    formula(Label8(1), tr("k = 9 × 10⁹ N m² / C²"), {&Label9(1), &Label5(24), &Label5(25)});
}

void Lesson1::Form_Activate() {
    // The first lesson of the course has nothing before it.
    menuItem("prev")->Enabled = false;
}

}  // namespace lessons
