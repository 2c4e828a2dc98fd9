// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/qt/form1.h"

#include <QAccessible>
#include <QEvent>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QToolTip>
#include <QtGlobal>

#include <limits>
#include <string_view>

#include "window/commands.h"
#include "window/error_report.h"
#include "window/form1_layout.h"
#include "window/qt/controls.h"

namespace ombrix {
namespace {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QFont Form1Font() {
    QStringList families;
    for (const std::string_view family : Form1FontFamilies) families << FromUtf8(family);
    QFont font;
    font.setFamilies(families);
    font.setPointSize(Form1FontPoints);
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

Form1::Form1(QWidget* parent) : QWidget(parent) {
    setObjectName("Form1");
    setWindowTitle(FromUtf8(Form1Caption));
    setFixedSize(TwipsToPixels(Form1ClientWidth), TwipsToPixels(Form1ClientHeight));
    setFont(Form1Font());
    setWindowIcon(Form1Icon());
    CreateControls();
    boxes_[static_cast<std::size_t>(StartFocus)]->setFocus(Qt::OtherFocusReason);
}

void Form1::CreateControls() {
    QWidget* previous = nullptr;
    // Created in tab order, so the labels lie beneath the boxes that overlap them.
    for (const ControlPlace& place : Form1Controls) {
        QWidget* control = nullptr;
        switch (place.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(FromUtf8(place.caption), this);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            labels_[static_cast<std::size_t>(*place.box)] = label;
            control = label;
            break;
        }
        case ControlKind::TextBox: {
            auto* box = new TextBox(this);
            box->setMaxLength(BoxTextLimit);
            if (*place.box == ResultBox) box->installEventFilter(this);
            connect(box, &QLineEdit::textEdited, this, [this, which = *place.box] { BoxEdited(*this, which); });
            boxes_[static_cast<std::size_t>(*place.box)] = box;
            control = box;
            break;
        }
        case ControlKind::Button: {
            auto* button = new CommandButton(FromUtf8(place.caption), this);
            connect(button, &QPushButton::clicked, this,
                    [this, command = *place.command] { ClickCommand(*this, command); });
            buttons_[static_cast<std::size_t>(*place.command)] = button;
            control = button;
            break;
        }
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
    for (std::size_t k = 0; k < labels_.size(); ++k) labels_[k]->setBuddy(boxes_[k]);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    announcer_ = new Announcer(this);
#endif
}

std::string Form1::Text(Box box) const { return boxes_[static_cast<std::size_t>(box)]->text().toStdString(); }

void Form1::SetText(Box box, std::string_view text) { boxes_[static_cast<std::size_t>(box)]->setText(FromUtf8(text)); }

void Form1::SetResultNote(std::string_view note) {
    QLineEdit* result = boxes_[static_cast<std::size_t>(ResultBox)];
    result->setToolTip(FromUtf8(note));
    result->setAccessibleDescription(FromUtf8(note));
    ShowNoteForFocus();
}

void Form1::AnnounceResult(std::string_view text) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(boxes_[static_cast<std::size_t>(ResultBox)], FromUtf8(text));
    QAccessible::updateAccessibility(&announcement);
#else
    announcer_->Announce(FromUtf8(text));
#endif
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // Once the focus has moved: a tooltip hides itself on any focus event.
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        QMetaObject::invokeMethod(this, &Form1::ShowNoteForFocus, Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}

void Form1::ShowNoteForFocus() {
    QLineEdit* result = boxes_[static_cast<std::size_t>(ResultBox)];
    if (result->hasFocus() && !result->toolTip().isEmpty()) {
        // Under the box, for as long as it has the focus; a key pressed
        // there hides it, as any tooltip.
        QToolTip::showText(result->mapToGlobal(QPoint(0, result->height() + 2)), result->toolTip(), result, QRect(),
                           std::numeric_limits<int>::max());
        noteShownForFocus_ = true;
    } else if (noteShownForFocus_) {
        QToolTip::hideText();
        noteShownForFocus_ = false;
    }
}

void Form1::ShowErrorReport(const ErrorReport& report) {
    QMessageBox box(QMessageBox::Critical, FromUtf8(report.title), FromUtf8(report.text), QMessageBox::Ok, this);
    box.setObjectName("ErrorReport");
    // The classic report's button, whether or not Qt's translation is installed.
    box.button(QMessageBox::Ok)->setText(FromUtf8(report.button));
    box.exec();
}

}  // namespace ombrix
