// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratio_reporter.h"

#include <cstdio>

#include "compute/quadrature_paths.h"

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
    const auto seconds = [this](const std::string& name) {
        const auto found = secondsPerIteration_.find(name);
        return found != secondsPerIteration_.end() ? found->second : 0.0;
    };
    const auto ratio = [](const std::string& name, double part, double whole) {
        if (part > 0 && whole > 0) std::printf("  %-36s %8.2f\n", name.c_str(), part / whole);
    };

    // Each path against the square roots at its own width; the quadrature
    // that ships against those of the path it takes.
    std::printf("\nRatios to BM_SqrtBound at the same width (real time, same run):\n");
    const std::string fastest = QuadraturePathName(FastestQuadraturePath());
    for (const QuadraturePath path : SupportedQuadraturePaths()) {
        const std::string name = QuadraturePathName(path);
        ratio("BM_QuadraturePath/" + name, seconds("BM_QuadraturePath/" + name), seconds("BM_SqrtBound/" + name));
    }
    for (const char* name : {"BM_SurfaceQuadrature", "BM_Compute"})
        ratio(std::string(name) + " (" + fastest + ")", seconds(name), seconds("BM_SqrtBound/" + fastest));

    std::printf("\nRatios to BM_SerialSumFloor (real time, same run):\n");
    for (const auto& [name, time] : secondsPerIteration_)
        if (name.rfind("BM_Val", 0) != 0) ratio(name, time, seconds("BM_SerialSumFloor"));
}

}  // namespace ombrix
