// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#pragma once

#include <optional>

class QKeyEvent;

// The character code a key press types, as the text boxes' filter judges it:
// a printable character is its own code, and Ctrl with a letter is 1 to 26
// (platforms disagree on the text of these: X11 sends "\x03" for Ctrl+C, the
// offscreen platform "c", so the key decides). Keys that type no character -
// Backspace, Enter, Tab, Escape, Delete, arrows, Home, End - give no code and
// keep the box's usual behaviour, which is what the filter would let them do.
// Text of more than one character gives a code that no filter lets through.
[[nodiscard]] std::optional<int> characterCode(const QKeyEvent &event);
