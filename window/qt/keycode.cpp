// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "window/qt/keycode.h"

#include <QKeyEvent>

std::optional<int> characterCode(const QKeyEvent &event)
{
    constexpr int unknownCharacter = 0xFFFF; // not a code any filter accepts

    // Ctrl without Alt: Alt+Ctrl is AltGr on some keyboards and types text.
    const Qt::KeyboardModifiers ctrlAlt = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (ctrlAlt == Qt::ControlModifier) {
        if (event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
            return event.key() - Qt::Key_A + 1;
        return std::nullopt; // Ctrl+digit, Ctrl+arrow and the like type nothing
    }

    const QList<uint> codes = event.text().toUcs4();
    if (codes.size() > 1)
        return unknownCharacter;
    if (codes.isEmpty() || codes.first() < 0x20 || codes.first() == 0x7F)
        return std::nullopt; // control bytes: "\b", "\r", "\t", Escape, Delete's "\x7f"
    return static_cast<int>(codes.first());
}
