#include "calc/antenna.h"

#include "calc/decimal_text.h"

#include <gtest/gtest.h>

#include <string>

using calc::Failure;

namespace {

struct MetricCase {
    const char *name;
    std::string frequency;
    std::string overAll, coax, stub; // as shown: rounded to two decimals
};

std::string shown(double metres)
{
    return calc::DecimalText::write(calc::roundDecimals(metres, 2));
}

class MetricLengths : public testing::TestWithParam<MetricCase> {};

TEST_P(MetricLengths, AreShownRoundedToCentimetres)
{
    const auto result = calc::calculateLengths(GetParam().frequency);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(shown(result.value().LengthOverAll), GetParam().overAll);
    EXPECT_EQ(shown(result.value().LengthCoax), GetParam().coax);
    EXPECT_EQ(shown(result.value().LengthStub), GetParam().stub);
}

INSTANTIATE_TEST_SUITE_P(Antenna,
                         MetricLengths,
                         testing::Values(MetricCase{"StartUpFrequency", "21,250", "6,63", "4,68", "0,97"},
                                         MetricCase{"FortyMetres", "7,1", "19,83", "14", "2,92"},
                                         MetricCase{"OneMc", "1", "140,8", "99,4", "20,7"},
                                         MetricCase{"HalfMc", ",5", "281,6", "198,8", "41,4"},
                                         MetricCase{"VeryHighFrequency", "1" + std::string(20, '0'), "0", "0", "0"}),
                         [](const auto &info) { return std::string(info.param.name); });

struct FailCase {
    const char *name;
    std::string frequency;
    Failure expected;
};

class LengthFailure : public testing::TestWithParam<FailCase> {};

TEST_P(LengthFailure, GivesNoLengths)
{
    const auto result = calc::calculateLengths(GetParam().frequency);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.failure(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Antenna,
    LengthFailure,
    testing::Values(FailCase{"Empty", "", Failure::NotANumber},
                    FailCase{"LoneComma", ",", Failure::NotANumber},
                    FailCase{"PastedBlank", " 7,1", Failure::NotANumber},
                    FailCase{"PastedMinus", "-5", Failure::NotANumber},
                    FailCase{"PastedExponent", "1e3", Failure::NotANumber},
                    FailCase{"PastedDot", "7.1", Failure::NotANumber},
                    FailCase{"PastedGrouping", "1.000,5", Failure::NotANumber},
                    FailCase{"Zero", "0", Failure::Zero},
                    FailCase{"ZeroWithComma", "0,0", Failure::Zero},
                    FailCase{"ThreeZeros", "000", Failure::Zero},
                    FailCase{"FourHundredDigits", std::string(400, '7'), Failure::TooLarge},
                    // Smallest subnormal: it reads, but every length overflows.
                    FailCase{"LengthsOverflow", "0," + std::string(323, '0') + "5", Failure::TooSmall},
                    FailCase{"OnlyOverallOverflows", "0," + std::string(306, '0') + "7", Failure::TooSmall},
                    // Metres still fit a double, inches do not: the feet and inches would read "Inf".
                    FailCase{"InchesOverflow", "0," + std::string(304, '0') + "1408", Failure::TooSmall}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
