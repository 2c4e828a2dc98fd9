// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace ombrix {

// The kinds of failure that a step of the program can raise.
enum class ErrorKind {
    Overflow,          // error 6
    DivisionByZero,    // error 11
    InvalidOperation,  // error 5
    OutOfMemory,       // error 7
    InternalError,     // error 51
};

// The one failure of Ombrix. It carries the classic error number and message
// (UTF-8), which the window shows in its error report.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(ErrorKind kind);

    [[nodiscard]] ErrorKind kind() const noexcept { return kind_; }
    [[nodiscard]] int number() const noexcept;
    [[nodiscard]] std::string message() const;

private:
    ErrorKind kind_;
};

// Leaves the current step by throwing RuntimeError(kind).
[[noreturn]] void RaiseRuntimeError(ErrorKind kind);

// The error number of a kind: 6, 11, 5, 7 or 51.
int ErrorNumber(ErrorKind kind) noexcept;
// The error message of a kind: "溢出", "除数为零", "无效的过程调用或参数",
// "内存不足" or "内部错误".
const char* ErrorMessage(ErrorKind kind) noexcept;

}  // namespace ombrix
