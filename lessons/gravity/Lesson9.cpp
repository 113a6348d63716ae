#include "lessons/gravity/Lesson9.h"

#include <cmath>

#include "lessons/common.h"
#include "lessons/gravity/orbit.h"
#include "scene/numbers.h"
#include "scene/program.h"

namespace lessons {

using scene::Box;
using scene::rgb;

namespace {
using scene::kCircle;
// The flight's scale, and the earth disc drawn to it (Shape1, from 2500 twips across and down).
constexpr double kKmPerTwip = 2;
constexpr double kCentre = kEarthRadiusKm / kKmPerTwip + 2500;  // x and y [twips]

// A distance from the earth's centre [m] on screen [twips].
double rho(double metres) { return metres / 1000000 / kKmPerTwip * 1000; }
constexpr double kDt = 0.3;  // the flight's step [s]
// The revolution is over once the station is back at the launch point, one turn round.
constexpr RoundTrip kRevolution{200, 6.278, 6.302, 0.99, 1.01};
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
    text(label(Label6, 1, Box{600, 2160, 2895, 255}, tr("Let us have the simulation.")));
    shape("titik", Box{9000, 5640, 60, 60}, kCircle).back(kRed).hidden();
    shape("Shape3", Box{9360, 3120, 1575, 1095});
    text(label("waktu", Box{9480, 3600, 615, 375}, "000")).back(kClockFace).center().size(12);
    label(Label3, 1, Box{10200, 3600, 975, 255}, tr("minutes"));
    text(label(Label4, 1, Box{9120, 3240, 1575, 255}, tr("CLOCK"))).center();
    text(label(Label6, 0, Box{600, 1560, 10935, 495},
               tr("it travels in a circular orbit. Also, in such condition, exerting forces are "
                  "balanced and therefore resultant force inside the space station becomes zero. "
                  "No weight can be measured inside it.")));
    text(label("loro2", Box{2520, 1080, 135, 255}, "2"));
    text(label("loro1", Box{1320, 1080, 135, 255}, "2"));
    text(label("rumus", Box{960, 1200, 3735, 375}, tr("mv   /r = GMm/r    or v = 7837 m/s")));
    text(label("hap", Box{600, 600, 10815, 495},
               tr("Its rocket engine drives it into certain velocity that enables it move around "
                  "the earth in an orbit. When its velocity fulfills the equation:")));
    label(Label4, 0, Box{9120, 4440, 2535, 975},
          tr("We now know that the space station orbits the earth for 87 minutes. Therefore "
             "astronouts inside it will see sunrise every 87 minutes!!"))
        .fore(kBlue);
    text(
        label("ext", Box{600, 0, 10695, 615},
              tr("Space shuttles or space stations travel in a height where air does not exist, so "
                 "there is no air friction. The typical height is around 100 km above the sea.")));
    text(label(Label3, 0, Box{7080, 6240, 735, 255}, tr("Earth"))).back(kPaleBlue);
    line("Line4", 6170, 7000, 6170, 2400).hidden();
    shape("Shape1", Box{2500, 2500, 6370, 6370}, kCircle).back(kPaleBlue);

    // Read aloud: the formula once, its exponents with it; the clock counts unannounced.
    formula(control<scene::Label>("rumus"), tr("m × v² / r = G × M × m / r² or v = 7837 m/s"),
            {&control<scene::Label>("loro1"), &control<scene::Label>("loro2")});
    ticking(control<scene::Label>("waktu"));
    return true;
}

std::string Lesson9::clockCaption(double m) {
    if (m < 10) return "00" + scene::digits(m);
    if (m <= 99) return "0" + scene::digits(m);
    return scene::digits(m);
}

void Lesson9::Form_Activate() {
    G = kGravitationalConstant;
    M = kEarthMass;
    R = kEarthRadius;
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
        Beep(kBeepHz, kCountdownBeepMs);
        waktu.Caption = "000";
    } else if (tick == 6) {
        StageBegins(tr("Launch"));
        V = kLaunchSpeed;
        launch();
    }
}

void Lesson9::placeStation() {
    titik.Left = kCentre + x - titik.Width / 2;
    titik.Top = kCentre + y - titik.Height / 2;
}

void Lesson9::launch() {
    takeOff();
    placeStation();
    titik.Visible = true;
    fly([this] {
        placeStation();
        waktu.Caption = clockCaption(scene::Int(i * kDt / 60));
    });
    Label4(0).Visible = true;
}

void Lesson9::takeOff() {
    a = 0;
    h = 100000;
    r = h + R;
    theta = 0;
    x = std::cos(theta) * rho(r);
    y = std::sin(theta) * rho(r);
    r0 = r;
    body = Orbit::launch(G, M, V, a, r0, theta);
}

void Lesson9::fly(const StepShown& show) {
    for (i = 0; i <= 80000; ++i) {
        body.step(kDt);
        r = body.r;
        theta = body.theta;
        x = std::cos(theta) * rho(r);
        y = std::sin(theta) * rho(r);
        if (kRevolution.closed(i, theta, r, r0)) break;
        show();
    }
}

}  // namespace lessons
