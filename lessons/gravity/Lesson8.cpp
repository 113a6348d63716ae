#include "lessons/gravity/Lesson8.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "lessons/common.h"
#include "lessons/gravity/orbit.h"
#include "scene/numbers.h"
#include "scene/program.h"

namespace lessons {

using scene::Box;
using scene::rgb;
using scene::Val;

namespace {
constexpr scene::Color kBrown = rgb(192, 64, 0);
// The flights, as the signed values the line method is given.
constexpr std::int32_t kFlight = kPathColour;
constexpr std::int32_t kExtended = kExtendedColour;  // the continued half and the inside
constexpr std::int32_t kCircleOrbit = -8007000;      // &H0085D2A8&
using scene::kCircle;

// The flights' scale, and the earth disc drawn to it (Shape1, from 3000 twips across and down).
constexpr double kKmPerTwip = 4;
constexpr double kDiscRadius = kEarthRadiusKm / kKmPerTwip;  // [twips]
constexpr double kCentre = kDiscRadius + 3000;               // x and y [twips]
// Inside the disc, in the hundreds of twips the flights measure it in.
constexpr double kDiscRadiusSquared = kDiscRadius * kDiscRadius / 10000;
constexpr double kDt = 1;  // a flight's step [s]
// A flight has closed once it is back at the launch point, one turn round.
constexpr RoundTrip kClosed{200, 6.284, 6.3, 0.99, 1.01};

// A distance from the earth's centre [m] on screen [twips].
double rho(double metres) { return ((metres / 1000000) / kKmPerTwip) * 1000; }

// Characters, not bytes, of a text the user may have typed.
int characters(const std::string& s) {
    int n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

void joinEnds(scene::LineControl& l, double x1, double y1, double x2, double y2) {
    l.X1 = x1;
    l.Y1 = y1;
    l.X2 = x2;
    l.Y2 = y2;
}

void anchor(scene::LineControl& l, const scene::Label& from, const scene::Label& to) {
    joinEnds(l, from.Left, from.Top, to.Left, to.Top);
}
}  // namespace

Lesson8::Lesson8(scene::Program& program, const shell::Place& place)
    : LessonForm(program, place, 11745, 9285, {.timer = "jam", .replayItem = "rep"}) {
    jam.onTimer = [this] { jam_Timer(); };
    // A segment per step: the shortest fall (1000 steps) takes about half a second on screen
    // and the 7500 m/s ellipse (13444 steps) under eight.
    setPace(30);
}

bool Lesson8::layout() {
    auto green = [](scene::Label& l) -> scene::Label& {
        return l.fore(kBrightGreen).size(12).bold();
    };
    auto blue = [](scene::Label& l) { l.fore(kBlue).size(12).italic(); };
    timer("jam", 1000, true);
    label("Label1", Box{3720, 360, 1095, 255}, tr("Initial Velocity"));
    textBox("vinit", Box{4920, 360, 1575, 285});
    label("Label2", Box{6600, 360, 495, 375}, tr("m/s"));
    checkBox("ck", Box{7080, 360, 255, 255}, tr("Check1"));
    label("wait", Box{4080, 960, 1215, 735}, tr("WAIT!")).fore(kOrange).size(18).bold();
    auto& earth = shape("Shape1", Box{3000, 3000, 3185, 3185}, kCircle).back(kPaleBlue);
    shape("Shape2", Box{4620, 4500, 135, 135}, kCircle).fill(kBrown).border(kBrown);
    line("ln", 4680, 4560, 6200, 4560).color(kBrown);
    label("Label5", Box{5040, 4320, 735, 255}, tr("6370 km")).fore(kBrown).back(kPaleBlue);
    label("Label3", Box{5400, 4800, 495, 255}, tr("Earth")).back(kPaleBlue);
    label("Label4", Box{6960, 4680, 1575, 495}, tr("2500 km high from earth surface"));
    line("Line1", 6810, 4560, 6810, 5400).color(kBlue).width(2);
    line("Line2", 6640, 5280, 6810, 5400).color(kBlue).width(2);
    line("Line3", 6960, 5280, 6810, 5400).color(kBlue).width(2);
    line("Line4", 6170, 7000, 6170, 2400).hidden();
    label("ext", Box{6480, 1920, 2535, 615}, tr("Let's extend the disconnected curves"))
        .fore(kLavender)
        .size(12)
        .bold()
        .hidden();
    green(label("hap", Box{7800, 2760, 3855, 975},
                tr("Now, what happens if the initial velocity is according to the following "
                   "equation:")));
    // Lies above its two superscripts, which reach 120 twips into its box: see-through, so that
    // their lower halves are not covered by its plain grey back.
    green(label("rumus", Box{8400, 3840, 3255, 375}, tr("mv  /r = GMm/r"))).see_through();
    green(label("loro1", Box{8760, 3720, 135, 255}, "2")).size(9.75);
    green(label("loro2", Box{10200, 3720, 135, 255}, "2")).size(9.75);
    line("panah1", 11280, 2640, 6600, 840).color(kBrightGreen).width(2);
    line("panah2", 6600, 840, 6720, 1200).color(kBrightGreen).width(2);
    line("panah3", 6600, 840, 6960, 720).color(kBrightGreen).width(2);
    label(ujung, 0, Box{6720, 1200, 735, 495});
    label(ujung, 1, Box{6600, 840, 735, 495});
    label(ujung, 2, Box{6960, 720, 735, 495});
    label(ujung, 3, Box{11280, 2640, 735, 495});
    label(Label6, 0, Box{8760, 5280, 2775, 735}, tr("The object moves around a circle!"))
        .size(13.5)
        .bold();
    blue(label(cir, 1, Box{7080, 6360, 4575, 975},
               tr("A circle is a special case of ellipse. It is an ellipse whose focuses join into "
                  "a single point, which is the center of circle!")));
    blue(label("rumus2", Box{7560, 7320, 2895, 375}, tr("a = b")));
    // The opaque disc goes behind its own centre mark, radius and names, which are drawn on it.
    earth.ZOrder(1);

    // Read aloud: the formula once, its exponents with it; the check box by what it starts.
    formula(control<scene::Label>("rumus"), tr("m × v² / r = G × M × m / r²"),
            {&control<scene::Label>("loro1"), &control<scene::Label>("loro2")});
    readAs(control<scene::CheckBox>("ck"), tr("Launch at this initial velocity"));
    return true;
}

void Lesson8::glideTo(int step) { glideToCheckBox(*this, vinit, ck, step, tpp); }

void Lesson8::Form_Activate() {
    G = kGravitationalConstant;
    M = kEarthMass;
    R = kEarthRadius;
    anchor(panah1, ujung(1), ujung(3));
    anchor(panah2, ujung(0), ujung(1));
    anchor(panah3, ujung(1), ujung(2));
    tpp = scene::toInteger(TwipsPerPixelX());
    tick = 0;
    vinit.Text = "";
    vinit.Visible = true;
    ck.Value = 0;
    ck.Visible = true;
    jam.Enabled = true;
    jam.Interval = 1000;
    wait.Visible = true;
    for (scene::Label* l : {&ext, &hap, &rumus, &rumus2, &cir(1), &loro1, &loro2, &Label6(0)})
        l->Visible = false;
    for (scene::LineControl* l : {&panah1, &panah2, &panah3}) l->Visible = false;
    stage = 0;
    glideTo(0);  // onto the speed box
}

void Lesson8::jam_Timer() {
    tick = tick + 1;
    if (kCountdown.contains(tick)) {
        Beep(kBeepHz, kCountdownBeepMs);
    } else if (tick == kEnterSpeed) {
        Beep(kBeepHz, kCountdownBeepMs);
        wait.Visible = false;
        // The next speed of the demonstration; anything else in the box is launched again.
        const std::string text = vinit.Text;
        const double value = Val(text);
        if (text.empty()) {
            vinit.Text = "2000";
        } else if (value == 2000) {
            vinit.Text = "4000";
        } else if (value == 4000) {
            vinit.Text = "6000";
            if (stage == 2) stage = 3;
        } else if (value == 6000 && stage == 0) {
            vinit.Text = "6200";
        } else if (value == 6200 && stage == 0) {
            vinit.Text = "7500";
        }
        // After the 4th character, or at the end of a shorter text the user left there.
        vinit.SelStart = std::min(4, characters(vinit.Text));
    } else if (tick == kGlideSetUp) {
        if (stage == 0) {
            jam.Interval = 100;
            ck.SetFocus();
            step = 0;
        } else {
            jam.Interval = 1;  // the extended cycles skip the pointer glide
        }
    } else if (kGlideOn.contains(tick)) {
        if (stage == 0) {
            step = step + 1;
            glideTo(step);  // towards the check box
            if (step == kGlideSteps) {
                jam.Interval = 1000;
                ck.Value = 1;
                step = 0;
                if (Val(vinit.Text.get()) == 7500) stage = 1;
            }
        }
    } else if (tick == kLaunch) {
        StageBegins(stage >= 2 ? tr("The ") + vinit.Text.get() + tr(" m/s curve extended")
                               : tr("Launch at ") + vinit.Text.get() + tr(" m/s"));
        jam.Interval = 1000;
        launch();
    } else if (tick == kUntick) {
        jam.Interval = 100;
        Beep(kBeepHz, kCountdownBeepMs);
        ck.Value = 0;
    } else if (kGlideBack.contains(tick)) {
        step = step + 1;
        glideTo(kGlideSteps - step);  // and back to the speed box
        if (step == kGlideSteps) {
            jam.Interval = 1000;
            step = 0;
            tick = kEnterSpeed - 1;
        }
    } else if (tick == kExtendNotice) {
        StageBegins(tr("Let's extend the disconnected curves"));
        ext.Visible = true;
        Beep(kBeepHz, kCountdownBeepMs);
    } else if (tick == kExtendedCycles) {
        jam.Interval = 100;
        tick = kEnterSpeed - 1;
        stage = 2;
    } else if (tick == kCircleEquation) {
        StageBegins(tr("The speed for a circle"));
        for (scene::Label* l : {&hap, &rumus, &loro1, &loro2}) l->Visible = true;
        for (scene::LineControl* l : {&panah1, &panah2, &panah3}) l->Visible = true;
        Beep(kBeepHz, kCountdownBeepMs);
        vinit.Text = scene::digits(circleLaunchSpeed());
        vinit.Visible = true;
        vinit.Enabled = false;
        Label2.Visible = true;
        Label1.Visible = true;
    } else if (tick == kCircleLaunches) {
        StageBegins(tr("Circular orbits"));
        Beep(kBeepHz, kCountdownBeepMs);
        launch();
        R = R * 1.001;
        launch();
        R = R * 1.001;
        launch();
    } else if (tick == kClosing) {
        StageBegins(tr("A circle is a special ellipse"));
        Label6(0).Visible = true;
        rumus2.Visible = true;
        cir(1).Visible = true;
        joinEnds(panah1, 9720, 4320, 9720, 5160);
        joinEnds(panah2, 9600, 4800, 9720, 5160);
        joinEnds(panah3, 9840, 4800, 9720, 5160);
    }
}

// The circular speed at the launch distance, a little more, in whole metres per second.
double Lesson8::circleLaunchSpeed() const {
    return scene::Int(kJustAboveCircular * std::sqrt(G * M / (height + R)));
}

void Lesson8::launch() {
    takeOff();
    fly([this](std::int32_t colour) {
        Line(kCentre + offXPrev, kCentre + offYPrev, kCentre + offX, kCentre + offY, colour);
    });

    jam.Interval = 1000;
    step = 0;
    if (stage == 0) {
        tick = kFallFlown;
    } else if (stage == 1) {
        tick = kEllipseFlown;
        vinit.Text = "";
        vinit.Visible = false;
        Label1.Visible = false;
        Label2.Visible = false;
        ck.Visible = false;
    } else if (stage == 2) {
        tick = kEnterSpeed - 1;
    } else if (stage == 3) {
        tick = kExtendedFlown;
        stage = 4;
    } else if (stage == 4) {
        tick = kCircleFlown;
    }
}

void Lesson8::takeOff() {
    angle = 0;
    r0 = height + R;
    r = r0;
    speed = Val(vinit.Text.get());
    theta = 0;
    offXPrev = std::cos(theta) * rho(r);
    offYPrev = std::sin(theta) * rho(r);
    body = Orbit::launch(G, M, speed, angle, r0, theta);
}

void Lesson8::fly(const Segment& segment) {
    // One segment from the previous point to this one, which then becomes the previous one.
    auto draw = [&](std::int32_t colour) {
        segment(colour);
        offXPrev = offX;
        offYPrev = offY;
    };
    for (i = 0; i <= 80000; ++i) {
        body.step(kDt);
        r = body.r;
        theta = body.theta;
        offX = std::cos(theta) * rho(r);
        offY = std::sin(theta) * rho(r);

        if (leftTheWindow(kCentre + offX, kCentre + offY)) break;
        if ((offX / 100) * offX / 100 + (offY / 100) * offY / 100 < kDiscRadiusSquared) {
            if (stage == 0) break;
            if (stage == 2 || stage == 3) draw(kExtended);
            continue;  // otherwise the flight reappears where it went in
        }
        if (kClosed.closed(i, theta, r, r0)) break;
        if (stage == 0 || stage == 1)
            draw(kFlight);
        else if (stage == 2 || stage == 3)
            draw(theta <= kPi ? kFlight : kExtended);  // the first half turn as flown
        else
            draw(kCircleOrbit);
    }
}

}  // namespace lessons
