// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ombrix {

// Ends the program at once with exit status 0: the standard streams are
// flushed, and no further code of the program runs (no destructors, no
// handlers). Ombrix keeps nothing between runs, so nothing is lost.
[[noreturn]] void EndProgram();

}  // namespace ombrix
