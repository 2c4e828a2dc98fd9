// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/win32/form1_window.h"

#include <commctrl.h>
#include <initguid.h>  // defines the accessibility property GUIDs below
#include <oleacc.h>

#include "window/commands.h"
#include "window/error_report.h"
#include "window/win32/dpi.h"

namespace ombrix {
namespace {

constexpr wchar_t WindowClass[] = L"OmbrixForm1";
constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr UINT_PTR FocusNoteTool = 1;  // the tooltip's second tool; the first is the result box's handle

// UI Automation's notification, which a screen reader speaks without the
// focus moving: Windows 10 version 1709 and later. Looked up at run time, so
// that Windows 7 starts and stays silent.
constexpr int NotificationKindActionCompleted = 2;
constexpr int NotificationProcessingImportantMostRecent = 1;
struct NotificationEvents {
    HRESULT(WINAPI* hostProvider)(HWND, IUnknown**) = nullptr;
    HRESULT(WINAPI* raise)(IUnknown*, int, int, BSTR, BSTR) = nullptr;
};

const NotificationEvents& UiaNotifications() {
    static const NotificationEvents events = [] {
        NotificationEvents found;
        wchar_t path[MAX_PATH] = {};
        const UINT length = GetSystemDirectoryW(path, MAX_PATH);
        if (length == 0 || length > MAX_PATH - 32) return found;
        lstrcatW(path, L"\\UIAutomationCore.dll");
        HMODULE core = LoadLibraryW(path);  // kept for the program's life
        if (core == nullptr) return found;
        found.hostProvider = reinterpret_cast<decltype(found.hostProvider)>(
            reinterpret_cast<void*>(GetProcAddress(core, "UiaHostProviderFromHwnd")));
        found.raise = reinterpret_cast<decltype(found.raise)>(
            reinterpret_cast<void*>(GetProcAddress(core, "UiaRaiseNotificationEvent")));
        if (found.hostProvider == nullptr) found.raise = nullptr;
        return found;
    }();
    return events;
}

std::wstring Wide(std::string_view text) {
    if (text.empty()) return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

std::string Utf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size, nullptr, nullptr);
    return utf8;
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

int CALLBACK NoteFound(const LOGFONTW* /*font*/, const TEXTMETRICW* /*metrics*/, DWORD /*type*/, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

// The first of Form1's font faces that this system has.
std::wstring FontFace() {
    HDC screen = GetDC(nullptr);
    std::wstring chosen;
    for (const std::string_view family : Form1FontFamilies) {
        LOGFONTW wanted{};
        wanted.lfCharSet = DEFAULT_CHARSET;
        lstrcpynW(wanted.lfFaceName, Wide(family).c_str(), LF_FACESIZE);
        bool found = false;
        EnumFontFamiliesExW(screen, &wanted, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
        if (found) {
            chosen = Wide(family);
            break;
        }
    }
    ReleaseDC(nullptr, screen);
    return chosen.empty() ? L"SimSun" : chosen;
}

// The one button of a message box, renamed as it is shown: the classic report
// reads 确定 on every display language.
thread_local HHOOK renameHook = nullptr;
thread_local std::wstring buttonCaption;

BOOL CALLBACK RenameShownButton(HWND child, LPARAM /*unused*/) {
    wchar_t kind[16] = {};
    GetClassNameW(child, kind, 16);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
    if (lstrcmpiW(kind, L"Button") == 0 && (style & WS_VISIBLE) != 0) SetWindowTextW(child, buttonCaption.c_str());
    return TRUE;
}

LRESULT CALLBACK RenameButton(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        EnumChildWindows(reinterpret_cast<HWND>(wParam), RenameShownButton, 0);
        UnhookWindowsHookEx(renameHook);
        renameHook = nullptr;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A box keeps the first line of a pasted text, as one edit that EM_UNDO takes back.
LRESULT CALLBACK PasteFirstLine(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message != WM_PASTE) return DefSubclassProc(box, message, wParam, lParam);
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(box)) return 0;
    std::wstring pasted;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
            pasted = text;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    const std::wstring line(FirstLine(std::wstring_view(pasted)));
    SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(line.c_str()));
    return 0;
}

}  // namespace

Form1Window::Form1Window(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = WindowClass;
    RegisterClassExW(&windowClass);  // fails harmlessly for a second window

    CreateWindowExW(0, WindowClass, Wide(Form1Caption).c_str(), WindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0,
                    nullptr, nullptr, instance, this);
    CreateControls(instance);
    DescribeControls();
    // The frame is sized for the DPI of the monitor the window is on, as the controls are.
    LayOut(WindowDpi(window_));
    const RECT frame = FrameFor({0, 0, TwipsToPixels(Form1ClientWidth, static_cast<int>(dpi_)),
                                 TwipsToPixels(Form1ClientHeight, static_cast<int>(dpi_))},
                                WindowStyle, dpi_);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Form1Window::~Form1Window() {
    if (accessibility_ != nullptr) accessibility_->Release();
    if (window_ != nullptr) {
        endsLoop_ = false;
        DestroyWindow(window_);
    }
    if (font_ != nullptr) DeleteObject(font_);
}

void Form1Window::CreateControls(HINSTANCE instance) {
    for (std::size_t k = 0; k < Form1Controls.size(); ++k) {
        const ControlPlace& place = Form1Controls[k];
        const wchar_t* kind = L"STATIC";
        DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
        DWORD extended = 0;
        switch (place.kind) {
        case ControlKind::Label: style |= SS_LEFT | SS_NOPREFIX; break;
        case ControlKind::TextBox:
            kind = L"EDIT";
            style |= WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
            extended = WS_EX_CLIENTEDGE;
            break;
        case ControlKind::Button:
            kind = L"BUTTON";
            style |= WS_TABSTOP | BS_PUSHBUTTON;  // never BS_DEFPUSHBUTTON: no default button
            break;
        }
        // Created in tab order: the focus follows the order of creation.
        controls_[k] =
            CreateWindowExW(extended, kind, Wide(place.caption).c_str(), style, 0, 0, 0, 0, window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(FirstControlId + k)), instance, nullptr);
        if (place.kind == ControlKind::TextBox) {
            SendMessageW(controls_[k], EM_SETLIMITTEXT, BoxTextLimit, 0);
            SetWindowSubclass(controls_[k], PasteFirstLine, 0, 0);
        }
    }
    // Each label stands just before its box in the window order, as in a
    // dialog template: Windows names a box after the static text before it.
    // The tab order, which skips the labels, stays the table's.
    for (std::size_t k = 0; k < Form1Controls.size(); ++k) {
        if (Form1Controls[k].kind != ControlKind::Label) continue;
        const HWND before = GetWindow(BoxOf(*Form1Controls[k].box), GW_HWNDPREV);
        if (before != controls_[k])
            SetWindowPos(controls_[k], before != nullptr ? before : HWND_TOP, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }

    tooltip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance, nullptr);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(BoxOf(ResultBox));
    tool.lpszText = note_.data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    // The same note for the keyboard, which cannot hover: placed by the
    // window under the result box while the box has the focus.
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.uId = FocusNoteTool;
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 600);  // two lines
}

// What a screen reader says beyond the captions, through the accessibility
// properties that Windows keeps for a window.
void Form1Window::DescribeControls() {
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void**>(&accessibility_)))) {
        accessibility_ = nullptr;
        return;
    }
    for (std::size_t k = 0; k < Form1Controls.size(); ++k) {
        const ControlPlace& place = Form1Controls[k];
        // A box is named by its label, whatever a screen reader makes of
        // the window order.
        if (place.kind == ControlKind::Label)
            accessibility_->SetHwndPropStr(BoxOf(*place.box), static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                           PROPID_ACC_NAME, Wide(place.caption).c_str());
        if (!place.accessibleName.empty())
            accessibility_->SetHwndPropStr(controls_[k], static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                           PROPID_ACC_NAME, Wide(place.accessibleName).c_str());
        if (!place.accessibleDescription.empty())
            accessibility_->SetHwndPropStr(controls_[k], static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                           PROPID_ACC_DESCRIPTION, Wide(place.accessibleDescription).c_str());
    }
}

void Form1Window::LayOut(UINT dpi) {
    dpi_ = dpi;
    HFONT font = CreateFontW(-MulDiv(Form1FontPoints, static_cast<int>(dpi), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                             FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, FontFace().c_str());
    const int perInch = static_cast<int>(dpi);
    for (std::size_t k = 0; k < Form1Controls.size(); ++k) {
        const ControlPlace& place = Form1Controls[k];
        SetWindowPos(controls_[k], nullptr, TwipsToPixels(place.left, perInch), TwipsToPixels(place.top, perInch),
                     TwipsToPixels(place.width, perInch), TwipsToPixels(place.height, perInch),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(controls_[k], WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    // Only now that no control uses it any more.
    if (font_ != nullptr) DeleteObject(font_);
    font_ = font;
    ClipLabels();
}

// A label stands above its box in the window order, so it would paint over
// the box where it reaches under it; its region leaves that part to the box.
void Form1Window::ClipLabels() {
    for (std::size_t k = 0; k < Form1Controls.size(); ++k) {
        if (Form1Controls[k].kind != ControlKind::Label) continue;
        RECT label{};
        GetWindowRect(controls_[k], &label);
        HRGN visible = CreateRectRgn(0, 0, label.right - label.left, label.bottom - label.top);
        for (std::size_t b = 0; b < Form1Controls.size(); ++b) {
            RECT box{};
            if (Form1Controls[b].kind != ControlKind::TextBox) continue;
            GetWindowRect(controls_[b], &box);
            HRGN covered = CreateRectRgn(box.left - label.left, box.top - label.top, box.right - label.left,
                                         box.bottom - label.top);
            CombineRgn(visible, visible, covered, RGN_DIFF);
            DeleteObject(covered);
        }
        SetWindowRgn(controls_[k], visible, TRUE);  // the window owns the region from here on
    }
}

void Form1Window::Show(int showCommand) {
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    SetFocus(BoxOf(StartFocus));
}

HWND Form1Window::BoxOf(Box box) const { return controls_[ombrix::PlaceOf(box)]; }

const ControlPlace* Form1Window::EntryOf(HWND control) const {
    if (control == nullptr || GetParent(control) != window_) return nullptr;
    const int id = GetDlgCtrlID(control) - FirstControlId;
    if (id < 0 || id >= static_cast<int>(Form1Controls.size())) return nullptr;
    return controls_[static_cast<std::size_t>(id)] == control ? &Form1Controls[static_cast<std::size_t>(id)] : nullptr;
}

bool Form1Window::PreTranslate(MSG& message) {
    if (window_ == nullptr || (message.hwnd != window_ && !IsChild(window_, message.hwnd))) return false;
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
        // Not the dialog manager's Enter, which would click a default button
        // (there is none) or send IDOK: the focused button is clicked, and
        // in a box nothing happens.
        const ControlPlace* place = EntryOf(message.hwnd);
        if (place != nullptr && place->command) SendMessageW(message.hwnd, BM_CLICK, 0, 0);
        return true;
    }
    return IsDialogMessageW(window_, &message) != FALSE;
}

std::string Form1Window::Text(Box box) const { return Utf8(WindowText(BoxOf(box))); }

void Form1Window::SetText(Box box, std::string_view text) {
    settingText_ = true;  // the EN_CHANGE that follows is not the user's
    SetWindowTextW(BoxOf(box), Wide(text).c_str());
    settingText_ = false;
}

void Form1Window::SetResultNote(std::string_view note) {
    note_ = Wide(note);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(BoxOf(ResultBox));
    tool.lpszText = note_.data();
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    tool.uId = FocusNoteTool;
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    ShowNoteForFocus();
    if (accessibility_ != nullptr) {
        if (note_.empty()) {
            const MSAAPROPID description = PROPID_ACC_DESCRIPTION;
            accessibility_->ClearHwndProps(BoxOf(ResultBox), static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                           &description, 1);
        } else {
            accessibility_->SetHwndPropStr(BoxOf(ResultBox), static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                           PROPID_ACC_DESCRIPTION, note_.c_str());
        }
    }
}

void Form1Window::RestoreFocus() {
    const HWND back = focusBeforeDeactivation_;
    SetFocus(back != nullptr && IsWindow(back) && IsChild(window_, back) ? back : BoxOf(StartFocus));
}

void Form1Window::ShowNoteForFocus() {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window_;
    tool.uId = FocusNoteTool;
    const HWND box = BoxOf(ResultBox);
    const bool shown = !note_.empty() && GetFocus() == box;
    if (shown) {
        RECT place{};
        GetWindowRect(box, &place);
        SendMessageW(tooltip_, TTM_TRACKPOSITION, 0, MAKELPARAM(place.left, place.bottom + 2));
    }
    SendMessageW(tooltip_, TTM_TRACKACTIVATE, shown ? TRUE : FALSE, reinterpret_cast<LPARAM>(&tool));
}

void Form1Window::AnnounceResult(std::string_view text) {
    const NotificationEvents& events = UiaNotifications();
    if (events.raise == nullptr) return;
    IUnknown* provider = nullptr;
    if (FAILED(events.hostProvider(BoxOf(ResultBox), &provider)) || provider == nullptr) return;
    BSTR spoken = SysAllocString(Wide(text).c_str());
    BSTR activity = SysAllocString(L"OmbrixResult");
    events.raise(provider, NotificationKindActionCompleted, NotificationProcessingImportantMostRecent, spoken,
                 activity);
    SysFreeString(activity);
    SysFreeString(spoken);
    provider->Release();
}

void Form1Window::ShowErrorReport(const ErrorReport& report) {
    buttonCaption = Wide(report.button);
    renameHook = SetWindowsHookExW(WH_CBT, RenameButton, nullptr, GetCurrentThreadId());
    MessageBoxW(window_, Wide(report.text).c_str(), Wide(report.title).c_str(), MB_OK | MB_ICONERROR);
    if (renameHook != nullptr) UnhookWindowsHookEx(renameHook);
    renameHook = nullptr;
}

LRESULT CALLBACK Form1Window::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form1Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form1Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return form != nullptr ? form->OnMessage(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Form1Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        const ControlPlace* place = EntryOf(reinterpret_cast<HWND>(lParam));
        if (place == nullptr) return 0;  // IDOK and IDCANCEL from the dialog keys do nothing
        if (HIWORD(wParam) == BN_CLICKED && place->command) {
            ClickCommand(*this, *place->command);
        } else if (HIWORD(wParam) == EN_CHANGE && place->kind == ControlKind::TextBox && !settingText_) {
            BoxEdited(*this, *place->box);
        } else if (HIWORD(wParam) == EN_SETFOCUS || HIWORD(wParam) == EN_KILLFOCUS) {
            ShowNoteForFocus();
        }
        return 0;
    }
    // As a dialog does: the focus that the window had when it lost the
    // activation (to the report, another program, the taskbar) is where it
    // returns, and never the window itself, which takes no keys.
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus != nullptr && IsChild(window_, focus)) focusBeforeDeactivation_ = focus;
        } else if (HIWORD(wParam) == 0) {  // not minimised
            RestoreFocus();
        }
        return 0;
    case WM_SETFOCUS: RestoreFocus(); return 0;
    case WM_DPICHANGED: {
        LayOut(HIWORD(wParam));
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_DESTROY:
        if (endsLoop_) PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY: {
        const HWND window = window_;
        window_ = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        return DefWindowProcW(window, message, wParam, lParam);
    }
    default: return DefWindowProcW(window_, message, wParam, lParam);
    }
}

int RunMessageLoop(Form1Window& form) {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (form.PreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace ombrix
