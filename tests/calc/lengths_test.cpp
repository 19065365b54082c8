// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "calc/antenna.h"
#include "calc/feet_inches.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// n / d in whole units, half to even; -1 when n / d lies so near a half that
// the program's doubles may fairly fall on either side of it.
std::int64_t roundedQuotient(std::int64_t n, std::int64_t d)
{
    const std::int64_t q = n / d;
    const std::int64_t twiceRest = 2 * (n % d);
    if (std::abs(twiceRest - d) * 1'000'000 < d)
        return -1;
    return twiceRest > d ? q + 1 : q;
}

// Hundredths as the window writes them: "6,63", "0,09", "14".
std::string commaText(std::int64_t hundredths)
{
    std::string text = std::to_string(hundredths / 100);
    const auto rest = hundredths % 100;
    if (rest != 0)
        text += "," + std::to_string(rest / 10) + (rest % 10 != 0 ? std::to_string(rest % 10) : "");
    return text;
}

// Every frequency of whole thousandths of a Mc from 0,001 Mc to 1000 Mc in a
// wide stride, checked against exact integer arithmetic: a length of F/10
// metres at 1 Mc is 10^4 F / k centimetres and 10^8 F / 3048 k hundredths of
// a foot at k thousandths of a Mc.
TEST(Lengths, MatchExactArithmeticAtEveryFrequency)
{
    for (std::int64_t k = 1; k <= 1'000'000; k += k < 100'000 ? 7 : 997) {
        const std::string frequency = std::to_string(k / 1000) + "," + std::to_string(1000 + k % 1000).substr(1);
        const auto lengths = calc::calculateLengths(frequency);
        ASSERT_TRUE(lengths.ok()) << frequency;
        const auto metres = calc::inRowOrder(lengths.value());
        const std::int64_t tenthsAtOneMc[] = {1408, 994, 207};
        for (std::size_t row = 0; row < metres.size(); ++row) {
            const std::int64_t f = tenthsAtOneMc[row];
            const std::int64_t centimetres = roundedQuotient(f * 10'000, k);
            const std::int64_t hundredthsOfFeet = roundedQuotient(f * 100'000'000, 3048 * k);
            if (centimetres >= 0) {
                EXPECT_EQ(calc::metricText(metres[row]), commaText(centimetres)) << frequency << " row " << row;
            }
            if (hundredthsOfFeet < 0)
                continue;
            const calc::FeetInches converted = calc::toFeetInches(metres[row]);
            const std::int64_t tenthsOfInches = (hundredthsOfFeet % 100 * 12 + 5) / 10; // never a half
            EXPECT_EQ(converted.WholeFeetText, "( " + std::to_string(hundredthsOfFeet / 100) + "' ") << frequency;
            EXPECT_EQ(converted.InchesText, commaText(tenthsOfInches * 10) + "'' )") << frequency << " row " << row;
        }
    }
}

TEST(Lengths, FeetInExponentFormKeepTheirMagnitude)
{
    const calc::FeetInches converted = calc::toFeetInches(4.62e15 * calc::metresPerFoot);
    EXPECT_EQ(converted.WholeFeetText, "( 4,62E+15' ");
    EXPECT_EQ(converted.InchesText, "0'' )");
}

} // namespace
