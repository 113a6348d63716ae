#include "lessons/gravity/Lesson6.h"

#include <cmath>

#include "lessons/common.h"
#include "scene/program.h"

namespace lessons {

using scene::Box;
using scene::rgb;

namespace {
constexpr scene::Color kDarkRed = rgb(128, 0, 0);
constexpr scene::Color kQuestionRed = rgb(192, 0, 0);  // the questions and answers at the right
constexpr std::int32_t kInside = kExtendedColour;      // through the earth, and the axes
using scene::kCircle;
// The earth's disc, Shape1: its radius and its centre [twips].
constexpr double kDiscRadius = 4500.0 / 2;
constexpr double kCentreX = kDiscRadius + 1920;
constexpr double kCentreY = kDiscRadius + 3080;
// Inside the disc, in the hundreds of twips the flights measure it in.
constexpr double kDiscRadiusSquared = kDiscRadius * kDiscRadius / 10000;
constexpr double kDt = 1;  // a flight's step [s]
// A path has closed once it is back at the top of the earth, one turn round (-pi/2 + 2 pi).
constexpr RoundTrip kClosed{200, 4.713, 4.725, 0.98, 1.02};
}  // namespace

Lesson6::Lesson6(scene::Program& program, const shell::Place& place)
    : LessonForm(program, place, 11730, 8760, {.timer = "jam", .replayItem = "rep"}) {
    jam.onTimer = [this] { jam_Timer(); };
    // A launch draws 7,500 to 9,000 segments: at 40 a frame each path grows for three to four
    // seconds.
    setPace(40);
}

bool Lesson6::layout() {
    timer("jam", 1000, true);
    label("wait", Box{1680, 1200, 1215, 735}, tr("WAIT!")).fore(kOrange).size(18).bold();
    shape("Shape1", Box{1920, 3080, 4500, 4500}, kCircle);
    line(Line1, 0, 360, 3080, 11280, 3080).style(kDot);
    line("Line2", 4200, 5360, 4200, 3080).color(kOrange);
    // These boxes reach over the text of the label below them (the exponent 6, the second line
    // of the heading, "Let's extend the curves"): see-through, so that none hides another.
    label(Label2, 0, Box{4320, 4280, 1455, 375}, tr("R = 6.3 x 10      m"))
        .fore(kOrange)
        .see_through();
    label("Label3", Box{5280, 4160, 135, 255}, "6").fore(kOrange);
    label(Label2, 1, Box{4320, 5280, 495, 375}, tr("Earth Center")).fore(kDarkRed);
    label("Label1", Box{2400, 5760, 1215, 495}, tr("EARTH")).size(13.5).bold();
    label("Label5", Box{1200, 2160, 2415, 375}, tr("Launching object with"))
        .size(9.75)
        .bold()
        .see_through();
    label("Label4", Box{1200, 2400, 2655, 375}, tr("Initial Velocity = 9000 m/s"))
        .size(9.75)
        .bold();
    label(sud, 0, Box{5880, 2720, 1095, 255}, tr("a = 30 degrees")).hidden();
    label(sud, 1, Box{6120, 1400, 1095, 255}, tr("a = 45 degrees")).hidden();
    label(sud, 2, Box{5760, 320, 1095, 255}, tr("a = 60 degrees")).hidden();
    label(what, 0, Box{8640, 600, 2175, 1335}, tr("What kind of curves are these?"))
        .fore(kQuestionRed)
        .size(13.5)
        .bold()
        .hidden()
        .see_through();
    label(what, 1, Box{9240, 1800, 2175, 735}).fore(kQuestionRed).size(13.5).bold().hidden();
    label(what, 2, Box{9600, 3120, 2055, 1815}).fore(kQuestionRed).size(13.5).bold().hidden();
    label(what, 3, Box{9720, 5040, 2055, 1815}).fore(kQuestionRed).size(13.5).bold().hidden();

    // Read aloud: the exponent with its formula.
    formula(Label2(0), tr("R = 6.3 × 10⁶ m"), {&control<scene::Label>("Label3")});
    return true;
}

void Lesson6::Form_Activate() {
    G = kGravitationalConstant;
    M = kEarthMass;
    R = kEarthRadius;
    speed = 9000;  // [m/s]
    extend = 0;
    wait.Visible = true;
    for (int i = 0; i <= 2; ++i) sud(i).Visible = false;
    for (int i = 0; i <= 3; ++i) what(i).Visible = false;
    // The interval is left as it is: an activation during the short pause keeps it at 100 ms.
    jam.Enabled = true;
    tick = 0;
}

void Lesson6::jam_Timer() {
    tick = tick + 1;
    if (tick < kLaunches) Beep(kBeepHz, kCountdownBeepMs);
    if (tick == kCountdownEnd) {
        wait.Visible = false;
        jam.Interval = 100;
    } else if (tick == kLaunches) {
        Beep(kBeepHz, 125);
        jam.Interval = 1000;
        for (int i = 0; i <= 2; ++i) sud(i).Visible = false;
        // Each of these ends where the path meets the earth, moving the script on to kMetEarth.
        for (int degrees : {30, 45, 60}) {
            StageBegins(tr("Launch at ") + std::to_string(degrees) + "\u00B0");
            aim(degrees);
            lintasan();
        }
        for (int i = 0; i <= 2; ++i) sud(i).Visible = true;
        what(0).Visible = true;
        Beep(kBeepHz, kCountdownBeepMs);
    } else if (tick == kExtendNotice) {
        StageBegins(tr("Let's extend the curves"));
        Beep(kBeepHz, kCountdownBeepMs);
        what(1).Caption = tr("Let's extend the curves");
        what(1).Visible = true;
    } else if (tick == kExtendedLaunches) {
        extend = 1;
        for (int degrees : {30, 45, 60}) {
            StageBegins(tr("The ") + std::to_string(degrees) + tr("\u00B0 curve extended"));
            aim(degrees);
            lintasan();
        }
        jam.Enabled = false;
        StageBegins(tr("They are all ellipses"));
        what(2).Visible = true;
        what(2).Caption = tr("By extending the curves, we now know that they are all ELLIPSES!");
        what(3).Visible = true;
        what(3).Caption = tr("All center lines intersect at the earth center");
        Beep(kBeepHz, kCountdownBeepMs);
    }
}

void Lesson6::aim(int degrees) {
    theta = -kPi / 2;  // the top of the earth
    angle = degrees / 180.0 * kPi;
}

void Lesson6::lintasan() {
    takeOff();
    const FlightEnd end = fly([this](std::int32_t colour) {
        Line(kCentreX + offXPrev, kCentreY + offYPrev, kCentreX + offX, kCentreY + offY, colour);
    });
    if (end == FlightEnd::MetEarth) tick = kMetEarth;
    if (end != FlightEnd::Closed) return;
    farX = std::cos(thetaFar) * rho(rFar);
    farY = std::sin(thetaFar) * rho(rFar);
    nearX = std::cos(thetaNear) * rho(rNear);
    nearY = std::sin(thetaNear) * rho(rNear);
    Line(kCentreX + farX, kCentreY + farY, kCentreX + nearX, kCentreY + nearY, kInside);
}

void Lesson6::takeOff() {
    body = Orbit::launch(G, M, speed, angle, R, theta);
    offXPrev = std::cos(theta) * rho(r);
    offYPrev = std::sin(theta) * rho(r);
    r0 = r;
    rPrev = r;
    phase = 0;
}

Lesson6::FlightEnd Lesson6::fly(const Segment& segment) {
    for (int i = 0; i <= 80000; ++i) {
        thetaPrev = theta;
        body.step(kDt);
        offX = std::cos(theta) * rho(r);
        offY = std::sin(theta) * rho(r);
        if (phase == 0 && r < rPrev) {
            rFar = rPrev;
            thetaFar = thetaPrev;
            phase = 1;
        } else if (phase == 1 && r > rPrev) {
            rNear = rPrev;
            thetaNear = thetaPrev;
            phase = 2;
        }
        if (leftTheWindow(kCentreX + offX, kCentreY + offY)) return FlightEnd::LeftWindow;
        if ((offX / 100) * offX / 100 + (offY / 100) * offY / 100 < kDiscRadiusSquared) {
            if (extend != 1) return FlightEnd::MetEarth;
            segment(kInside);
        } else {
            if (kClosed.closed(i, theta, r, r0)) return FlightEnd::Closed;
            segment(kPathColour);
        }
        offXPrev = offX;
        offYPrev = offY;
        rPrev = r;
    }
    return FlightEnd::RanOut;
}

}  // namespace lessons
