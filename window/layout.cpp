// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "window/layout.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace layout {

namespace {

constexpr Font boxFont{"MS Sans Serif", 8.25, true};
constexpr Font addressFont{"Verdana", 9.0, false};

constexpr Rgb frequencyGreen{192, 255, 192};
constexpr Rgb resultYellow{255, 255, 128};

constexpr int twipsPerInch = 1440;

int toPixels(int twips, int dotsPerInch)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) * dotsPerInch / twipsPerInch));
}

} // namespace

using enum Kind;
using enum Array;
using enum Alignment;

// clang-format off
const std::array<Control, 21> controls{{
    {Label, Label1, 0, 195, 285, 795, 195, "Frequency", Left},
    {Label, Label1, 1, 195, 645, 795, 195, "Length", Left},
    {Label, Label1, 2, 195, 1005, 795, 195, "Lcoax", Left},
    {TextBox, Text1, 0, 1100, 240, 800, 285, "21,250", Centre, "Frequency", boxFont, frequencyGreen,
     "Type center of frequency here", false, "megacycles"},
    {Label, Label1, 3, 195, 1365, 795, 195, "Lstub", Left},
    {Label, Label2, 0, 2040, 285, 405, 195, "Mc", Centre, "megacycles"},
    {Label, Label2, 1, 2040, 645, 405, 195, "m", Centre, "metres"},
    {Label, Label2, 2, 2040, 1005, 405, 195, "m", Centre, "metres"},
    {Label, Label2, 3, 2040, 1365, 405, 195, "m", Centre, "metres"},
    {TextBox, Text1, 1, 1100, 600, 800, 285, " ", Right, "Length over all", boxFont, resultYellow,
     "Length over all", true, "metres"},
    {TextBox, Text1, 2, 1100, 960, 800, 285, " ", Right, "Length of coaxial cable", boxFont, resultYellow,
     "Length of coaxial cable", true, "metres"},
    {TextBox, Text1, 3, 1100, 1320, 800, 285, " ", Right, "Length of stub", boxFont, resultYellow,
     "Length of stub for tuning this antenna", true, "metres"},
    {Button, cmdCalc, 0, 840, 1800, 1000, 375, "Calculate", Centre},
    {Button, cmdQuit, 0, 1920, 1800, 1000, 375, "Quit", Centre, nullptr, defaultFont, std::nullopt,
     "Quit this program"},
    {Label, Label3, 0, 0, 2400, 3735, 255, "www.qq7nv.example", Centre, nullptr, addressFont},
    {Label, Label4, 0, 2520, 645, 400, 255, "( 00'", Right},
    {Label, Label4, 1, 2520, 1005, 400, 255, "( 00'", Right},
    {Label, Label4, 2, 2520, 1365, 400, 255, "( 00'", Right},
    {Label, Label2, 7, 3000, 645, 495, 195, "00,0'' )", Right},
    {Label, Label2, 8, 3000, 1005, 495, 195, "00,0'' )", Right},
    {Label, Label2, 9, 3000, 1365, 495, 195, "00,0'' )", Right},
}};
// clang-format on

const char *metricCompatibleFamily(const Font &font)
{
    return std::string_view(font.family) == "Verdana" ? "DejaVu Sans" : "Liberation Sans";
}

const Control &row(Array array, int index)
{
    return *std::ranges::find_if(controls, [&](const Control &c) { return c.array == array && c.index == index; });
}

std::size_t rowOf(Array array, int index)
{
    return static_cast<std::size_t>(&row(array, index) - controls.data());
}

bool heardByComposedName(const Control &control)
{
    return control.array == Label4 || (control.array == Label2 && control.index >= firstInchesLabel);
}

std::string objectName(const Control &control)
{
    constexpr std::array names{"Text1", "Label1", "Label2", "Label3", "Label4", "cmdCalc", "cmdQuit"};
    const std::string name = names.at(static_cast<std::size_t>(control.array));
    const bool single = control.array == Label3 || control.array == cmdCalc || control.array == cmdQuit;
    return single ? name : name + '(' + std::to_string(control.index) + ')';
}

Rect pixelRect(const Control &control, int dotsPerInch)
{
    return {toPixels(control.left, dotsPerInch),
            toPixels(control.top, dotsPerInch),
            toPixels(control.left + control.width, dotsPerInch),
            toPixels(control.top + control.height, dotsPerInch)};
}

Rect clientRect(int dotsPerInch)
{
    return {0, 0, toPixels(clientWidth, dotsPerInch), toPixels(clientHeight, dotsPerInch)};
}

} // namespace layout
