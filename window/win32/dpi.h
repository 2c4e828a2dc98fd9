// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

namespace ombrix {

// The DPI of the monitor a window is on, as far as this Windows knows it:
// the window's own from Windows 10 version 1607 on, its monitor's from
// Windows 8.1 on, the system's on Windows 7. Each function newer than
// Windows 7 is looked up as the program runs, so that Ombrix.exe starts on
// every Windows from 7 SP1 on.
UINT WindowDpi(HWND window);

// The frame around a client area of `client` for a window of that style at
// that DPI; the system's metrics where Windows cannot scale them to a DPI.
RECT FrameFor(RECT client, DWORD style, UINT dpi);

}  // namespace ombrix
