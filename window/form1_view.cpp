// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form1_view.h"

#include "window/commands.h"

namespace ombrix {

void Form1View::Exit() { ExitProgram(); }

}  // namespace ombrix
