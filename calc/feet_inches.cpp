// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "calc/feet_inches.h"

#include "calc/decimal_text.h"

namespace calc {

namespace {

// The 1-based place of the first comma in text, or its length plus one.
std::int16_t findComma(const std::string &text)
{
    std::int16_t pos = 1;
    while (static_cast<std::size_t>(pos) <= text.size() && text[pos - 1] != ',')
        ++pos;
    return pos;
}

} // namespace

FeetInches toFeetInches(double metres)
{
    FeetInches result;
    result.InchesTotal = metres / metresPerInch;
    result.FeetRounded = roundDecimals(result.InchesTotal / inchesPerFoot, 2);
    const std::string feet = DecimalText::write(result.FeetRounded);

    if (feet.find('E') != std::string::npos) {
        // Exponent form only comes at 10^15 feet and more, where hundredths of
        // a foot are lost anyway. Taking the digits before its comma as whole
        // feet would turn 4,62E+15 into 4, so the whole form stands for the
        // feet and no inches are left over.
        result.CommaPos = static_cast<std::int16_t>(feet.size() + 1);
        result.FootFraction = 0.0;
    } else {
        result.CommaPos = findComma(feet);
        const auto afterComma = static_cast<std::size_t>(result.CommaPos);
        // ",74" of "21,74": the digits after the comma as a fraction.
        result.FootFraction = afterComma < feet.size() ? DecimalText::read(feet.substr(afterComma - 1)).value() : 0.0;
    }

    result.InchesPart = roundDecimals((result.FootFraction * metresPerFoot) / metresPerInch, 1);
    result.WholeFeet = feet.substr(0, result.CommaPos - 1);
    result.WholeFeetText = "( " + result.WholeFeet + "' ";
    result.InchesText = DecimalText::write(result.InchesPart) + "'' )";
    return result;
}

} // namespace calc
