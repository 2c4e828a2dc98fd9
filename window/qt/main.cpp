// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include <clocale>
#include <cstring>

#include <langinfo.h>

#include "window/qt/chinese_texts.h"
#include "window/qt/form1.h"
#include "window/qt/qt_arguments.h"

namespace {

// The window's title goes to the window system twice: as UTF-8 for today's
// window managers, and encoded for the C library's locale for the others and
// for tools that read WM_NAME. In the POSIX locale that encoding is ASCII, and
// the title arrived as "Ombrixè®¡ç®..."; Qt 6.5 and later switch to C.UTF-8 by
// themselves, and so does Ombrix on older Qt. Only the character type changes:
// numbers are read and written by Ombrix's own rules, in every locale.
void UseUtf8Characters() {
    // Where the C library has no C.UTF-8 the locale stays as it was.
    if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) (void)std::setlocale(LC_CTYPE, "C.UTF-8");
}

}  // namespace

int main(int argc, char* argv[]) {
    ombrix::QtArguments qtArguments(argc, argv);
    QApplication app(qtArguments.count(), qtArguments.values());  // sets the locale from the environment
    UseUtf8Characters();
    QApplication::setApplicationName(QStringLiteral("Ombrix"));
    QApplication::setApplicationVersion(QStringLiteral(OMBRIX_DISPLAY_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.ombrix.Ombrix"));
    ombrix::InstallChineseQtTexts(app);

    ombrix::Form1 form;
    form.show();
    return QApplication::exec();
}
