#include "lessons/gravity/Lesson5.h"

#include <cmath>

#include "lessons/common.h"
#include "scene/program.h"

namespace lessons {

using scene::Box;
using scene::rgb;

namespace {
constexpr scene::Color kMagenta = rgb(192, 0, 192);
constexpr scene::Color kEarthLegend = kLavender;  // close to the earth stone's path
constexpr std::int32_t kGround = 0x001E8480;
constexpr std::int32_t kMoonPath = 0;
}  // namespace

Lesson5::Lesson5(scene::Program& program, const shell::Place& place)
    : LessonForm(program, place, 11595, 8505, {.timer = "jam", .replayItem = "rep"}) {
    jam.onTimer = [this] { jam_Timer(); };
    // A throw draws some 7,000 (30 degrees) to 12,000 (60 degrees) segments: at 50 a frame each
    // one grows on screen for two to four seconds.
    setPace(50);
}

bool Lesson5::layout() {
    timer("jam", 1000, false);
    label("wait", Box{3960, 4680, 1215, 735}, tr("WAIT!")).fore(kOrange).size(18).bold();
    label(sud, 0, Box{4200, 6600, 1095, 255}, tr("a = 30 degrees")).hidden();
    label(sud, 1, Box{4200, 5520, 1095, 255}, tr("a = 45 degrees")).hidden();
    label(sud, 2, Box{4200, 4440, 1095, 255}, tr("a = 60 degrees")).hidden();
    label("Label4", Box{7680, 4080, 2415, 855}, tr("The stone travels in a PARABOLIC curve"))
        .size(12)
        .hidden();
    // Each formula row's box reaches over the row below and its exponents, and the box of
    // "On earth" over "On moon": those labels are see-through so that none hides another's text.
    // The legend's boxes are see-through also because the 45-degree moon path runs under them.
    label("com1", Box{8040, 4920, 2415, 495}, tr("Equation of Curve:"))
        .size(9.75)
        .hidden()
        .see_through();
    label(com2, 0, Box{8040, 5280, 3495, 615}, tr("y = tan(a) * x  -  g /{2Vo     cos   (a)} * x"))
        .size(9.75)
        .hidden()
        .see_through();
    label(com2, 1, Box{8040, 5760, 3495, 615}, tr("y          =  Vo     sin     (a) / 2g"))
        .fore(kMagenta)
        .size(9.75)
        .hidden()
        .see_through();
    label(com2, 2, Box{8040, 6240, 3495, 375}, tr("x          =  Vo     sin(2a) / g"))
        .fore(kMagenta)
        .size(9.75)
        .hidden()
        .see_through();
    label(com3, 0, Box{10080, 5160, 135, 255}, "2");
    label(com3, 8, Box{10560, 5160, 135, 255}, "2");
    label(com3, 1, Box{11280, 5160, 135, 255}, "2");
    label(com3, 2, Box{9120, 5640, 135, 255}, "2").fore(kMagenta);
    label(com3, 3, Box{9600, 5640, 135, 255}, "2").fore(kMagenta);
    label(com3, 4, Box{8160, 5880, 375, 255}, tr("max")).fore(kMagenta);
    label(com3, 5, Box{8160, 6360, 375, 255}, tr("max")).fore(kMagenta);
    label(com3, 6, Box{9120, 6120, 135, 255}, "2").fore(kMagenta);
    label(com3, 7, Box{19480, 7680, 135, 255}, "2").fore(kMagenta);  // right of the window
    label("Label1", Box{840, 600, 6255, 495}, tr("THROWING STONE ON EARTH AND ON MOON"))
        .size(12)
        .bold();
    label(Label3, 0, Box{600, 1920, 6855, 495},
          tr("On the moon, stone flies higher and farther and takes more time than on the earth, "
             "because the moon's gravity is weaker than the earth's gravity. The ratio is about "
             "1:6."))
        .fore(kBlue);
    label(Label3, 1, Box{1080, 2400, 6855, 255},
          tr("Now imagine, how large a field needed to play football on the moon!"))
        .fore(kBlue);
    label(Label2, 0, Box{2760, 5880, 1095, 375}, tr("On earth")).see_through();
    label(Label2, 1, Box{2760, 6120, 1095, 375}, tr("On moon")).see_through();
    line(Line1, 0, 2040, 6000, 2640, 6000).color(kEarthLegend);
    line(Line1, 1, 2040, 6240, 2640, 6240);

    // Read aloud: each formula once, its exponents and indices with it.
    formula(com2(0), tr("y = tan(a) × x − g / (2 × Vo² × cos²(a)) × x²"),
            {&com3(0), &com3(8), &com3(1)});
    formula(com2(1), tr("y max = Vo² × sin²(a) / 2g"), {&com3(4), &com3(2), &com3(3)});
    formula(com2(2), tr("x max = Vo² × sin(2a) / g"), {&com3(5), &com3(6), &com3(7)});
    return true;
}

void Lesson5::Form_Activate() {
    tick = 0;
    Label4.Visible = false;
    for (int i = 0; i <= 2; ++i) sud(i).Visible = false;
    wait.Visible = true;
    init();
    // The interval is left as it is: an activation during the short pause keeps it at 100 ms.
    jam.Enabled = true;
}

void Lesson5::init() {
    dt = 0;
    speed = 10;  // [m/s]
    g = 9.8;     // [m/s^2]
    xPrev = 0;
    yPrev = 0;
    x = 0;
    y = 0;
    yMoon = 0;
    scale = 140;  // [twips/m]
    com1.Visible = false;
    for (int i = 0; i <= 2; ++i) com2(i).Visible = false;
    for (int i = 0; i <= 8; ++i) com3(i).Visible = false;
}

void Lesson5::jam_Timer() {
    tick = tick + 1;
    Beep(kBeepHz, kCountdownBeepMs);
    if (tick == 4) {
        wait.Visible = false;
        jam.Interval = 100;
    }
    if (tick == 5) {
        Beep(kBeepHz, 125);
        jam.Interval = 1000;
        jam.Enabled = false;
        for (int i = 0; i <= 2; ++i) sud(i).Visible = false;
        Label4.Visible = false;
        angle = 30;
        StageBegins(tr("Throw at 30\u00B0"));
        lintasan();
        sud(0).Visible = true;
        init();
        angle = 45;
        StageBegins(tr("Throw at 45\u00B0"));
        lintasan();
        sud(1).Visible = true;
        init();
        angle = 60;
        StageBegins(tr("Throw at 60\u00B0"));
        lintasan();
        sud(2).Visible = true;
    }
}

void Lesson5::lintasan() {
    auto screenX = [this](double metres) { return 1000 + scale * metres; };
    auto screenY = [this](double height) { return 8000 - scale * height; };
    Line(1000, 8000, 12000, 8000, kGround);
    vx = speed * std::cos(angle * kPi / 180);
    vy = speed * std::sin(angle * kPi / 180);
    vyMoon = vy;
    double yMoonPrev = 0;
    for (int step = 1; step <= 50000; ++step) {
        dt = 0.001;  // [s]
        vy = vy - g * dt;
        vyMoon = vyMoon - g * dt / 6;
        y = y + vy * dt;
        yMoon = yMoon + vyMoon * dt;
        x = x + vx * dt;
        // Below -0.01 rather than 0, so that each path ends with a segment just under the ground.
        if (y > -0.01) Line(screenX(xPrev), screenY(yPrev), screenX(x), screenY(y), kPathColour);
        if (yMoon > -0.01) {
            Line(screenX(xPrev), screenY(yMoonPrev), screenX(x), screenY(yMoon), kMoonPath);
            xPrev = x;
            yPrev = y;
            yMoonPrev = yMoon;
        } else {
            Label4.Visible = true;
            com1.Visible = true;
            for (int i = 0; i <= 2; ++i) com2(i).Visible = true;
            for (int i = 0; i <= 8; ++i) com3(i).Visible = true;
            return;
        }
    }
}

}  // namespace lessons
