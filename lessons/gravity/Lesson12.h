#pragma once
#include <cstdint>

#include "lessons/common.h"
#include "lessons/gravity/orbit.h"
#include "shell/navigation.h"

namespace lessons {

// Launches from above a small earth at growing speed: a circle, ever larger ellipses, and past
// about 1.414 times the circular velocity hyperbolas that do not come back.
class Lesson12 : public shell::LessonForm {
    ORBELUNE_WORDS(Lesson12)

public:
    explicit Lesson12(scene::Program& program, const shell::Place& place);
    void Form_Activate() override;
    void jam_Timer();
    void launch();

    // The launch speed of trial k [m/s].
    double trialSpeed(int k) const;
    // The flight launch draws, apart from the screen: the start from the speed in the box, and
    // the steps, each handed to `segment` in its colour.
    void takeOff();
    void fly(const Segment& segment);

    scene::ControlArray<scene::Label> Label6{"Label6"}, Label5{"Label5"}, Label3{"Label3"},
        wait{"wait"};
    scene::ControlArray<scene::LineControl> Line8{"Line8"};

private:
    // Declares the stored control list before the single controls below are looked up in it.
    bool laidOut_ = layout();
    bool layout();

public:
    scene::Timer& jam = control<scene::Timer>("jam");
    scene::CheckBox& ck = control<scene::CheckBox>("ck");
    scene::TextBox& vinit = control<scene::TextBox>("vinit");
    scene::LineControl& Line11 = control<scene::LineControl>("Line11");
    scene::LineControl& Line10 = control<scene::LineControl>("Line10");
    scene::LineControl& Line9 = control<scene::LineControl>("Line9");
    scene::LineControl& Line7 = control<scene::LineControl>("Line7");
    scene::LineControl& Line6 = control<scene::LineControl>("Line6");
    scene::LineControl& Line5 = control<scene::LineControl>("Line5");
    scene::Label& Label4 = control<scene::Label>("Label4");
    scene::LineControl& Line3 = control<scene::LineControl>("Line3");
    scene::LineControl& Line2 = control<scene::LineControl>("Line2");
    scene::LineControl& Line1 = control<scene::LineControl>("Line1");
    scene::Label& Label2 = control<scene::Label>("Label2");
    scene::Label& Label1 = control<scene::Label>("Label1");
    scene::Shape& Shape1 = control<scene::Shape>("Shape1");
    scene::Shape& bm = control<scene::Shape>("bm");

    double G = 0, M = 0, R = 0;  // [N m^2/kg^2], [kg], [m]
    float h = 0;                 // launch height above the surface, whole metres
    // The script's stages, in ticks of jam. The large earth shrinks; then each trial is
    // prepared, the pointer glides onto the check box and the flight is launched; launch() then
    // moves the script on to where the next stage begins, and a trial goes round again from the
    // tick before kPrepareTrial.
    static constexpr int kActivated = -7;
    static constexpr int kShowWait = -4;
    static constexpr Ticks kShrink{-3, 0};
    static constexpr int kShowArrow = 1;
    static constexpr int kPrepareTrial = 3;
    static constexpr int kGlideSetUp = 4;
    static constexpr Ticks kGlideOn{kGlideSetUp + 1, kGlideSetUp + kGlideSteps};
    static constexpr int kLaunch = kGlideOn.last + 1;
    static constexpr int kTrialFlown = 100;  // after a trial: a pause, then
    static constexpr int kUntick = 102;
    static constexpr Ticks kGlideBack{kUntick + 1, kUntick + kGlideSteps};
    static constexpr int kLastTrialFlown = 200;
    static constexpr int kEquation = 202;
    static constexpr int kClosing = 205;

    long tick = 0;                        // the script's ticks; kActivated after activation
    std::int16_t trial = 0;               // the trial being prepared or flown, 0 to 6
    int cursorStep = 0;                   // steps of the pointer's current glide
    int lastTrial = 0;                    // 1 once the seventh trial is prepared
    std::int16_t tpp = 15;                // twips per screen pixel
    double a = 0, V = 0;                  // launch angle [rad] and speed [m/s]
    double r = 0, r0 = 0;                 // distance from the earth's centre [m]
    double theta = 0;                     // polar angle [rad]
    double x = 0, y = 0, xn = 0, yn = 0;  // the trail's last and next point [twips]
    double kmPerTwip = 0;                 // the flights' scale
    double cx = 0, cy = 0;                // the flights' centre [twips]
    Orbit body{};

private:
    double twips(double metres) const { return ((metres / 1000000) / kmPerTwip) * 1000; }
    void glideTo(int step);
};

}  // namespace lessons
