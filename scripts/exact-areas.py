#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes tests/exact_areas.h: the surface areas of a table of ellipsoids to
40 significant digits, for the test of ExactSurfaceArea. Each area is
4 pi R_G(a^2 b^2, a^2 c^2, b^2 c^2) (Carlson), computed by mpmath at 256 bits
for the semi-axes exactly as the doubles below, and kept as the sum of two
doubles (the nearest double and the nearest double to the rest).

    scripts/exact-areas.py [OUTPUT]    (default: tests/exact_areas.h)
Needs python3-mpmath.
"""
import sys

import mpmath

mpmath.mp.prec = 256

# Spheres, prolate and oblate spheroids, needles, near-flat discs, triaxial
# shapes, flat ellipses and the extreme magnitudes.
SHAPES = [
    (1, 1, 1), (5, 5, 5), (1e-150, 1e-150, 1e-150), (1e150, 1e150, 1e150),
    (2, 1, 1), (1, 1, 2), (10, 3, 3), (1000, 1, 1), (1e6, 1, 1), (1e100, 1e-100, 1e-100),
    (2, 2, 1), (1, 3, 3), (7, 7, 0.5), (1, 1, 0.001), (1, 1, 1e-6), (1, 1, 1e-12),
    (3, 2, 1), (1, 2, 3), (5, 4, 3), (2, 1.5, 0.2), (1, 0.001, 1e-6), (0.3, 0.7, 123.456),
    (1e-150, 2e-150, 3e-150), (1.5e150, 2e150, 3e149), (1e150, 1, 1e-150),
    (1, 1, 0), (2, 3, 0), (1e-100, 3e100, 0),
]


def exact_area(a, b, c):
    a, b, c = mpmath.mpf(a), mpmath.mpf(b), mpmath.mpf(c)
    if c == 0:
        return 2 * mpmath.pi * a * b
    return 4 * mpmath.pi * mpmath.elliprg(a * a * b * b, a * a * c * c, b * b * c * c)


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else "tests/exact_areas.h"
    lines = [
        "// SPDX-License-Identifier: GPL-3.0-or-later",
        "#pragma once",
        "",
        "// Surface areas of ellipsoids to 40 significant digits, each kept as the sum",
        "// of two doubles. Written by scripts/exact-areas.py (mpmath); do not edit.",
        "",
        "namespace ombrix::test {",
        "",
        "struct ExactArea {",
        "    double a, b, c;",
        "    double area, rest;  // the area is area + rest",
        "};",
        "",
        "// clang-format off",
        "inline constexpr ExactArea ExactAreas[] = {",
    ]
    for a, b, c in SHAPES:
        a, b, c = float(a), float(b), float(c)
        area = exact_area(a, b, c)
        hi = float(area)
        lo = float(area - mpmath.mpf(hi))
        lines.append(f"    {{{a!r}, {b!r}, {c!r}, {hi.hex()}, {lo.hex()}}},  // {mpmath.nstr(area, 40)}")
    lines += ["};", "// clang-format on", "", "}  // namespace ombrix::test", ""]
    with open(output, "w", encoding="utf-8") as out:
        out.write("\n".join(lines))


if __name__ == "__main__":
    main()
