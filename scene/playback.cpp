#include "scene/playback.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "scene/pointer.h"
#include "scene/program.h"

namespace scene {

std::optional<double> ProgramClock::wallAt(double t) const {
    if (paused_) return std::nullopt;
    double w = wallOrigin_ + (t - origin_) / speed();
    // The subtraction may round down by an ulp: a timer woken at w must find itself due.
    while (at(w) < t) w = std::nextafter(w, std::numeric_limits<double>::infinity());
    return w;
}

void ProgramClock::rebase(double wall) {
    origin_ = at(wall);
    wallOrigin_ = wall;
}

void ProgramClock::pause(double wall) {
    if (paused_) return;
    rebase(wall);
    paused_ = true;
}

void ProgramClock::resume(double wall) {
    if (!paused_) return;
    wallOrigin_ = wall;
    paused_ = false;
}

void ProgramClock::setSpeedIndex(int i, double wall) {
    i = std::clamp(i, 0, int(kSpeeds.size()) - 1);
    if (i == speedIndex_) return;
    rebase(wall);
    speedIndex_ = i;
}

void ProgramClock::advancePaused(double ms) {
    if (paused_) origin_ += ms;
}

std::optional<double> FramePacer::next(const Program& p) {
    // Tolerances are a display frame and a millisecond of real time, on the program clock.
    const double display = kFrameMs * p.speed();
    double next = lastFrame_ + kFrameMs;
    // Neither after a late frame nor after a seek back in time does the next one wait long.
    if (const double t = p.time(); next < t - display || next > t + display + kFrameMs) next = t;
    if (!p.paused() && next < presentedAt_ + display - 1e-6 && next >= presentedAt_) {
        lastFrame_ = next;
        return std::nullopt;
    }
    presentedAt_ = next;
    return next;
}

void FramePacer::held(const Program& p, double due) {
    lastFrame_ = std::max(due, p.time() - p.speed());
}

}  // namespace scene
