#pragma once
#include <array>
#include <cstdint>

#include "scene/pointer.h"
#include "shell/navigation.h"

namespace lessons {

// Two balls at rest pull each other together, for the mass ratios M/m = 1, 8 and 64: the
// program moves the pointer to the ratio box, enters the ratio, ticks the row's check box and
// lets the balls fall together until they touch; then the closing text on g.
class Lesson2 : public shell::LessonForm {
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
    void pointerTo(double px, double py);
    void resetMotion();
    // Where the pointer aims, in its unit. Across, the factor the demonstration was tuned with.
    // Down, the middle of the control at the screen's own 15 twips a pixel below the classic
    // title and menu bars; a tuned factor (150 / 2050) would run 9 % ahead of that scale and put
    // the pointer above ck(0)'s tick square, below ck(2)'s and onto the ratio box's lower frame.
    static double pointerX(double x) { return x * 150 / 2230; }
    static double middleY(const scene::Control& c) {
        return scene::kClassicClientTopPx + (c.Top + c.Height / 2) / 15;
    }
    double ratioCentreX() const { return pointerX(Ratio.Left + Ratio.Width / 2); }
};

}  // namespace lessons
