// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

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

// Where Qt has no announcement for screen readers (before 6.8): an unseen
// notification that shows anew with each text. A screen reader speaks a
// notification as it shows (Orca does), while the focus stays where it is.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);
    void Announce(const QString& text);
};

}  // namespace ombrix
