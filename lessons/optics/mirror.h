#pragma once
#include <cstdint>

#include "lessons/common.h"
#include "shell/navigation.h"

namespace lessons {

// The two mirror lessons: twelve light sources on the right, lit one after another by a timer
// script, each firing a horizontal ray leftwards at a concave mirror that throws it back across
// the centre line. Everything is shared except the mirror's shape, which a lesson gives through
// the formulas below.
class MirrorLesson : public shell::LessonForm {
    ORBELUNE_WORDS(Mirror)

public:
    void Form_Activate() override;
    void lt_Click(int Index);
    // Pressing keys or the mouse on a source does nothing beyond its click.
    void lt_KeyDown(int, int) {}
    void lt_MouseDown(int, int) {}
    void Timer1_Timer();

    scene::Timer& Timer1 = timer("Timer1", 500, false);
    // Lies outside the window and holds the focus, so that no source shows a focus frame.
    scene::CommandButton& dum = button("dum", scene::Box{28160, 6360, 135, 195}, tr("Command1"));
    scene::ControlArray<scene::CommandButton> lt{"lt"};

    int rayIndex = 12;        // the source the script is on; 12 before the first one
    int rayStep = 0;          // which of the three ticks of that source comes next
    std::int16_t rayDir = 1;  // 1 while the script goes down the indices, -1 while it goes up
    // The pen on the mirror; in a ray, (x1, y1) is its start and y2 the reflected ray's point.
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;

protected:
    MirrorLesson(scene::Program& program, const shell::Place& place, shell::Navigation nav);

    // What this lesson's activation sets besides the script's start.
    virtual void prepare() {}
    void nameSources();
    // The mirror's shape: its x at height y, and the height the pen starts at.
    virtual double mirrorX(double y) const = 0;
    virtual double mirrorTopY() const = 0;
    // True while the ray at height y0 has not yet reached the mirror at x = i.
    virtual bool rayInFront(int i, double y0) const = 0;
    // The reflection point's height and the slope of the mirror's normal there.
    virtual double reflectionHeight(double xh, double y0) const = 0;
    virtual double normalSlope(double xh, double y0) const = 0;

private:
    void drawMirror();
};

}  // namespace lessons
