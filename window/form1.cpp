// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form1.h"

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include <array>
#include <optional>
#include <string>

#include "compute/compute_command.h"
#include "compute/exact_area.h"
#include "runtime/float_environment.h"
#include "runtime/number_text.h"
#include "window/commands.h"
#include "window/controls.h"
#include "window/error_report.h"
#include "window/form1_layout.h"
#include "window/result_note.h"

namespace ombrix {
namespace {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A CJK family at 9 points: every caption fits its fixed control size.
QFont Form1Font() {
    QFont font;
    font.setFamilies({"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Source Han Sans SC", "Microsoft YaHei", "SimSun",
                      "PingFang SC", "Sans Serif"});
    font.setPointSize(9);
    return font;
}

QIcon Form1Icon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 128, 256}) icon.addFile(QStringLiteral(":/icons/ombrix-%1.png").arg(size));
    return icon;
}

QRect PixelRect(const ControlPlace& place) {
    return {TwipsToPixels(place.left), TwipsToPixels(place.top), TwipsToPixels(place.width),
            TwipsToPixels(place.height)};
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent), exitAction_(ExitProgram) {
    setObjectName("Form1");
    setWindowTitle(FromUtf8(Form1Caption));
    setFixedSize(TwipsToPixels(Form1ClientWidth), TwipsToPixels(Form1ClientHeight));
    setFont(Form1Font());
    setWindowIcon(Form1Icon());
    CreateControls();
    WireEvents();
    Text1->setFocus(Qt::OtherFocusReason);
}

void Form1::CreateControls() {
    // The layout table holds exactly as many controls of each kind as these
    // members (checked where the table is defined).
    const std::array<QLabel**, Form1Labels> labels = {&Label1, &Label2, &Label3};
    const std::array<QLineEdit**, Form1TextBoxes> boxes = {&Text1, &Text2, &Text3, &Text4};
    const std::array<QPushButton**, Form1Buttons> buttons = {&Command1, &Command2, &Command3, &Command4, &Command5};
    std::size_t labelCount = 0, boxCount = 0, buttonCount = 0;
    QWidget* previous = nullptr;

    // Created in tab order, so the labels lie beneath the boxes that overlap them.
    for (const ControlPlace& place : Form1Controls) {
        QWidget* control = nullptr;
        switch (place.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(FromUtf8(place.caption), this);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            control = *labels[labelCount++] = label;
            break;
        }
        case ControlKind::TextBox: control = *boxes[boxCount++] = new TextBox(this); break;
        case ControlKind::Button:
            control = *buttons[buttonCount++] = new CommandButton(FromUtf8(place.caption), this);
            break;
        }
        control->setObjectName(FromUtf8(place.name));
        control->setGeometry(PixelRect(place));
        if (place.kind != ControlKind::Label) {
            if (previous != nullptr) setTabOrder(previous, control);
            previous = control;
        }
    }

    Label1->setBuddy(Text1);
    Label2->setBuddy(Text2);
    Label3->setBuddy(Text3);
    Text4->setAccessibleName(QStringLiteral("表面积"));
    // The captions stay as they are; a screen reader learns what each button does.
    const char* const axes[] = {"a", "b", "c"};
    for (int row = 1; row <= 3; ++row) {
        QPushButton* clear = row == 1 ? Command1 : row == 2 ? Command2 : Command3;
        clear->setAccessibleName(QStringLiteral("清除半轴%1").arg(QLatin1String(axes[row - 1])));
        clear->setAccessibleDescription(
            QStringLiteral("把半轴%1和表面积的框清为一个空格").arg(QLatin1String(axes[row - 1])));
    }
    Command4->setAccessibleDescription(QStringLiteral("结束程序"));
    Command5->setAccessibleDescription(QStringLiteral("由三个半轴计算椭球的表面积"));
}

void Form1::WireEvents() {
    connect(Command1, &QPushButton::clicked, this, [this] { ReportingErrors(this, [this] { ClearRow(*this, 1); }); });
    connect(Command2, &QPushButton::clicked, this, [this] { ReportingErrors(this, [this] { ClearRow(*this, 2); }); });
    connect(Command3, &QPushButton::clicked, this, [this] { ReportingErrors(this, [this] { ClearRow(*this, 3); }); });
    connect(Command4, &QPushButton::clicked, this, [this] { exitAction_(); });
    connect(Command5, &QPushButton::clicked, this, [this] { ReportingErrors(this, [this] { Command5Click(); }); });
    // The note speaks of the area the compute showed: any other change of the
    // result box (a clear, the user's typing) takes it away.
    connect(Text4, &QLineEdit::textChanged, this, [this] { ShowResultNote({}); });
}

// RunComputeCommand's text, from the parts it is made of, so that the boxes
// are read once and the semi-axes serve the exact area too.
void Form1::Command5Click() {
    const ClassicFloatEnvironment environment;
    const std::optional<SemiAxes> axes =
        ReadSemiAxes(Text1->text().toStdString(), Text2->text().toStdString(), Text3->text().toStdString());
    if (!axes) {
        Text4->setText(FromUtf8(InputErrorText));
        return;
    }
    // Everything that may throw comes before the box is set, so that an error
    // report never stands beside a new number without its note.
    const double area = SurfaceArea(*axes);
    const QString note = ResultNote(area, ExactSurfaceArea(axes->a, axes->b, axes->c));
    Text4->setText(QString::fromStdString(NumberText(area)));
    ShowResultNote(note);
}

void Form1::ShowResultNote(const QString& note) {
    Text4->setToolTip(note);
    Text4->setAccessibleDescription(note);
}

QLineEdit* Form1::InputBox(int k) const {
    switch (k) {
    case 1: return Text1;
    case 2: return Text2;
    case 3: return Text3;
    default: return nullptr;
    }
}

void Form1::SetExitAction(std::function<void()> action) { exitAction_ = std::move(action); }

}  // namespace ombrix
