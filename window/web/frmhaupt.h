// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#pragma once

#include "window/commands.h"
#include "window/layout.h"

#include <array>
#include <cstddef>
#include <string>

// The calculator's only window in a web page, made of the browser's own
// input, label and button elements and a dialog for its warnings. The page's
// script (frmhaupt.js) creates them as the constructor says, and hands their
// events to the handlers below, each control named by its row in the
// layout table.
class frmHaupt final : public frmHauptCommands {
public:
    // Has the page create every control.
    frmHaupt();
    // Puts the focus in the frequency box, whose text it selects; the
    // page's focus event reaches the window by then.
    void show();

    void Click(std::size_t row);
    // The character a key typed into a box becomes; 0 swallows it.
    [[nodiscard]] int KeyPress(std::size_t row, int KeyAscii) const;
    void GotFocus(std::size_t row);
    // The box's text changed otherwise than by a command (typed, pasted).
    void Changed(std::size_t row);

protected:
    // Each a call of the page's script. The boxes' texts, in characters,
    // their selection and the focus.
    [[nodiscard]] std::u32string text(int Index) const override;
    [[nodiscard]] std::size_t selectionStart(int Index) const override;
    void select(int Index, std::size_t start, std::size_t length) override;
    void focusFrequencyBox() override;
    // What the boxes and labels show, and what a screen reader hears of them.
    void setText(layout::Array array, int index, const std::string &text) override;
    void setWords(layout::Array array, int index, const std::string &words) override;
    // What the user and a screen reader are told.
    void announce(const std::string &words) override;
    void warn(const std::string &message) override;

private:
    void describe(std::size_t row) const;

    std::array<std::string, layout::controls.size()> m_words{}; // see setWords
};
