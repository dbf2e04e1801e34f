#pragma once

#include <string>
#include <vector>

namespace quindor::bench {

// One run of a program as a process of its own.
struct ProcessSample {
    double seconds = 0;       // wall time from start to end
    double cpuSeconds = 0;    // user and system time of the process
    double peakMegabytes = 0; // peak resident memory as the kernel reports it
};

// Starts the command (its output discarded unless keepOutput) and waits for its end;
// false when it cannot be started or ends with a failure. The peak memory the kernel reports
// for a child includes the peak of the process it was started from, so a measuring process
// must stay small.
bool RunProcess(const std::vector<std::string>& command, ProcessSample& sample,
                bool keepOutput = false);

double Median(std::vector<double> values);

// "ratio <measured> / <baseline> = 0.63 (goal <= 0.80) ok", as the other benchmarks print.
void PrintRatio(const std::string& measured, const std::string& baseline, double ratio,
                double goal);

} // namespace quindor::bench
