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

// 2^53 + 1 lies exactly between two doubles; a digit far behind it decides
// the direction, which only a correctly rounded reader sees.
const std::string justAboveTie = "9007199254740993," + std::string(383, '0') + "1";

struct ReadCase {
    const char *name;
    std::string text;
    double expected;
};

class ReadNumber : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumber, GivesTheNearestDouble)
{
    const auto result = DecimalText::read(GetParam().text);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.value(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(DecimalText,
                         ReadNumber,
                         testing::Values(ReadCase{"StartUpFrequency", "21,250", 21.25},
                                         ReadCase{"WholeNumber", "7", 7.0},
                                         ReadCase{"NothingBeforeComma", ",5", 0.5},
                                         ReadCase{"NothingAfterComma", "5,", 5.0},
                                         ReadCase{"LeadingZeros", "007,10", 7.1},
                                         ReadCase{"ZeroIsANumber", "0,0", 0.0},
                                         ReadCase{"TieGoesToEven", "9007199254740993", 9007199254740992.0},
                                         ReadCase{"FourHundredDigitsAboveTie", justAboveTie, 9007199254740994.0},
                                         ReadCase{"ThreeHundredDigitsWhole", "1" + std::string(299, '0'), 1e299}),
                         [](const auto &info) { return std::string(info.param.name); });

struct FailCase {
    const char *name;
    std::string text;
    Failure expected;
};

class ReadFailure : public testing::TestWithParam<FailCase> {};

TEST_P(ReadFailure, IsReportedWithItsKind)
{
    const auto result = DecimalText::read(GetParam().text);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.failure(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    DecimalText,
    ReadFailure,
    testing::Values(FailCase{"Empty", "", Failure::NotANumber},
                    FailCase{"LoneComma", ",", Failure::NotANumber},
                    FailCase{"TwoCommas", "1,000,5", Failure::NotANumber},
                    FailCase{"LeadingBlank", " 7,1", Failure::NotANumber},
                    FailCase{"TrailingNewline", "7,1\n", Failure::NotANumber},
                    FailCase{"Minus", "-5", Failure::NotANumber},
                    FailCase{"Plus", "+5", Failure::NotANumber},
                    FailCase{"Exponent", "1e3", Failure::NotANumber},
                    FailCase{"Dot", "7.1", Failure::NotANumber},
                    FailCase{"DotGrouping", "1.000,5", Failure::NotANumber},
                    FailCase{"Infinity", "inf", Failure::NotANumber},
                    FailCase{"EmbeddedNul", std::string{'7', '\0', '1'}, Failure::NotANumber},
                    FailCase{"FullWidthDigit", "\xEF\xBC\x97", Failure::NotANumber},
                    FailCase{"FourHundredNines", std::string(400, '9'), Failure::TooLarge},
                    FailCase{"BelowSmallestDouble", "0," + std::string(400, '0') + "1", Failure::TooSmall}),
    [](const auto &info) { return std::string(info.param.name); });

struct WriteCase {
    const char *name;
    double value;
    std::string expected;
};

class WriteNumber : public testing::TestWithParam<WriteCase> {};

TEST_P(WriteNumber, GivesTheShortestCommaText)
{
    EXPECT_EQ(DecimalText::write(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(DecimalText,
                         WriteNumber,
                         testing::Values(WriteCase{"TwoDecimals", 6.63, "6,63"},
                                         WriteCase{"BelowOneKeepsZero", 0.97, "0,97"},
                                         WriteCase{"OneDecimal", 140.8, "140,8"},
                                         WriteCase{"WholeWithoutComma", 14.0, "14"},
                                         WriteCase{"Zero", 0.0, "0"},
                                         WriteCase{"NegativeZero", -0.0, "0"},
                                         WriteCase{"Negative", -2.5, "-2,5"},
                                         WriteCase{"FifteenDigitsRoundedUp", 2.0 / 3.0, "0,666666666666667"},
                                         WriteCase{"RoundingCarriesIntoWhole", 99999999999999.99, "100000000000000"},
                                         WriteCase{"SmallFixed", 0.0001, "0,0001"},
                                         WriteCase{"TenToTheFifteen", 1e15, "1E+15"},
                                         WriteCase{"CarriesIntoExponentForm", 999999999999999.9, "1E+15"},
                                         WriteCase{"LargeWithMantissa", 4.62e15, "4,62E+15"},
                                         WriteCase{"ThreeDigitExponent", 1e100, "1E+100"},
                                         WriteCase{"TinyWithMantissa", 1.5e-5, "1,5E-05"}),
                         [](const auto &info) { return std::string(info.param.name); });

struct RoundCase {
    const char *name;
    double value;
    int decimals;
    double expected;
};

class RoundDecimals : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundDecimals, RoundsTheExactValueHalfToEven)
{
    EXPECT_EQ(calc::roundDecimals(GetParam().value, GetParam().decimals), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rounding,
                         RoundDecimals,
                         testing::Values(RoundCase{"ExactHalfDown", 0.125, 2, 0.12},
                                         RoundCase{"ExactHalfUp", 0.375, 2, 0.38},
                                         RoundCase{"JustAboveHalf", 99.4 / 8, 2, 12.43},
                                         RoundCase{"JustBelowHalf", 0.285, 2, 0.28}, // the double is 0.28499999...
                                         RoundCase{"OneDecimal", 11.88, 1, 11.9},
                                         RoundCase{"WholeHalfToEven", 2.5, 0, 2.0},
                                         RoundCase{"NegativeHalf", -0.125, 2, -0.12},
                                         RoundCase{"HugeStaysWhole", 1e300, 2, 1e300},
                                         RoundCase{"LargestFractional", 4503599627370495.5, 0, 4503599627370496.0}),
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
