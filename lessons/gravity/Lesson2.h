#pragma once
#include <array>
#include <cstdint>

#include "lessons/common.h"
#include "scene/pointer.h"
#include "shell/navigation.h"

namespace lessons {

// Two balls at rest pull each other together, for the mass ratios M/m = 1, 8 and 64: the
// program moves the pointer to the ratio box, enters the ratio, ticks the row's check box and
// lets the balls fall together until they touch; then the closing text on g.
class Lesson2 : public shell::LessonForm {
    ORBELUNE_WORDS(Lesson2)

public:
    explicit Lesson2(scene::Program& program, const shell::Place& place);
    void Form_Activate() override;
    void jam_Timer();

    scene::ControlArray<scene::CheckBox> ck{"ck"};
    scene::ControlArray<scene::Shape> Shape1{"Shape1"};
    scene::ControlArray<scene::Label> Label3{"Label3"};
    scene::ControlArray<scene::LineControl> Line1{"Line1"};

private:
    // Declares the stored control list before the single controls below are looked up in it.
    bool laidOut_ = layout();
    bool layout();

public:
    scene::CommandButton& dummy = control<scene::CommandButton>("dummy");
    scene::TextBox& Ratio = control<scene::TextBox>("Ratio");
    scene::Timer& jam = control<scene::Timer>("jam");
    scene::LineControl& Line2 = control<scene::LineControl>("Line2");
    scene::Label& t1 = control<scene::Label>("t1");
    scene::Label& t2 = control<scene::Label>("t2");
    scene::Label& t3 = control<scene::Label>("t3");
    scene::Label& t4 = control<scene::Label>("t4");

    // A row's stages, in ticks after the pointer's glide to the ratio box has arrived (A + N),
    // and after its glide to the row's check box has arrived (S + M); the balls then fall
    // together, a step a tick, until they meet and the next row begins.
    static constexpr int kFocusRatio = 1;
    static constexpr Ticks kClearRatio{2, 3};
    static constexpr Ticks kTypeRatio{4, 5};
    static constexpr int kPlanClick = 6;  // the glide to the check box is worked out
    static constexpr int kTickBox = 1;    // with a beep
    static constexpr int kShowBalls = 2;

    // Form-level variables. Pointer values are screen pixels of the classic desktop (15 twips).
    std::int16_t tpp = 0;              // Screen.TwipsPerPixelX
    double tick = 0;                   // jam ticks since activation
    std::int32_t row = 0;              // current row 0..2; 3 when finished
    std::array<double, 4> rowStart{};  // tick at which each row's move to the ratio box began
    std::array<std::int32_t, 4> moveSteps{};  // steps of that move
    std::array<double, 4> clickStart{};       // tick from which the pointer moves to the check box
    std::array<double, 4> clickSteps{};       // steps of that move
    double px0 = 0, py0 = 0;                  // start of the current pointer move
    double pdx = 0, pdy = 0;                  // its displacement
    double stepNo = 0;                        // its current step
    double gap = 0;                           // distance between the balls' centres [twips]
    double accSmall = 0, accBig = 0;          // accelerations of m and M
    double velSmall = 0, velBig = 0;          // velocities of m and M
    double shiftSmall = 0,
           shiftBig = 0;  // how far m (rightwards) and M (leftwards) go per inner pass
    bool joined = false;  // the current row's balls have met

private:
    void motionStep(int i);
    void resetMotion();
    // The route each glide is planned on (px0, pdx, ...), in pixels: across at 150 / 2230 of a
    // pixel a twip, down at the middle of the control below the classic title and menu bars. Its
    // length in steps of 10 pixels sets how many ticks the glide takes; the pointer itself
    // glides between the middles of the controls.
    static constexpr scene::PixelPoint kPlanStart{50, 55};
    static double pointerX(double x) { return x * 150 / 2230; }
    static double middleY(const scene::Control& c) {
        return scene::kClassicClientTopPx + (c.Top + c.Height / 2) / scene::kClassicTwipsPerPixel;
    }
    double ratioCentreX() const { return pointerX(Ratio.Left + Ratio.Width / 2); }
    // Where the pointer stands when row i's glide to the ratio box begins.
    scene::PixelPoint ratioGlideStart(int i);
};

}  // namespace lessons
