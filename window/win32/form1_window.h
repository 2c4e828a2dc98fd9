// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <string_view>

#include "window/form1_layout.h"
#include "window/form1_view.h"

struct IAccPropServices;

namespace ombrix {

inline constexpr int FirstControlId = 100;  // clear of IDOK and IDCANCEL, which dialog keys send

// Ombrix's only window on the Win32 API: the classic controls of USER32 and
// COMCTL32 at the layout table's places, in twips scaled by the window's DPI.
// Each control's id is FirstControlId plus its index in the table, by which
// tests and assistive technology find it (GetDlgItem). What they do is
// Form1's behaviour (window/commands.h), bound here.
class Form1Window : public Form1View {
public:
    // Creates the window with its controls, not yet shown.
    explicit Form1Window(HINSTANCE instance);
    ~Form1Window() override;
    Form1Window(const Form1Window&) = delete;
    Form1Window& operator=(const Form1Window&) = delete;

    // Shows the window and puts the focus in the table's start box.
    void Show(int showCommand);
    // Ends the thread's message loop when the window is destroyed (closed).
    void EndLoopWhenDestroyed() { endsLoop_ = true; }
    [[nodiscard]] HWND Handle() const { return window_; }

    // Takes one message of the thread's loop before it is dispatched: Return
    // (the keypad's Enter too) clicks a focused button and does nothing in a
    // box, and the dialog keys (Tab) move the focus. True where the message
    // was handled; otherwise the loop translates and dispatches it.
    bool PreTranslate(MSG& message);

    [[nodiscard]] std::string Text(Box box) const override;
    void SetText(Box box, std::string_view text) override;
    void SetResultNote(std::string_view note) override;
    void AnnounceResult(std::string_view text) override;
    void ShowErrorReport(const ErrorReport& report) override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls(HINSTANCE instance);
    void DescribeControls();
    void LayOut(UINT dpi);
    // Each label's visible part: its place less the boxes that cover it.
    void ClipLabels();
    // Gives the focus back to the control that had it when the window was
    // last deactivated (at first, the start box).
    void RestoreFocus();
    // The note under the result box while the box has the keyboard focus.
    void ShowNoteForFocus();
    [[nodiscard]] HWND BoxOf(Box box) const;
    // The table's entry for one of the window's controls; null for any other window.
    [[nodiscard]] const ControlPlace* EntryOf(HWND control) const;

    HWND window_ = nullptr;
    std::array<HWND, Form1Controls.size()> controls_{};
    HWND tooltip_ = nullptr;
    HWND focusBeforeDeactivation_ = nullptr;
    HFONT font_ = nullptr;
    UINT dpi_ = 96;
    std::wstring note_;
    IAccPropServices* accessibility_ = nullptr;
    bool endsLoop_ = false;
    bool settingText_ = false;
};

// Runs the thread's message loop for the window until it ends; returns the
// exit code of WM_QUIT.
int RunMessageLoop(Form1Window& form);

}  // namespace ombrix
