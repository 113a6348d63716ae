#pragma once
#include <cstdint>

#include "lessons/common.h"
#include "lessons/gravity/orbit.h"
#include "shell/navigation.h"

namespace lessons {

// The moon on its present orbit and on one half as large: one revolution each, with the moon's
// appearance drawn every few days, and each orbit traced afterwards.
class Lesson11 : public shell::LessonForm {
    ORBELUNE_WORDS(Lesson11)

public:
    explicit Lesson11(scene::Program& program, const shell::Place& place);
    void Form_Activate() override;
    void jam_Timer();
    void launch();

    // The flight launch shows, apart from the screen: the start of this stage's orbit, and its
    // steps, each handed to `show`, until one revolution is done (true) or the steps run out.
    void takeOff();
    bool fly(const StepShown& show);

    scene::ControlArray<scene::Label> waktu{"waktu"}, loro2{"loro2"}, Label3{"Label3"},
        Label4{"Label4"};

private:
    // Declares the stored control list before the single controls below are looked up in it.
    bool laidOut_ = layout();
    bool layout();

public:
    scene::Timer& jam = control<scene::Timer>("jam");
    scene::Label& appear = control<scene::Label>("appear");
    scene::Label& koma = control<scene::Label>("koma");
    scene::Label& wait = control<scene::Label>("wait");
    scene::Shape& sat = control<scene::Shape>("sat");
    scene::Shape& earth = control<scene::Shape>("earth");

    double G = 0, M = 0, R = 0;  // [N m^2/kg^2], [kg], [m]
    double moonHeight = 0;       // above the earth's surface [m]
    // The script's stages, in ticks of jam. Each flight follows a countdown; when it has gone
    // round, launch() sends the script back to the countdown's last tick for the trace, and
    // after the trace on to where the next stage begins.
    static constexpr Ticks kCountdown{4, 5};
    static constexpr int kBeforeFlight = 6;  // a trace hides the moon first
    static constexpr int kFlight = 7;
    static constexpr int kPresentTraced = 100;
    static constexpr int kHalfDistanceNote = 101;
    static constexpr int kHalfDistanceLaunch = 104;
    static constexpr int kHalfDistanceTraced = 300;  // the end: nothing more happens

    long counter = 0;      // ticks of the script
    int stage = 0;         // 0 present flight, 1 its trace, 2 half-distance flight, 3 its trace
    int latch = 0;         // 1 after a days message until it is re-armed
    int mirror = 1;        // -1 once the pictures are drawn upside down
    double panelLeft = 0;  // the picture panel's corner [twips]
    std::int16_t panelTop = 0;
    double a = 0, V = 0;                  // launch angle [rad] and speed [m/s]
    double r = 0, r0 = 0;                 // distance from the earth's centre [m]
    double theta = 0;                     // polar angle [rad]
    double x = 0, y = 0, px = 0, py = 0;  // this and the previous step's offset [twips]
    int i = 0;                            // step of the current flight
    Orbit body{};

private:
    double shownDays = -1, shownTenths = -1;  // the reading the clock shows in this flight
    // The earth disc's radius stands for the earth's [twips].
    static constexpr double kDiscRadius = 50;
    double twips(double metres) const {
        return kDiscRadius * (metres / 1000000 / kEarthRadiusKm) * 1000;
    }
    void paintPanelBlack();
    void drawAppearance();
};

}  // namespace lessons
