#include "scene/timeline.h"

namespace scene {

namespace {
// Within this much of a stage's start, Previous Stage goes to the one before [program ms].
constexpr double kJustBegunMs = 1000;
// Times within this are the same moment: a seek lands on a stage's start, not a hair after.
constexpr double kSameMs = 1e-6;
}  // namespace

double previousStage(const Timeline& t, double position) {
    double to = 0;
    for (const Stage& s : t.stages)
        if (s.t < position - kJustBegunMs) to = s.t;
    return to;
}

double nextStage(const Timeline& t, double position) {
    for (const Stage& s : t.stages)
        if (s.t > position + kSameMs) return s.t;
    return t.lengthMs;
}

}  // namespace scene
