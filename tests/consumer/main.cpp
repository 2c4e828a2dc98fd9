// SPDX-License-Identifier: GPL-3.0-or-later
#include <compute/compute_command.h>
#include <runtime/number_text.h>

#include <cstdio>

int main() {
    if (ombrix::RunComputeCommand("1", "1", "1") != "12.566370614362") return 1;
    const auto axes = ombrix::ReadSemiAxes("3", "2", "1");
    if (!axes || ombrix::NumberText(ombrix::SurfaceArea(*axes)) != ombrix::RunComputeCommand("3", "2", "1")) return 2;
    if (ombrix::ReadSemiAxes("0", "1", "1")) return 5;
    try {
        ombrix::RunComputeCommand("1e200", "1", "1");
        return 3;
    } catch (const ombrix::RuntimeError& error) {
        std::printf("%d %s\n", error.number(), error.message().c_str());
        return error.number() == 6 ? 0 : 4;
    }
}
