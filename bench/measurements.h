#pragma once
// The measurements of orbelune-bench, in the order it takes them. Each prints its table (unless
// the run is --json) and adds its keys to `out`.
#include <map>
#include <string>

#include "bench/bench.h"
#include "tools/driver/json.h"

namespace bench {

struct ScriptTimes {
    std::map<std::string, double> flightMs;   // form -> time in the ticks that presented frames
    std::map<std::string, double> scriptEnd;  // form -> virtual time of the paced script's end
};

// Every form's whole script: through the driver, segments only, and painted at 1920 x 1080.
ScriptTimes measureScripts(const Run& run, driver::Json& out);
// The bare orbit physics against the same flights played by the lessons.
void measurePhysics(const Run& run, const std::map<std::string, double>& flightMs,
                    driver::Json& out);
// Presenting a frame at 1920 x 1080 after few and after very many segments.
void measurePresent(const Run& run, driver::Json& out);
// Resident memory of the headless driver after every lesson once.
void measureHeadlessMemory(const Run& run, driver::Json& out);
// In a real X display: start to first frame, against a bare Qt program.
void measureStartup(const Run& run, driver::Json& out);
// In a real X display: frame pacing, idle cost and resident memory of the real program.
void measureDesktop(const Run& run, const std::map<std::string, double>& scriptEnd,
                    driver::Json& out);
// In a real X display: 10 seconds paused in the middle of an animation, and every in-tick
// animation's frame rate at speed 4.
void measurePlayback(const Run& run, const std::map<std::string, double>& scriptEnd,
                     driver::Json& out);

}  // namespace bench
