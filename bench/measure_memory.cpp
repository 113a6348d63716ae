// Resident memory of the headless driver after every lesson once.
#include <cstdio>
#include <fstream>

#include "bench/measurements.h"
#include "tools/driver/driver.h"

namespace bench {

void measureHeadlessMemory(const Run& run, driver::Json& out) {
    double rss = -1;
    {
        driver::Session s;
        std::string err;
        for (auto& f : run.lessons) {
            if (auto* form = s.program().form(f)) s.program().show(*form);
            s.run(std::nullopt, {}, err);
        }
        std::ifstream in("/proc/self/status");
        std::string line;
        while (std::getline(in, line))
            if (line.rfind("VmRSS:", 0) == 0) {
                rss = std::stod(line.substr(6)) / 1024.0;
                break;
            }
    }
    out["rss_mb_headless"] = rss;
    if (!run.json)
        std::printf(
            "resident memory of this benchmark after every lesson once (headless driver): %.1f "
            "MB\n",
            rss);
}

}  // namespace bench
