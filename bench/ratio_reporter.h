// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace ombrix {

// The console report, followed by the quadrature's times as ratios to the
// bound its square roots set and to the floor of a serial sum, all measured
// in the same run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    std::map<std::string, double> secondsPerIteration_;
};

}  // namespace ombrix
