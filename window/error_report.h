// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace ombrix {

class RuntimeError;

// The report's text: "实时错误 '6':", a blank line, then the message.
QString ErrorReportText(const RuntimeError& error);

// Runs one click's work. A RuntimeError leaves the work where it was raised
// and is shown as a modal report titled "Ombrix"; the program then goes on,
// with the boxes as the work left them. Any other exception is reported the
// same way, as the nearest classic error: std::bad_alloc as error 7 (内存不足),
// std::overflow_error as 6, std::domain_error as 5, anything else as 51.
void ReportingErrors(QWidget* window, const std::function<void()>& work);

}  // namespace ombrix
