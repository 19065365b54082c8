// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "window/commands.h"

#include "calc/decimal_text.h"
#include "calc/key_filter.h"
#include "window/words.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Result row r (0 overall, 1 coax, 2 stub) is Text1(r + 1), Label4(r) and Label2(r + 7).
int resultBox(std::size_t row)
{
    return static_cast<int>(row) + 1;
}

// Four digits of feet fit beside the unit in any of the window's fonts, and
// below ten thousand feet the metres have at most seven characters
// ("3047,62"), which the boxes hold. Longer lengths are as much use as
// none: a slip of the comma, since no band needs them.
bool showsWhole(const std::array<calc::FeetInches, calc::rowCount> &converted)
{
    constexpr std::size_t widestFeet = 4;
    return std::ranges::all_of(converted,
                               [](const calc::FeetInches &row) { return row.WholeFeet.size() <= widestFeet; });
}

} // namespace

void frmHauptCommands::cmdCalc_Click()
{
    ReadFrequency();
    ClearResults();
    CalculateLengths();
}

void frmHauptCommands::Text1_KeyPress([[maybe_unused]] int Index, int &KeyAscii) const
{
    FilterKey({text(0), selectionStart(0)}, KeyAscii, false, U",");
}

void frmHauptCommands::FilterKey(const BoxText &oText,
                                 int &KeyAscii,
                                 bool AllowNegative,
                                 std::u32string_view DecimalSeparator)
{
    KeyAscii = calc::filterKey(KeyAscii, oText.text, oText.selectionStart, AllowNegative, DecimalSeparator);
}

void frmHauptCommands::Text1_GotFocus(int Index)
{
    select(Index, 0, text(Index).size());
}

void frmHauptCommands::ReadFrequency()
{
    m_work.FrequencyText = words::utf8(text(0));
}

// The last announcement goes with the results it read, so that a screen
// reader finds no stale lengths and hears the next ones as new.
void frmHauptCommands::ClearResults()
{
    announce({});
    for (std::size_t row = 0; row < calc::rowCount; ++row) {
        setText(layout::Array::Text1, resultBox(row), {});
        setWords(layout::Array::Text1, resultBox(row), {});
    }
}

void frmHauptCommands::CalculateLengths()
{
    const auto lengths = calc::calculateLengths(m_work.FrequencyText);
    if (!lengths) {
        reportFailure(lengths.failure());
        return;
    }
    std::array<calc::FeetInches, calc::rowCount> converted{};
    std::ranges::transform(calc::inRowOrder(lengths.value()), converted.begin(), calc::toFeetInches);
    if (!showsWhole(converted)) {
        reportFailure(calc::Failure::TooSmall);
        return;
    }
    m_work.Lengths = lengths.value();
    ShowMetric();
    std::string said; // for a screen reader to say without the focus leaving the Calculate button
    for (std::size_t row = 0; row < converted.size(); ++row) {
        m_work.FeetInches = converted.at(row);
        ShowFeetInches(row);
        said += (row == 0 ? "" : ". ") + describeRow(row);
    }
    announce(said + '.');
}

void frmHauptCommands::ShowMetric()
{
    const auto rows = calc::inRowOrder(m_work.Lengths);
    for (std::size_t row = 0; row < rows.size(); ++row)
        setText(layout::Array::Text1, resultBox(row), calc::metricText(rows.at(row)));
}

void frmHauptCommands::ShowFeetInches(std::size_t row)
{
    const auto index = static_cast<int>(row);
    setText(layout::Array::Label4, index, m_work.FeetInches.WholeFeetText);
    setText(layout::Array::Label2, index + layout::firstInchesLabel, m_work.FeetInches.InchesText);
}

// The row's length in words, composed once: the box describes it, the
// whole-feet label is named by its feet and inches (a screen reader would
// spell out "( 21' "), and the announcement says it after the box's name.
std::string frmHauptCommands::describeRow(std::size_t row)
{
    const calc::FeetInches &converted = m_work.FeetInches;
    const layout::Control &box = layout::row(layout::Array::Text1, resultBox(row));
    const bool oneFoot = std::trunc(converted.FeetRounded) == 1.0;
    const bool oneInch = converted.InchesPart == 1.0;
    const std::string feetAndInches =
        converted.WholeFeet + (oneFoot ? " foot " : " feet ")
        + words::inUnit(calc::DecimalText::write(converted.InchesPart), oneInch ? "inch" : "inches");
    const std::string length =
        words::inUnit(calc::metricText(calc::inRowOrder(m_work.Lengths).at(row)), box.unit) + ", " + feetAndInches;
    setWords(layout::Array::Label4, static_cast<int>(row), feetAndInches);
    setWords(layout::Array::Text1, resultBox(row), length);
    return std::string(box.accessibleName) + ": " + length;
}

// Back to the frequency box once the user has read why, ready for the
// corrected frequency: its focus selects the text.
void frmHauptCommands::reportFailure(calc::Failure failure)
{
    warn(words::warning(failure));
    focusFrequencyBox();
}
