// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "window/form1_view.h"

namespace ombrix {

// Form1's geometry is kept in twips, 1/1440 inch. At the logical 96 dots per
// inch that Qt and the browser lay out in (and scale on dense screens), 15
// twips make one pixel; Win32 lays out in the screen's own pixels, at its DPI.
inline constexpr int TwipsPerInch = 1440;
inline constexpr int LogicalDpi = 96;
inline constexpr int Form1ClientWidth = 4680;
inline constexpr int Form1ClientHeight = 3195;
inline constexpr std::string_view Form1Caption = "Ombrix计算器";

// Pixels at `dpi`, rounded to the nearest, halves away from zero, as Windows'
// MulDiv(twips, dpi, 1440) rounds them.
constexpr int TwipsToPixels(int twips, int dpi = LogicalDpi) {
    const long long product = static_cast<long long>(twips) * dpi;
    const long long half = TwipsPerInch / 2;
    return static_cast<int>(product >= 0 ? (product + half) / TwipsPerInch : -((half - product) / TwipsPerInch));
}
static_assert(TwipsToPixels(4680) == 312 && TwipsToPixels(375, 144) == 38 && TwipsToPixels(-375, 144) == -38);

// Every caption in a CJK face at 9 points fits its fixed control size. The
// faces in order of preference: Windows' own, then those of Linux and macOS.
inline constexpr int Form1FontPoints = 9;
inline constexpr std::array<std::string_view, 7> Form1FontFamilies = {
    "Microsoft YaHei UI", "Microsoft YaHei",    "SimSun",     "WenQuanYi Micro Hei",
    "Noto Sans CJK SC",   "Source Han Sans SC", "PingFang SC"};

enum class ControlKind { Label, TextBox, Button };

// The kind's name, as the front ends that are not C++ know it.
constexpr std::string_view ControlKindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label: return "Label";
    case ControlKind::TextBox: return "TextBox";
    case ControlKind::Button: return "Button";
    }
    return "";
}

// The box that shows the result (which the user may edit, and nothing reads),
// and the box that has the focus when the window opens.
inline constexpr Box ResultBox = Box::Text4;
inline constexpr Box StartFocus = Box::Text1;

// The most a box holds, in UTF-16 code units: the classic edit box's limit,
// which Windows and Qt give a box by default. Typing, a paste, a drop or an
// input method's text stops there, so that a long paste gives the same
// result on every front end.
inline constexpr int BoxTextLimit = 32767;

// What a click on each button runs.
enum class Command { ClearRow1, ClearRow2, ClearRow3, Exit, Compute };

struct ControlPlace {
    ControlKind kind;
    std::string_view name;
    std::string_view caption;        // UTF-8; empty for the text boxes
    int left, top, width, height;    // twips, relative to the client area
    std::optional<Box> box;          // a text box: which one; a label: the box it names
    std::optional<Command> command;  // a button: what its click runs
    // What a screen reader says of the control beside its caption (UTF-8);
    // empty where the caption, or the label of the box, says it.
    std::string_view accessibleName;
    std::string_view accessibleDescription;
};

// Form1's twelve controls in tab order; a label never takes the focus. The
// labels stand 120 twips lower than their boxes; Label2 and Label3 reach under
// the boxes' left edges, which cover that strip.
// clang-format off
inline constexpr std::array<ControlPlace, 12> Form1Controls{{
    {ControlKind::Label, "Label1", "半轴a>0", 840, 480, 855, 495, Box::Text1, {}, "", ""},
    {ControlKind::Label, "Label2", "半轴b>0", 840, 1200, 1095, 495, Box::Text2, {}, "", ""},
    {ControlKind::Label, "Label3", "半轴c>=0", 840, 1920, 1095, 375, Box::Text3, {}, "", ""},
    {ControlKind::TextBox, "Text1", "", 1800, 360, 1815, 375, Box::Text1, {}, "", ""},
    {ControlKind::TextBox, "Text2", "", 1800, 1080, 1815, 375, Box::Text2, {}, "", ""},
    {ControlKind::TextBox, "Text3", "", 1800, 1800, 1815, 375, Box::Text3, {}, "", ""},
    {ControlKind::TextBox, "Text4", "", 1800, 2640, 1815, 375, Box::Text4, {}, "表面积", ""},
    {ControlKind::Button, "Command1", "清除", 3840, 360, 735, 375, {}, Command::ClearRow1, "清除半轴a", "把半轴a和表面积的框清为一个空格"},
    {ControlKind::Button, "Command2", "清除", 3840, 1080, 735, 375, {}, Command::ClearRow2, "清除半轴b", "把半轴b和表面积的框清为一个空格"},
    {ControlKind::Button, "Command3", "清除", 3840, 1800, 735, 375, {}, Command::ClearRow3, "清除半轴c", "把半轴c和表面积的框清为一个空格"},
    {ControlKind::Button, "Command4", "退出", 3840, 2640, 735, 375, {}, Command::Exit, "", "结束程序"},
    {ControlKind::Button, "Command5", "计算Ombrix", 120, 2640, 1575, 375, {}, Command::Compute, "", "由三个半轴计算椭球的表面积"},
}};
// clang-format on

constexpr std::size_t CountOf(ControlKind kind) {
    return static_cast<std::size_t>(std::count_if(Form1Controls.begin(), Form1Controls.end(),
                                                  [kind](const ControlPlace& place) { return place.kind == kind; }));
}

inline constexpr std::size_t Form1Labels = CountOf(ControlKind::Label);
inline constexpr std::size_t Form1TextBoxes = CountOf(ControlKind::TextBox);
inline constexpr std::size_t Form1Buttons = CountOf(ControlKind::Button);

static_assert(Form1Labels == 3 && Form1TextBoxes == 4 && Form1Buttons == 5,
              "Form1 has three labels, four text boxes and five buttons, each a member of Form1");
constexpr bool WholePixels(int twips) { return twips >= 0 && twips % (TwipsPerInch / LogicalDpi) == 0; }
static_assert(std::all_of(Form1Controls.begin(), Form1Controls.end(),
                          [](const ControlPlace& p) {
                              return WholePixels(p.left) && WholePixels(p.top) && WholePixels(p.width) &&
                                     WholePixels(p.height);
                          }) &&
                  WholePixels(Form1ClientWidth) && WholePixels(Form1ClientHeight),
              "at 96 DPI every place is a whole number of pixels");

// The places in the table of a box and of a button's command.
constexpr std::size_t PlaceOf(Box box) {
    std::size_t k = 0;
    while (k < Form1Controls.size() && !(Form1Controls[k].kind == ControlKind::TextBox && Form1Controls[k].box == box))
        ++k;
    return k;
}
constexpr std::size_t PlaceOf(Command command) {
    std::size_t k = 0;
    while (k < Form1Controls.size() && Form1Controls[k].command != command) ++k;
    return k;
}

static_assert(PlaceOf(Box::Text1) < Form1Controls.size() && PlaceOf(Box::Text4) < Form1Controls.size() &&
                  PlaceOf(Command::Compute) < Form1Controls.size(),
              "every box and every command has its control");

}  // namespace ombrix
