// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "calc/decimal_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <string>
#include <tuple>

namespace DecimalText = calc::DecimalText;

namespace {

// The text is a number, but one below the smallest double: too small, not zero.
TEST(DecimalText, ReadsBelowTheSmallestDoubleAsTooSmall)
{
    EXPECT_EQ(DecimalText::read("0," + std::string(400, '0') + "1").failure(), calc::Failure::TooSmall);
}

// A name, a value, the decimals to round it to first (-1: none), its text.
using WriteCase = std::tuple<const char *, double, int, std::string>;

class Write : public testing::TestWithParam<WriteCase> {};

TEST_P(Write, GivesTheShortestCommaTextOfTheRoundedValue)
{
    const auto &[name, value, decimals, expected] = GetParam();
    EXPECT_EQ(DecimalText::write(decimals < 0 ? value : calc::roundDecimals(value, decimals)), expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(DecimalText, Write, testing::Values(
    WriteCase{"LastFixed", -0.0001, -1, "-0,0001"}, WriteCase{"CarriesOver", 99999999999999.99, -1, "100000000000000"},
    WriteCase{"Subnormal", 5e-324, -1, "4,94065645841247E-324"}, WriteCase{"FirstExponent", 1e15, 2, "1E+15"},
    WriteCase{"HugeRounded", 1.408e300, 2, "1,408E+300"}, WriteCase{"ExactHalfDown", 0.125, 2, "0,12"}),
    [](const auto &info) { return std::string(std::get<0>(info.param)); });
// clang-format on

// printf and strtod follow LC_NUMERIC; a reader or writer built on them would
// turn "21,250" into 21 or write "6.63" on an English machine, or the reverse.
TEST(DecimalText, IgnoresTheProcessLocale)
{
    const std::string before = DecimalText::write(6.625882352941176);
#ifdef _WIN32
    // Windows' C runtime names its locales its own way; its C++ library knows only "C".
    ASSERT_NE(std::setlocale(LC_ALL, "German_Germany.1252"), nullptr);
#else
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the comma locale de_DE.UTF-8 is missing (LOCPATH or the locales package)";
    std::locale::global(std::locale("de_DE.UTF-8"));
#endif

    EXPECT_EQ(DecimalText::write(6.625882352941176), before);
    EXPECT_EQ(DecimalText::read("21,250").value(), 21.25);
    EXPECT_FALSE(DecimalText::read("21.250").ok());
    EXPECT_EQ(calc::roundDecimals(99.4 / 8, 2), 12.43);

    std::locale::global(std::locale::classic()); // and the C library's, as the locale has a name
    std::setlocale(LC_ALL, "C");
}

} // namespace
