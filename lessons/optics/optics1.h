#pragma once
#include "lessons/optics/mirror.h"

namespace lessons {

// Reflection at a concave circular mirror: rays near the centre line cross it near R/2, rays
// farther out cross it nearer the mirror.
class optics1 : public MirrorLesson {
    ORBELUNE_WORDS(optics1)

public:
    explicit optics1(scene::Program& program, const shell::Place& place);

    scene::ControlArray<scene::Label> Label2{"Label2"};
    scene::ControlArray<scene::LineControl> Line2{"Line2"};

protected:
    void prepare() override;
    double mirrorX(double y) const override;
    double mirrorTopY() const override { return 1000; }
    bool rayInFront(int i, double y0) const override;
    double reflectionHeight(double xh, double y0) const override;
    double normalSlope(double xh, double y0) const override;
};

}  // namespace lessons
