#pragma once

#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

namespace quindor::bench {

// A goal: the mean time of `measured` divided by that of `baseline` (both run in the same
// process) should be at most `limit`. With scales, each time is first divided by its scale
// (the amount of work, to compare time per word, per object, ...).
struct RatioGoal {
    std::string measured;
    std::string baseline;
    double limit;
    double measuredScale = 1.0;
    double baselineScale = 1.0;
};

// Runs every registered benchmark with the console reporter, then prints one line per goal:
// "ratio <measured> / <baseline> = 0.63 (goal <= 0.80) ok". Returns 0; goals are reported,
// not enforced, because timings on a shared machine are no test.
int RunWithRatios(int argc, char** argv, const std::vector<RatioGoal>& goals);

} // namespace quindor::bench
