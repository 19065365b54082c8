// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#pragma once

#include "calc/result.h"

#include <array>
#include <string>
#include <string_view>

namespace calc {

// Metres times Mc: the whole antenna is 140,8 m long at 1 Mc, its coax 99,4 m.
inline constexpr double overAllFactor = 140.8;
inline constexpr double coaxFactor = 99.4;

// The three lengths to cut, in metres, unrounded.
struct Lengths {
    double LengthOverAll = 0.0; // the whole antenna
    double LengthCoax = 0.0;    // the coaxial cable
    double LengthStub = 0.0;    // the tuning stub
};

// The rows of the cut list, in the order it shows them: overall, coax, stub.
inline constexpr std::size_t rowCount = 3;
[[nodiscard]] constexpr std::array<double, rowCount> inRowOrder(const Lengths &lengths)
{
    return {lengths.LengthOverAll, lengths.LengthCoax, lengths.LengthStub};
}

// Lengths for a centre frequency in Mc, given as the user typed it. Fails
// when the text is not a number, is zero or beyond a double, or is so small
// that a length would be infinite in inches; on success all three lengths
// are finite in inches too, and not negative.
[[nodiscard]] Result<Lengths> calculateLengths(std::string_view frequencyText);

// The same from a frequency already read. Precondition: f >= 0.
[[nodiscard]] Result<Lengths> lengthsForFrequency(double f);

// A length as the cut list shows it in metres: rounded to centimetres.
[[nodiscard]] std::string metricText(double metres);

} // namespace calc
