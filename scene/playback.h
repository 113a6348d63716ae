#pragma once
#include <array>
#include <optional>

namespace scene {

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

private:
    void rebase(double wall);

    double origin_ = 0;      // program time at wallOrigin_
    double wallOrigin_ = 0;  // wall time at which the current rate began
    int speedIndex_ = kNormal;
    bool paused_ = false;
};

}  // namespace scene
