// SPDX-License-Identifier: GPL-3.0-or-later
// The row kernels' integer sums on any non-negative finite sequence: the same
// bits as adding the terms one after another, on every kernel this processor
// runs. The input is read as doubles, the first the total, the rest at most
// one row of terms; signs are dropped, infinities and NaNs left out.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "compute/quadrature_paths.h"
#include "runtime/bit_cast.h"
#include "tests/row_terms.h"

namespace {

std::vector<ombrix::rows::RowAdder> kernels;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    using ombrix::QuadraturePath;
    for (const QuadraturePath path : ombrix::AllQuadraturePaths) {
        const ombrix::rows::RowAdder kernel = ombrix::rows::RowKernel(path);
        std::fprintf(stderr, "fuzz_binade_sum: %s kernel %s\n", ombrix::QuadraturePathName(path),
                     kernel != nullptr ? "checked" : "skipped, not on this processor");
        if (kernel != nullptr) kernels.push_back(kernel);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<double> values;
    for (std::size_t k = 0; k + sizeof(double) <= size; k += sizeof(double)) {
        double x = 0.0;
        std::memcpy(&x, data + k, sizeof x);
        if (std::isfinite(x)) values.push_back(std::abs(x));
    }
    if (values.empty()) return 0;
    const double total = values.front();
    const ombrix::testing_rows::TermRow row(std::span<const double>(values).subspan(1));
    const auto serial = ombrix::BitCast<std::uint64_t>(row.AddSerially(total));
    for (const ombrix::rows::RowAdder kernel : kernels)
        if (ombrix::BitCast<std::uint64_t>(row.AddThrough(kernel, total)) != serial) std::abort();
    return 0;
}
