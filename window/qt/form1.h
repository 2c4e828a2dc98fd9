// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <functional>
#include <string>
#include <string_view>

#include "window/form1_view.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ombrix {

// Ombrix's only window in Qt Widgets: three input rows (label, box, clear
// button) above the compute button, the result box and the exit button. The
// controls carry their names (Text1 ... Command5) as object names; what they
// do is Form1's behaviour (window/commands.h), bound here.
class Form1 : public QWidget, public Form1View {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;

    // The input box of row k (1, 2 or 3).
    [[nodiscard]] QLineEdit* InputBox(int k) const;

    // What the exit button does: ExitProgram, unless a test observes it.
    void SetExitAction(std::function<void()> action);

    [[nodiscard]] std::string Text(Box box) const override;
    void SetText(Box box, std::string_view text) override;
    void SetResultNote(std::string_view note) override;
    void ShowErrorReport(const ErrorReport& report) override;
    void Exit() override;

private:
    void CreateControls();
    void WireEvents();
    [[nodiscard]] QLineEdit* BoxOf(Box box) const;

    std::function<void()> exitAction_;
};

}  // namespace ombrix
