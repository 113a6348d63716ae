#include "lessons/gravity/Lesson10.h"

#include <cmath>

#include "lessons/common.h"
#include "lessons/gravity/orbit.h"
#include "scene/numbers.h"
#include "scene/program.h"

namespace lessons {

using scene::Box;
using scene::digits;
using scene::Int;
using scene::rgb;

namespace {
constexpr scene::Color kPanel = kLavender;  // the satellite's panels and the rim markers
using scene::kCircle;
constexpr double kCentre = 5500;    // the earth disc's centre, x and y [twips]
constexpr double kDt = 40;          // a flight's step [s]
constexpr double kOneTurn = 6.288;  // just past a whole turn from the launch [rad]
}  // namespace

Lesson10::Lesson10(scene::Program& program, const shell::Place& place)
    : LessonForm(program, place, 11745, 9285, {.timer = "jam", .replayItem = "rep"}) {
    jam.onTimer = [this] { jam_Timer(); };
    // The icon is turned from these at every step, so they are taken once, from the design.
    const double cx = sat(0).Width / 2 + sat(0).Left, cy = sat(0).Height / 2 + sat(0).Top;
    for (int k = 0; k <= 8; ++k) {
        offX1[k] = satlin(k).X1 - cx;
        offX2[k] = satlin(k).X2 - cx;
        offY1[k] = satlin(k).Y1 - cy;
        offY2[k] = satlin(k).Y2 - cy;
    }
    // About 45 scene changes a step: the geostationary day lasts some eight seconds.
    setPace(200);
}

bool Lesson10::layout() {
    auto text = [](auto& l) -> scene::Label& { return l.size(9.75).bold().fore(kBlue); };
    auto clock = [&](scene::Label& l) { text(l).size(12).back(kClockFace).center(); };
    timer("jam", 1000, true);
    shape(sat, 0, Box{7680, 5760, 135, 135}, kCircle).back(kBlue).border(kBlue);
    line(satlin, 8, 7920, 5760, 7560, 5880).color(kPanel);
    line(satlin, 7, 7560, 6000, 7680, 6000).color(kPanel);
    line(satlin, 6, 7680, 5640, 7560, 5640).color(kPanel);
    line(satlin, 5, 7680, 5640, 7680, 6000).color(kPanel);
    line(satlin, 4, 7560, 5640, 7560, 6000).color(kPanel);
    line(satlin, 3, 7800, 6000, 7920, 6000).color(kPanel);
    line(satlin, 2, 7920, 5640, 7800, 5640).color(kPanel);
    line(satlin, 1, 7920, 5640, 7920, 6000).color(kPanel);
    line(satlin, 0, 7800, 5640, 7800, 6000).color(kPanel);
    shape(bumi, 2, Box{120, 240, 135, 135}, kCircle).back(kPanel).border(kPanel);
    shape(bumi, 1, Box{0, 0, 135, 135}, kCircle).back(kPanel).border(kPanel);
    line("ln", -1000, 7080, -1000, 7200).color(kGrey).style(kDot);
    clock(label("koma", Box{9960, 3600, 255, 375}, "0"));
    // The clock's decimal point: the language's separator.
    clock(label(waktu, 1, Box{9840, 3600, 135, 375}, scene::translate("Numbers", ".")));
    text(label("wait", Box{4200, 3000, 1215, 735}, tr("WAIT!"))).size(18).fore(kOrange);
    shape(bumi, 0, Box{10560, 5040, 135, 135}, kCircle).back(kPaleBlue).border(kPaleBlue);
    text(label(loro2, 1, Box{2640, 960, 135, 255}, "2"));
    line("Line3", 2520, 1200, 2520, 1080).color(kBlue).width(2);
    line("Line2", 2400, 1200, 2400, 1080).color(kBlue).width(2);
    line("Line1", 2400, 1080, 2520, 1080).color(kBlue).width(2);
    text(label("loro1", Box{960, 960, 135, 255}, "3"));
    text(label(loro2, 0, Box{1440, 960, 135, 255}, "2"));
    shape("Shape3", Box{9360, 3120, 1575, 1095});
    clock(label(waktu, 0, Box{9480, 3600, 375, 375}, "00"));
    label(Label3, 1, Box{10320, 3600, 975, 255}, tr("hours"));
    text(label(Label4, 1, Box{9120, 3240, 1575, 255}, tr("CLOCK"))).center();
    text(label("hap", Box{600, 1320, 10815, 495},
               tr("where R is the position of the satellite in relative to the earth center; T is "
                  "the rotational period of the earth, that is 24 hours; G is universal gravity "
                  "constant and M is the mass of the earth.")));
    text(label(Label4, 0, Box{4200, 3360, 2655, 615},
               tr("Now let us take a look at non-stationary satellite.")))
        .fore(kGreen)
        .hidden();
    text(label("ext", Box{600, 240, 10695, 735},
               tr("There are two kinds of satellite; non-geostationary and geostationary. A "
                  "geostationary satellite looks like unmoving according to an observer on the "
                  "earth. The position of its orbit can be determined using the following "
                  "equation:")));
    line("Line4", 6170, 7000, 6170, 2400).hidden();
    shape("earth", Box{5000, 5000, 1000, 1000}, kCircle).back(kPaleBlue).border(kPaleBlue);
    text(label("rumus", Box{720, 1035, 3735, 375}, tr("R    / T   = GM/4")));

    // Read aloud: the formula once, its exponents with it (the π is drawn in lines); the clock's
    // digits and decimal point as one number, which counts unannounced.
    formula(control<scene::Label>("rumus"), tr("R³ / T² = G × M / 4π²"),
            {&control<scene::Label>("loro1"), &loro2(0), &loro2(1)});
    formula(waktu(0), "", {&waktu(1), &control<scene::Label>("koma")});
    ticking(waktu(0));
    return true;
}

// Puts the satellite's top-left corner at (left, top) with its panels unturned around it.
void Lesson10::placeSatellite(double left, double top) {
    sat(0).Left = left;
    sat(0).Top = top;
    const double cx = sat(0).Width / 2 + sat(0).Left, cy = sat(0).Height / 2 + sat(0).Top;
    for (int k = 0; k <= 8; ++k) {
        satlin(k).X1 = cx + offX1[k];
        satlin(k).X2 = cx + offX2[k];
        satlin(k).Y1 = cy + offY1[k];
        satlin(k).Y2 = cy + offY2[k];
        satlin(k).Visible = true;
    }
}

void Lesson10::Form_Activate() {
    G = kGravitationalConstant;
    M = kEarthMass;
    R = kEarthRadius;
    ratio = 6.6003;
    waktu(0).Caption = "00";
    sat(0).BackColor = kBlue;
    koma.Caption = "0";
    counter = 0;
    latch = 0;
    stage = 0;
    theta = 0;
    wait.Visible = false;
    r = ratio * R;
    const double rho = twips(r);
    x = std::cos(theta) * rho;
    y = std::sin(theta) * rho;
    placeSatellite((x + kCentre) - sat(0).Width / 2, earth.Height / 2 + earth.Top - 50);
    for (int j = 0; j <= 2; ++j) {
        const double beta = kPi * (j * 360 / 3) / 180;
        bumi(j).Left = std::cos(beta) * kDiscRadius + kCentre - bumi(j).Width / 2;
        bumi(j).Top = std::sin(beta) * kDiscRadius + kCentre - bumi(j).Width / 2;
        earth.ZOrder();  // the disc covers the inner half of each marker
    }
    Label4(0).Visible = false;
    jam.Enabled = true;
    jam.Interval = 1000;
    sat(0).Visible = true;
}

void Lesson10::jam_Timer() {
    ++counter;
    if (kCountdown.contains(counter)) {
        Beep(kBeepHz, kCountdownBeepMs);
        wait.Visible = false;
        waktu(0).Caption = "00";
    } else if (counter == kBeforeFlight) {
        jam.Interval = 100;
        Beep(kBeepHz, kCountdownBeepMs);
        if (stage == 1 || stage == 3) {
            sat(0).Visible = false;
            for (int k = 0; k <= 8; ++k) satlin(k).Visible = false;
        }
    } else if (counter == kFlight) {
        StageBegins(stage == 0   ? tr("A geostationary satellite")
                    : stage == 1 ? tr("The geostationary orbit traced")
                                 : tr("The lower orbit traced"));
        jam.Interval = 1000;
        launch();
    } else if (counter == kNonStationaryNote) {
        StageBegins(tr("A satellite that is not stationary"));
        Beep(kBeepHz, kCountdownBeepMs);
        Label4(0).Visible = true;
    } else if (counter == kLowerLaunch) {
        StageBegins(tr("A satellite on a lower orbit"));
        Beep(kBeepHz, kCountdownBeepMs);
        r = ratio * R / 3;
        const double rho = twips(r);
        x = std::cos(theta) * rho;
        y = std::sin(theta) * rho;
        placeSatellite((x + kCentre) - sat(0).Width / 2, earth.Height / 2 + earth.Top - 50);
        sat(0).Visible = true;
        sat(0).BackColor = kBrightGreen;
        latch = 0;
        stage = 2;
        theta = 0;
        launch();
    }
}

void Lesson10::launch() {
    takeOff();
    const bool round = fly([this] {
        if (stage == 1) {
            Line(px + kCentre, py + kCentre, x + kCentre, y + kCentre, kVioletTrace);
        } else if (stage == 3) {
            Line(px + kCentre, py + kCentre, x + kCentre, y + kCentre, kGreenTrace);
        } else if (stage == 0 || stage == 2) {
            sat(0).Left = (x + kCentre) - sat(0).Width / 2;
            sat(0).Top = (y + kCentre) - sat(0).Height / 2;
            const double cx = sat(0).Width / 2 + sat(0).Left;
            const double cy = sat(0).Height / 2 + sat(0).Top;
            // The panels face the earth: each is turned from its unturned place around the
            // body. The unturned place is held here, not on screen, so no frame shows it.
            const double alpha = -theta;
            const double c = std::cos(alpha), s = std::sin(alpha);
            for (int k = 0; k <= 8; ++k) {
                const float X1 = float(cx + offX1[k]), X2 = float(cx + offX2[k]);
                const float Y1 = float(cy + offY1[k]), Y2 = float(cy + offY2[k]);
                satlin(k).X1 = cx + c * (X1 - cx) + s * (Y1 - cy);
                satlin(k).Y1 = cy + c * (Y1 - cy) - s * (X1 - cx);
                satlin(k).X2 = cx + c * (X2 - cx) + s * (Y2 - cy);
                satlin(k).Y2 = cy + c * (Y2 - cy) - s * (X2 - cx);
            }
            // The earth turns 15 degrees per simulated hour.
            for (int j = 0; j <= 2; ++j) {
                const double beta = ((kDt * i / 3600) * 360 / 24 + j * 360 / 3) / 180 * kPi;
                bumi(j).Left = std::cos(beta) * kDiscRadius + kCentre - bumi(j).Width / 2;
                bumi(j).Top = std::sin(beta) * kDiscRadius + kCentre - bumi(j).Width / 2;
                earth.ZOrder();
            }
            const double h = kDt * i / 3600;
            const double H = Int(h);
            waktu(0).Caption = H < 10 ? "0" + digits(H) : digits(H);
            koma.Caption = digits(Int(h * 10 - H * 10));
            if (scene::Val(koma.Caption.get()) == 0 && latch == 0 && std::fmod(H, 6) == 0 &&
                H > 0) {
                MsgBox(digits(H) + tr(" hours passed"));
                latch = 1;
            } else if (latch == 1 && std::fmod(H - 3, 6) == 0) {
                latch = 0;
            }
        }
    });
    if (!round) return;
    if (stage == 0 || stage == 2) {
        ++stage;
        counter = kCountdown.last;  // a short tick, then the trace
    } else if (stage == 1 || stage == 3) {
        ++stage;
        sat(0).Visible = false;
        for (int k = 0; k <= 8; ++k) satlin(k).Visible = false;
        counter = stage == 2 ? kGeostationaryTraced : kLowerTraced;
    }
}

void Lesson10::takeOff() {
    a = 0;
    if (stage == 0 || stage == 1) {
        V = ratio * (R * (2 * kPi / 24) / 3600);  // a point turning once in 24 hours [m/s]
        r = ratio * R;
    } else if (stage == 2 || stage == 3) {
        r = ratio * R / 3;
        V = Int(std::sqrt(G * M / r) * kJustAboveCircular);  // whole m/s
    }
    theta = 0;
    const double rho = twips(r);
    px = std::cos(theta) * rho;
    py = std::sin(theta) * rho;
    r0 = r;
    body = Orbit::launch(G, M, V, a, r0, theta);
}

bool Lesson10::fly(const StepShown& show) {
    for (i = 0; i <= 50000; ++i) {
        body.step(kDt);
        r = body.r;
        theta = body.theta;
        const double rho = twips(r);
        x = std::cos(theta) * rho;
        y = std::sin(theta) * rho;
        if (theta > kOneTurn) return true;
        show();
        px = x;
        py = y;
    }
    return false;
}

}  // namespace lessons
