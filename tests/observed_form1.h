// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Qt window as its tests drive it: the exit button counted instead of
// ending the tests, and the controls found by object name, as assistive
// technology finds them.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "window/qt/form1.h"

namespace ombrix::test {

class ObservedForm1 : public Form1 {
public:
    void Exit() override { ++exits; }
    int exits = 0;
};

inline QLineEdit* TextBox(const Form1& form, int k) {
    return form.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(k));
}
inline QLabel* LabelControl(const Form1& form, int k) {
    return form.findChild<QLabel*>(QStringLiteral("Label%1").arg(k));
}
inline QPushButton* ButtonControl(const Form1& form, int k) {
    return form.findChild<QPushButton*>(QStringLiteral("Command%1").arg(k));
}

}  // namespace ombrix::test
