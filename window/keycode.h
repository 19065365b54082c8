// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#pragma once

#include <optional>

class QKeyEvent;

// The character code a key press types, as the text boxes' filter judges it:
// a printable character is its own code, Ctrl with a letter is 1 to 26,
// Backspace 8, Return and keypad Enter 13, Escape 27. Platforms disagree on
// what QKeyEvent::text() holds for these (X11 sends "\x03" for Ctrl+C, the
// offscreen platform "c"), so the key and modifiers decide where they can.
// Keys that type nothing - Tab, Delete, arrows, Home, End, function keys -
// give no code and keep their usual behaviour. Text of more than one
// character gives a code that no filter lets through.
[[nodiscard]] std::optional<int> characterCode(const QKeyEvent &event);
