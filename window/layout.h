// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// The main window as data: one row per control, places and sizes in twips
// (1/1440 inch), as the window was first drawn. Each toolkit's frmHaupt
// builds every control from this table in one loop.
namespace layout {

enum class Kind : std::uint8_t { Label, TextBox, Button };

// The control arrays and single controls of the window; a row's index tells
// the elements of an array apart.
enum class Array : std::uint8_t { Text1, Label1, Label2, Label3, Label4, cmdCalc, cmdQuit };

// Horizontal only: labels draw their text from the top, as the layout was
// designed (rows of different heights share a baseline), boxes centre it.
enum class Alignment : std::uint8_t { Left, Centre, Right };

struct Font {
    const char *family;
    double points;
    bool bold;
};

inline constexpr Font defaultFont{"MS Sans Serif", 8.25, false};

// The window was drawn with Windows fonts, which other systems lack.
// Liberation Sans shares Arial's metrics, the nearest to MS Sans Serif there
// is; DejaVu Sans is, like Verdana, a wide sans serif with a large x-height.
[[nodiscard]] const char *metricCompatibleFamily(const Font &font);

struct Rgb {
    std::uint8_t red, green, blue;
};

struct Control {
    Kind kind;
    Array array;
    int index;
    int left, top, width, height; // twips
    const char *text;
    Alignment alignment;
    // What a screen reader calls it where its text says it otherwise: a box's
    // caption is a separate label, and a unit's abbreviation is misread.
    const char *accessibleName{};
    Font font = defaultFont;
    std::optional<Rgb> background{};
    const char *toolTip{}; // also what a screen reader gives as the description
    bool readOnly{};
    const char *unit{}; // of a box's value, in words
};

inline constexpr const char *caption = "MorvaneCalc by QQ7NV";
inline constexpr int clientWidth = 3735; // twips
inline constexpr int clientHeight = 2745;

// What is drawn on a box's fixed background stays dark, whatever the
// desktop's colour scheme: black text and caret, white on navy when selected.
inline constexpr Rgb boxText{0, 0, 0};
inline constexpr Rgb boxSelection{0, 0, 128};
inline constexpr Rgb boxSelectedText{255, 255, 255};

// Label2's elements from 7 on hold the inches of the result rows; the
// array has no elements 4 to 6.
inline constexpr int firstInchesLabel = 7;

// In focus order: the controls that take focus get it in the order of
// their rows.
extern const std::array<Control, 21> controls;

// The table's row of an element of a control array, or of a single control
// (index 0), and its place in the table.
[[nodiscard]] const Control &row(Array array, int index = 0);
[[nodiscard]] std::size_t rowOf(Array array, int index = 0);

// A row's feet and inches are heard as one length, by the name a calculation
// composes for the whole-feet label; before one, and always for the inches
// label, which would read "8,9'' )" a second time, nothing is heard of them.
[[nodiscard]] bool heardByComposedName(const Control &control);

// "Text1(0)" for an element of a control array, "cmdCalc" for a single control.
[[nodiscard]] std::string objectName(const Control &control);

// At 96 dots an inch a pixel is 15 twips; at 144, 10.
inline constexpr int designDotsPerInch = 96;

// In pixels; right and bottom are the first pixels outside.
struct Rect {
    int left, top, right, bottom;
    [[nodiscard]] int width() const { return right - left; }
    [[nodiscard]] int height() const { return bottom - top; }
};

// Edges are converted rather than sizes, so that controls whose edges meet
// in twips still meet in pixels.
[[nodiscard]] Rect pixelRect(const Control &control, int dotsPerInch = designDotsPerInch);
[[nodiscard]] Rect clientRect(int dotsPerInch = designDotsPerInch);

} // namespace layout
