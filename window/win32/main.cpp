// SPDX-License-Identifier: GPL-3.0-or-later
// Ombrix.exe: the window, on the Win32 API. The command line is ignored.
#include <windows.h>  // first: the other Windows headers need it

#include <commctrl.h>
#include <objbase.h>

#include "window/win32/form1_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int showCommand) {
    // The accessibility properties are COM objects of this thread.
    (void)CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    int status = 0;
    {  // the window and its COM objects are gone before COM is
        ombrix::Form1Window form(instance);
        form.EndLoopWhenDestroyed();
        form.Show(showCommand);
        status = ombrix::RunMessageLoop(form);
    }
    CoUninitialize();
    return status;
}
