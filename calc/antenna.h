#pragma once

#include "calc/result.h"

#include <string_view>

namespace calc {

// The three lengths to cut, in metres, unrounded.
struct Lengths {
    double LengthOverAll = 0.0; // the whole antenna
    double LengthCoax = 0.0;    // the coaxial cable
    double LengthStub = 0.0;    // the tuning stub
};

// Lengths for a centre frequency in Mc, given as the user typed it. Fails
// when the text is not a number, is zero or beyond a double, or is so small
// that a length would be infinite in inches; on success all three lengths
// are finite in inches too, and not negative.
[[nodiscard]] Result<Lengths> calculateLengths(std::string_view frequencyText);

// The same from a frequency already read. Precondition: f >= 0.
[[nodiscard]] Result<Lengths> lengthsForFrequency(double f);

} // namespace calc
