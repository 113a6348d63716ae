#include "desktop/measuring.h"

#include <cstdlib>
#include <cstring>

namespace desktop {

Measuring::Measuring() {
    if (const char* path = std::getenv("ORBELUNE_FRAME_LOG"); path && *path)
        log_ = std::fopen(path, "w");
    if (const char* first = std::getenv("ORBELUNE_FIRST_FRAME"))
        exitAfterFirst_ = std::strcmp(first, "exit") == 0;
    if (const char* name = std::getenv("ORBELUNE_START")) start_ = name;
}

Measuring::~Measuring() {
    if (log_) std::fclose(log_);
}

void Measuring::beep(double t, int ms) {
    if (log_) std::fprintf(log_, "beep %.3f %d\n", t, ms);
}

void Measuring::messageBox(double opened, double closed) {
    if (log_) std::fprintf(log_, "msgbox %.3f %.3f\n", opened, closed);
}

void Measuring::typed(double t, const std::string& form, const std::string& box,
                      const std::string& text) {
    if (!log_) return;
    std::fprintf(log_, "type %.3f %s %s %s\n", t, form.c_str(), box.c_str(), text.c_str());
    std::fflush(log_);
}

void Measuring::handler(double start, double end, const std::string& form,
                        const std::string& name) {
    if (!log_) return;
    std::fprintf(log_, "handler %.3f %.3f %s %s\n", start, end, form.c_str(), name.c_str());
    std::fflush(log_);
}

bool Measuring::painted(double t, const std::string& form, bool busy) {
    if (log_) {
        std::fprintf(log_, "paint %.3f %s %d\n", t, form.c_str(), int(busy));
        std::fflush(log_);  // the measuring script may stop the program at any moment
    }
    if (!exitAfterFirst_ || firstPainted_) return false;
    firstPainted_ = true;
    std::printf("first-frame %.3f\n", t);
    std::fflush(stdout);
    return true;
}

}  // namespace desktop
