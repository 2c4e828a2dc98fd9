// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/error_report.h"

#include <new>
#include <stdexcept>

#include "window/form1_view.h"

namespace ombrix {

ErrorReport ErrorReportFor(const RuntimeError& error) {
    return {std::string(ErrorReportTitle), "实时错误 '" + std::to_string(error.number()) + "':\n\n" + error.message(),
            std::string(ErrorReportButton)};
}

void ReportingErrors(Form1View& view, const std::function<void()>& work) {
    // Nothing may unwind through the toolkit's event loop: every exception
    // ends here, as the classic runtime error nearest to it.
    ErrorKind kind = ErrorKind::InternalError;
    try {
        work();
        return;
    } catch (const RuntimeError& error) {
        kind = error.kind();
    } catch (const std::bad_alloc&) {
        kind = ErrorKind::OutOfMemory;
    } catch (const std::overflow_error&) {
        kind = ErrorKind::Overflow;
    } catch (const std::domain_error&) {
        kind = ErrorKind::InvalidOperation;
    } catch (...) {
        kind = ErrorKind::InternalError;
    }
    view.ShowErrorReport(ErrorReportFor(RuntimeError(kind)));
}

}  // namespace ombrix
