// SPDX-License-Identifier: GPL-3.0-or-later
// The Win32 Form1, driven as its users drive it: keys and characters posted
// to the focused control and taken through the window's own message loop,
// clicks, pastes from the clipboard, and the error report closed as it
// appears. Runs on Windows, and under wine.
#include <windows.h>  // first: the other Windows headers need it

#include <commctrl.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "runtime/float_control.h"
#include "runtime/runtime_error.h"
#include "tests/golden_areas.h"
#include "tests/hostile_float_environment.h"
#include "tests/reference/reference_compute.h"
#include "window/form1_layout.h"
#include "window/win32/form1_window.h"

namespace ombrix {
namespace {

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                             wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

// The table's controls that take the focus, in its order, which is the tab
// order; or those of one kind. Their names are literals, so each is terminated.
std::vector<const char*> TabStops(std::optional<ControlKind> kind = std::nullopt) {
    std::vector<const char*> names;
    for (const ControlPlace& place : Form1Controls)
        if (place.kind != ControlKind::Label && (!kind || place.kind == *kind)) names.push_back(place.name.data());
    return names;
}

// A control of Form1, found as assistive technology finds it: by its id.
HWND ControlOf(HWND window, std::string_view name) {
    for (std::size_t k = 0; k < Form1Controls.size(); ++k)
        if (Form1Controls[k].name == name) return GetDlgItem(window, FirstControlId + static_cast<int>(k));
    return nullptr;
}

// The window, with its exit button counted instead of ending the tests.
class ObservedForm1Window : public Form1Window {
public:
    using Form1Window::Form1Window;
    void Exit() override { ++exits; }
    int exits = 0;
};

// The texts of a message box (its static text and its button), and a click
// on the button: what a user reads and does.
struct SeenReport {
    std::wstring title, text, button;
};

class Form1WindowTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        (void)CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
    }

    void SetUp() override {
        form_ = std::make_unique<ObservedForm1Window>(GetModuleHandleW(nullptr));
        form_->Show(SW_SHOWNORMAL);
        SetForegroundWindow(form_->Handle());
        Pump();
    }
    void TearDown() override {
        form_.reset();
        Pump();
    }

    // Takes every waiting message through the window's message loop.
    void Pump() {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (form_ != nullptr && form_->PreTranslate(message)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    void Key(UINT key, bool keypad = false) {
        const LPARAM repeatAndScan = 1 | (static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16);
        const LPARAM extended = keypad ? (1L << 24) : 0;
        PostMessageW(GetFocus(), WM_KEYDOWN, key, repeatAndScan | extended);
        PostMessageW(GetFocus(), WM_KEYUP, key, repeatAndScan | extended | (3L << 30));
        Pump();
    }
    void Type(const std::wstring& text) {
        for (const wchar_t c : text) PostMessageW(GetFocus(), WM_CHAR, c, 1);
        Pump();
    }
    [[nodiscard]] HWND Control(std::string_view name) const { return ControlOf(form_->Handle(), name); }
    // The window's DPI, as Windows gives it to the window's device context.
    [[nodiscard]] UINT Dpi() const {
        HDC context = GetDC(form_->Handle());
        const int dpi = GetDeviceCaps(context, LOGPIXELSX);
        ReleaseDC(form_->Handle(), context);
        return static_cast<UINT>(dpi);
    }
    // The window's tooltip control.
    [[nodiscard]] HWND ResultTooltip() const {
        std::pair<HWND, HWND> search(form_->Handle(), nullptr);
        EnumThreadWindows(GetCurrentThreadId(), FindTooltip, reinterpret_cast<LPARAM>(&search));
        return search.second;
    }
    // What the result box's tooltip shows, asked of the window's tooltip control.
    [[nodiscard]] std::string ResultNote() const {
        std::vector<wchar_t> text(1024, L'\0');
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = form_->Handle();
        tool.uId = reinterpret_cast<UINT_PTR>(Control("Text4"));
        tool.lpszText = text.data();
        SendMessageW(ResultTooltip(), TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
        const std::wstring note(text.data());
        std::string utf8(note.size() * 3, '\0');
        utf8.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, note.data(), static_cast<int>(note.size()),
                                                                 utf8.data(), static_cast<int>(utf8.size()), nullptr,
                                                                 nullptr)));
        return utf8;
    }

    void TypeInto(const char* box, const std::wstring& text) {
        SetFocus(Control(box));
        SendMessageW(Control(box), EM_SETSEL, 0, -1);
        Key(VK_DELETE);
        Type(text);
    }
    void Click(const char* button) {
        SendMessageW(Control(button), BM_CLICK, 0, 0);
        Pump();
    }
    [[nodiscard]] std::string Name(HWND control) const {
        for (const ControlPlace& place : Form1Controls)
            if (Control(place.name) == control) return std::string(place.name);
        return "(none)";
    }
    static void PutOnClipboard(const std::wstring& text) {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
        std::copy_n(text.c_str(), text.size() + 1, static_cast<wchar_t*>(GlobalLock(data)));
        GlobalUnlock(data);
        SetClipboardData(CF_UNICODETEXT, data);
        CloseClipboard();
    }

    // The client area and every control where the table puts them at that DPI.
    void ExpectThePlacesAt(UINT dpi) const {
        const auto scaled = [dpi](int twips) { return MulDiv(twips, static_cast<int>(dpi), 1440); };
        RECT client{};
        GetClientRect(form_->Handle(), &client);
        EXPECT_EQ(client.right, scaled(Form1ClientWidth));
        EXPECT_EQ(client.bottom, scaled(Form1ClientHeight));
        for (const ControlPlace& place : Form1Controls) {
            RECT r{};
            GetWindowRect(Control(place.name), &r);
            MapWindowPoints(nullptr, form_->Handle(), reinterpret_cast<POINT*>(&r), 2);
            EXPECT_EQ(r.left, scaled(place.left)) << place.name;
            EXPECT_EQ(r.top, scaled(place.top)) << place.name;
            EXPECT_EQ(r.right - r.left, scaled(place.width)) << place.name;
            EXPECT_EQ(r.bottom - r.top, scaled(place.height)) << place.name;
        }
    }
    [[nodiscard]] std::string TextOf(const char* box) const {
        return form_->Text(static_cast<Box>(box[4] - '1'));  // "TextN"
    }

    // Closes, from the report's own modal loop, every report that appears;
    // what they said is in reports_.
    void CloseReports() {
        closing_ = this;
        SetTimer(nullptr, 0, 20, CloseShownReports);
    }

    // The tooltip control that the window in into->first owns, into into->second.
    static BOOL CALLBACK FindTooltip(HWND window, LPARAM into) {
        auto* found = reinterpret_cast<std::pair<HWND, HWND>*>(into);
        wchar_t kind[32] = {};
        GetClassNameW(window, kind, 32);
        if (lstrcmpiW(kind, TOOLTIPS_CLASSW) == 0 && GetWindow(window, GW_OWNER) == found->first)
            found->second = window;
        return TRUE;
    }

    static BOOL CALLBACK ReadReportControl(HWND child, LPARAM into) {
        auto* found = reinterpret_cast<std::pair<SeenReport*, HWND*>*>(into);
        wchar_t kind[16] = {}, text[128] = {};
        GetClassNameW(child, kind, 16);
        GetWindowTextW(child, text, 128);
        if (lstrcmpiW(kind, L"Button") == 0 && IsWindowVisible(child)) {
            found->first->button = text;
            *found->second = child;
        } else if (lstrcmpiW(kind, L"Static") == 0 && text[0] != L'\0') {
            found->first->text = text;
        }
        return TRUE;
    }

    static BOOL CALLBACK CloseIfReport(HWND window, LPARAM /*unused*/) {
        wchar_t kind[16] = {};
        GetClassNameW(window, kind, 16);
        if (lstrcmpW(kind, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
        SeenReport seen;
        seen.title.resize(64);
        seen.title.resize(static_cast<std::size_t>(GetWindowTextW(window, seen.title.data(), 64)));
        HWND button = nullptr;
        std::pair<SeenReport*, HWND*> found(&seen, &button);
        EnumChildWindows(window, ReadReportControl, reinterpret_cast<LPARAM>(&found));
        closing_->reports_.push_back(seen);
        if (button != nullptr) PostMessageW(button, BM_CLICK, 0, 0);
        return TRUE;
    }

    static void CALLBACK CloseShownReports(HWND /*window*/, UINT /*message*/, UINT_PTR /*timer*/, DWORD /*time*/) {
        EnumThreadWindows(GetCurrentThreadId(), CloseIfReport, 0);
    }

    std::unique_ptr<ObservedForm1Window> form_;
    std::vector<SeenReport> reports_;
    static inline Form1WindowTest* closing_ = nullptr;
};

TEST_F(Form1WindowTest, WindowAndControlsStandAtTheTablePlaces) {
    ExpectThePlacesAt(Dpi());
    wchar_t caption[32] = {};
    GetWindowTextW(form_->Handle(), caption, 32);
    EXPECT_STREQ(caption, L"Ombrix计算器");
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(form_->Handle(), GWL_STYLE));
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
}

// Each box follows its label in the window order, which is how Windows
// names a box; the label's visible part leaves the box's place to the box.
TEST_F(Form1WindowTest, EachBoxFollowsItsLabelAndCoversIt) {
    for (const ControlPlace& place : Form1Controls) {
        if (place.kind != ControlKind::Label) continue;
        const HWND label = Control(place.name);
        const HWND box = Control(Form1Controls[PlaceOf(*place.box)].name);
        EXPECT_EQ(GetWindow(box, GW_HWNDPREV), label) << place.name;
        HRGN visible = CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(GetWindowRgn(label, visible), ERROR) << place.name;
        RECT labelPlace{}, boxPlace{};
        GetWindowRect(label, &labelPlace);
        GetWindowRect(box, &boxPlace);
        OffsetRect(&boxPlace, -labelPlace.left, -labelPlace.top);
        EXPECT_FALSE(RectInRegion(visible, &boxPlace)) << place.name;
        DeleteObject(visible);
    }
}

// Moved to a monitor of 144 DPI, the window takes the frame Windows suggests
// for it and lays its controls and its 9-point font out again for that DPI.
TEST_F(Form1WindowTest, ADpiChangeLaysTheWindowOutAgain) {
    RECT frame{}, client{};
    GetWindowRect(form_->Handle(), &frame);
    GetClientRect(form_->Handle(), &client);
    RECT suggested = frame;
    suggested.right += MulDiv(Form1ClientWidth, 144, 1440) - client.right;
    suggested.bottom += MulDiv(Form1ClientHeight, 144, 1440) - client.bottom;
    SendMessageW(form_->Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    Pump();
    ExpectThePlacesAt(144);
    for (const ControlPlace& place : Form1Controls) {
        LOGFONTW font{};
        const auto handle = reinterpret_cast<HFONT>(SendMessageW(Control(place.name), WM_GETFONT, 0, 0));
        ASSERT_NE(GetObjectW(handle, sizeof font, &font), 0) << place.name;
        EXPECT_EQ(font.lfHeight, -18) << place.name;  // 9 points of 1/72 inch at 144 DPI
    }
}

TEST_F(Form1WindowTest, FocusStartsInText1AndTabFollowsTheTable) {
    const std::vector<const char*> order = TabStops();
    for (std::size_t k = 0; k <= order.size(); ++k) {
        EXPECT_EQ(Name(GetFocus()), order[k % order.size()]) << "after " << k << " tabs";
        Key(VK_TAB);
    }
}

TEST_F(Form1WindowTest, TypedSemiAxesComputeAsOnEveryPlatform) {
    struct Case {
        std::string a, b, c, result;
    };
    std::vector<Case> cases = {{"3", "2", "1", "48.882146302593"},
                               {"1", "1", "", "6.28318530717958"},
                               {"１", "1e0", " 1", "12.566370614362"},
                               {"1", "-2", "1", "输入错误 "}};
    for (const GoldenArea& g : GoldenAreas) cases.push_back({g.a, g.b, g.c, g.text});
    for (const Case& c : cases) {
        TypeInto("Text1", Wide(c.a));
        TypeInto("Text2", Wide(c.b));
        TypeInto("Text3", Wide(c.c));
        Click("Command5");
        EXPECT_EQ(TextOf("Text4"), c.result) << c.a << ", " << c.b << ", " << c.c;
        EXPECT_EQ(TextOf("Text1"), c.a);
    }
}

// Return and the keypad's Enter click a focused button, as Space does; in a
// box they do nothing, and no button is a default button.
TEST_F(Form1WindowTest, EnterClicksAFocusedButtonAndNothingInABox) {
    TypeInto("Text1", L"3");
    Key(VK_TAB);
    Type(L"2");
    Key(VK_TAB);
    Type(L"1");
    for (const char* box : {"Text1", "Text2", "Text3", "Text4"}) {
        SetFocus(Control(box));
        Key(VK_RETURN);
        Key(VK_RETURN, true);
        Key(VK_ESCAPE);
    }
    EXPECT_EQ(TextOf("Text4"), "");
    EXPECT_EQ(TextOf("Text3"), "1");
    for (const bool keypad : {false, true}) {
        SetFocus(Control("Text4"));
        SendMessageW(Control("Text4"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
        for (int tabs = 0; tabs < 5; ++tabs) Key(VK_TAB);
        ASSERT_EQ(Name(GetFocus()), "Command5");
        Key(VK_RETURN, keypad);
        EXPECT_EQ(TextOf("Text4"), "48.882146302593") << (keypad ? "keypad Enter" : "Return");
    }
    SetFocus(Control("Command4"));
    Key(VK_RETURN, true);
    Key(VK_SPACE);
    EXPECT_EQ(form_->exits, 2);
    SetFocus(Control("Command2"));
    Key(VK_RETURN);
    EXPECT_EQ(TextOf("Text2"), " ");
    EXPECT_EQ(TextOf("Text4"), " ");
}

TEST_F(Form1WindowTest, APasteKeepsTheFirstLineAndOneUndoTakesItBack) {
    PutOnClipboard(L"3\r\n5");
    TypeInto("Text1", L"12");
    SendMessageW(Control("Text1"), EM_SETSEL, 1, 1);
    SendMessageW(Control("Text1"), WM_PASTE, 0, 0);
    EXPECT_EQ(TextOf("Text1"), "132");
    SendMessageW(Control("Text1"), EM_UNDO, 0, 0);
    EXPECT_EQ(TextOf("Text1"), "12");
}

// A box holds at most 32,767 characters, as on every front end: of a paste of
// 50,000 blanks and "4", the "4" does not get in.
TEST_F(Form1WindowTest, ABoxHoldsNoMoreThanTheLimit) {
    PutOnClipboard(std::wstring(50000, L' ') + L"4");
    TypeInto("Text1", L"");
    SendMessageW(Control("Text1"), WM_PASTE, 0, 0);
    TypeInto("Text2", L"1");
    TypeInto("Text3", L"1");
    Click("Command5");
    EXPECT_EQ(GetWindowTextLengthW(Control("Text1")), BoxTextLimit);
    EXPECT_EQ(TextOf("Text4"), "输入错误 ");
}

// Ctrl+V as the keyboard gives it: through the system's input queue, the
// message loop and the box's own handling of the keys.
TEST_F(Form1WindowTest, CtrlVPastesTheFirstLine) {
    PutOnClipboard(L"3\r\n5");
    TypeInto("Text1", L"12");
    SendMessageW(Control("Text1"), EM_SETSEL, 1, 1);
    INPUT keys[4] = {};
    const WORD pressed[4] = {VK_CONTROL, 'V', 'V', VK_CONTROL};
    for (int k = 0; k < 4; ++k) {
        keys[k].type = INPUT_KEYBOARD;
        keys[k].ki.wVk = pressed[k];
        keys[k].ki.dwFlags = k < 2 ? 0 : KEYEVENTF_KEYUP;
    }
    ASSERT_EQ(SendInput(4, keys, sizeof(INPUT)), 4U);
    for (int wait = 0; wait < 40 && TextOf("Text1") == "12"; ++wait) {
        Sleep(25);
        Pump();
    }
    EXPECT_EQ(TextOf("Text1"), "132");
}

TEST_F(Form1WindowTest, ClearAndExit) {
    TypeInto("Text1", L"1");
    TypeInto("Text2", L"2");
    TypeInto("Text3", L"3");
    Click("Command5");
    Click("Command2");
    EXPECT_EQ(TextOf("Text1"), "1");
    EXPECT_EQ(TextOf("Text2"), " ");
    EXPECT_EQ(TextOf("Text3"), "3");
    EXPECT_EQ(TextOf("Text4"), " ");
    Click("Command4");
    EXPECT_EQ(form_->exits, 1);
    EXPECT_TRUE(IsWindow(form_->Handle()));
}

TEST_F(Form1WindowTest, TheNoteFollowsTheResult) {
    TypeInto("Text1", L"3");
    TypeInto("Text2", L"2");
    TypeInto("Text3", L"1");
    Click("Command5");
    EXPECT_EQ(ResultNote(), "精确值（椭圆积分）：48.8821463025821\n本算法相对误差：2.2E-13");
    // The keyboard, which cannot hover, is shown the note while the result
    // box has the focus.
    EXPECT_FALSE(IsWindowVisible(ResultTooltip()));
    SetFocus(Control("Text4"));
    Pump();
    EXPECT_TRUE(IsWindowVisible(ResultTooltip()));
    SetFocus(Control("Command5"));
    Pump();
    EXPECT_FALSE(IsWindowVisible(ResultTooltip()));
    TypeInto("Text4", L"7");
    EXPECT_EQ(ResultNote(), "");
    Click("Command5");
    Click("Command1");
    EXPECT_EQ(ResultNote(), "");
}

// Also where another DLL in the process (a printer driver, an input method,
// a hook) has enabled the floating-point traps, which would otherwise end the
// process at the overflow.
TEST_F(Form1WindowTest, AnErrorIsReportedAndTheWindowGoesOn) {
    for (const bool traps : {false, true}) {
        const test::HostileFloatEnvironment restored;
        if (traps) test::HostileFloatEnvironment::SetErrorTraps();
        reports_.clear();
        TypeInto("Text1", L"1");
        TypeInto("Text2", L"1");
        TypeInto("Text3", L"1");
        Click("Command5");
        TypeInto("Text1", L"1e200");
        CloseReports();
        Click("Command5");
        ASSERT_EQ(reports_.size(), 1U) << "traps: " << traps;
        EXPECT_EQ(reports_[0].title, L"Ombrix");
        EXPECT_EQ(reports_[0].text, L"实时错误 '6':\n\n溢出");
        EXPECT_EQ(reports_[0].button, L"确定");
        EXPECT_EQ(TextOf("Text4"), "12.566370614362");
        EXPECT_EQ(TextOf("Text1"), "1e200");
        TypeInto("Text1", L"2");
        Click("Command5");
        EXPECT_EQ(TextOf("Text4"), "21.4784353278863");
        if (traps) EXPECT_EQ(WithErrorTraps(FloatControl()), FloatControl()) << "the caller's traps are given back";
    }
}

// A short seeded session of random typing, tabs, Enter and clicks: the result
// box always holds what the commands or the typing left there, and every
// compute shows the oracle's text or its error report.
TEST_F(Form1WindowTest, ARandomSessionKeepsTheBoxesConsistent) {
    CloseReports();
    std::mt19937 random(20261209);
    const std::vector<const char*> boxes = TabStops(ControlKind::TextBox), buttons = TabStops(ControlKind::Button);
    const std::vector<std::wstring> pieces = {L"1",      L"2.5", L"0",      L"-1",  L"1e200",
                                              L"1e-170", L"abc", L"\u00a0", L"&H1F"};
    for (int step = 0; step < 300; ++step) {
        const std::size_t reportsBefore = reports_.size();
        switch (random() % 5) {
        case 0: TypeInto(boxes[random() % boxes.size()], pieces[random() % pieces.size()]); break;
        case 1: Key(VK_TAB); break;
        case 2: Key(VK_RETURN, random() % 2 == 0); break;
        default: {
            const char* button = buttons[random() % buttons.size()];
            const std::string a = TextOf("Text1"), b = TextOf("Text2"), c = TextOf("Text3"), before = TextOf("Text4");
            Click(button);
            if (std::string(button) == "Command5") {
                std::string expected;
                try {
                    expected = ReferenceResultText(a, b, c);
                } catch (const RuntimeError&) {
                    expected = before;
                    EXPECT_EQ(reports_.size(), reportsBefore + 1) << "step " << step;
                }
                EXPECT_EQ(TextOf("Text4"), expected) << "step " << step;
            }
        }
        }
        ASSERT_TRUE(IsWindow(form_->Handle()));
    }
}

BOOL CALLBACK FindWindowOfProcess(HWND window, LPARAM into) {
    auto* wanted = reinterpret_cast<std::pair<DWORD, HWND>*>(into);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != wanted->first || !IsWindowVisible(window)) return TRUE;
    wanted->second = window;
    return FALSE;
}

// The top-level window of another process, once it shows one.
HWND WindowOfProcess(DWORD process) {
    std::pair<DWORD, HWND> found(process, nullptr);
    for (int wait = 0; wait < 200 && found.second == nullptr; ++wait) {
        EnumWindows(FindWindowOfProcess, reinterpret_cast<LPARAM>(&found));
        if (found.second == nullptr) Sleep(50);
    }
    return found.second;
}

// Ombrix.exe, built beside this test.
std::wstring OmbrixExe() {
    std::wstring exe(MAX_PATH, L'\0');
    exe.resize(GetModuleFileNameW(nullptr, exe.data(), MAX_PATH));
    return exe.substr(0, exe.find_last_of(L"\\/") + 1) + L"..\\window\\Ombrix.exe";
}

PROCESS_INFORMATION StartOmbrix() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const std::wstring exe = OmbrixExe();
    EXPECT_TRUE(CreateProcessW(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    return process;
}

// The name of the control that has the keyboard focus in another process's
// window, once it is `wanted` (within two seconds), or as it then is:
// "Form1" for the window itself, "(none)" for none of its own.
std::string FocusOf(HWND window, std::string_view wanted) {
    GUITHREADINFO info{};
    for (int wait = 0; wait < 40; ++wait) {
        info = GUITHREADINFO{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
        if (info.hwndFocus == (wanted == "Form1" ? window : ControlOf(window, wanted))) break;
        Sleep(50);
    }
    if (info.hwndFocus == window) return "Form1";
    for (const ControlPlace& place : Form1Controls)
        if (info.hwndFocus == ControlOf(window, place.name)) return std::string(place.name);
    return "(none)";
}

// The report, a dialog of the process other than its window.
BOOL CALLBACK FindReport(HWND window, LPARAM into) {
    auto* wanted = reinterpret_cast<std::pair<DWORD, HWND>*>(into);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t kind[16] = {};
    GetClassNameW(window, kind, 16);
    if (owner != wanted->first || !IsWindowVisible(window) || lstrcmpW(kind, L"#32770") != 0) return TRUE;
    wanted->second = window;
    return FALSE;
}

// Driven from another process, as a user's keys and Alt+Tab drive it: the
// window keeps its keyboard focus across the error report and across another
// window's activation, as a dialog does; the focus never stays on the window
// itself, which takes no keys.
TEST(OmbrixExe, KeepsItsFocusAcrossDeactivation) {
    PROCESS_INFORMATION process = StartOmbrix();
    const HWND window = WindowOfProcess(process.dwProcessId);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(FocusOf(window, "Text1"), "Text1") << "at the start";

    for (const auto& [box, text] : {std::pair{"Text1", L"1e200"}, std::pair{"Text2", L"1"}, std::pair{"Text3", L"1"}})
        SendMessageW(ControlOf(window, box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    PostMessageW(ControlOf(window, "Command5"), BM_CLICK, 0, 0);
    std::pair<DWORD, HWND> report(process.dwProcessId, nullptr);
    for (int wait = 0; wait < 100 && report.second == nullptr; ++wait) {
        Sleep(50);
        EnumWindows(FindReport, reinterpret_cast<LPARAM>(&report));
    }
    ASSERT_NE(report.second, nullptr) << "no report for 1e200";
    // Clicked once the report is ready for it: renamed, and its button
    // focused.
    HWND button = nullptr;
    GUITHREADINFO reportThread{};
    for (int wait = 0; wait < 40 && (button == nullptr || reportThread.hwndFocus != button); ++wait) {
        Sleep(50);
        button = FindWindowExW(report.second, nullptr, L"Button", L"确定");
        reportThread.cbSize = sizeof reportThread;
        GetGUIThreadInfo(GetWindowThreadProcessId(report.second, nullptr), &reportThread);
    }
    ASSERT_NE(button, nullptr);
    PostMessageW(button, BM_CLICK, 0, 0);
    for (int wait = 0; wait < 20 && IsWindowVisible(report.second); ++wait) Sleep(50);

    EXPECT_EQ(FocusOf(window, "Command5"), "Command5") << "after the report";

    PostMessageW(ControlOf(window, "Text2"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    PostMessageW(ControlOf(window, "Text2"), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    ASSERT_EQ(FocusOf(window, "Text2"), "Text2");
    const HWND other = CreateWindowExW(0, L"STATIC", L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                       100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(other);
    for (int wait = 0; wait < 40 && GetForegroundWindow() != other; ++wait) Sleep(50);
    SetForegroundWindow(window);
    EXPECT_EQ(FocusOf(window, "Text2"), "Text2") << "after another window";
    DestroyWindow(other);

    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

// Its icon: the three classic images, then 48 and 256 pixels for large
// views and screens at 150 to 200 %.
TEST(OmbrixExe, IconHasLargeImagesAfterTheClassicOnes) {
    HMODULE exe = LoadLibraryExW(OmbrixExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(exe, nullptr);
    HRSRC group = FindResourceW(exe, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    const auto* directory = static_cast<const BYTE*>(LockResource(LoadResource(exe, group)));
    const int count = directory[4] | directory[5] << 8;
    std::vector<int> widths;
    for (int k = 0; k < count; ++k) widths.push_back(directory[6 + 14 * k] == 0 ? 256 : directory[6 + 14 * k]);
    EXPECT_EQ(widths, (std::vector<int>{32, 32, 16, 48, 256}));
    FreeLibrary(exe);
}

// Closing its window, and its exit button, each end the process with exit
// code 0.
TEST(OmbrixExe, EndsWithExitCodeZero) {
    for (const bool byButton : {false, true}) {
        PROCESS_INFORMATION process = StartOmbrix();
        const HWND window = WindowOfProcess(process.dwProcessId);
        ASSERT_NE(window, nullptr) << "Ombrix.exe showed no window";
        if (byButton) {
            const HWND exit = FindWindowExW(window, nullptr, L"Button", L"退出");
            ASSERT_NE(exit, nullptr);
            PostMessageW(exit, BM_CLICK, 0, 0);
        } else {
            PostMessageW(window, WM_CLOSE, 0, 0);
        }
        ASSERT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0) << (byButton ? "exit button" : "close");
        DWORD code = 1;
        GetExitCodeProcess(process.hProcess, &code);
        EXPECT_EQ(code, 0U) << (byButton ? "exit button" : "close");
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

}  // namespace
}  // namespace ombrix
