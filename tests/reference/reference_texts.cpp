// SPDX-License-Identifier: GPL-3.0-or-later
// The oracle as a program, for tests that drive Ombrix from outside C++ (the
// web page's): given texts of the three boxes, three arguments a click,
// prints a line for each click with the text the result box must show, or
// "error N" for the runtime error the click must report.
#include <iostream>

#include "runtime/runtime_error.h"
#include "tests/reference/reference_compute.h"

int main(int argc, char* argv[]) {
    if (argc % 3 != 1) {
        std::cerr << "usage: ombrix_reference_texts [TEXT1 TEXT2 TEXT3]...\n";
        return 2;
    }
    for (int k = 1; k + 2 < argc; k += 3) {
        try {
            std::cout << ombrix::ReferenceResultText(argv[k], argv[k + 1], argv[k + 2]) << "\n";
        } catch (const ombrix::RuntimeError& error) {
            std::cout << "error " << error.number() << "\n";
        }
    }
    return 0;
}
