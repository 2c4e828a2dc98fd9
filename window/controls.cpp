// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/controls.h"

#include <QKeyEvent>

#include <algorithm>

namespace ombrix {

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setAutoDefault(false);
    setDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    // textEdited comes before textChanged, so shown_ still holds the text
    // from before the edit when it is handled.
    connect(this, &QLineEdit::textEdited, this, &TextBox::KeepFirstLineOfInsertion);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { shown_ = text; });
}

void TextBox::KeepFirstLineOfInsertion(const QString& edited) {
    const auto isLineEnd = [](QChar c) { return c == u'\n' || c == u'\r'; };
    if (std::none_of(edited.begin(), edited.end(), isLineEnd)) return;

    // Typing cannot bring a line end: a paste, a drop or an input method put
    // a text in place of a stretch of the old one, and the cursor stands at
    // its end. Keep what stood before and after it, and its first line.
    const qsizetype end = cursorPosition();
    const qsizetype suffix = edited.size() - end;
    const qsizetype firstLineEnd = std::find_if(edited.begin(), edited.end(), isLineEnd) - edited.begin();
    const qsizetype limit = std::min({end, firstLineEnd, shown_.size() - suffix});
    qsizetype prefix = 0;
    while (prefix < limit && shown_[prefix] == edited[prefix]) ++prefix;
    const QString inserted = edited.mid(prefix, std::min(end, firstLineEnd) - prefix);

    setText(edited.left(prefix) + inserted + edited.right(suffix));
    setCursorPosition(static_cast<int>(prefix + inserted.size()));
}

}  // namespace ombrix
