// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "calc/key_filter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct KeyCase {
    const char *name;
    int key;
    std::u32string text;
    std::size_t caret;
    bool allowNegative;
    std::u32string separator;
    int expected;
};

class FilterKey : public testing::TestWithParam<KeyCase> {};

TEST_P(FilterKey, LetsThroughOnlyWhatBelongsToANumber)
{
    const KeyCase &c = GetParam();
    EXPECT_EQ(calc::filterKey(c.key, c.text, c.caret, c.allowNegative, c.separator), c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(KeyFilter, FilterKey, testing::Values(
    KeyCase{"Digit", '0', U"", 0, false, U",", '0'}, KeyCase{"NoSeparatorAtAll", ',', U"7", 1, false, U"", 0},
    KeyCase{"Backspace", 8, U"7", 1, false, U",", 8}, KeyCase{"Enter", 13, U"", 0, false, U",", 13},
    KeyCase{"MinusAtTheStart", '-', U"5", 0, true, U",", '-'}, KeyCase{"MinusAfterTheStart", '-', U"5", 1, true, U",", 0}),
    [](const auto &info) { return std::string(info.param.name); });
// clang-format on

} // namespace
