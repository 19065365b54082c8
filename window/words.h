// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#pragma once

#include "calc/result.h"

#include <string>
#include <string_view>

// What the window says in words, on every system: its warnings, and what it
// hands to screen readers besides what it shows. The texts on screen keep
// their decimal comma; an English voice reads "19,83" as nineteen
// eighty-three, so every number composed for a screen reader says "point".
namespace words {

// "19 point 8 3" for "19,83", "megacycles" for "Mc": the words an English
// voice reads with their true value. The digits after the point are spoken
// one by one, as decimals are read aloud ("21 point 2 5 0").
[[nodiscard]] std::string spoken(std::string_view text);

// "19 point 8 3 metres" for "19,83" in metres.
[[nodiscard]] std::string inUnit(std::string_view number, std::string_view unit);

// What a box says of itself besides its name and text: the length
// composed for it, else its value in words before its tooltip ("21 point 2
// 5 0 megacycles, Type center of frequency here"), or, blank, the tooltip.
[[nodiscard]] std::string
boxDescription(std::string_view text, std::string_view unit, std::string_view toolTip, std::string_view composed);

// What the user has to change when a calculation fails.
[[nodiscard]] const char *warning(calc::Failure failure);

// UTF-8 for text the toolkits hold in UTF-32.
[[nodiscard]] std::string utf8(std::u32string_view text);

} // namespace words
