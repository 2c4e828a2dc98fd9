// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/program_end.h"

#include <cstdio>
#include <cstdlib>

namespace ombrix {

void EndProgram() {
    (void)std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

}  // namespace ombrix
