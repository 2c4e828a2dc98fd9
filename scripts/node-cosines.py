#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes compute/node_cosines.h: the correctly rounded cosines of the
quadrature's 1001 nodes j*h, j = 0..1000, where h = PiLiteral / 2000 and both
h and j*h are the doubles the program computes (Python's floats are the same
IEEE doubles, each operation rounded once). The cosines are computed with
mpmath at 256 bits and rounded to the nearest double.

    scripts/node-cosines.py [OUTPUT]    (default: compute/node_cosines.h)
Needs python3-mpmath.
"""
import math
import sys

import mpmath

mpmath.mp.prec = 256

PI_LITERAL = 3.14159265358979
INTERVALS = 1000


def nearest_double(exact):
    """The double nearest to the mpmath number `exact`."""
    guess = float(exact)
    candidates = (math.nextafter(guess, -math.inf), guess, math.nextafter(guess, math.inf))
    return min(candidates, key=lambda d: abs(mpmath.mpf(d) - exact))


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else "compute/node_cosines.h"
    step = PI_LITERAL / (2 * INTERVALS)
    lines = [
        "// SPDX-License-Identifier: GPL-3.0-or-later",
        "#pragma once",
        "",
        "// The correctly rounded cosines of the quadrature's nodes j h, j = 0 ... 1000,",
        "// h = PiLiteral / 2000, each j h rounded to a double as the program forms it.",
        "// Written by scripts/node-cosines.py (mpmath, 256 bits); do not edit.",
        "",
        "#include <array>",
        "",
        "namespace ombrix {",
        "",
        "// clang-format off",
        f"inline constexpr std::array<double, {INTERVALS + 1}> NodeCosines = {{",
    ]
    for j in range(INTERVALS + 1):
        node = j * step
        lines.append(f"    {nearest_double(mpmath.cos(mpmath.mpf(node))).hex()},  // j = {j}")
    lines += ["};", "// clang-format on", "", "}  // namespace ombrix", ""]
    with open(output, "w", encoding="utf-8") as out:
        out.write("\n".join(lines))


if __name__ == "__main__":
    main()
