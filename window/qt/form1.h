// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <array>
#include <string>
#include <string_view>

#include "window/form1_layout.h"
#include "window/form1_view.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ombrix {

class Announcer;

// Ombrix's only window in Qt Widgets: three input rows (label, box, clear
// button) above the compute button, the result box and the exit button. The
// controls carry their names (Text1 ... Command5) as object names, by which
// tests and assistive technology find them; what they do is Form1's
// behaviour (window/commands.h), bound here.
class Form1 : public QWidget, public Form1View {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

    [[nodiscard]] std::string Text(Box box) const override;
    void SetText(Box box, std::string_view text) override;
    void SetResultNote(std::string_view note) override;
    void AnnounceResult(std::string_view text) override;
    void ShowErrorReport(const ErrorReport& report) override;

protected:
    // The note shows as a tooltip while the result box has the keyboard
    // focus, for those who cannot hover.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void ShowNoteForFocus();

    // By Box, by the Box a label names, and by Command.
    std::array<QLineEdit*, Form1TextBoxes> boxes_{};
    std::array<QLabel*, Form1Labels> labels_{};
    std::array<QPushButton*, Form1Buttons> buttons_{};
    bool noteShownForFocus_ = false;
    [[maybe_unused]] Announcer* announcer_ = nullptr;  // where Qt has no announcement event
};

}  // namespace ombrix
