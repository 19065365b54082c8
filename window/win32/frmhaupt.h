// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#pragma once

#include "window/commands.h"
#include "window/layout.h"

#include <windows.h>

#include <array>
#include <string>

// The calculator's only window on the Win32 API, made of the system's own
// Static, Edit and Button controls, laid out at the DPI of the monitor it is on.
class frmHaupt final : public frmHauptCommands {
public:
    // Creates the window with every control, not yet shown.
    explicit frmHaupt(HINSTANCE instance);
    ~frmHaupt() override;
    frmHaupt(const frmHaupt &) = delete;
    frmHaupt &operator=(const frmHaupt &) = delete;
    frmHaupt(frmHaupt &&) = delete;
    frmHaupt &operator=(frmHaupt &&) = delete;

    // A control's id is this plus its row in the layout table: clear of IDOK
    // and IDCANCEL, which Enter and Escape send, so that no control is a
    // default or cancel button.
    static constexpr int firstControlId = 100;

    [[nodiscard]] HWND handle() const { return m_window; }
    // A control by its row in the layout table.
    [[nodiscard]] HWND control(layout::Array array, int index = 0) const;
    // Gives the window a message of the thread's queue first, for its
    // keyboard interface (Tab between the controls); false: translate and
    // dispatch it as usual.
    [[nodiscard]] bool preTranslate(MSG &message) const;

protected:
    // What the boxes and labels hold.
    void setText(layout::Array array, int index, const std::string &text) override;
    [[nodiscard]] std::u32string text(int Index) const override;
    [[nodiscard]] std::size_t selectionStart(int Index) const override;
    void select(int Index, std::size_t start, std::size_t length) override;
    void focusFrequencyBox() override;
    // What a screen reader, and the user, are told.
    void setWords(layout::Array array, int index, const std::string &words) override;
    void announce(const std::string &words) override;
    void warn(const std::string &message) override;

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK
    controlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR row);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onControlMessage(HWND control, std::size_t row, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onBoxMessage(int Index, HWND box, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT colours(HDC dc, HWND control) const;

    void buildControls(HINSTANCE instance);
    void layOut(UINT dotsPerInch);
    void placeLabel(std::size_t row);

    HWND m_window = nullptr;
    UINT m_dotsPerInch = layout::designDotsPerInch;
    HWND m_focusBeforeDeactivation = nullptr;

    // By row of the layout table.
    std::array<HWND, layout::controls.size()> m_controls{};
    std::array<HFONT, layout::controls.size()> m_fonts{};
    std::array<HBRUSH, layout::controls.size()> m_backgrounds{};
    std::array<std::string, layout::controls.size()> m_words{}; // see setWords
};
