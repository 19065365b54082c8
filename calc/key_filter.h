// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#pragma once

#include <cstddef>
#include <string_view>

namespace calc {

inline constexpr int backspaceKey = 8;
inline constexpr int enterKey = 13;

// The code a typed character becomes in a box that takes only what can
// belong to a decimal number: digits, one separator (typed as "," or "."),
// a leading "-" when negatives are allowed, Backspace and Enter. Anything
// else becomes 0, which swallows the key. text and caret (the selection
// start, from 0) are the box's own and decide about "-" and a second
// separator. The separator is the first character of decimalSeparator;
// without one, no separator is let through.
[[nodiscard]] int filterKey(int keyAscii,
                            std::u32string_view text,
                            std::size_t caret,
                            bool allowNegative,
                            std::u32string_view decimalSeparator);

} // namespace calc
