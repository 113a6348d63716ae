#pragma once
#include <string>
#include <vector>

namespace scene {

// A stage of a page's demonstration: when it begins [program ms since the page's run began] and
// its name, worded for the people watching.
struct Stage {
    double t = 0;
    std::string name;
};

// A page's demonstration as it plays untouched from its start on the program clock, paced as
// the desktop shows it: how long it lasts until its last change, and its stages in order.
struct Timeline {
    double lengthMs = 0;
    std::vector<Stage> stages;
};

// Where Previous Stage and Next Stage go from `position`: the start of the stage before (of the
// one before that within its first second, as a player's previous track does; else the very
// start), or of the next one (else the end).
double previousStage(const Timeline& t, double position);
double nextStage(const Timeline& t, double position);

}  // namespace scene
