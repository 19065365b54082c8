// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#pragma once

#include <cstdint>
#include <string>

namespace calc {

inline constexpr double metresPerInch = 0.0254;
inline constexpr double metresPerFoot = 0.3048;
inline constexpr int inchesPerFoot = 12;

// One length in feet and inches, with the intermediate values of the
// conversion kept, since the window holds them as its working values.
struct FeetInches {
    double InchesTotal = 0.0;  // the length in inches, unrounded
    double FeetRounded = 0.0;  // the length in feet, rounded to two decimals
    std::int16_t CommaPos = 0; // 1-based place of the comma in the feet text; length + 1 without one
    double FootFraction = 0.0; // the part of a foot after the whole feet
    double InchesPart = 0.0;   // inches beyond the whole feet, rounded to one decimal
    std::string WholeFeet;     // "21": the whole feet as the feet text spells them
    std::string WholeFeetText; // "( 21' " - the trailing blank separates it from the inches
    std::string InchesText;    // "8,9'' )"
};

// Converts a length in metres the way the cut list shows it: the feet are
// rounded to hundredths first, and the inches come from those hundredths.
[[nodiscard]] FeetInches toFeetInches(double metres);

} // namespace calc
