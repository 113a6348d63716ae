#include "lessons/gravity/Lesson11.h"

#include <cmath>

#include "lessons/common.h"
#include "lessons/gravity/orbit.h"
#include "scene/numbers.h"
#include "scene/program.h"

namespace lessons {

using scene::Box;
using scene::digits;
using scene::Int;
using scene::QBColor;
using scene::rgb;

namespace {
using scene::kCircle;
constexpr double kCentre = 5050;  // the earth disc's centre, x and y [twips]
constexpr double kCell = 15;      // the picture panel's grid [twips]
constexpr double kDt = 50;        // a flight's step [s]
constexpr double kLunarMonthDays = 29.5;
// A flight has closed once it is back at the launch point, one turn round.
constexpr RoundTrip kClosed{200, 6.2828, 6.302, 0.99, 1.01};
}  // namespace

Lesson11::Lesson11(scene::Program& program, const shell::Place& place)
    : LessonForm(program, place, 11745, 9285, {.timer = "jam", .replayItem = "rep"}) {
    jam.onTimer = [this] { jam_Timer(); };
    // Two scene changes a step and 5427 cells a picture: the present month takes some nine
    // seconds, pictures included.
    setPace(280);
}

bool Lesson11::layout() {
    auto text = [](scene::Label& l) -> scene::Label& { return l.size(9.75).bold().fore(kBlue); };
    auto clock = [&](scene::Label& l) { text(l).size(12).back(kClockFace).center(); };
    timer("jam", 1000, true);
    label("appear", Box{8760, 5400, 1935, 255}, tr("Moon's Appearance")).size(9.75).center();
    clock(label("koma", Box{9960, 3600, 255, 375}, "0"));
    // The clock's decimal point: the language's separator.
    clock(label(waktu, 1, Box{9840, 3600, 135, 375}, scene::translate("Numbers", ".")));
    text(label("wait", Box{4200, 3000, 1215, 735}, tr("WAIT!"))).size(18).fore(kOrange);
    shape("sat", Box{7680, 5760, 70, 70}, kCircle).back(scene::kWhite).border(kBlue);
    text(label(loro2, 1, Box{2640, 960, 135, 255}, "2"));
    line("Line3", 2520, 1200, 2520, 1080).color(kBlue).width(2);
    line("Line2", 2400, 1200, 2400, 1080).color(kBlue).width(2);
    line("Line1", 2400, 1080, 2520, 1080).color(kBlue).width(2);
    text(label("loro1", Box{960, 960, 135, 255}, "3"));
    text(label(loro2, 0, Box{1440, 960, 135, 255}, "2"));
    shape("Shape3", Box{9360, 3120, 1575, 1095});
    clock(label(waktu, 0, Box{9480, 3600, 375, 375}, "00"));
    label(Label3, 1, Box{10320, 3600, 975, 255}, tr("days"));
    text(label(Label4, 1, Box{9120, 3240, 1575, 255}, tr("CLOCK"))).center();
    text(label("hap", Box{600, 1320, 10815, 495},
               tr("The violet curve is the present orbit of the moon. And the green one is the "
                  "orbit if the distance is half of present distance.")));
    text(
        label(Label4, 0, Box{4200, 2520, 2655, 735},
              tr("The moon would travel faster if its position was half of the present position.")))
        .fore(kGreen)
        .hidden();
    text(label("ext", Box{600, 240, 10695, 735},
               tr("Have you ever imagined what would happen if the moon's orbit was half of now's? "
                  "The most serious consequence is that the moon's period would change; 'One lunar "
                  "month' would become shorter than it is now. Let us examine how it happens here. "
                  "Again the equation that rules this is:")));
    line("Line4", 6170, 7000, 6170, 2400).hidden();
    shape("earth", Box{5000, 5000, 100, 100}, kCircle).back(kBlue).border(kBlue);
    text(label("rumus", Box{720, 1035, 3735, 375}, tr("R    / T   = GM/4")));

    // Read aloud: the formula once, its exponents with it (the π is drawn in lines); the clock's
    // digits and decimal point as one number, which counts unannounced.
    formula(control<scene::Label>("rumus"), tr("R³ / T² = G × M / 4π²"),
            {&control<scene::Label>("loro1"), &loro2(0), &loro2(1)});
    formula(waktu(0), "", {&waktu(1), &control<scene::Label>("koma")});
    ticking(waktu(0));
    return true;
}

void Lesson11::Form_Activate() {
    G = kGravitationalConstant;
    M = kEarthMass;
    R = kEarthRadius;
    moonHeight = 395200000;
    mirror = 1;
    appear.Visible = false;
    sat.BackColor = scene::kWhite;
    waktu(0).Caption = "00";
    koma.Caption = "0";
    counter = 0;
    latch = 0;
    stage = 0;
    theta = 0;
    wait.Visible = false;
    r = moonHeight + R;
    const double rho = twips(r);
    x = std::cos(theta) * rho;
    y = std::sin(theta) * rho;
    sat.Left = (x + kCentre) - sat.Width / 2;
    sat.Top = earth.Height / 2 + earth.Top - 50;
    Label4(0).Visible = false;
    jam.Enabled = true;
    jam.Interval = 1000;
    sat.Visible = true;
}

void Lesson11::jam_Timer() {
    ++counter;
    if (kCountdown.contains(counter)) {
        Beep(kBeepHz, kCountdownBeepMs);
        wait.Visible = false;
        waktu(0).Caption = "00";
    } else if (counter == kBeforeFlight) {
        jam.Interval = 100;
        Beep(kBeepHz, kCountdownBeepMs);
        if (stage == 1 || stage == 3) sat.Visible = false;
    } else if (counter == kFlight) {
        StageBegins(stage == 0   ? tr("The moon's orbit")
                    : stage == 1 ? tr("The moon's orbit traced")
                                 : tr("The orbit at half the distance traced"));
        jam.Interval = 1000;
        appear.Visible = true;
        panelLeft = 9020;
        panelTop = 5760;
        paintPanelBlack();
        launch();
        paintPanelBlack();
    } else if (counter == kHalfDistanceNote) {
        StageBegins(tr("The moon at half the distance"));
        Beep(kBeepHz, kCountdownBeepMs);
        Label4(0).Visible = true;
    } else if (counter == kHalfDistanceLaunch) {
        StageBegins(tr("Flight at half the distance"));
        Beep(kBeepHz, kCountdownBeepMs);
        sat.Visible = true;
        sat.BackColor = kBrightGreen;
        latch = 0;
        stage = 2;
        theta = 0;
        launch();
    }
}

void Lesson11::paintPanelBlack() {
    for (double u = 0; u <= 1000; u += kCell)
        for (double v = 0; v <= 1200; v += kCell)
            Line(panelLeft + v, panelTop + u, panelLeft + v + kCell, panelTop + u, QBColor(0));
}

void Lesson11::launch() {
    takeOff();
    shownDays = shownTenths = -1;  // the first step writes the clock
    const bool round = fly([this] {
        if (stage == 1) {
            Line(px + kCentre, py + kCentre, x + kCentre, y + kCentre, kVioletTrace);
        } else if (stage == 3) {
            Line(px + kCentre, py + kCentre, x + kCentre, y + kCentre, kGreenTrace);
        } else if (stage == 0 || stage == 2) {
            const double p = stage == 0 ? 4 : 2;  // days between pictures
            sat.Left = (x + kCentre) - sat.Width / 2;
            sat.Top = (y + kCentre) - sat.Height / 2;
            const double d = kDt * i / 3600 / 24;
            const double D = Int(d);
            const double tenths = Int(d * 10 - D * 10);
            // Writing the number out costs more than the step: the clock is rewritten only when
            // its reading changes, some 300 times a month.
            if (D != shownDays || tenths != shownTenths) {
                waktu(0).Caption = D < 10 ? "0" + digits(D) : digits(D);
                koma.Caption = digits(tenths);
                shownDays = D;
                shownTenths = tenths;
            }
            if (tenths == 0 && latch == 0 && std::fmod(D, p) == 0 && D > 0) {
                latch = 1;
                drawAppearance();
                MsgBox(digits(D) + tr(" days passed"));
            } else if (latch == 1 && std::fmod(D, p) != 0) {
                latch = 0;
            }
        }
    });
    if (!round) return;
    if (stage == 0 || stage == 2) {
        ++stage;
        counter = kCountdown.last;  // a short tick, then the trace
        mirror = 1;
    } else if (stage == 1 || stage == 3) {
        ++stage;
        sat.Visible = false;
        counter = stage == 2 ? kPresentTraced : kHalfDistanceTraced;
    }
}

void Lesson11::takeOff() {
    a = 0;
    if (stage == 2 || stage == 3) {
        r = (moonHeight + R) / 2;
        V = Int(std::sqrt(G * M / r) * kJustAboveCircular);  // whole m/s
    } else if (stage == 0 || stage == 1) {
        // Once round in a lunar month [m/s].
        V = ((moonHeight + R) * (2 * kPi / 24) / 3600) / kLunarMonthDays;
        r = moonHeight + R;
    }
    theta = 0;
    const double rho = twips(r);
    px = std::cos(theta) * rho;
    py = std::sin(theta) * rho;
    r0 = r;
    body = Orbit::launch(G, M, V, a, r0, theta);
}

bool Lesson11::fly(const StepShown& show) {
    for (i = 0; i <= 90000; ++i) {
        body.step(kDt);
        r = body.r;
        theta = body.theta;
        const double rho = twips(r);
        x = std::cos(theta) * rho;
        y = std::sin(theta) * rho;
        if (kClosed.closed(i, theta, r, r0)) return true;
        show();
        px = x;
        py = y;
    }
    return false;
}

// The moon's lit part as seen from the earth: a cap cut from the disc by a terminator circle
// through the disc's left and right edges, drawn cell by cell.
void Lesson11::drawAppearance() {
    constexpr double radius = 500;
    const double cx = panelLeft + 600, cy = panelTop + 500;  // the disc's centre
    double ph = 2 * theta / kPi;                             // 0 new, 1 half, 2 full
    if (ph > 2) {
        ph = ph - 4;
        mirror = -1;
    }
    double k, rt, ty;  // the terminator's offset, radius and centre height
    const bool litOutside = ph < 1;
    if (litOutside) {
        k = (1 - ph) * radius;
        if (k / radius < 0.05) k = 25;  // keeps the circle finite near half moon
        rt = ((radius * radius + k * k) / 2) / k;
        ty = cy - k + rt;
    } else {
        k = (1 - ph) * radius;
        if (-k / radius < 0.05) k = -25;
        rt = (-(radius * radius + k * k) / 2) / k;
        ty = (cy - k) - rt;
    }
    for (int n = 0; n <= Int(2 * radius / kCell); ++n) {
        const double yc = kCell * n;
        const double yd = mirror == 1 ? yc : 1000 - yc;
        for (int c = 0; c <= 1200 / kCell; ++c) {
            const double xc = kCell * c;
            const double dx = panelLeft + xc - cx, dy = panelTop + yc - cy;
            const bool inDisc = dx * dx + dy * dy < radius * radius;
            const double dt2 = dx * dx + (panelTop + yc - ty) * (panelTop + yc - ty);
            const bool lit = inDisc && (litOutside ? dt2 > rt * rt : dt2 < rt * rt);
            Line(panelLeft + xc, panelTop + yd, panelLeft + xc + kCell, panelTop + yd,
                 QBColor(lit ? 15 : 0));
        }
    }
}

}  // namespace lessons
