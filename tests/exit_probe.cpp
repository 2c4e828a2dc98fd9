// SPDX-License-Identifier: GPL-3.0-or-later
// Starts Form1 as the program does, then ends it by the exit button or by
// closing the window. Exit status 0 means the program ended as it should.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "window/form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const bool byButton = QCoreApplication::arguments().value(1) == QStringLiteral("exit");
    ombrix::Form1 form;
    form.show();
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
