// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#pragma once

#include <windows.h>

#include <string>

// What the window hands to screen readers (Narrator, NVDA) besides what the
// system's controls say of themselves.
namespace accessible {

// Sent to a control when a screen reader asks for its name or description:
// wParam is one of Words, lParam a std::wstring to fill. A control that
// has words of its own returns TRUE; else the system's are given. Asked
// for silence, a control that a screen reader should pass over returns TRUE.
inline constexpr UINT wordsMessage = WM_APP + 1;
enum Words : WPARAM { name, description, silence };

// The answer to WM_GETOBJECT for a control: for its client area, the
// system's own object for it, with the control's words; 0 for any other
// object, which the control's own procedure then answers.
[[nodiscard]] LRESULT answerGetObject(HWND control, WPARAM wParam, LPARAM lParam);

// Says words without moving the focus, through UI Automation's notification
// (Windows 10 and later); where the system has none, nothing is said.
void announce(HWND window, const std::wstring &words);

} // namespace accessible
