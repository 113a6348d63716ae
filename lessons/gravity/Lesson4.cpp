#include "lessons/gravity/Lesson4.h"

#include "lessons/common.h"
#include "scene/program.h"

namespace lessons {

using scene::Box;

namespace {
// The values and the comparison are blue, the centrifugal force F(1) red, the earth teal, and
// orange lines join the comparison box to the results.
constexpr scene::Color kComparisonBox = 0x0080C0FF;  // a light orange
constexpr scene::Color kYellow = 0x0000FFFF;         // the sun
constexpr scene::Color kLightGrey = 0x00C0C0C0;      // the balance's foot
using scene::kCircle;
}  // namespace

Lesson4::Lesson4(scene::Program& program, const shell::Place& place)
    : LessonForm(program, place, 11580, 9060,
                 {.timer = "",
                  .replayItem = "",
                  .titleCaption = QT_TRANSLATE_NOOP("Navigation", "Navigation")}) {
    // Stored order: earlier lies above later, so every superscript label and every stroke of a
    // pi covers the gap left for it in the formula label beneath.
    label(Label7, 5, Box{3000, 8160, 5295, 255},
          tr("T = 365.25 x 24 x 3600  seconds  ... period of earth's revolution = 1 year"))
        .fore(kBlue);
    shape(Shape2, 5, Box{9960, 7440, 495, 615}, kCircle).fill(kYellow);
    shape(Shape2, 4, Box{2160, 4200, 255, 255}, kCircle).fill(kTeal);
    line(Line26, 0, 2280, 4320, 8160, 5160).color(kOrange);
    line("Line11", 480, 5280, 4800, 4320);
    label(Label7, 6, Box{8160, 5160, 2415, 495},
          tr("Sun is 330,000 times 'heavier' than the earth"))
        .back(kComparisonBox)
        .fore(kBlue)
        .size(9.75)
        .bold();
    line(Line26, 1, 10560, 5640, 10200, 7800).color(kOrange);
    line("Line25", 9480, 8520, 11400, 7920);
    line("Line24", 9240, 8400, 11040, 7680);
    label(Label4, 17, Box{9360, 7680, 255, 255}, "30").bold();
    label(Label8, 1, Box{8040, 7800, 2415, 495}, tr("=>  M = 2 x 10       kg")).bold();
    label(Label4, 16, Box{3960, 7680, 255, 255}, "11").fore(kBlue);
    label(Label7, 4, Box{3000, 7800, 4695, 255},
          tr("R = 1.5 x 10        m  ... distance between earth and sun"))
        .fore(kBlue);
    label(Label4, 15, Box{5040, 7320, 135, 255}, "2").fore(kBlue);
    label(Label4, 14, Box{4560, 7320, 135, 255}, "2").fore(kBlue);
    label(Label4, 13, Box{3960, 7320, 255, 255}, "-11").fore(kBlue);
    label(Label7, 3, Box{3000, 7440, 3735, 255},
          tr("G = 6.6 x 10         Nm     /kg      ... gravity constant"))
        .fore(kBlue);
    label(Label6, 1, Box{2640, 7080, 6135, 375},
          tr("The mass of the sun M can be calculated using the following values:"));
    label(Label4, 12, Box{3720, 6600, 135, 255}, "2");
    line("Line23", 3600, 6840, 3600, 6720);
    line("Line22", 3480, 6840, 3480, 6720);
    line("Line21", 3480, 6720, 3600, 6720);
    label(Label4, 11, Box{4080, 6600, 135, 255}, "3");
    label(Label4, 10, Box{4560, 6600, 135, 255}, "2");
    label("Label11", Box{3000, 6720, 3855, 255}, tr("M = 4           R    /GT"));
    line("Line20", 4440, 6240, 4440, 6120);
    line("Line19", 4320, 6240, 4320, 6120);
    line("Line18", 4320, 6120, 4440, 6120);
    label(
        "Label10", Box{2880, 6120, 7575, 495},
        tr("Substituting v with 2    R/T, where R is the distance between the earth and the sun "
           "and "
           "T is the period of earth's revolution (=1 year), into equation (1) and then combine it "
           "with equation (2), we obtain:"));
    label(Label9, 1, Box{1920, 6240, 375, 375}, tr("F(2)"));
    label(Label9, 0, Box{2040, 5280, 375, 375}, tr("F(1)"));
    line("Line17", 1560, 6360, 1680, 6600).width(2);
    line("Line16", 1680, 6600, 1920, 6480).width(2);
    line("Line15", 1680, 5520, 1920, 5280).color(kRed).width(2);
    line("Line14", 1920, 5280, 2040, 5520).color(kRed).width(2);
    line(Line13, 2, 1680, 6600, 1800, 5880).width(2);
    line(Line13, 0, 1800, 5880, 1920, 5280).color(kRed).width(2);
    line("Line12", 1800, 5880, 1440, 8040).style(3);
    shape(Shape2, 3, Box{1680, 5760, 255, 255}, kCircle).fill(kTeal);
    shape(Shape2, 2, Box{1200, 7680, 495, 615}, kCircle).fill(kYellow);
    label(Label4, 9, Box{3840, 5520, 135, 255}, "2");
    label(Label3, 4, Box{3000, 5640, 4095, 255},
          tr("F = GMm/R            (2) ... gravitational force"));
    label(Label4, 8, Box{3480, 5160, 135, 255}, "2");
    label(Label3, 3, Box{3000, 5280, 3855, 255},
          tr("F = mv   /R             (1) ... centrifugal force"));
    label(Label1, 3, Box{3600, 4800, 2055, 255}, tr("MASS OF SUN ")).size(9.75).bold().center();
    line("Line10", 600, 4920, 4440, 4200);
    label(Label4, 7, Box{1440, 4080, 255, 255}, "24").bold();
    label(Label8, 0, Box{120, 4200, 5175, 495}, tr("=>  M = 6 x 10       kg")).bold();
    label(Label4, 6, Box{2400, 3240, 135, 255}, "2").fore(kBlue);
    label(Label4, 5, Box{1920, 3240, 135, 255}, "2").fore(kBlue);
    label(Label4, 4, Box{1200, 2880, 135, 255}, "2").fore(kBlue);
    label(Label4, 3, Box{1320, 3600, 255, 255}, "6").fore(kBlue);
    label(Label4, 2, Box{1320, 3240, 255, 255}, "-11").fore(kBlue);
    label(Label7, 2, Box{360, 3720, 3135, 255}, tr("R = 6.3 x 10        m  ... radius of earth"))
        .fore(kBlue);
    label(Label7, 1, Box{360, 3360, 3735, 255},
          tr("G = 6.6 x 10         Nm     /kg      ... gravity constant"))
        .fore(kBlue);
    label(Label7, 0, Box{360, 3000, 3735, 375},
          tr("g = 9.8 m/s    ... earth's gravitational acceleration"))
        .fore(kBlue);
    label(Label6, 0, Box{240, 2400, 4815, 495},
          tr("The mass of the earth M can be calculated using the following values:"));
    label(Label4, 1, Box{960, 1800, 135, 255}, "2");
    label(Label3, 2, Box{240, 1920, 2175, 255}, tr("g = GM/R       (3)"));
    label("Label5", Box{240, 1560, 3855, 255}, tr("From equations (1) and (2), we obtain:"));
    label(Label4, 0, Box{1080, 960, 135, 255}, "2");
    label(Label3, 1, Box{240, 1080, 2175, 255}, tr("F = GMm/R     (2)"));
    label(Label3, 0, Box{240, 720, 2175, 255}, tr("F = mg             (1)"));
    label(Label1, 2, Box{360, 360, 2055, 255}, tr("MASS OF EARTH")).size(9.75).bold().center();
    label(Label1, 1, Box{9120, 3120, 2055, 255}, tr("SUN")).size(9.75).bold().center();
    label(Label1, 0, Box{5040, 3120, 2055, 255}, tr("EARTH")).size(9.75).bold().center();
    shape(Shape2, 1, Box{9480, 1920, 1335, 1095}, kCircle).fill(kYellow);
    shape(Shape2, 0, Box{5400, 1920, 1335, 1095}, kCircle).fill(kTeal);
    shape("Shape1", Box{7680, 3720, 975, 255}).fill(kLightGrey);
    line(Line9, 1, 9120, 3000, 11160, 3000).width(3);
    line(Line9, 0, 5040, 3000, 7080, 3000).width(3);
    line("Line8", 9240, 3000, 10200, 480);
    line("Line7", 10200, 480, 11040, 3000);
    line("Line6", 5160, 3000, 6120, 480);
    line("Line5", 6120, 480, 6960, 3000);
    line("Line4", 6120, 480, 10200, 480);
    line("Line3", 7800, 3720, 8520, 3720);
    line("Line2", 8520, 3720, 8160, 480);
    line("Line1", 8160, 480, 7800, 3720);
    label("Label2", Box{7800, 1080, 855, 1095}, "?").size(48).bold().center();

    // Read aloud: each formula once, its exponents with it (the π of 2πR/T and 4π² is drawn in
    // lines).
    auto named = [this](const char* name) -> scene::Label& { return control<scene::Label>(name); };
    formula(Label3(1), tr("F = G × M × m / R² (2)"), {&Label4(0)});
    formula(Label3(2), tr("g = G × M / R² (3)"), {&Label4(1)});
    formula(Label7(0), tr("g = 9.8 m/s² ... earth's gravitational acceleration"), {&Label4(4)});
    formula(Label7(1), tr("G = 6.6 × 10⁻¹¹ N m² / kg² ... gravity constant"),
            {&Label4(2), &Label4(5), &Label4(6)});
    formula(Label7(2), tr("R = 6.3 × 10⁶ m ... radius of earth"), {&Label4(3)});
    formula(Label8(0), tr("=> M = 6 × 10²⁴ kg"), {&Label4(7)});
    formula(Label3(3), tr("F = m × v² / R (1) ... centrifugal force"), {&Label4(8)});
    formula(Label3(4), tr("F = G × M × m / R² (2) ... gravitational force"), {&Label4(9)});
    formula(named("Label10"),
            tr("Substituting v with 2πR/T, where R is the distance between the earth and the sun "
               "and T is the period of earth's revolution (=1 year), into equation (1) and then "
               "combine it with equation (2), we obtain:"));
    formula(named("Label11"), tr("M = 4π² × R³ / (G × T²)"),
            {&Label4(10), &Label4(11), &Label4(12)});
    formula(Label7(3), tr("G = 6.6 × 10⁻¹¹ N m² / kg² ... gravity constant"),
            {&Label4(13), &Label4(14), &Label4(15)});
    formula(Label7(4), tr("R = 1.5 × 10¹¹ m ... distance between earth and sun"), {&Label4(16)});
    formula(Label8(1), tr("=> M = 2 × 10³⁰ kg"), {&Label4(17)});
}

}  // namespace lessons
