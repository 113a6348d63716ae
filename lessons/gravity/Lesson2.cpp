#include "lessons/gravity/Lesson2.h"

#include <algorithm>
#include <cmath>

#include "lessons/common.h"
#include "scene/numbers.h"
#include "scene/program.h"

namespace lessons {

using scene::Box;
using scene::Int;
using scene::Val;

namespace {
using scene::kCircle;
// What the invisible teacher types into the ratio box for rows 0, 1 and 2.
const char* const kRatios[3] = {"1", "8", "64"};
}  // namespace

Lesson2::Lesson2(scene::Program& program, const shell::Place& place)
    : LessonForm(program, place, 11745, 8505, {.timer = "jam", .replayItem = "replay"}) {
    // One motion step or one pointer step per 200 ms tick: no handler is long, so none is paced.
    jam.onTimer = [this] { jam_Timer(); };
}

bool Lesson2::layout() {
    // Stored order: earlier lies above later.
    checkBox(ck, 2, Box{120, 4680, 375, 375}).hidden();
    checkBox(ck, 1, Box{120, 3240, 375, 375}).hidden();
    checkBox(ck, 0, Box{120, 2040, 375, 375});
    button("dummy", Box{25000, 7200, 135, 195}, tr("Command1"));
    textBox("Ratio", Box{2880, 1320, 1335, 375}).size(12);
    timer("jam", 200, false);
    line("Line2", 10920, 840, 10920, 6720).hidden();
    shape(Shape1, 4, Box{1080, 4920, 255, 255}, kCircle).fill(kRed).hidden();
    label("t4", Box{7920, 6480, 255, 375}, tr("g")).size(9.75).italic().hidden();
    label("t3", Box{9720, 6360, 255, 255}, "2").hidden();
    label("t2", Box{1560, 6480, 8655, 615},
          tr("The gravitational acceleration on the earth's surface, usually denoted as      , is "
             "about 9.8 m/s ."))
        .size(9.75)
        .hidden();
    label(
        "t1", Box{1560, 5520, 8535, 975},
        tr("As M becomes much greater than m, as we see above, m looks like 'falling' toward M. "
           "This is also true for a stone falling toward the earth. In this case, M is said having "
           "'gravitational acceleration'; it means that an object (m) will accelerate due to M's "
           "gravity."))
        .size(9.75)
        .hidden();
    shape(Shape1, 3, Box{10680, 3480, 510, 510}, kCircle).fill(kRed).hidden();
    label(Label3, 5, Box{960, 4560, 375, 375}, tr("m")).size(12).hidden();
    label(Label3, 3, Box{960, 3120, 375, 375}, tr("m")).size(12).hidden();
    label(Label3, 2, Box{11040, 3000, 375, 375}, tr("M")).size(12).hidden();
    label("Label2", Box{2160, 1320, 735, 375}, tr("M/m =")).size(12);
    shape(Shape1, 5, Box{10440, 4560, 1020, 1020}, kCircle).fill(kRed).hidden();
    line(Line1, 2, 360, 5040, 11280, 5040).style(3).hidden();
    shape(Shape1, 2, Box{1080, 3600, 255, 255}, kCircle).fill(kRed).hidden();
    line(Line1, 1, 360, 3720, 11280, 3720).style(3).hidden();
    label("Label1", Box{2160, 960, 3975, 375}, tr("Ratio of masses (M and m)")).size(12);
    shape(Shape1, 1, Box{10800, 2400, 255, 255}, kCircle).fill(kRed).hidden();
    shape(Shape1, 0, Box{1080, 2400, 255, 255}, kCircle).fill(kRed).hidden();
    label(Label3, 0, Box{11040, 1920, 375, 375}, tr("M")).size(12);
    label(Label3, 1, Box{960, 1920, 375, 375}, tr("m")).size(12);
    label(Label3, 4, Box{11040, 4200, 375, 375}, tr("M")).size(12).hidden();
    line(Line1, 0, 360, 2520, 11280, 2520).style(3);
    label("Label4", Box{1200, 240, 5175, 855},
          tr("Simulation of Attraction Force between two masses which are at rest at initial time"))
        .fore(kBlue)
        .size(12)
        .bold();

    // Read aloud: the note's symbol and exponent with it; each row's check box by what it starts.
    // (The named references are declared after this runs: look the controls up by name.)
    formula(control<scene::Label>("t2"),
            tr("The gravitational acceleration on the earth's surface, usually denoted as g, is "
               "about 9.8 m/s²."),
            {&control<scene::Label>("t3"), &control<scene::Label>("t4")});
    readAs(control<scene::TextBox>("Ratio"), tr("Ratio of masses M/m"));
    readAs(ck(0), tr("Let the first pair of masses attract"));
    readAs(ck(1), tr("Let the second pair of masses attract"));
    readAs(ck(2), tr("Let the third pair of masses attract"));
    return true;
}

scene::PixelPoint Lesson2::ratioGlideStart(int i) {
    return i == 0 ? kPlanStart : middleOf(ck(i - 1));
}

void Lesson2::resetMotion() {
    accSmall = accBig = 0;
    velSmall = velBig = 0;
    shiftSmall = shiftBig = 0;
}

void Lesson2::Form_Activate() {
    dummy.SetFocus();
    tpp = scene::toInteger(TwipsPerPixelX());
    px0 = kPlanStart.x;
    py0 = kPlanStart.y;
    pdx = (ratioCentreX() - px0) - 4;
    pdy = middleY(Ratio) - py0;
    jam.Enabled = true;
    moveSteps[0] = scene::toLong(Int(std::sqrt(pdx * pdx + pdy * pdy) / 10));
    t1.Visible = false;
    t2.Visible = false;
    t3.Visible = false;
    t4.Visible = false;
    for (int j = 1; j <= 2; ++j) {
        ck(j).Visible = false;
        ck(j).Value = 0;
        Line1(j).Visible = false;
        Shape1(2 * j).Visible = false;
        Shape1(2 * j + 1).Visible = false;
        Label3(2 * j).Visible = false;
        Label3(2 * j + 1).Visible = false;
        Shape1(2 * j).Left = 1080;
        Shape1(2 * j + 1).Left = Line2.X1 - Shape1(2 * j + 1).Width / 2;
    }
    Shape1(0).Left = 1080;
    Shape1(1).Left = Line2.X1 - Shape1(1).Width / 2;
    tick = 0;
    rowStart[0] = 0;
    row = 0;
    Ratio.Text = "";
    Ratio.Enabled = true;
    ck(0).Visible = true;
    ck(0).Value = 0;
    Shape1(0).Visible = false;
    Shape1(1).Visible = false;
}

void Lesson2::jam_Timer() {
    tick = tick + 1;
    const int i = row;
    if (i > 2) return;  // finished: jam is already stopped
    const double A = rowStart[i], N = moveSteps[i], S = clickStart[i], M = clickSteps[i];
    const double atRatio = A + N, atCheck = S + M;  // where the pointer's glides arrive
    if (tick < atRatio + kFocusRatio) {
        // The pointer travels to the middle of the ratio box, where it arrives on the last tick
        // (the planned route stops one step short).
        stepNo = tick - A - 1;
        const scene::PixelPoint at = along(ratioGlideStart(i), middleOf(Ratio), stepNo, N - 1);
        pointerTo(*this, at.x, at.y, tpp);
    } else if (tick == atRatio + kFocusRatio) {
        Ratio.SetFocus();
        px0 = px0 + stepNo * pdx / N;
        py0 = py0 + stepNo * pdy / N;
    } else if (tick == atRatio + kClearRatio.first || tick == atRatio + kClearRatio.last) {
        Ratio.Text = "";
    } else if (tick == atRatio + kTypeRatio.first || tick == atRatio + kTypeRatio.last) {
        if (tick == atRatio + kTypeRatio.first)
            StageBegins(std::string(tr("Mass ratio ")) + kRatios[i]);
        Ratio.Text = kRatios[i];
    } else if (tick == atRatio + kPlanClick) {
        Ratio.SelStart = Val(Ratio.Text.get()) < 10 ? 1 : 2;
        pdx = (pointerX(ck(i).Left) - px0) + 10;
        pdy = middleY(ck(i)) - py0;  // onto the tick square, whichever row
        clickSteps[i] = Int(std::sqrt(pdx * pdx + pdy * pdy) / 10);
        clickStart[i] = atRatio + kPlanClick;
    } else if (S < tick && tick < atCheck + kTickBox) {
        // The pointer travels to the middle of the row's check box.
        stepNo = tick - S;
        const scene::PixelPoint at = along(middleOf(Ratio), middleOf(ck(i)), stepNo, M);
        pointerTo(*this, at.x, at.y, tpp);
    } else if (tick == atCheck + kTickBox) {
        ck(i).Value = 1;
        Beep(kBeepHz, 50);
        resetMotion();
    } else if (tick == atCheck + kShowBalls) {
        StageBegins(tr("The two masses attract each other"));
        Shape1(2 * i).Visible = true;
        Shape1(2 * i + 1).Visible = true;
        px0 = px0 + stepNo * pdx / M;
        py0 = py0 + stepNo * pdy / M;
        pdx = (ratioCentreX() - px0) - 4;
        pdy = middleY(Ratio) - py0;
        moveSteps[i + 1] = scene::toLong(Int(std::sqrt(pdx * pdx + pdy * pdy) / 10));
        joined = false;
    } else if (!joined && tick > atCheck + kShowBalls) {
        motionStep(i);
    }
}

// One motion step of row i: the balls m (Shape1(2i)) and M (Shape1(2i+1)) close in on each
// other, or meet.
//
// The inner repetition takes its shifts off the gap at every pass, so each ball moves by the sum
// of the shifts it took off in this tick; moving it by the last shift only would leave the drawn
// balls thousands of twips behind the gap, and m would jump across the screen at the meeting.
//
// The ratio box is read at every step and the user may type into it at any time. While it holds
// no positive number (empty, "0", "abc", "-5") the balls hold still, keeping their speeds, and
// move on once it does: a zero ratio would divide by zero, a negative one would drive the balls
// off the window. A huge ratio ("1e308") makes m's acceleration infinite: the gap then drops below
// r1 + r2 at once and the balls meet, placed by the meeting formula, so no infinity reaches a
// ball. Should the balls ever be driven apart, they stop at the edge of the scene.
void Lesson2::motionStep(int i) {
    scene::Shape& small = Shape1(2 * i);
    scene::Shape& big = Shape1(2 * i + 1);
    const double r1 = small.Width / 2, r2 = big.Width / 2;
    if (!(Val(Ratio.Text.get()) > 0)) return;  // no positive ratio: hold still

    gap = (big.Left + r2) - (small.Left + r1);
    double movedSmall = 0, movedBig = 0;   // what this tick took off the gap, per ball
    const double last = gap / 10000 * 20;  // taken once
    for (double counter = 0; counter <= last; counter += 1) {
        accSmall = Val(Ratio.Text.get()) * 1000000 / gap / gap;
        accBig = accSmall / Val(Ratio.Text.get());
        velSmall = velSmall + 0.1 * accSmall;
        velBig = velBig + 0.1 * accBig;
        shiftSmall = shiftSmall + 0.1 * velSmall;
        shiftBig = shiftBig + 0.1 * velBig;
        gap = gap - shiftSmall - shiftBig;
        movedSmall += shiftSmall;
        movedBig += shiftBig;
        if (gap < r1 + r2) break;
    }

    if (gap >= r1 + r2) {
        big.Left -= movedBig;
        small.Left += movedSmall;
        // The guard: a ball that would leave the scene stops at its edge.
        const double width = clientWidth();
        if (small.Left < 0) {
            small.Left = 0;
            velSmall = shiftSmall = 0;
        }
        if (big.Left > width - big.Width) {
            big.Left = width - big.Width;
            velBig = shiftBig = 0;
        }
        return;
    }

    // The balls meet: M goes to the meeting point, m touches M's left side.
    joined = true;
    const double R = Val(Ratio.Text.get());
    const double smallLeft = small.Left, bigLeft = big.Left;
    double meet = ((smallLeft + r1) + R * bigLeft + r2) / (R + 1);
    // The same value written so that a huge ratio cannot overflow it.
    if (!scene::finite(meet)) meet = bigLeft + ((smallLeft + r1) + r2 - bigLeft) / (R + 1);
    big.Left = meet;
    small.Left = big.Left - 2 * r1;
    resetMotion();
    row = row + 1;
    if (row != 3) {
        rowStart[row] = tick;
        ck(row - 1).Value = 2;
        Line1(row).Visible = true;
        Label3(2 * row).Visible = true;
        Label3(2 * row + 1).Visible = true;
        ck(row).Visible = true;
    } else {
        jam.Enabled = false;
        for (int j = 0; j <= 2; ++j) ck(j).Visible = false;
        Ratio.Enabled = false;
        t1.Visible = true;
        t2.Visible = true;
        t3.Visible = true;
        t4.Visible = true;
    }
}

}  // namespace lessons
