// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "window/form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ombrix"));
    QApplication::setApplicationVersion(QStringLiteral(OMBRIX_DISPLAY_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.ombrix.Ombrix"));

    ombrix::Form1 form;
    form.show();
    return QApplication::exec();
}
