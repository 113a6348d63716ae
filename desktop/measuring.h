#pragma once
#include <cstdio>
#include <string>

namespace desktop {

// Switches for measuring the running program from outside, read once from the environment
// (see the README):
//   ORBELUNE_FRAME_LOG=FILE    every paint, handler run, beep, message box and edit, timed
//   ORBELUNE_FIRST_FRAME=exit  report the first paint on stdout, then end
//   ORBELUNE_START=FORM        open that form directly instead of the main menu
class Measuring {
public:
    Measuring();
    ~Measuring();
    Measuring(const Measuring&) = delete;
    Measuring& operator=(const Measuring&) = delete;

    // The form asked to start on, or "".
    const std::string& startForm() const { return start_; }

    // Times are milliseconds of the program's clock.
    void beep(double t, int ms);
    void messageBox(double opened, double closed);
    void typed(double t, const std::string& form, const std::string& box, const std::string& text);
    void handler(double start, double end, const std::string& form, const std::string& name);
    // True once, at the first paint, when the program is to end there.
    bool painted(double t, const std::string& form, bool busy);

private:
    FILE* log_ = nullptr;
    bool exitAfterFirst_ = false;
    bool firstPainted_ = false;
    std::string start_;
};

}  // namespace desktop
