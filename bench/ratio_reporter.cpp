// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratio_reporter.h"

#include <cstdio>

namespace ombrix {

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        // With repetitions, the median stands for the benchmark.
        const bool aggregate = run.run_type == Run::RT_Aggregate;
        if (aggregate && run.aggregate_name != "median") continue;
        if (run.iterations == 0) continue;
        secondsPerIteration_[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
}

void RatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    for (const char* base : {"BM_SqrtBound", "BM_SerialSumFloor"}) {
        const auto reference = secondsPerIteration_.find(base);
        if (reference == secondsPerIteration_.end() || reference->second <= 0) continue;
        std::printf("\nRatios to %s (real time, same run):\n", base);
        for (const auto& [name, seconds] : secondsPerIteration_) {
            if (name.rfind("BM_Val", 0) == 0) continue;
            std::printf("  %-36s %8.2f\n", name.c_str(), seconds / reference->second);
        }
    }
}

}  // namespace ombrix
