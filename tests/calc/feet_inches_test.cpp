// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "calc/feet_inches.h"

#include <gtest/gtest.h>

namespace {

TEST(FeetInches, InExponentFormKeepTheirMagnitude)
{
    const calc::FeetInches converted = calc::toFeetInches(4.62e15 * calc::metresPerFoot);
    EXPECT_EQ(converted.WholeFeetText, "( 4,62E+15' ");
    EXPECT_EQ(converted.InchesText, "0'' )");
}

} // namespace
