// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#pragma once

#include <array>
#include <string>
#include <vector>

// What the Calculate command shows, the same on every system: the worked
// examples, rows of one foot and one inch, three-digit feet, lengths that
// round to nothing, either side of the border of lengths too long to show,
// and each warning, also for a frequency that reads as too small for a
// double. Each window's test types the frequencies in turn,
// presses Calculate after each, and compares.
struct CalculateRow {
    const char *name;
    std::vector<std::string> frequencies;
    // "metres|whole feet|inches|the length in words" for each result row in
    // turn; after a warning, the last good calculation's feet and inches.
    const char *results;
    const char *warning; // its text, or nullptr
};

inline const char *const keptResults = "|( 65' |0,7'' )|65 feet 0 point 7 inches||( 45' |11,2'' )|45 feet 11 point 2 "
                                       "inches||( 9' |6,8'' )|9 feet 6 point 8 inches";

// clang-format off
inline const std::array<CalculateRow, 12> calculateRows{{
    {"21,250", {"21,250"}, "6,63|( 21' |8,9'' )|21 feet 8 point 9 inches|4,68|( 15' |4,2'' )|15 feet 4 point 2 inches|"
        "0,97|( 3' |2,4'' )|3 feet 2 point 4 inches", nullptr},
    {"7,1", {"7,1"}, "19,83|( 65' |0,7'' )|65 feet 0 point 7 inches|14|( 45' |11,2'' )|45 feet 11 point 2 inches|"
        "2,92|( 9' |6,8'' )|9 feet 6 point 8 inches", nullptr},
    {"three-digit feet, one inch", {"1,408"}, "100|( 328' |1'' )|328 feet 1 inch|70,6|( 231' |7,4'' )|231 feet 7 "
        "point 4 inches|14,7|( 48' |2,8'' )|48 feet 2 point 8 inches", nullptr},
    {"one foot", {"50"}, "2,82|( 9' |2,9'' )|9 feet 2 point 9 inches|1,99|( 6' |6,2'' )|6 feet 6 point 2 inches|"
        "0,41|( 1' |4,3'' )|1 foot 4 point 3 inches", nullptr},
    {"rounds to zero", {"100000"}, "0|( 0' |0'' )|0 feet 0 inches|0|( 0' |0'' )|0 feet 0 inches|0|( 0' |0'' )|"
        "0 feet 0 inches", nullptr},
    // 9998 feet show whole, 10020 would not.
    {"longest shown", {"0,0462"}, "3047,62|( 9998' |9'' )|9998 feet 9 inches|2151,52|( 7058' |9,4'' )|"
        "7058 feet 9 point 4 inches|448,05|( 1469' |11,9'' )|1469 feet 11 point 9 inches", nullptr},
    {"too long to show", {"7,1", "0,0461"}, keptResults, "The frequency is too small: the antenna would be longer "
        "than any length this program can show. Type a larger frequency, for example 21,250."},
    {"not a number", {"7,1", ""}, keptResults, "The frequency is not a number. Type the centre frequency of the band "
        "in Mc, with digits and at most one comma, for example 21,250."},
    {"zero", {"7,1", "0"}, keptResults, "The frequency is zero, and an antenna for zero Mc has no length. Type a "
        "frequency above zero, for example 21,250."},
    {"too large", {"7,1", std::string(400, '9')}, keptResults, "The frequency is too large to calculate with. Type "
        "the centre frequency of the band in Mc, for example 21,250."},
    // The metres still fit a double, the inches would not; and a frequency that reads as no double but zero.
    {"too small", {"7,1", "0," + std::string(304, '0') + "1408"}, keptResults, "The frequency is too small: the "
        "antenna would be longer than any length this program can show. Type a larger frequency, for example 21,250."},
    {"below any double", {"7,1", "0," + std::string(400, '0') + "1"}, keptResults, "The frequency is too small: the "
        "antenna would be longer than any length this program can show. Type a larger frequency, for example 21,250."},
}};
// clang-format on
