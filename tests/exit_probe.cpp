// SPDX-License-Identifier: GPL-3.0-or-later
// Starts Form1 as the program does, then ends it by the exit button or by
// closing the window. Exit status 0 means the program ended as it should.
// Any further arguments (Qt's own options among them) must change nothing.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <string_view>

#include "window/qt/form1.h"
#include "window/qt/qt_arguments.h"

int main(int argc, char* argv[]) {
    const bool byButton = argc > 1 && std::string_view(argv[1]) == "exit";
    ombrix::QtArguments qtArguments(argc, argv);
    QApplication app(qtArguments.count(), qtArguments.values());
    ombrix::Form1 form;
    form.show();
    const QString caption = QStringLiteral("Ombrix计算器");
    if (form.windowHandle()->title() != caption || form.layoutDirection() != Qt::LeftToRight) return 4;
    QTimer::singleShot(100, &form, [&form, byButton] {
        form.Text1->setText(QStringLiteral("typed"));
        if (byButton)
            form.Command4->click();
        else
            form.close();
    });
    const int status = QApplication::exec();
    return byButton ? 3 : status;  // the exit button must not come back here
}
