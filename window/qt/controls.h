// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QPushButton>

namespace ombrix {

// A command button as the classic window has it: Space, Return and the
// keypad's Enter all click the focused button. It is never a default button.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    CommandButton(const QString& caption, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A single-line text box as the classic window has it: of a pasted or dropped
// text with several lines, only the first line is kept.
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent);

private:
    void KeepFirstLineOfInsertion(const QString& edited);
};

}  // namespace ombrix
