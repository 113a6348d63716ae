#include "lessons/gravity/Lesson3.h"

#include "lessons/common.h"
#include "scene/numbers.h"
#include "scene/program.h"

namespace lessons {

using scene::Box;

namespace {
constexpr scene::Color kGround = 0x00FF8080;  // the earth's surface
using scene::kCircle;
}  // namespace

Lesson3::Lesson3(scene::Program& program, const shell::Place& place)
    : LessonForm(program, place, 11580, 8805, {.timer = "jam", .replayItem = "replay"}) {
    // A countdown line or one fall step per tick: no handler is long, so none is paced.
    jam.onTimer = [this] { jam_Timer(); };
}

bool Lesson3::layout() {
    // Stored order: earlier lies above later.
    timer("jam", 1000, true);
    label("Label5", Box{7920, 3240, 855, 375}, "2").size(13.5).bold();
    label("Label2", Box{6000, 3480, 2295, 735}, tr("g = 9.8 m/s")).size(18).bold();
    label(l, 4, Box{4200, 4560, 2295, 255}, "1");
    label(l, 3, Box{4200, 3000, 2295, 255}, "1");
    label(l, 2, Box{4200, 1920, 2295, 255}, "1");
    label(l, 1, Box{4200, 1320, 2295, 255}, "1");
    label(l, 0, Box{4200, 1080, 2295, 255}, "1");
    label("wait", Box{2040, 1440, 1095, 495}, tr("WAIT!")).fore(kOrange).size(13.5).bold();
    label("Label6", Box{1800, 240, 1815, 1095},
          tr("Throwing an object from Pisa Tower, an inclining tower in Italy, Galileo Galilei did "
             "his experiment of gravity there."))
        .fore(kBlue);
    line("Line4", 1200, 6600, 1560, 0).color(kGrey).style(2).width(2);
    line("Line3", 3840, 0, 3480, 6600).color(kGrey).style(2).width(2);
    label("tanda", Box{4560, 600, 255, 375}, "-").back(kClockFace).size(12).center();
    label("Label4", Box{4080, 240, 1575, 255}, tr("CLOCK")).size(9.75).bold().center();
    line("mistar", 2160, 6600, 2160, 1200).hidden();
    shape("bola", Box{3840, 1080, 255, 255}, kCircle).fill(kRed);
    label("Label3", Box{5280, 480, 975, 255}, tr("seconds"));
    label("detik", Box{4800, 600, 375, 375}, "03").back(kClockFace).size(12).bold().center();
    label("Label1", Box{3240, 6720, 1455, 375}, tr("EARTH")).size(13.5).bold();
    line(Line2, 4, 9960, 6600, 9600, 7200);
    line(Line2, 3, 7560, 6600, 7200, 7200);
    line(Line2, 2, 5280, 6600, 4920, 7200);
    line(Line2, 1, 2880, 6600, 2520, 7200);
    line(Line2, 0, 720, 6600, 360, 7200);
    line("Line1", 480, 6600, 10920, 6600).color(kGround).width(2);
    label(l, 5, Box{4200, 6360, 2295, 255}, "1");
    line("Line5", 3960, 1200, 3960, 6600).style(3);

    // Read aloud: the exponent with its formula; the clock's sign and seconds as one number,
    // which counts unannounced.
    formula(control<scene::Label>("Label2"), tr("g = 9.8 m/s²"),
            {&control<scene::Label>("Label5")});
    formula(control<scene::Label>("detik"), "", {&control<scene::Label>("tanda")});  // "-03"
    ticking(control<scene::Label>("detik"));
    return true;
}

void Lesson3::Form_Activate() {
    fallLeft = mistar.Y1 - mistar.Y2;
    detik.Caption = "00";
    tanda.Caption = "+";
    for (int i = 0; i <= 5; ++i) l(i).Caption = "";
    l(0).Caption = tr("v=0 m/s");
    jam.Enabled = true;
    fallSpeed = 0;
    bola.Top = 1080;
    tick = 0;
    jam.Interval = 1000;
    wait.Visible = true;
}

void Lesson3::jam_Timer() {
    tick = tick + 1;
    if (tick < 3) {
        // "WAIT!" stays.
    } else if (tick <= 5) {
        // The countdown, one second a tick: "03", "02", "01".
        if (tick == 3) {
            StageBegins(tr("Countdown"));
            wait.Visible = false;
        }
        detik.Caption = "0" + scene::digits(6 - tick);
        tanda.Caption = "-";
        Beep(kBeepHz, kCountdownBeepMs);
    } else if (tick == 6) {
        StageBegins(tr("The ball falls"));
        detik.Caption = "00";
        tanda.Caption = "+";
        Beep(kBeepHz, 150);
        jam.Interval = 10;  // the fall: one step per 10 ms, the clock one second per 100 steps
    } else {
        Hitung();
        const double s = (tick - 6) / 100;
        if (s == scene::Int(s)) {
            detik.Caption = "0" + scene::digits(s);
            Beep(kBeepHz, kCountdownBeepMs);
            // The ball lands at 4.92 s, so l(5) is the last label a whole second could name.
            if (l.has(int(s))) l(int(s)).Caption = tr("v = ") + scene::digits(s) + tr(" * 9.8 m/s");
        }
    }
}

void Lesson3::Hitung() {
    const double dt = 1.0 / 15;
    fallSpeed = fallSpeed + dt * 9.8;
    fallLeft = fallLeft - dt * fallSpeed;
    if (fallLeft - bola.Height / 2 < 0) {
        // On the ground: the ball rests with its bottom on the ground line.
        bola.Top = mistar.Y1 - bola.Height;
        jam.Enabled = false;
        l(5).Caption = tr("v = ") + scene::digits((tick - 6) / 100) + tr(" * 9.8 m/s");
    } else {
        bola.Top = bola.Top + dt * fallSpeed;
    }
}

}  // namespace lessons
