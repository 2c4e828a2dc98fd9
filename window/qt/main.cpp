// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "window/qt/chinese_texts.h"
#include "window/qt/form1.h"
#include "window/qt/qt_arguments.h"

int main(int argc, char* argv[]) {
    ombrix::QtArguments qtArguments(argc, argv);
    QApplication app(qtArguments.count(), qtArguments.values());
    QApplication::setApplicationName(QStringLiteral("Ombrix"));
    QApplication::setApplicationVersion(QStringLiteral(OMBRIX_DISPLAY_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.ombrix.Ombrix"));
    ombrix::InstallChineseQtTexts(app);

    ombrix::Form1 form;
    form.show();
    return QApplication::exec();
}
