// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "window/words.h"

#include <array>

namespace words {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isWordCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || isDigit(c) || c == '_';
}

} // namespace

std::string spoken(std::string_view text)
{
    std::string said;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == ',' && i + 1 < text.size() && isDigit(text[i + 1])) {
            said += i > 0 && isDigit(text[i - 1]) ? " point" : "0 point";
            for (++i; i < text.size() && isDigit(text[i]); ++i)
                (said += ' ') += text[i];
        } else if (text.substr(i, 2) == "Mc" && (i == 0 || !isWordCharacter(text[i - 1]))
                   && (i + 2 == text.size() || !isWordCharacter(text[i + 2]))) {
            said += "megacycles";
            i += 2;
        } else {
            said += text[i++];
        }
    }
    return said;
}

std::string inUnit(std::string_view number, std::string_view unit)
{
    return spoken(number) + ' ' + std::string(unit);
}

std::string
boxDescription(std::string_view text, std::string_view unit, std::string_view toolTip, std::string_view composed)
{
    const auto first = text.find_first_not_of(' ');
    if (!composed.empty())
        return std::string(composed);
    if (first == std::string_view::npos)
        return std::string(toolTip);
    const std::string_view value = text.substr(first, text.find_last_not_of(' ') + 1 - first);
    return inUnit(value, unit) + ", " + std::string(toolTip);
}

const char *warning(calc::Failure failure)
{
    // In the order of calc::Failure.
    constexpr std::array messages{
        "The frequency is not a number. Type the centre frequency of the band in Mc, with digits and at most "
        "one comma, for example 21,250.",
        "The frequency is zero, and an antenna for zero Mc has no length. Type a frequency above zero, for "
        "example 21,250.",
        "The frequency is too large to calculate with. Type the centre frequency of the band in Mc, for example "
        "21,250.",
        "The frequency is too small: the antenna would be longer than any length this program can show. Type a "
        "larger frequency, for example 21,250.",
    };
    return messages.at(static_cast<std::size_t>(failure));
}

std::string utf8(std::u32string_view text)
{
    std::string bytes;
    for (const char32_t c : text) {
        if (c < 0x80) {
            bytes += static_cast<char>(c);
            continue;
        }
        const int continuation = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
        constexpr std::array<unsigned, 4> lead{0, 0xC0, 0xE0, 0xF0};
        bytes += static_cast<char>(lead.at(continuation) | (c >> (6 * continuation)));
        for (int shift = 6 * (continuation - 1); shift >= 0; shift -= 6)
            bytes += static_cast<char>(0x80 | ((c >> shift) & 0x3F));
    }
    return bytes;
}

} // namespace words
