#include "lessons/optics/optics1.h"

#include <cmath>

#include "scene/program.h"

namespace lessons {

using scene::Box;
using scene::kCircle;

optics1::optics1(scene::Program& program, const shell::Place& place)
    : MirrorLesson(program, place,
                   {.timer = "Timer1",
                    .replayItem = "rep",
                    .titleItem = "nav",
                    .titleCaption = QT_TRANSLATE_NOOP("Navigation", "Navigation"),
                    .leavingFlag = true,
                    .replayStopsTimer = true}) {
    label("Label4", Box{6240, 4560, 1935, 375}, tr("CENTER LINE")).fore(kRed).bold();
    shape("Shape2", Box{1690, 4440, 135, 135}, kCircle).fill(kRed);
    label("Label3", Box{1080, 480, 5895, 375}, tr("REFLECTION AT CIRCULAR MIRROR")).size(12).bold();
    line(Line2, 2, 0, 8040, 0, 1200).color(kRed).style(kDashDot);
    line("Line3", 0, 4500, 10440, 4500).color(kRed).style(kDashDot);
    line(Line2, 1, 3495, 8040, 3495, 960).color(kRed).style(kDashDot);
    line(Line2, 0, 1750, 7920, 1750, 1080).color(kRed).style(kDashDot);
    label(Label2, 1, Box{3360, 5400, 615, 495}, tr("R")).fore(kRed).bold();
    label(Label2, 0, Box{1560, 5400, 615, 495}, tr("R/2")).fore(kRed).bold();
    line("Line1", 0, 5280, 3500, 5280).color(kRed).width(2);
    label(
        "Label1", Box{3600, 960, 3615, 7575},
        tr("As the position of light ray approaches the center line, the reflected ray approaches "
           "passing the common point of R/2, which is the focus."))
        .fore(kBlue);
    label(Label2, 2, Box{30, 5400, 615, 495}, "0").fore(kRed).bold();
}

// The first lesson of the course has nothing before it.
void optics1::prepare() { menuItem("prev")->Enabled = false; }

// The circle about C = (3500, 4500) with radius 3500, worked in units of 100 twips.
double optics1::mirrorX(double y) const {
    return 100 * (35 - std::sqrt(1225 - std::pow(y / 100 - 45, 2)));
}

bool optics1::rayInFront(int i, double y0) const {
    double yc = 4500 - 100 * std::sqrt(1225 - std::pow((i - 3500) / 100.0, 2));
    return yc < y0;
}

double optics1::reflectionHeight(double, double y0) const { return y0; }

// The radius through the reflection point.
double optics1::normalSlope(double xh, double y0) const { return (y0 - 4500) / (xh - 3500); }

}  // namespace lessons
