// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/runtime_error.h"

namespace ombrix {

int ErrorNumber(ErrorKind kind) noexcept {
    switch (kind) {
    case ErrorKind::Overflow: return 6;
    case ErrorKind::DivisionByZero: return 11;
    case ErrorKind::InvalidOperation: return 5;
    case ErrorKind::OutOfMemory: return 7;
    case ErrorKind::InternalError: return 51;
    }
    return 51;
}

const char* ErrorMessage(ErrorKind kind) noexcept {
    switch (kind) {
    case ErrorKind::Overflow: return "溢出";
    case ErrorKind::DivisionByZero: return "除数为零";
    case ErrorKind::InvalidOperation: return "无效的过程调用或参数";
    case ErrorKind::OutOfMemory: return "内存不足";
    case ErrorKind::InternalError: return "内部错误";
    }
    return "内部错误";
}

RuntimeError::RuntimeError(ErrorKind kind)
    : std::runtime_error(std::to_string(ErrorNumber(kind)) + ": " + ErrorMessage(kind)), kind_(kind) {}

int RuntimeError::number() const noexcept { return ErrorNumber(kind_); }

std::string RuntimeError::message() const { return ErrorMessage(kind_); }

void RaiseRuntimeError(ErrorKind kind) { throw RuntimeError(kind); }

}  // namespace ombrix
