// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/qt/controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>

#include <algorithm>

#include "window/commands.h"

namespace ombrix {
namespace {

QAccessibleInterface* AnnouncerAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String(Announcer::staticMetaObject.className()) || !object->isWidgetType()) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
}

}  // namespace

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setAutoDefault(false);
    setDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    // The keypad's Enter comes with the keypad modifier.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textEdited, this, &TextBox::KeepFirstLineOfInsertion);
}

void TextBox::KeepFirstLineOfInsertion(const QString& edited) {
    const auto isLineEnd = [](QChar c) { return c == u'\n' || c == u'\r'; };
    if (std::none_of(edited.begin(), edited.end(), isLineEnd)) return;
    const auto firstLine = [](const QString& text) {
        const QStringView view(text);
        const std::u16string_view line =
            FirstLine(std::u16string_view(view.utf16(), static_cast<std::size_t>(view.size())));
        return QString::fromUtf16(line.data(), static_cast<qsizetype>(line.size()));
    };

    // Typing cannot bring a line end: a paste, a drop or an input method put
    // a text in place of the selection, or at the cursor. Take that edit back,
    // which brings back the selection, and insert the first line of the text
    // instead: the box's history then holds one edit, which one undo reverses.
    if (!isUndoAvailable()) {  // nothing to take back: keep the text before the line end
        setText(firstLine(edited));
        return;
    }
    undo();
    const QString before = text();
    const qsizetype start = hasSelectedText() ? selectionStart() : cursorPosition();
    const QString inserted = edited.mid(start, edited.size() - (before.size() - selectedText().size()));
    insert(firstLine(inserted));
}

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    static const bool installed = (QAccessible::installFactory(AnnouncerAccessible), true);
    (void)installed;
    setObjectName("Announcer");
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
    hide();
}

void Announcer::Announce(const QString& text) {
    hide();
    setAccessibleName(text);
    if (!text.trimmed().isEmpty()) show();
}

}  // namespace ombrix
