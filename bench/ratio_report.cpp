#include "ratio_report.h"

#include <cstdio>
#include <map>

namespace quindor::bench {

namespace {

class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                times_[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    const std::map<std::string, double>& times() const { return times_; }

private:
    std::map<std::string, double> times_;
};

} // namespace

int RunWithRatios(int argc, char** argv, const std::vector<RatioGoal>& goals) {
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    for (const RatioGoal& goal : goals) {
        const auto m = reporter.times().find(goal.measured);
        const auto b = reporter.times().find(goal.baseline);
        if (m == reporter.times().end() || b == reporter.times().end() || b->second <= 0.0)
            continue;
        const double ratio = (m->second / goal.measuredScale) / (b->second / goal.baselineScale);
        std::printf("ratio %s / %s = %.2f (goal <= %.2f) %s\n", goal.measured.c_str(),
                    goal.baseline.c_str(), ratio, goal.limit,
                    ratio <= goal.limit ? "ok" : "MISSED");
    }
    benchmark::Shutdown();
    return 0;
}

} // namespace quindor::bench
