// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace ombrix {

// The Val conversion: the value of the number at the start of a UTF-8 text.
//
// Blanks, tabs and line feeds are stripped wherever they stand. Then come an
// optional sign, digits with at most one '.', and an exponent letter (E, e, D
// or d) with an optional sign, taken only when digits follow; reading stops at
// the first other character. A text without digits gives 0. "&H" (hexadecimal),
// "&O" or a bare "&" (octal) read a radix number with the classic signed
// results: up to FFFF hexadecimal as a 16-bit integer, up to FFFFFFFF as a
// 32-bit one; a trailing '&' makes it 32-bit whatever its size ("&H8000&" is
// 32768). The full-width digits, signs, point, exponent letters, '&', H, O,
// hexadecimal letters, the ideographic space and the ideographic full stop
// "。" (the point key of a Chinese keyboard) that Chinese input methods type
// read as their ASCII forms.
//
// Decimals are correctly rounded, whatever the locale. A decimal beyond the
// double range, or a radix number wider than 32 bits, raises RuntimeError
// (overflow); one too small for a double gives 0. Linear in the text's length.
double Val(std::string_view text);

}  // namespace ombrix
