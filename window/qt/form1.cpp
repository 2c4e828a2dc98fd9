// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/qt/form1.h"

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include <array>

#include "window/commands.h"
#include "window/error_report.h"
#include "window/form1_layout.h"
#include "window/qt/controls.h"

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
        if (!place.accessibleName.empty()) control->setAccessibleName(FromUtf8(place.accessibleName));
        if (!place.accessibleDescription.empty())
            control->setAccessibleDescription(FromUtf8(place.accessibleDescription));
        if (place.kind != ControlKind::Label) {
            if (previous != nullptr) setTabOrder(previous, control);
            previous = control;
        }
    }

    Label1->setBuddy(Text1);
    Label2->setBuddy(Text2);
    Label3->setBuddy(Text3);
}

void Form1::WireEvents() {
    const std::array<QPushButton*, Form1Buttons> buttons = {Command1, Command2, Command3, Command4, Command5};
    for (int k = 1; k <= static_cast<int>(buttons.size()); ++k)
        connect(buttons[static_cast<std::size_t>(k - 1)], &QPushButton::clicked, this,
                [this, k] { ClickCommand(*this, k); });
    // The note speaks of the area the compute showed: any other change of the
    // result box (a clear, the user's typing) takes it away.
    connect(Text4, &QLineEdit::textChanged, this, [this] { SetResultNote({}); });
}

QLineEdit* Form1::BoxOf(Box box) const {
    switch (box) {
    case Box::Text1: return Text1;
    case Box::Text2: return Text2;
    case Box::Text3: return Text3;
    case Box::Text4: return Text4;
    }
    return Text4;
}

std::string Form1::Text(Box box) const { return BoxOf(box)->text().toStdString(); }

void Form1::SetText(Box box, std::string_view text) { BoxOf(box)->setText(FromUtf8(text)); }

void Form1::SetResultNote(std::string_view note) {
    Text4->setToolTip(FromUtf8(note));
    Text4->setAccessibleDescription(FromUtf8(note));
}

void Form1::ShowErrorReport(const ErrorReport& report) {
    QMessageBox box(QMessageBox::Critical, FromUtf8(report.title), FromUtf8(report.text), QMessageBox::Ok, this);
    box.setObjectName("ErrorReport");
    // The classic report's button, whether or not Qt's translation is installed.
    box.button(QMessageBox::Ok)->setText(FromUtf8(report.button));
    box.exec();
}

void Form1::Exit() { exitAction_(); }

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
