// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "compute/compute_command.h"
#include "compute/quadrature_paths.h"
#include "compute/surface_quadrature.h"
#include "ratio_reporter.h"
#include "sqrt_bound.h"
#include "tests/reference/reference_quadrature.h"

namespace ombrix {
namespace {

constexpr int kTerms = 1001 * 1001;  // the quadrature's node pairs

void BM_SurfaceQuadrature(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(SurfaceQuadrature(3, 2, 1));
}
BENCHMARK(BM_SurfaceQuadrature)->Unit(benchmark::kMillisecond);

void BM_ReferenceQuadrature(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(ReferenceQuadrature(3, 2, 1));
}
BENCHMARK(BM_ReferenceQuadrature)->Unit(benchmark::kMillisecond);

// 1,002,001 dependent additions, each waiting for the one before: the floor
// of a quadrature that adds its terms one after another.
void BM_SerialSumFloor(benchmark::State& state) {
    std::vector<double> terms(kTerms);
    for (int k = 0; k < kTerms; ++k) terms[static_cast<std::size_t>(k)] = 1.0 + 1.0 / (k + 1);
    for (auto _ : state) {
        double total = 0.0;
        for (const double t : terms) total = t + total;
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_SerialSumFloor)->Unit(benchmark::kMillisecond);

// What a click computes: the area, the exact area, their texts and the note.
void BM_Compute(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Compute("3", "2", "1"));
}
BENCHMARK(BM_Compute)->Unit(benchmark::kMillisecond);

void BM_QuadraturePath(benchmark::State& state, QuadraturePath path) {
    for (auto _ : state) benchmark::DoNotOptimize(SurfaceQuadratureOn(path, 3, 2, 1));
}

// The bound: 1,002,001 square roots at the path's vector width, one core.
void BM_SqrtBound(benchmark::State& state, QuadraturePath path) {
    for (auto _ : state) benchmark::DoNotOptimize(SqrtBound(path));
}

// Each path the processor has, beside the bound at its own width.
void RegisterPaths() {
    for (const QuadraturePath path : SupportedQuadraturePaths()) {
        const std::string name = QuadraturePathName(path);
        benchmark::RegisterBenchmark(("BM_QuadraturePath/" + name).c_str(), BM_QuadraturePath, path)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_SqrtBound/" + name).c_str(), BM_SqrtBound, path)
            ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace
}  // namespace ombrix

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    ombrix::RegisterPaths();
    ombrix::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
