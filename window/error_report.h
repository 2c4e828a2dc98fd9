// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "runtime/runtime_error.h"

namespace ombrix {

class Form1View;

// The classic error report: a modal box titled "Ombrix" with "实时错误 '6':",
// a blank line and the message, and one button, 确定.
inline constexpr std::string_view ErrorReportTitle = "Ombrix";
inline constexpr std::string_view ErrorReportButton = "确定";

struct ErrorReport {
    std::string title;
    std::string text;
    std::string button;
};

ErrorReport ErrorReportFor(const RuntimeError& error);

// Runs one click's work. A RuntimeError leaves the work where it was raised
// and is shown as the error report; the program then goes on, with the boxes
// as the work left them. Any other exception is reported the same way, as the
// nearest classic error: std::bad_alloc as error 7 (内存不足),
// std::overflow_error as 6, std::domain_error as 5, anything else as 51.
void ReportingErrors(Form1View& view, const std::function<void()>& work);

}  // namespace ombrix
