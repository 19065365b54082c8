// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "calc/key_filter.h"

namespace calc {

int filterKey(
    int keyAscii, std::u32string_view text, std::size_t caret, bool allowNegative, std::u32string_view decimalSeparator)
{
    const int separator = decimalSeparator.empty() ? 0 : static_cast<int>(decimalSeparator.front());
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    if (!digit && keyAscii != separator) {
        switch (keyAscii) {
        case backspaceKey:
        case enterKey: break;
        case ',':
        case '.': keyAscii = separator; break;
        case '-':
            if (caret > 0 || !allowNegative)
                keyAscii = 0;
            break;
        default: keyAscii = 0;
        }
    }

    // A second separator is refused. Without a separator this compares 0 with
    // 0, and a key already swallowed stays swallowed.
    if (keyAscii == separator && text.find(static_cast<char32_t>(separator)) != text.npos)
        return 0;
    return keyAscii;
}

} // namespace calc
