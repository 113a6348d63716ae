#pragma once
// What every measurement of orbelune-bench shares: the run's settings, a clock, and the list of
// what could not be measured.
#include <chrono>
#include <string>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;
double msSince(Clock::time_point t0);
double median(std::vector<double> v);

// Something could not be measured; any of it makes the run fail, so no table hides a gap.
void fail(std::string what);
const std::vector<std::string>& failures();

struct Run {
    bool json = false;                 // one JSON object instead of the tables
    int repeat = 3;                    // best of this many runs where a run is timed
    std::vector<std::string> forms;    // every form, in course order
    std::vector<std::string> lessons;  // the lesson forms among them
    std::vector<std::string> only;     // --lessons: the forms played on the desktop
};

}  // namespace bench
