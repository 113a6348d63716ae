#include "lessons/gravity/Lesson7.h"

#include <cmath>

#include "lessons/common.h"
#include "scene/numbers.h"
#include "scene/program.h"

namespace lessons {

using scene::Box;
using scene::rgb;

namespace {
constexpr scene::Color kMagenta = rgb(255, 0, 255);
constexpr std::int32_t kEllipse = kPathColour;  // the colour of the launches' paths
using scene::kCircle;
}  // namespace

Lesson7::Lesson7(scene::Program& program, const shell::Place& place)
    : LessonForm(program, place, 11745, 9015,
                 {.timer = "Timer1", .replayItem = "rep", .replayCaption = tr("Redraw")}) {
    Timer1.onTimer = [this] { Timer1_Timer(); };
    // The ellipse is some 2,700 segments: at 20 a frame it grows for a little over two seconds.
    setPace(20);
}

bool Lesson7::layout() {
    timer("Timer1", 1000, true);
    line("lx", 600, 3500, 11280, 3500);
    line("ly", 6000, 480, 6000, 6480);
    label(Label1, 0, Box{5640, 3600, 255, 375}, tr("O"));
    label(Label1, 1, Box{6120, 240, 255, 375}, tr("Y"));
    label(Label1, 2, Box{11400, 3600, 255, 375}, tr("X"));
    // The labels whose boxes reach over a neighbour's text (the index of f1, the second note,
    // the exponents of both formulas) are see-through, so that none hides another; on the teal
    // disc they look the same.
    label(Label2, 0, Box{1680, 3600, 495, 375}, tr("f")).size(12).bold().see_through();
    label(Label2, 2, Box{1800, 3720, 495, 375}, "1").size(12).bold();
    label(Label2, 1, Box{10320, 3600, 255, 375}, tr("f")).size(12).bold();
    label(Label2, 3, Box{10440, 3720, 255, 375}, "2").size(12).bold();
    label(Label2, 4, Box{6120, 600, 135, 375}, tr("b")).size(12).bold();
    label(Label2, 5, Box{10920, 3480, 135, 255}, tr("a")).size(12).bold();
    shape(f, 0, Box{240, 4080, 135, 135}, kCircle).fill(kRed).hidden();
    shape(f, 1, Box{3360, 4920, 135, 135}, kCircle).fill(kRed).hidden();
    // Opaque teal behind a transparent fill: the fill colour is set but never shows.
    shape("bumi", Box{1200, 5400, 855, 615}, kCircle)
        .back(kTeal)
        .border(kBlue)
        .borderLine(1, 2)
        .FillColor = kLavender;
    label("center", Box{1560, 4200, 1215, 615}, tr("Earth Center")).size(12).bold();
    label(q4, 0, Box{8160, 6600, 2655, 375}, tr("An ellipse has two focuses."))
        .hidden()
        .see_through();
    label(q4, 1, Box{8160, 6840, 2895, 375},
          tr("In this case, one of its focus, that is f1, overlaps with the earth center."))
        .hidden();
    label(q4, 2, Box{120, 6240, 1575, 375}, tr("EARTH")).back(kTeal).size(18).bold().hidden();
    label(q4, 3, Box{7800, 7320, 3615, 1095},
          tr("This kind of calculation is sometimes used for Intercontinental Ballistic Missiles "
             "(ICBM)! Missile-defence programmes that aim to stop such a missile in flight rely on "
             "the same calculation."))
        .fore(kRed)
        .hidden();
    line(ln, 0, 8160, 6960, 2160, 3960).color(kMagenta).hidden();
    line(ln, 1, 2280, 4320, 2160, 3960).color(kMagenta).hidden();
    line(ln, 3, 2520, 3960, 2160, 3960).color(kMagenta).hidden();
    line(ln, 2, 20000, 3960, 20015, 3975).color(kMagenta).hidden();  // right of the window
    label("eq1", Box{8160, 120, 1695, 375}, tr("Ellipse' Equation:"))
        .size(9.75)
        .hidden()
        .see_through();
    label("eq2", Box{8160, 480, 1935, 375}, tr("x   /a    + y    /b    = 1"))
        .size(9.75)
        .hidden()
        .see_through();
    label(eq3, 0, Box{8280, 360, 135, 255}, "2").hidden();
    label(eq3, 1, Box{8640, 360, 135, 255}, "2").hidden();
    label(eq3, 2, Box{9000, 360, 135, 255}, "2").hidden();
    label(eq3, 3, Box{9360, 360, 135, 255}, "2").hidden();
    label(tes, 0, Box{4920, 2880, 1815, 375}, tr("f     = f     = a   - b"))
        .back(kTeal)
        .size(9.75)
        .bold()
        .see_through();
    label(tes, 1, Box{5040, 3000, 135, 255}, "1").back(kTeal).bold();
    label(tes, 2, Box{5160, 2760, 135, 255}, "2").back(kTeal).bold();
    label(tes, 3, Box{5520, 3000, 135, 255}, "2").back(kTeal).bold();
    label(tes, 4, Box{5640, 2760, 135, 255}, "2").back(kTeal).bold();
    label(tes, 5, Box{6120, 2760, 135, 255}, "21").back(kTeal).bold();  // narrower than its text
    label(tes, 6, Box{6600, 2760, 135, 255}, "21").back(kTeal).bold();

    // Read aloud: each formula once, its indices and exponents with it.
    formula(Label2(0), tr("f1"), {&Label2(2)});
    formula(Label2(1), tr("f2"), {&Label2(3)});
    formula(control<scene::Label>("eq2"), tr("x² / a² + y² / b² = 1"),
            {&eq3(0), &eq3(1), &eq3(2), &eq3(3)});
    formula(tes(0), tr("f1² = f2² = a² − b²"),
            {&tes(1), &tes(2), &tes(3), &tes(4), &tes(5), &tes(6)});
    return true;
}

void Lesson7::Form_Activate() {
    eq1.Visible = false;
    eq2.Visible = false;
    for (int i = 0; i <= 3; ++i) {
        eq3(i).Visible = false;
        q4(i).Visible = false;
        ln(i).Visible = false;
        tes(i).Visible = false;
        tes(2 * i).Visible = false;
    }
    tes(5).Visible = false;
    f(0).Visible = false;
    f(1).Visible = false;
    drawing = 0;
    pass = 0;
    // Everything below follows from where the axis lines lie.
    ox = scene::toSingle(ly.X1 / 100.0);
    oy = scene::toSingle(lx.Y1 / 100.0);
    lx.X1 = 100 * ox - (lx.X2 - 100 * ox);
    ly.Y1 = 100 * oy - (ly.Y2 - 100 * oy);
    // The ellipse ends 99 twips short of the axes' ends.
    a = scene::toSingle((lx.X2 - 99) / 100.0) - ox;
    b = scene::toSingle((ly.Y2 - 99) / 100.0) - oy;
    auto startPoint = [this] {
        xPrev = a;
        yPrev = 100 * std::sqrt(a * a * b * b - xPrev * xPrev * b * b) / a;
        xPrev = 100 * xPrev;
    };
    startPoint();
    for (int i = 0; i <= 3; ++i) {
        q4(i).Visible = true;
        ln(i).Visible = true;
    }
    lintasan();                                     // silent: counts as the first pass
    double focal = 100 * std::sqrt(a * a - b * b);  // each focus from O [twips]
    f(0).Left = 100 * ox - focal - f(0).Width / 2;
    f(1).Left = 100 * ox + focal - f(1).Width / 2;
    f(0).Top = 100 * oy - f(0).Height / 2;
    f(1).Top = 100 * oy - f(1).Height / 2;
    f(0).Visible = true;
    f(1).Visible = true;
    // The earth, centred on the left focus, reaching to the ellipse's left half.
    double earthRadius = 100 * (a / 2) + focal;  // [twips]
    bumi.Left = (100 * ox + 100 * (a / 2)) - 2 * earthRadius;
    bumi.Top = 100 * oy - earthRadius;
    bumi.Width = 2 * earthRadius;
    bumi.Height = 2 * earthRadius;
    bumi.ZOrder(1);
    // The labels lying on the disc blend into it.
    for (int i = 0; i <= 5; ++i) {
        if (i == 1 || i == 3 || i == 5) continue;
        Label2(i).BackColor = kTeal;
    }
    Label1(0).BackColor = kTeal;
    Label1(1).BackColor = kTeal;
    center.BackColor = kTeal;
    startPoint();
    Timer1.Enabled = true;
}

void Lesson7::Timer1_Timer() {
    if (pass == 1) {
        StageBegins(tr("Drawing the ellipse"));
        drawing = 1;
        lintasan();
    } else if (pass == 2) {
        StageBegins(tr("The ellipse's equations"));
        eq1.Visible = true;
        eq2.Visible = true;
        for (int i = 0; i <= 3; ++i) {
            eq3(i).Visible = true;
            tes(i).Visible = true;
            tes(2 * i).Visible = true;
        }
        tes(5).Visible = true;
        Timer1.Enabled = false;
    }
}

void Lesson7::lintasan() {
    const double cx = 100 * ox, cy = 100 * oy;
    // From the right end to the left, each step 0.01 twip longer than the one before.
    for (double i = 1; i <= 100000; i += 0.01) {
        x = (xPrev - i) / 100;
        if (a * a * b * b - x * x * b * b < 0) {
            // Past the left end: close both halves onto the X axis.
            if (drawing == 1) {
                Line(cx + xPrev, cy + yPrev, cx + xPrev, cy, kEllipse);
                Line(cx + xPrev, cy - yPrev, cx + xPrev, cy, kEllipse);
            }
            break;
        }
        y = 100 * std::sqrt(a * a * b * b - x * x * b * b) / a;
        x = 100 * x;
        if (!(y > 0.00001)) break;
        if (drawing == 1) {
            Line(cx + xPrev, cy + yPrev, cx + x, cy + y, kEllipse);
            Line(cx + xPrev, cy - yPrev, cx + x, cy - y, kEllipse);
        }
        xPrev = x;
        yPrev = y;
    }
    pass = pass + 1;
}

}  // namespace lessons
