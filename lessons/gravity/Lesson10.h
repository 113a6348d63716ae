#pragma once
#include <array>
#include <cstdint>

#include "lessons/common.h"
#include "lessons/gravity/orbit.h"
#include "shell/navigation.h"

namespace lessons {

// A geostationary satellite against a non-stationary one: each flies one revolution of its
// orbit while the earth's rim markers turn, and each orbit is traced afterwards.
class Lesson10 : public shell::LessonForm {
    ORBELUNE_WORDS(Lesson10)

public:
    explicit Lesson10(scene::Program& program, const shell::Place& place);
    void Form_Activate() override;
    void jam_Timer();
    void launch();

    // The flight launch shows, apart from the screen: the start of this stage's orbit, and its
    // steps, each handed to `show`, until one revolution is done (true) or the steps run out.
    void takeOff();
    bool fly(const StepShown& show);

    scene::ControlArray<scene::Shape> sat{"sat"}, bumi{"bumi"};
    scene::ControlArray<scene::LineControl> satlin{"satlin"};
    scene::ControlArray<scene::Label> waktu{"waktu"}, loro2{"loro2"}, Label3{"Label3"},
        Label4{"Label4"};

private:
    // Declares the stored control list before the single controls below are looked up in it.
    bool laidOut_ = layout();
    bool layout();

public:
    scene::Timer& jam = control<scene::Timer>("jam");
    scene::Label& koma = control<scene::Label>("koma");
    scene::Label& wait = control<scene::Label>("wait");
    scene::Shape& earth = control<scene::Shape>("earth");

    double G = 0, M = 0, R = 0;  // [N m^2/kg^2], [kg], [m]
    double ratio = 0;            // geostationary radius in earth radii
    // The script's stages, in ticks of jam. Each flight follows a countdown; when it has gone
    // round, launch() sends the script back to the countdown's last tick for the trace, and
    // after the trace on to where the next stage begins.
    static constexpr Ticks kCountdown{4, 5};
    static constexpr int kBeforeFlight = 6;  // a trace hides the satellite first
    static constexpr int kFlight = 7;
    static constexpr int kGeostationaryTraced = 100;
    static constexpr int kNonStationaryNote = 102;
    static constexpr int kLowerLaunch = 104;
    static constexpr int kLowerTraced = 300;  // the end: nothing more happens

    long counter = 0;        // ticks of the script
    std::int16_t stage = 0;  // 0 geostationary flight, 1 its trace, 2 lower flight, 3 its trace
    int latch = 0;           // 1 after an hours message until it is re-armed
    // The panel lines' ends relative to the satellite's centre, as the form lays them out.
    std::array<double, 9> offX1{}, offX2{}, offY1{}, offY2{};
    double a = 0, V = 0;                  // launch angle [rad] and speed [m/s]
    double r = 0, r0 = 0;                 // distance from the earth's centre [m]
    double theta = 0;                     // polar angle [rad]
    double x = 0, y = 0, px = 0, py = 0;  // this and the previous step's offset [twips]
    int i = 0;                            // step of the current flight
    Orbit body{};

private:
    // The earth disc's radius stands for the earth's [twips].
    static constexpr double kDiscRadius = 500;
    double twips(double metres) const {
        return kDiscRadius * (metres / 1000000 / kEarthRadiusKm) * 1000;
    }
    void placeSatellite(double left, double top);
    void placeMarkers(double hours);
};

}  // namespace lessons
