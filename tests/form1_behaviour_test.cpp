// SPDX-License-Identifier: GPL-3.0-or-later
// Form1's behaviour without a toolkit, on a view that records what it is
// asked: what each button does to the boxes, the note, and the reports.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "window/commands.h"
#include "window/error_report.h"
#include "window/form1_layout.h"
#include "window/form1_view.h"

namespace ombrix {
namespace {

class RecordingView final : public Form1View {
public:
    [[nodiscard]] std::string Text(Box box) const override { return boxes[static_cast<std::size_t>(box)]; }
    void SetText(Box box, std::string_view text) override { boxes[static_cast<std::size_t>(box)] = text; }
    void SetResultNote(std::string_view text) override { note = text; }
    void AnnounceResult(std::string_view text) override { announced.emplace_back(text); }
    void ShowErrorReport(const ErrorReport& report) override { reports.push_back(report); }
    void Exit() override { ++exits; }

    std::array<std::string, 4> boxes;
    std::string note;
    std::vector<std::string> announced;
    std::vector<ErrorReport> reports;
    int exits = 0;
};

// Form1 as the classic window has it, written out here once and apart from
// the table: every front end's suite lays out and tabs by the table, and is
// held to the classic window through this check.
TEST(Form1Table, IsTheClassicWindow) {
    struct Classic {
        ControlKind kind;
        std::string_view name, caption;
        int left, top, width, height;
    };
    // In the classic tab index order, 0 to 11.
    constexpr std::array<Classic, 12> classic{{
        {ControlKind::Label, "Label1", "半轴a>0", 840, 480, 855, 495},
        {ControlKind::Label, "Label2", "半轴b>0", 840, 1200, 1095, 495},
        {ControlKind::Label, "Label3", "半轴c>=0", 840, 1920, 1095, 375},
        {ControlKind::TextBox, "Text1", "", 1800, 360, 1815, 375},
        {ControlKind::TextBox, "Text2", "", 1800, 1080, 1815, 375},
        {ControlKind::TextBox, "Text3", "", 1800, 1800, 1815, 375},
        {ControlKind::TextBox, "Text4", "", 1800, 2640, 1815, 375},
        {ControlKind::Button, "Command1", "清除", 3840, 360, 735, 375},
        {ControlKind::Button, "Command2", "清除", 3840, 1080, 735, 375},
        {ControlKind::Button, "Command3", "清除", 3840, 1800, 735, 375},
        {ControlKind::Button, "Command4", "退出", 3840, 2640, 735, 375},
        {ControlKind::Button, "Command5", "计算Ombrix", 120, 2640, 1575, 375},
    }};
    for (std::size_t k = 0; k < classic.size(); ++k) {
        const ControlPlace& place = Form1Controls[k];
        const Classic& c = classic[k];
        EXPECT_EQ(place.kind, c.kind) << c.name;
        EXPECT_EQ(place.name, c.name) << "tab index " << k;
        EXPECT_EQ(place.caption, c.caption) << c.name;
        EXPECT_EQ((std::array{place.left, place.top, place.width, place.height}),
                  (std::array{c.left, c.top, c.width, c.height}))
            << c.name;
    }
    // Each label names the box of its row; each row's clear button clears it.
    for (const auto& [label, box] : {std::pair{0, Box::Text1}, std::pair{1, Box::Text2}, std::pair{2, Box::Text3}})
        EXPECT_EQ(Form1Controls[static_cast<std::size_t>(label)].box, box);
    EXPECT_EQ(Form1Caption, "Ombrix计算器");
    EXPECT_EQ(std::pair(TwipsToPixels(Form1ClientWidth), TwipsToPixels(Form1ClientHeight)), std::pair(312, 213));
    EXPECT_EQ(std::pair(Form1ClientWidth, Form1ClientHeight), std::pair(4680, 3195));
    EXPECT_EQ(StartFocus, Box::Text1);
    EXPECT_EQ(ResultBox, Box::Text4);
}

// Each button runs the command its entry in the table names, and the note
// goes with every change of Text4: a result's note, or none.
TEST(Form1Behaviour, EachButtonDoesItsCommand) {
    RecordingView view;
    const auto click = [&view](const char* name) {
        for (const ControlPlace& place : Form1Controls)
            if (place.name == name) ClickCommand(view, *place.command);
    };
    view.boxes = {"3", "2", "1", "old"};
    click("Command5");
    EXPECT_EQ(view.boxes[3], "48.882146302593");
    EXPECT_EQ(view.note, "精确值（椭圆积分）：48.8821463025821\n本算法相对误差：2.2E-13");
    BoxEdited(view, Box::Text1);
    EXPECT_NE(view.note, "");
    BoxEdited(view, Box::Text4);
    EXPECT_EQ(view.note, "");

    click("Command5");
    click("Command2");
    EXPECT_EQ(view.boxes, (std::array<std::string, 4>{"3", " ", "1", " "}));
    EXPECT_EQ(view.note, "");
    click("Command1");
    click("Command3");
    EXPECT_EQ(view.boxes, (std::array<std::string, 4>{" ", " ", " ", " "}));
    view.boxes = {"1", "1", "0", ""};
    click("Command5");
    EXPECT_EQ(view.boxes[3], "6.28318530717958");
    view.boxes[0] = "-1";
    click("Command5");
    EXPECT_EQ(view.boxes[3], "输入错误 ");
    EXPECT_EQ(view.note, "");
    // Each compute is announced, a clear is not.
    EXPECT_EQ(view.announced,
              (std::vector<std::string>{"48.882146302593", "48.882146302593", "6.28318530717958", "输入错误 "}));

    click("Command4");
    EXPECT_EQ(view.exits, 1);
    EXPECT_TRUE(view.reports.empty());
}

// A step that fails leaves every box and the note as they were, and shows
// the classic report; any exception stops at the click.
TEST(Form1Behaviour, FailuresAreReportedAndChangeNothing) {
    RecordingView view;
    view.boxes = {"1e200", "1", "1", "12.566370614362"};
    view.note = "note";
    ClickCommand(view, Command::Compute);
    ASSERT_EQ(view.reports.size(), 1U);
    EXPECT_EQ(view.reports[0].title, "Ombrix");
    EXPECT_EQ(view.reports[0].text, "实时错误 '6':\n\n溢出");
    EXPECT_EQ(view.reports[0].button, "确定");
    EXPECT_EQ(view.boxes[3], "12.566370614362");
    EXPECT_EQ(view.note, "note");
    EXPECT_TRUE(view.announced.empty());

    const std::vector<std::pair<std::function<void()>, std::string>> cases = {
        {[] { throw std::bad_alloc(); }, "实时错误 '7':\n\n内存不足"},
        {[] { throw std::overflow_error("x"); }, "实时错误 '6':\n\n溢出"},
        {[] { throw std::domain_error("x"); }, "实时错误 '5':\n\n无效的过程调用或参数"},
        {[] { throw std::logic_error("x"); }, "实时错误 '51':\n\n内部错误"},
        {[] { throw 42; }, "实时错误 '51':\n\n内部错误"},
    };
    for (const auto& [work, text] : cases) {
        ReportingErrors(view, work);
        EXPECT_EQ(view.reports.back().text, text);
    }
}

TEST(Form1Behaviour, APasteKeepsTheFirstLine) {
    EXPECT_EQ(FirstLine(std::u16string_view(u"3\r\n5")), u"3");
    EXPECT_EQ(FirstLine(std::wstring_view(L"x\ry")), L"x");
    EXPECT_EQ(FirstLine(std::string_view("\n8")), "");
    EXPECT_EQ(FirstLine(std::string_view("12")), "12");
}

}  // namespace
}  // namespace ombrix
