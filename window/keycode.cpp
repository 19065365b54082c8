// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "window/keycode.h"

#include <QKeyEvent>

std::optional<int> characterCode(const QKeyEvent &event)
{
    constexpr int backspace = 8;
    constexpr int enter = 13;
    constexpr int escape = 27;
    constexpr int unknownCharacter = 0xFFFF; // not a code any filter accepts

    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return std::nullopt;
    case Qt::Key_Backspace: return backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter: return enter;
    case Qt::Key_Escape: return escape;
    default: break;
    }

    // Ctrl without Alt: Alt+Ctrl is AltGr on some keyboards and types text.
    const Qt::KeyboardModifiers ctrlAlt = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (ctrlAlt == Qt::ControlModifier) {
        if (event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
            return event.key() - Qt::Key_A + 1;
        return std::nullopt; // Ctrl+digit and the like type nothing
    }

    const QList<uint> codes = event.text().toUcs4();
    if (codes.isEmpty())
        return std::nullopt;
    if (codes.size() > 1)
        return unknownCharacter;
    const uint code = codes.first();
    if (code < 0x20 || code == 0x7F)
        return std::nullopt; // Delete's "\x7f" and other keys' control bytes
    return static_cast<int>(code);
}
