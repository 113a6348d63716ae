#include "lessons/optics/optics2.h"

#include <cmath>

#include "scene/program.h"

namespace lessons {

using scene::Box;
using scene::kCircle;

optics2::optics2(scene::Program& program, const shell::Place& place)
    : MirrorLesson(program, place,
                   {.timer = "Timer1",
                    .replayItem = "rep",
                    .titleItem = "nav",
                    .titleCaption = QT_TRANSLATE_NOOP("Navigation", "Navigation"),
                    .nextItem = "nex",
                    .leavingFlag = true,
                    .replayStopsTimer = true}) {
    label(Label2, 0, Box{720, 5400, 615, 255}, tr("1/4a")).fore(kBlue).bold();
    line(Line2, 3, 880, 7680, 880, 840).color(kBlue).style(kDashDot);
    label("Label7", Box{3600, 1800, 3735, 735},
          tr("For this reason, parabolic geometry is often used for high-performance antenna. Have "
             "you seen parabola antennas in your area?"))
        .fore(kBlue);
    label("Label6", Box{360, 7320, 2775, 375}, tr("Equation of Parabola")).fore(kBlue).size(12);
    label(Label5, 0, Box{480, 7800, 735, 495}, tr("x = a y")).fore(kBlue).size(12);
    label("Label4", Box{6240, 4560, 1935, 375}, tr("CENTER LINE")).fore(kRed).bold();
    shape("Shape2", Box{830, 4440, 135, 135}, kCircle).fill(kRed);
    label("Label3", Box{1080, 480, 5895, 375}, tr("REFLECTION AT PARABOLIC MIRROR"))
        .size(12)
        .bold();
    line(Line2, 2, 15, 8040, 15, 1200).color(kRed).style(kDashDot);
    line("Line3", 0, 4500, 10440, 4500).color(kRed).style(kDashDot);
    line(Line2, 1, 3495, 8040, 3495, 960).color(kRed).style(kDashDot);
    line(Line2, 0, 1780, 7920, 1780, 1080).color(kRed).style(kDashDot);
    line("Line1", 0, 5280, 920, 5280).color(kBlue).width(2);
    label(
        "Label1", Box{3600, 960, 3615, 7575},
        tr("Different form circular mirror, a parabolic mirror reflects incoming ray into a focus, "
           "regardless of the relative position of the ray from the center line."))
        .fore(kBlue);
    label(Label2, 2, Box{30, 5400, 615, 495}, "0").fore(kBlue).bold();
    // Its "2" stands above the end of "x = a y".
    label(Label5, 1, Box{480, 7680, 2295, 495}, "                2").fore(kBlue).size(9.75);
    // Read aloud: the formula once, its exponent with it.
    formula(Label5(0), tr("x = a × y²"), {&Label5(1)});
}

void optics2::prepare() { a = 1.0 / 3500; }

double optics2::mirrorX(double y) const { return 100 * a * std::pow(y / 10 - 450, 2); }

// The parabola's half-height at i, in units of 10 twips, against the ray's distance from the
// centre line in the same units.
bool optics2::rayInFront(int i, double y0) const {
    double s = std::sqrt((i / 100.0) / a);
    return s > 450 - y0 / 10;
}

// The reflection point lies on the parabola, not at the ray's height.
double optics2::reflectionHeight(double xh, double) const { return 4500 - std::sqrt(xh / a); }

double optics2::normalSlope(double xh, double) const {
    double tangent = (-0.5 / a) / std::sqrt(xh / a);
    return -1 / tangent;
}

}  // namespace lessons
