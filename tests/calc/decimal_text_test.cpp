// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "calc/decimal_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <string>

using calc::Failure;
namespace DecimalText = calc::DecimalText;

// glibc keeps a small buffer for good when setlocale() loads a locale from
// LOCPATH; LeakSanitizer would count that against this test.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:argz_add_sep\n";
}

namespace {

struct ReadCase {
    const char *name;
    std::string text;
    calc::Result<double> expected;
};

class Read : public testing::TestWithParam<ReadCase> {};

TEST_P(Read, GivesTheNearestDoubleOrWhyNot)
{
    const auto result = DecimalText::read(GetParam().text);
    ASSERT_EQ(result.ok(), GetParam().expected.ok());
    if (result.ok())
        EXPECT_EQ(result.value(), GetParam().expected.value());
    else
        EXPECT_EQ(result.failure(), GetParam().expected.failure());
}

INSTANTIATE_TEST_SUITE_P(
    DecimalText,
    Read,
    testing::Values(ReadCase{"NothingBeforeComma", ",5", 0.5},
                    ReadCase{"NothingAfterComma", "5,", 5.0},
                    // 2^53 + 1 lies between two doubles; only a digit 400 places on decides.
                    ReadCase{"CorrectlyRounded", "9007199254740993," + std::string(383, '0') + "1", 9007199254740994.0},
                    ReadCase{"TwoCommas", "1,0,5", Failure::NotANumber},
                    ReadCase{"Blank", "7 ", Failure::NotANumber},
                    ReadCase{"BeyondADouble", std::string(400, '9'), Failure::TooLarge},
                    ReadCase{"BelowTheSmallestDouble", "0," + std::string(400, '0') + "1", Failure::TooSmall}),
    [](const auto &info) { return std::string(info.param.name); });

struct WriteCase {
    const char *name;
    double value;
    int decimals; // to round to first; -1: written as it is
    std::string expected;
};

class Write : public testing::TestWithParam<WriteCase> {};

TEST_P(Write, GivesTheShortestCommaTextOfTheRoundedValue)
{
    const WriteCase &c = GetParam();
    EXPECT_EQ(DecimalText::write(c.decimals < 0 ? c.value : calc::roundDecimals(c.value, c.decimals)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(DecimalText,
                         Write,
                         testing::Values(WriteCase{"NegativeZero", -0.0, -1, "0"},
                                         WriteCase{"Negative", -2.5, -1, "-2,5"},
                                         WriteCase{"FifteenDigitsRoundedUp", 2.0 / 3.0, -1, "0,666666666666667"},
                                         WriteCase{"CarriesIntoWhole", 99999999999999.99, -1, "100000000000000"},
                                         WriteCase{"SmallestFixed", 0.000105, -1, "0,000105"},
                                         WriteCase{"CarriesIntoExponentForm", 999999999999999.9, -1, "1E+15"},
                                         WriteCase{"LargeWithMantissa", 4.62e15, -1, "4,62E+15"},
                                         WriteCase{"ThreeDigitExponent", 1e100, -1, "1E+100"},
                                         WriteCase{"TinyWithMantissa", 1.5e-5, -1, "1,5E-05"},
                                         WriteCase{"Subnormal", 5e-324, -1, "4,94065645841247E-324"},
                                         WriteCase{"ExactHalfDown", 0.125, 2, "0,12"},
                                         WriteCase{"ExactHalfUp", 0.375, 2, "0,38"},
                                         WriteCase{"JustAboveHalf", 99.4 / 8, 2, "12,43"},
                                         WriteCase{"JustBelowHalf", 0.285, 2, "0,28"}, // the double is 0.28499999...
                                         WriteCase{"FourDecimals", 1.23456, 4, "1,2346"},
                                         WriteCase{"ScaledBeyond2To30", 12345678.125, 2, "12345678,12"}),
                         [](const auto &info) { return std::string(info.param.name); });

// printf and strtod follow LC_NUMERIC; a reader or writer built on them would
// turn "21,250" into 21 or write "6.63" on an English machine, or the reverse.
TEST(DecimalText, IgnoresTheProcessLocale)
{
    const std::string before = DecimalText::write(6.625882352941176);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the comma locale de_DE.UTF-8 is missing (LOCPATH or the locales package)";
    std::locale::global(std::locale("de_DE.UTF-8"));

    EXPECT_EQ(DecimalText::write(6.625882352941176), before);
    EXPECT_EQ(DecimalText::read("21,250").value(), 21.25);
    EXPECT_FALSE(DecimalText::read("21.250").ok());
    EXPECT_EQ(calc::roundDecimals(99.4 / 8, 2), 12.43);

    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, "C");
}

} // namespace
