#include "lessons/gravity/Lesson9.h"

#include <cmath>

#include "lessons/gravity/orbit.h"
#include "scene/numbers.h"
#include "scene/program.h"

namespace lessons {

using scene::Box;
using scene::rgb;

namespace {
constexpr scene::Color kBlue = rgb(0, 0, 255);
constexpr scene::Color kRed = rgb(255, 0, 0);
constexpr scene::Color kClock = rgb(255, 128, 128);
constexpr scene::Color kEarth = rgb(192, 192, 255);
using scene::kCircle;
constexpr double kCentre = 6370.0 / 2 + 2500;  // the earth disc's centre, x and y [twips]

// One twip stands for 2 km.
double rho(double metres) { return metres / 1000000 / 2 * 1000; }
}  // namespace

Lesson9::Lesson9(scene::Program& program, const shell::Place& place)
    : LessonForm(program, place, 11745, 9285, {.timer = "jam", .replayItem = "rep"}) {
    jam.onTimer = [this] { jam_Timer(); };
    // Two changes a step (the dot's Left and Top): the revolution's 17426 steps take about
    // eight seconds, the clock counting some ten minutes a second.
    setPace(70);
}

bool Lesson9::layout() {
    auto text = [](scene::Label& l) -> scene::Label& { return l.size(9.75).bold().fore(kBlue); };
    timer("jam", 1000, true);
    text(label(Label6, 1, Box{600, 2160, 2895, 255}, "Let us have the simulation."));
    shape("titik", Box{9000, 5640, 60, 60}, kCircle).back(kRed).hidden();
    shape("Shape3", Box{9360, 3120, 1575, 1095});
    text(label("waktu", Box{9480, 3600, 615, 375}, "000")).back(kClock).center().size(12);
    label(Label3, 1, Box{10200, 3600, 975, 255}, "minutes");
    text(label(Label4, 1, Box{9120, 3240, 1575, 255}, "CLOCK")).center();
    text(label(Label6, 0, Box{600, 1560, 10935, 495},
               "it travels in a circular orbit. Also, in such condition, exerting forces are "
               "balanced and therefore resultant force inside the space station becomes zero. "
               "No weight can be measured inside it."));
    text(label("loro2", Box{2520, 1080, 135, 255}, "2"));
    text(label("loro1", Box{1320, 1080, 135, 255}, "2"));
    text(label("rumus", Box{960, 1200, 3735, 375}, "mv   /r = GMm/r    or v = 7837 m/s"));
    text(label("hap", Box{600, 600, 10815, 495},
               "Its rocket engine drives it into certain velocity that enables it move around "
               "the earth in an orbit. When its velocity fulfills the equation:"));
    label(Label4, 0, Box{9120, 4440, 2535, 975},
          "We now know that the space station orbits the earth for 87 minutes. Therefore "
          "astronouts inside it will see sunrise every 87 minutes!!")
        .fore(kBlue);
    text(label("ext", Box{600, 0, 10695, 615},
               "Space shuttles or space stations travel in a height where air does not exist, so "
               "there is no air friction. The typical height is around 100 km above the sea."));
    text(label(Label3, 0, Box{7080, 6240, 735, 255}, "Earth")).back(kEarth);
    line("Line4", 6170, 7000, 6170, 2400).hidden();
    shape("Shape1", Box{2500, 2500, 6370, 6370}, kCircle).back(kEarth);
    return true;
}

std::string Lesson9::clockCaption(double m) {
    if (m < 10) return "00" + scene::digits(m);
    if (m <= 99) return "0" + scene::digits(m);
    return scene::digits(m);
}

void Lesson9::Form_Activate() {
    G = 6.6E-11;   // [N m^2/kg^2]
    M = 5.95E+24;  // [kg]
    R = 6370000;   // [m]
    tick = 0;
    waktu.Caption = "000";
    Label4(0).Visible = false;
    jam.Enabled = true;
    jam.Interval = 1000;
    // The station is left where its last flight stopped until the next launch.
}

void Lesson9::jam_Timer() {
    tick = tick + 1;
    if (tick < 3) return;
    if (tick <= 5) {
        Beep(440, 25);
        waktu.Caption = "000";
    } else if (tick == 6) {
        V = 7797.815;  // [m/s], a little above the circular speed at this height
        launch();
    }
}

void Lesson9::placeStation() {
    titik.Left = kCentre + x - titik.Width / 2;
    titik.Top = kCentre + y - titik.Height / 2;
}

void Lesson9::launch() {
    a = 0;
    h = 100000;
    r = h + R;
    theta = 0;
    x = std::cos(theta) * rho(r);
    y = std::sin(theta) * rho(r);
    r0 = r;
    Orbit body = Orbit::launch(G, M, V, a, r0, theta);
    placeStation();
    titik.Visible = true;

    for (i = 0; i <= 80000; ++i) {
        const double dt = 0.3;  // [s]
        body.step(dt);
        r = body.r;
        theta = body.theta;
        x = std::cos(theta) * rho(r);
        y = std::sin(theta) * rho(r);
        if (i > 200 && 6.278 < theta && theta < 6.302 && 0.99 < r / r0 && r / r0 < 1.01)
            break;  // one revolution
        placeStation();
        waktu.Caption = clockCaption(scene::Int(i * dt / 60));
    }
    Label4(0).Visible = true;
}

}  // namespace lessons
