#include "bench/bench.h"

#include <algorithm>

namespace bench {

namespace {
std::vector<std::string>& failureList() {
    static std::vector<std::string> list;
    return list;
}
}  // namespace

double msSince(Clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

void fail(std::string what) { failureList().push_back(std::move(what)); }
const std::vector<std::string>& failures() { return failureList(); }

}  // namespace bench
