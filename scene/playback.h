#pragma once
#include <array>
#include <optional>

namespace scene {

class Program;

// The program clock: the time timers, paced frames and beeps run on. It follows the wall clock
// (Platform::now()) at the chosen speed and stands still while paused. Until the speed or the
// pause is first changed it reads exactly the wall clock, so a program played at normal speed
// keeps the very same times.
class ProgramClock {
public:
    // The speeds a teacher can choose, slowest first; powers of two, so that converting between
    // wall and program time loses nothing.
    static constexpr std::array<double, 5> kSpeeds{0.25, 0.5, 1, 2, 4};
    static constexpr int kNormal = 2;  // index of speed 1

    double at(double wall) const {
        return paused_ ? origin_ : origin_ + (wall - wallOrigin_) * speed();
    }
    // The earliest wall time at which the clock shows t or more; none while paused.
    std::optional<double> wallAt(double t) const;

    bool paused() const { return paused_; }
    double speed() const { return kSpeeds[std::size_t(speedIndex_)]; }
    int speedIndex() const { return speedIndex_; }

    void pause(double wall);
    void resume(double wall);
    void setSpeedIndex(int i, double wall);
    // While paused, moves the clock on by ms at once.
    void advancePaused(double ms);
    // Shows program time t at wall time `wall`, paused or not (a seek has landed there).
    void jumpTo(double t, double wall) {
        origin_ = t;
        wallOrigin_ = wall;
    }

private:
    void rebase(double wall);

    double origin_ = 0;      // program time at wallOrigin_
    double wallOrigin_ = 0;  // wall time at which the current rate began
    int speedIndex_ = kNormal;
    bool paused_ = false;
};

// When a long handler's paced frames are shown, on the program clock: one is due every kFrameMs,
// and a late one does not make the next ones rush. Faster than normal, several fall within one
// display frame and only the last is shown; paused, every one is held, so Next Frame goes one at
// a time. The front ends present a frame and hold the handler until it is due.
class FramePacer {
public:
    // The program time at which this frame is due, or none when it passes unshown.
    std::optional<double> next(const Program& p);
    // The handler was held for the frame due at `due`.
    void held(const Program& p, double due);

private:
    double lastFrame_ = 0;    // program time the last frame was due
    double presentedAt_ = 0;  // program time of the last frame shown
};

}  // namespace scene
