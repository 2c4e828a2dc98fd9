// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/error_report.h"

#include <QMessageBox>
#include <QPushButton>

#include <new>
#include <stdexcept>

#include "runtime/runtime_error.h"

namespace ombrix {

QString ErrorReportText(const RuntimeError& error) {
    return QStringLiteral("实时错误 '%1':\n\n%2").arg(error.number()).arg(QString::fromStdString(error.message()));
}

namespace {

void Report(QWidget* window, const RuntimeError& error) {
    QMessageBox report(QMessageBox::Critical, QStringLiteral("Ombrix"), ErrorReportText(error), QMessageBox::Ok,
                       window);
    report.setObjectName("ErrorReport");
    // The classic report's button, whether or not Qt's translation is installed.
    report.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    report.exec();
}

}  // namespace

void ReportingErrors(QWidget* window, const std::function<void()>& work) {
    // Nothing may unwind through Qt's event loop: every exception ends here,
    // as the classic runtime error nearest to it.
    try {
        work();
    } catch (const RuntimeError& error) {
        Report(window, error);
    } catch (const std::bad_alloc&) {
        Report(window, RuntimeError(ErrorKind::OutOfMemory));
    } catch (const std::overflow_error&) {
        Report(window, RuntimeError(ErrorKind::Overflow));
    } catch (const std::domain_error&) {
        Report(window, RuntimeError(ErrorKind::InvalidOperation));
    } catch (...) {
        Report(window, RuntimeError(ErrorKind::InternalError));
    }
}

}  // namespace ombrix
