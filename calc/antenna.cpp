// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "calc/antenna.h"

#include "calc/decimal_text.h"
#include "calc/feet_inches.h"

#include <cmath>

namespace calc {

Result<Lengths> calculateLengths(std::string_view frequencyText)
{
    const Result<double> frequency = DecimalText::read(frequencyText);
    if (!frequency)
        return frequency.failure();
    return lengthsForFrequency(frequency.value());
}

Result<Lengths> lengthsForFrequency(double f)
{
    if (f == 0.0)
        return Failure::Zero;

    Lengths lengths;
    lengths.LengthOverAll = overAllFactor / f;
    lengths.LengthCoax = coaxFactor / f;
    // From the unrounded lengths, not from 20.7 / f: the stub is what is left
    // of the antenna beyond the coax, halved.
    lengths.LengthStub = (lengths.LengthOverAll - lengths.LengthCoax) / 2;

    // Every length is also shown in inches, the largest of its numbers. The
    // overall length is the largest of the three: when it is finite in
    // inches, so is everything shown for any of them.
    if (!std::isfinite(lengths.LengthOverAll / metresPerInch))
        return Failure::TooSmall;
    return lengths;
}

std::string metricText(double metres)
{
    constexpr int centimetres = 2;
    return DecimalText::write(roundDecimals(metres, centimetres));
}

} // namespace calc
