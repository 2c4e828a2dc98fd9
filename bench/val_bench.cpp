// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <string>

#include "runtime/runtime_error.h"
#include "runtime/val.h"

namespace ombrix {
namespace {

// Val on hostile texts of 2^k characters: time per character must stay flat.
void BM_ValLongText(benchmark::State& state, char fill, const char* prefix) {
    const std::string text = prefix + std::string(static_cast<std::size_t>(state.range(0)), fill) + "1";
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(Val(text));
        } catch (const RuntimeError&) {
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
    state.SetComplexityN(state.range(0));
}
BENCHMARK_CAPTURE(BM_ValLongText, Digits, '7', "")->Range(1 << 10, 1 << 20)->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(BM_ValLongText, Fraction, '3', "0.")->Range(1 << 10, 1 << 20)->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(BM_ValLongText, Blanks, ' ', "")->Range(1 << 10, 1 << 20)->Complexity(benchmark::oN);

}  // namespace
}  // namespace ombrix
