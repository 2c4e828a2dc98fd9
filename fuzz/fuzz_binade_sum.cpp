// SPDX-License-Identifier: GPL-3.0-or-later
// The integer sums of binade_sum.h on any non-negative finite sequence: the
// same bits as adding the terms one after another. The input is read as
// doubles, the first the total; signs are dropped, infinities and NaNs left out.
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "compute/binade_sum.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<double> values;
    for (std::size_t k = 0; k + sizeof(double) <= size; k += sizeof(double)) {
        double x = 0.0;
        std::memcpy(&x, data + k, sizeof x);
        if (std::isfinite(x)) values.push_back(std::abs(x));
    }
    if (values.empty()) return 0;
    const double total = values.front();
    const double* terms = values.data() + 1;
    const int count = static_cast<int>(values.size() - 1);
    const double serial = ombrix::binade::AddSerially(total, terms, count);
    const double blocked = ombrix::binade::Add<8>(total, terms, count);
    if (std::bit_cast<std::uint64_t>(serial) != std::bit_cast<std::uint64_t>(blocked)) std::abort();
    return 0;
}
