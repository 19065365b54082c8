#include "calc/feet_inches.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct FeetCase {
    const char *name;
    double metres;
    std::string wholeFeet, inches;
};

class FeetAndInches : public testing::TestWithParam<FeetCase> {};

TEST_P(FeetAndInches, GivesTheTwoLabelTexts)
{
    const calc::FeetInches converted = calc::toFeetInches(GetParam().metres);
    EXPECT_EQ(converted.WholeFeetText, GetParam().wholeFeet);
    EXPECT_EQ(converted.InchesText, GetParam().inches);
}

INSTANTIATE_TEST_SUITE_P(FeetInches,
                         FeetAndInches,
                         testing::Values(
                             // The three rows at 21,250 Mc and at 7,1 Mc.
                             FeetCase{"OverallAt21Mc", 140.8 / 21.25, "( 21' ", "8,9'' )"},
                             FeetCase{"CoaxAt21Mc", 99.4 / 21.25, "( 15' ", "4,2'' )"},
                             FeetCase{"StubAt21Mc", (140.8 / 21.25 - 99.4 / 21.25) / 2, "( 3' ", "2,4'' )"},
                             FeetCase{"OverallAt7Mc", 140.8 / 7.1, "( 65' ", "0,7'' )"},
                             FeetCase{"CoaxAt7Mc", 99.4 / 7.1, "( 45' ", "11,2'' )"},
                             FeetCase{"StubAt7Mc", (140.8 / 7.1 - 99.4 / 7.1) / 2, "( 9' ", "6,8'' )"},
                             FeetCase{"OverallAt1Mc", 140.8, "( 461' ", "11,3'' )"},
                             FeetCase{"WholeFeet", 22 * 0.3048, "( 22' ", "0'' )"},
                             FeetCase{"UnderOneFoot", 0.47 * 0.3048, "( 0' ", "5,6'' )"},
                             FeetCase{"LargestFraction", 5.99 * 0.3048, "( 5' ", "11,9'' )"},
                             FeetCase{"Zero", 0.0, "( 0' ", "0'' )"},
                             // Feet in exponent form keep their magnitude rather than read as 4 feet.
                             FeetCase{"ExponentFeet", 4.62e15 * 0.3048, "( 4,62E+15' ", "0'' )"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(FeetInches, KeepsTheIntermediateValues)
{
    // 3,2 feet: one digit after the comma is two tenths of a foot.
    const calc::FeetInches stub = calc::toFeetInches(3.2 * 0.3048);
    EXPECT_EQ(stub.FeetRounded, 3.2);
    EXPECT_EQ(stub.CommaPos, 2);
    EXPECT_DOUBLE_EQ(stub.FootFraction, 0.2);
    EXPECT_EQ(stub.InchesPart, 2.4);
    EXPECT_EQ(stub.InchesText, "2,4'' )");

    const calc::FeetInches whole = calc::toFeetInches(22 * 0.3048);
    EXPECT_EQ(whole.CommaPos, 3); // "22": its length plus one
    EXPECT_EQ(whole.FootFraction, 0.0);
}

} // namespace
