// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/win32/dpi.h"

namespace ombrix {
namespace {

// A function of a system DLL, or null where this Windows lacks it. Through
// void (*)(), the one function type every other converts from without a
// warning.
template <typename Function>
Function* SystemFunction(HMODULE module, const char* name) {
    if (module == nullptr) return nullptr;
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

using GetDpiForWindowFunction = UINT WINAPI(HWND);
using AdjustWindowRectExForDpiFunction = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
using GetDpiForMonitorFunction = HRESULT WINAPI(HMONITOR, int, UINT*, UINT*);
constexpr int EffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

HMODULE User32() { return GetModuleHandleW(L"user32.dll"); }

// shcore.dll is Windows 8.1's; only System32's is taken.
HMODULE Shcore() {
    static const HMODULE shcore = LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return shcore;
}

UINT SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

}  // namespace

UINT WindowDpi(HWND window) {
    static auto* const forWindow = SystemFunction<GetDpiForWindowFunction>(User32(), "GetDpiForWindow");
    if (forWindow != nullptr) {
        if (const UINT dpi = forWindow(window); dpi != 0) return dpi;
    }
    static auto* const forMonitor = SystemFunction<GetDpiForMonitorFunction>(Shcore(), "GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (forMonitor != nullptr &&
        SUCCEEDED(forMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), EffectiveDpi, &x, &y)) && x != 0)
        return x;
    return SystemDpi();
}

RECT FrameFor(RECT client, DWORD style, UINT dpi) {
    static auto* const adjustForDpi =
        SystemFunction<AdjustWindowRectExForDpiFunction>(User32(), "AdjustWindowRectExForDpi");
    if (adjustForDpi == nullptr || !adjustForDpi(&client, style, FALSE, 0, dpi))
        AdjustWindowRectEx(&client, style, FALSE, 0);
    return client;
}

}  // namespace ombrix
