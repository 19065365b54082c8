// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#pragma once

#include "calc/result.h"

#include <string>
#include <string_view>

// Numbers as the user reads and types them: a comma as the decimal
// separator, no digit grouping, whatever the process locale says.
namespace calc::DecimalText {

// Reads digits with at most one comma (",5" and "5," are allowed) as the
// nearest double. Anything else - blanks, signs, dots, exponents, grouping -
// is NotANumber; a value beyond a double's range is TooLarge, and a non-zero
// value too small to be told from zero is TooSmall.
[[nodiscard]] Result<double> read(std::string_view text);

// Writes the shortest form of x rounded to 15 significant digits: no
// trailing zeros, no comma for whole numbers, a leading "0" below one.
// Magnitudes of 10^15 and above, and non-zero ones below 10^-4, would be a
// row of digits nobody can count, so they take the exponent form
// "4,62E+15" / "1,5E-05": a mantissa with one digit before the comma, then
// "E", the exponent's sign and at least two digits.
// Precondition: x is finite; no length the program shows can be anything else.
[[nodiscard]] std::string write(double x);

} // namespace calc::DecimalText

namespace calc {

// The multiple of 10^-decimals nearest to the exact value of x, an exact half
// going to the even neighbour. Works on the decimal expansion of x, so that
// 12.4250000000000007 (the double for 99,4/8) becomes 12.43, not 12.42.
// Precondition: 0 <= decimals <= 15.
[[nodiscard]] double roundDecimals(double x, int decimals);

} // namespace calc
