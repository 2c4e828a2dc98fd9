#include "window/error_report.h"

#include <QMessageBox>

#include "runtime/runtime_error.h"

namespace ombrix {

QString ErrorReportText(const RuntimeError& error) {
    return QStringLiteral("实时错误 '%1':\n\n%2").arg(error.number()).arg(QString::fromStdString(error.message()));
}

void ReportingErrors(QWidget* window, const std::function<void()>& work) {
    try {
        work();
    } catch (const RuntimeError& error) {
        QMessageBox report(QMessageBox::Critical, QStringLiteral("Ombrix"), ErrorReportText(error),
                           QMessageBox::Ok, window);
        report.setObjectName("ErrorReport");
        report.exec();
    }
}

}  // namespace ombrix
