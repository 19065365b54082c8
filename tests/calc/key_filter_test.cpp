// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "calc/key_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

// A name; the key, the box's text, the caret in it, whether a minus may
// start it, the decimal separator; what the filter makes of the key.
using KeyCase = std::tuple<const char *, int, std::u32string, std::size_t, bool, std::u32string, int>;

class FilterKey : public testing::TestWithParam<KeyCase> {};

TEST_P(FilterKey, LetsThroughOnlyWhatBelongsToANumber)
{
    const auto &[name, key, text, caret, allowNegative, separator, expected] = GetParam();
    EXPECT_EQ(calc::filterKey(key, text, caret, allowNegative, separator), expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(KeyFilter, FilterKey, testing::Values(
    KeyCase{"Digit", '0', U"", 0, false, U",", '0'}, KeyCase{"NoSeparatorAtAll", ',', U"7", 1, false, U"", 0},
    KeyCase{"Backspace", 8, U"7", 1, false, U",", 8}, KeyCase{"Enter", 13, U"", 0, false, U",", 13},
    KeyCase{"MinusAtTheStart", '-', U"5", 0, true, U",", '-'}, KeyCase{"MinusAfterTheStart", '-', U"5", 1, true, U",", 0}),
    [](const auto &info) { return std::string(std::get<0>(info.param)); });
// clang-format on

} // namespace
