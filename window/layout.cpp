// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "window/layout.h"

namespace layout {

namespace {

constexpr Font boxFont{"MS Sans Serif", 8.25, true};
constexpr Font addressFont{"Verdana", 9.0, false};

constexpr QRgb frequencyGreen = qRgb(192, 255, 192);
constexpr QRgb resultYellow = qRgb(255, 255, 128);

constexpr Qt::Alignment leftAligned = Qt::AlignLeft;
constexpr Qt::Alignment centred = Qt::AlignHCenter;
constexpr Qt::Alignment rightAligned = Qt::AlignRight;

constexpr int twipsPerPixel = 15;

int toPixels(int twips)
{
    return qRound(twips / double(twipsPerPixel));
}

} // namespace

using enum Kind;
using enum Array;

// clang-format off
const std::array<Control, 21> controls{{
    {Label, Label1, 0, 195, 285, 795, 195, "Frequency", leftAligned},
    {Label, Label1, 1, 195, 645, 795, 195, "Length", leftAligned},
    {Label, Label1, 2, 195, 1005, 795, 195, "Lcoax", leftAligned},
    {TextBox, Text1, 0, 1100, 240, 800, 285, "21,250", centred, "Frequency", boxFont, frequencyGreen,
     "Type center of frequency here", false, "megacycles"},
    {Label, Label1, 3, 195, 1365, 795, 195, "Lstub", leftAligned},
    {Label, Label2, 0, 2040, 285, 405, 195, "Mc", centred, "megacycles"},
    {Label, Label2, 1, 2040, 645, 405, 195, "m", centred, "metres"},
    {Label, Label2, 2, 2040, 1005, 405, 195, "m", centred, "metres"},
    {Label, Label2, 3, 2040, 1365, 405, 195, "m", centred, "metres"},
    {TextBox, Text1, 1, 1100, 600, 800, 285, " ", rightAligned, "Length over all", boxFont, resultYellow,
     "Length over all", true, "metres"},
    {TextBox, Text1, 2, 1100, 960, 800, 285, " ", rightAligned, "Length of coaxial cable", boxFont, resultYellow,
     "Length of coaxial cable", true, "metres"},
    {TextBox, Text1, 3, 1100, 1320, 800, 285, " ", rightAligned, "Length of stub", boxFont, resultYellow,
     "Length of stub for tuning this antenna", true, "metres"},
    {Button, cmdCalc, 0, 840, 1800, 1000, 375, "Calculate", centred},
    {Button, cmdQuit, 0, 1920, 1800, 1000, 375, "Quit", centred, nullptr, defaultFont, std::nullopt,
     "Quit this program"},
    {Label, Label3, 0, 0, 2400, 3735, 255, "www.qq7nv.example", centred, nullptr, addressFont},
    {Label, Label4, 0, 2520, 645, 400, 255, "( 00'", rightAligned},
    {Label, Label4, 1, 2520, 1005, 400, 255, "( 00'", rightAligned},
    {Label, Label4, 2, 2520, 1365, 400, 255, "( 00'", rightAligned},
    {Label, Label2, 7, 3000, 645, 495, 195, "00,0'' )", rightAligned},
    {Label, Label2, 8, 3000, 1005, 495, 195, "00,0'' )", rightAligned},
    {Label, Label2, 9, 3000, 1365, 495, 195, "00,0'' )", rightAligned},
}};
// clang-format on

QString objectName(const Control &control)
{
    constexpr std::array names{"Text1", "Label1", "Label2", "Label3", "Label4", "cmdCalc", "cmdQuit"};
    const QString name = QString::fromLatin1(names.at(static_cast<std::size_t>(control.array)));
    const bool single = control.array == Label3 || control.array == cmdCalc || control.array == cmdQuit;
    return single ? name : QStringLiteral("%1(%2)").arg(name).arg(control.index);
}

QRect pixelRect(const Control &control)
{
    return {QPoint(toPixels(control.left), toPixels(control.top)),
            QPoint(toPixels(control.left + control.width) - 1, toPixels(control.top + control.height) - 1)};
}

QSize clientSize()
{
    return {toPixels(clientWidth), toPixels(clientHeight)};
}

} // namespace layout
