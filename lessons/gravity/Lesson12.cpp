#include "lessons/gravity/Lesson12.h"

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
using scene::Val;

namespace {
constexpr scene::Color kCyan = rgb(0, 255, 255);
constexpr scene::Color kEarth = kLavender;  // both discs of the earth
using scene::kCircle;

// The trails' centre lies this far up and left of the small earth's true centre [twips].
constexpr int kCentreShift = 17;

// Each trial's velocity as a multiple of the circular velocity, and its caption around it.
struct Trial {
    double f;
    const char* prefix;
    const char* suffix;
};
constexpr Trial kTrials[7] = {
    {1, QT_TRANSLATE_NOOP("Lesson12", "V init = V circle = "),
     QT_TRANSLATE_NOOP("Lesson12", " m/s ... circular")},
    {1.34, QT_TRANSLATE_NOOP("Lesson12", "V init = 1.34 * V circle = "),
     QT_TRANSLATE_NOOP("Lesson12", " m/s ... elliptical")},
    {1.36, QT_TRANSLATE_NOOP("Lesson12", "V init = 1.36 * V circle = "),
     QT_TRANSLATE_NOOP("Lesson12", " m/s ... elliptical")},
    {1.38, QT_TRANSLATE_NOOP("Lesson12", "V init = 1.38 * V circle = "),
     QT_TRANSLATE_NOOP("Lesson12", " m/s ... elliptical")},
    {1.40, QT_TRANSLATE_NOOP("Lesson12", "V init = 1.40 * V circle = "),
     QT_TRANSLATE_NOOP("Lesson12", " m/s ... elliptical")},
    {1.42, QT_TRANSLATE_NOOP("Lesson12", "V init = 1.42 * V circle = "),
     QT_TRANSLATE_NOOP("Lesson12", " m/s ... HYPERBOLIC")},
    {1.44, QT_TRANSLATE_NOOP("Lesson12", "V init = 1.44 * V circle = "),
     QT_TRANSLATE_NOOP("Lesson12", " m/s ... HYPERBOLIC")},
};
}  // namespace

Lesson12::Lesson12(scene::Program& program, const shell::Place& place)
    : LessonForm(program, place, 11745, 9285, {.timer = "jam", .replayItem = "rep"}) {
    jam.onTimer = [this] { jam_Timer(); };
    // One segment a step. The widest ellipse has 26 times the circle's segments, so the circle
    // gets just over half a second and that ellipse some fourteen.
    setPace(36);
}

bool Lesson12::layout() {
    auto text = [](scene::Label& l) -> scene::Label& { return l.size(9.75); };
    timer("jam", 1000, true);
    checkBox("ck", Box{9360, 360, 255, 255}, tr("Check1")).font.size = 9.75;
    textBox("vinit", Box{7200, 360, 1575, 285}).size(9.75);
    text(label(Label6, 5, Box{5040, 6480, 6135, 735},
               tr("This kind of calculation becomes useful when we are to send an object to other "
                  "planets, such as Galileo in the Jupiter Expedition.")))
        .fore(kBlue);
    text(
        label(Label6, 4, Box{4920, 5640, 5055, 735},
              tr("In other words, when V init surpasses 1.414 * V circle, the object will not "
                 "return. It is liberated from the gravitational force ... so, 1.414 * V circle is "
                 "the velocity of no return!")))
        .fore(kBlue);
    text(label(Label6, 3, Box{360, 3720, 3015, 735},
               tr("We see here, as V init  surpasses 1.414 * V circle, the trajectory becomes "
                  "hyperbolic")))
        .fore(kGreen);
    line("Line11", 1320, 3360, 1200, 3360).color(kGreen);
    line("Line10", 1200, 3360, 1200, 3600).color(kGreen);
    line("Line9", 1080, 3360, 1200, 3600).color(kGreen);
    text(label(Label6, 2, Box{360, 3360, 3495, 255},
               tr("   V init =    2  * V circle = 1.414 * V circle")))
        .fore(kGreen);
    text(label(Label6, 1, Box{360, 2760, 3495, 495},
               tr("The border between elliptical and hyperbolic orbits is ")))
        .fore(kGreen);
    text(label(Label6, 0, Box{120, 120, 5655, 735},
               tr("When the initial velocity of an object moving under gravity surpasses a certain "
                  "value, its trajectory is no more elliptical, but becomes hyperbolic!")))
        .fore(kBlue);
    label(Label5, 2, Box{7560, 1920, 3615, 495}, tr("  m * V circle / r     = G*M*m ./ r"))
        .size(12)
        .fore(kBlue)
        .back(kCyan);
    text(label(Label5, 1, Box{7560, 1680, 3615, 255},
               std::string(17, ' ') + "2" + std::string(51, ' ') + "2"))
        .fore(kBlue)
        .back(kCyan);
    text(label(Label5, 0, Box{7560, 840, 3615, 735},
               tr("Note: V circle is V init that results in circular orbit; it matches the "
                  "following equation:")))
        .fore(kBlue)
        .back(kCyan);
    for (int k = 0; k <= 6; ++k) text(label(Label3, k, Box{3360, 960 + 240.0f * k, 3855, 255}));
    for (int k = 0; k <= 6; ++k) line(Line8, k, 2880, 1080 + 240 * k, 3240, 1080 + 240 * k);
    line("Line7", 8520, 3840, 8720, 3720);
    line("Line6", 8720, 3720, 8520, 3600);
    line("Line5", 6120, 3120, 8720, 3720);
    text(label(wait, 1, Box{1560, 2880, 4455, 495}, tr("Downscaling the Earth")))
        .fore(kOrange)
        .right()
        .size(18)
        .bold();
    text(label("Label4", Box{9000, 3840, 1575, 495}, tr("2500 km high from earth surface")));
    text(label(wait, 0, Box{2160, 2400, 1215, 495}, tr("WAIT!")))
        .fore(kOrange)
        .center()
        .size(18)
        .bold();
    line("Line3", 8955, 4440, 8880, 4560).color(kBlue);
    line("Line2", 8805, 4440, 8885, 4560).color(kBlue);
    line("Line1", 8880, 3650, 8880, 4570).color(kBlue);
    line("Line4", 8835, 6160, 8835, 1560).hidden();
    text(label("Label2", Box{8880, 360, 375, 375}, tr("m/s"))).center();
    text(label("Label1", Box{6000, 360, 1095, 255}, tr("Initial Velocity"))).center();
    shape("Shape1", Box{8775, 3720, 60, 60}, kCircle).back(kPaleBlue).border(kEarth).fill(kEarth);
    shape("bm", Box{6960, 1920, 3735, 3615}, kCircle).fill(kEarth);

    // Read aloud: each formula once (the root sign is drawn in lines, the exponents laid over);
    // the check box by what it starts.
    formula(Label6(2), tr("V init = √2 × V circle = 1.414 × V circle"));
    formula(Label5(2), tr("m × V circle² / r = G × M × m / r²"), {&Label5(1)});
    readAs(control<scene::CheckBox>("ck"), tr("Launch at this initial velocity"));
    return true;
}

void Lesson12::glideTo(int step) { glideToCheckBox(*this, vinit, ck, step, tpp); }

void Lesson12::Form_Activate() {
    G = kGravitationalConstant;
    M = kEarthMass;
    R = kEarthRadius;
    // The gap between the small earth and the launch line, in twips, gives the launch height.
    const double d = Line1.X1 - ((Shape1.Left - kCentreShift) + Shape1.Width);
    Label4.Caption =
        digits(Int(2 * kEarthRadiusKm * d / Shape1.Width)) + tr(" km high from earth surface");
    tpp = scene::toInteger(TwipsPerPixelX());
    for (scene::LineControl* l :
         {&Line1, &Line2, &Line3, &Line5, &Line6, &Line7, &Line9, &Line10, &Line11})
        l->Visible = false;
    Label4.Visible = false;
    for (int k = 0; k <= 6; ++k) {
        Line8(k).Visible = false;
        Label3(k).Visible = false;
    }
    bm.Top = 1920;
    bm.Left = 6960;
    bm.Width = 3735;
    bm.Height = bm.Width;
    bm.Visible = true;
    vinit.Visible = true;
    Label1.Visible = true;
    Label2.Visible = true;
    for (int k = 0; k <= 2; ++k) Label5(k).Visible = false;
    for (int k = 1; k <= 5; ++k) Label6(k).Visible = false;
    trial = 0;
    tick = kActivated;
    vinit.Text = "";
    ck.Value = 0;
    ck.Visible = true;
    jam.Enabled = true;
    jam.Interval = 1000;
    wait(0).Visible = false;
    wait(1).Visible = false;
    wait(1).Caption = tr("Downscaling the Earth");
    lastTrial = 0;
    // Puts the start of every flight exactly on the launch line.
    h = scene::toSingle(Int(2 * ((d * 1000) / Shape1.Width) * kEarthRadiusKm));
    glideTo(0);  // over the velocity box
}

void Lesson12::jam_Timer() {
    ++tick;
    if (tick == kShowWait) {
        wait(0).Visible = true;
        wait(1).Visible = true;
    } else if (kShrink.contains(tick)) {
        Beep(kBeepHz, kCountdownBeepMs);
        // Halved about its centre.
        bm.Width = bm.Width / 2;
        bm.Height = bm.Height / 2;
        bm.Left = bm.Left + bm.Width / 2;
        bm.Top = bm.Top + bm.Height / 2;
    } else if (tick == kShowArrow) {
        bm.Visible = false;
        Line5.Visible = true;
        Line6.Visible = true;
        Line7.Visible = true;
    } else if (tick == kPrepareTrial) {
        const int k = trial;
        Beep(kBeepHz, kCountdownBeepMs);
        wait(0).Visible = false;
        wait(1).Caption = tr("Earth");
        Line1.Visible = true;
        Line2.Visible = true;
        Line3.Visible = true;
        Label4.Visible = true;
        Line8(k).Visible = true;
        Label3(k).Visible = true;
        Line8(k).BorderColor = QBColor(14 - k);
        Label3(k).ForeColor = QBColor(14 - k);
        const double Vk = trialSpeed(k);
        vinit.Text = scene::Str(Vk);  // with the blank that stands for the sign
        Label3(k).Caption = tr(kTrials[k].prefix) + digits(Vk) + tr(kTrials[k].suffix);
        if (k == 6) lastTrial = 1;
        vinit.SelStart = 4;
    } else if (tick == kGlideSetUp) {
        jam.Interval = 100;
        ck.SetFocus();
        cursorStep = 0;
    } else if (kGlideOn.contains(tick)) {
        ++cursorStep;
        glideTo(cursorStep);
        if (cursorStep == kGlideSteps) {  // over the check box: the launch switch
            jam.Interval = 1000;
            ck.Value = 1;
            wait(1).Visible = false;
            Line5.Visible = false;
            Line6.Visible = false;
            Line7.Visible = false;
            cursorStep = 0;
        }
    } else if (tick == kLaunch) {
        StageBegins(tr("Launch at ") + digits(trialSpeed(trial)) + tr(" m/s"));
        jam.Interval = 1000;
        launch();
    } else if (tick == kUntick) {
        jam.Interval = 100;
        Beep(kBeepHz, kCountdownBeepMs);
        ck.Value = 0;
    } else if (kGlideBack.contains(tick)) {
        ++cursorStep;
        glideTo(kGlideSteps - cursorStep);
        if (cursorStep == kGlideSteps) {  // back over the velocity box
            jam.Interval = 1000;
            cursorStep = 0;
            tick = kPrepareTrial - 1;
        }
    } else if (tick == kEquation) {
        StageBegins(tr("The speed for a circular orbit"));
        Beep(kBeepHz, kCountdownBeepMs);
        for (int k = 0; k <= 2; ++k) Label5(k).Visible = true;
    } else if (tick == kClosing) {
        StageBegins(tr("The velocity of no return"));
        Beep(kBeepHz, kCountdownBeepMs);
        Line9.Visible = true;
        Line10.Visible = true;
        Line11.Visible = true;
        for (int k = 1; k <= 5; ++k) Label6(k).Visible = true;
    }
}

double Lesson12::trialSpeed(int k) const {
    const double Vc = std::sqrt(G * M / (R + h));  // circular velocity at launch [m/s]
    return Int(Vc * kTrials[k].f);
}

void Lesson12::launch() {
    takeOff();
    fly([this](std::int32_t colour) { Line(cx + x, cy + y, cx + xn, cy + yn, colour); });

    jam.Interval = 1000;
    cursorStep = 0;
    trial = trial + 1;
    if (lastTrial == 0) {
        tick = kTrialFlown;
    } else {
        tick = kLastTrialFlown;
        vinit.Visible = false;
        Label1.Visible = false;
        Label2.Visible = false;
        ck.Visible = false;
    }
}

void Lesson12::takeOff() {
    a = 0;
    // The small earth's width stands for the earth's diameter; the width is a single-precision
    // number, and so is the scale taken from it.
    kmPerTwip = 2 * (float(kEarthRadiusKm) / Shape1.Width);
    r = R + h;
    V = Val(vinit.Text.get());  // whatever the box holds; 0 for text that is no number
    theta = 0;
    const double rho = twips(r);
    x = rho * std::cos(theta);
    y = rho * std::sin(theta);
    r0 = r;
    body = Orbit::launch(G, M, V, a, r0, theta);
    cx = (Shape1.Left - kCentreShift) + kEarthRadiusKm / kmPerTwip;
    cy = (Shape1.Top - kCentreShift) + kEarthRadiusKm / kmPerTwip;
}

void Lesson12::fly(const Segment& segment) {
    for (long i = 0; i <= 290000; ++i) {
        // Faster launches fly larger orbits, so they take larger steps.
        const double dt = ((Val(vinit.Text.get()) - 4000) * 40) / 800;  // [s]
        // A step that is not forward in time never finishes a turn: nothing to fly.
        if (!(dt > 0) || !scene::finite(dt)) break;
        body.step(dt);
        r = body.r;
        theta = body.theta;
        // Far beyond any sane step the distance no longer follows from the energy.
        if (!(r > 0) || !scene::finite(r) || !scene::finite(theta)) break;
        const double rho = twips(r);
        xn = rho * std::cos(theta);
        yn = rho * std::sin(theta);
        // Back at the launch line, or once round.
        if (cx + xn > Line1.X1 || theta > 2 * kPi) break;
        const double earthX = Shape1.Left + kEarthRadiusKm / kmPerTwip;  // the true centre
        const double earthY = Shape1.Top + kEarthRadiusKm / kmPerTwip;
        if (leftTheWindow(earthX + xn, earthY + yn)) break;
        segment(std::int32_t(QBColor(14 - trial)));
        x = xn;
        y = yn;
    }
}

}  // namespace lessons
