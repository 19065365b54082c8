// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#pragma once

#include <QRect>
#include <QRgb>
#include <QString>
#include <Qt>

#include <array>
#include <cstdint>
#include <optional>

// The main window as data: one row per control, places and sizes in twips
// (1/1440 inch), as the window was first drawn. frmHaupt builds every control
// from this table in one loop.
namespace layout {

enum class Kind : std::uint8_t { Label, TextBox, Button };

// The control arrays and single controls of the window; a row's index tells
// the elements of an array apart.
enum class Array : std::uint8_t { Text1, Label1, Label2, Label3, Label4, cmdCalc, cmdQuit };

struct Font {
    const char *family;
    double points;
    bool bold;
};

inline constexpr Font defaultFont{"MS Sans Serif", 8.25, false};

struct Control {
    Kind kind;
    Array array;
    int index;
    int left, top, width, height; // twips
    const char *text;
    // Horizontal only: labels draw their text from the top, as the layout was
    // designed (rows of different heights share a baseline), boxes centre it.
    Qt::Alignment alignment;
    // What a screen reader calls it where its text says it otherwise: a box's
    // caption is a separate label, and a unit's abbreviation is misread.
    const char *accessibleName{};
    Font font = defaultFont;
    std::optional<QRgb> background{};
    const char *toolTip{}; // also what a screen reader gives as the description
    bool readOnly{};
    const char *unit{}; // of a box's value, in words
};

inline constexpr const char *caption = "MorvaneCalc by QQ7NV";
inline constexpr int clientWidth = 3735; // twips
inline constexpr int clientHeight = 2745;

// What is drawn on a box's fixed background stays dark, whatever the
// desktop's colour scheme: black text and caret, white on navy when selected.
inline constexpr QRgb boxText = qRgb(0, 0, 0);
inline constexpr QRgb boxSelection = qRgb(0, 0, 128);
inline constexpr QRgb boxSelectedText = qRgb(255, 255, 255);

// Label2's elements from 7 on hold the inches of the result rows; the
// array has no elements 4 to 6.
inline constexpr int firstInchesLabel = 7;

// In focus order: the controls that take focus get it in the order of
// their rows.
extern const std::array<Control, 21> controls;

// "Text1(0)" for an element of a control array, "cmdCalc" for a single control.
[[nodiscard]] QString objectName(const Control &control);

// Pixels at 15 twips to the pixel. Edges are converted rather than sizes, so
// that controls whose edges meet in twips still meet in pixels.
[[nodiscard]] QRect pixelRect(const Control &control);
[[nodiscard]] QSize clientSize();

} // namespace layout
