// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "calc/antenna.h"
#include "calc/feet_inches.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

namespace {

// n / d in whole units, half to even; -1 when n / d lies so near a half that
// the program's doubles may fairly fall on either side of it.
std::int64_t roundedQuotient(std::int64_t n, std::int64_t d)
{
    const std::int64_t twiceRest = 2 * (n % d);
    return std::abs(twiceRest - d) * 1'000'000 < d ? -1 : n / d + (twiceRest > d ? 1 : 0);
}

// Hundredths as the window writes them: "6,63", "0,9", "14", "0".
std::string commaText(std::int64_t hundredths)
{
    std::string text = std::to_string(hundredths / 100) + "," + std::to_string(100 + hundredths % 100).substr(1);
    text.erase(text.find_last_not_of('0') + 1);
    return text.back() == ',' ? text.substr(0, text.size() - 1) : text;
}

using Frequency = std::tuple<std::string, std::int64_t, std::int64_t>; // its text, and n, scale for n / scale Mc

// The nine texts against whole-number arithmetic: at n / 10^d Mc a length of
// T tenths of a metre at 1 Mc is T 10^(d+1) / n centimetres and
// T 10^(d+5) / 3048 n hundredths of a foot, whose last two digits times 12 are
// the inches in hundredths. At the worked examples, at a length that rounds to
// nothing, and at every k thousandths of a Mc up to 1000 Mc in a wide stride;
// the sweep must reach the kinds of row named below.
TEST(Lengths, MatchExactArithmeticAtEveryFrequency)
{
    std::vector<Frequency> frequencies{
        {"21,250", 21'250, 1000}, {"7,1", 71, 10}, {"1", 1, 1}, {",5", 5, 10}, {"5,", 5, 1}, {"100000", 100'000, 1}};
    for (std::int64_t k = 1; k <= 1'000'000; k += k < 100'000 ? 7 : 997)
        frequencies.push_back({std::to_string(k / 1000) + "," + std::to_string(1000 + k % 1000).substr(1), k, 1000});
    int reached = 0;
    for (const auto &[text, n, scale] : frequencies) {
        const auto lengths = calc::calculateLengths(text);
        ASSERT_TRUE(lengths.ok()) << text;
        const auto metres = calc::inRowOrder(lengths.value());
        const std::int64_t tenthsAtOneMc[] = {1408, 994, 207};
        for (std::size_t row = 0; row < metres.size(); ++row) {
            const std::int64_t tenths = tenthsAtOneMc[row] * scale;
            const std::int64_t centimetres = roundedQuotient(tenths * 10, n);
            const std::int64_t feet = roundedQuotient(tenths * 100'000, 3048 * n); // hundredths
            if (centimetres >= 0) {
                EXPECT_EQ(calc::metricText(metres[row]), commaText(centimetres)) << text << " row " << row;
            }
            if (feet < 0)
                continue;
            const calc::FeetInches converted = calc::toFeetInches(metres[row]);
            const std::int64_t inchTenths = (feet % 100 * 12 + 5) / 10; // never a half
            EXPECT_EQ(converted.WholeFeetText + converted.InchesText,
                      "( " + std::to_string(feet / 100) + "' " + commaText(inchTenths * 10) + "'' )")
                << text << " row " << row;
            reached |= (feet > 0 && feet % 100 == 0 ? 1 : 0) | (feet < 100 ? 2 : 0)
                       | (feet >= 10'000 && feet < 100'000 ? 4 : 0) | (feet % 10 == 0 && feet % 100 != 0 ? 8 : 0)
                       | (feet % 100 == 99 ? 16 : 0) | (centimetres == 0 ? 32 : 0);
        }
    }
    EXPECT_EQ(reached, 63) << "feet that round to whole 1, under a foot 2, three-digit feet 4, a one-digit fraction "
                              "of a foot 8, 0,99 of a foot 16, metres that round to zero 32";
}

} // namespace
