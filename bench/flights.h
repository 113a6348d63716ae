#pragma once
#include <string>
#include <vector>

namespace bench {

// Counts the steps of a bare flight loop and folds its points into a sum the optimiser must keep.
struct Tally {
    long steps = 0;
    double sink = 0;
    void add(double x, double y) {
        ++steps;
        sink += x * 1e-9 + y * 1e-12;
    }
};

// The flights of one orbit lesson, flown without the scene.
struct FlightSet {
    std::string form;
    void (*fly)(Tally&);
};
const std::vector<FlightSet>& flightSets();

}  // namespace bench
