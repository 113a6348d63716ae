#pragma once
#include "lessons/optics/mirror.h"

namespace lessons {

// Reflection at a parabolic mirror x = a (y - 4500)^2: every ray is reflected through the focus.
class optics2 : public MirrorLesson {
    ORBELUNE_WORDS(optics2)

public:
    explicit optics2(scene::Program& program, const shell::Place& place);

    scene::ControlArray<scene::Label> Label2{"Label2"}, Label5{"Label5"};
    scene::ControlArray<scene::LineControl> Line2{"Line2"};

    double a = 0;  // the parabola's coefficient [1/twip], set on every activation

protected:
    void prepare() override;
    double mirrorX(double y) const override;
    double mirrorTopY() const override { return 999; }
    bool rayInFront(int i, double y0) const override;
    double reflectionHeight(double xh, double y0) const override;
    double normalSlope(double xh, double y0) const override;
};

}  // namespace lessons
