// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#pragma once

#include "calc/antenna.h"
#include "calc/feet_inches.h"
#include "calc/result.h"
#include "window/layout.h"

#include <cstddef>
#include <string>
#include <string_view>

// What the window does, whatever toolkit draws it: the Calculate command,
// step by step and with what a failure leaves behind, the boxes' key filter
// and their selection on focus. Each toolkit's frmHaupt derives from it,
// calls its handlers from the toolkit's events and gives it the controls
// through the operations at the end.
class frmHauptCommands {
public:
    frmHauptCommands(const frmHauptCommands &) = delete;
    frmHauptCommands &operator=(const frmHauptCommands &) = delete;
    frmHauptCommands(frmHauptCommands &&) = delete;
    frmHauptCommands &operator=(frmHauptCommands &&) = delete;
    virtual ~frmHauptCommands() = default;

    // What the last calculation left behind; each Calculate overwrites it.
    // The feet-and-inches values are shared by the three rows, so after a
    // calculation they hold those of the stub row.
    struct WorkingValues {
        std::string FrequencyText;
        calc::Lengths Lengths;
        calc::FeetInches FeetInches;
    };
    [[nodiscard]] const WorkingValues &workingValues() const { return m_work; }

protected:
    frmHauptCommands() = default;

    void cmdCalc_Click();
    // Every box is judged against the frequency box, the only one that takes
    // typing, so a comma typed into a result box is refused when the
    // frequency already has one; the result boxes are read-only in any case.
    void Text1_KeyPress(int Index, int &KeyAscii) const;
    // Selects the whole text, so that what is typed next replaces it.
    void Text1_GotFocus(int Index);

    // The toolkit's part. Text1 elements by index; what a box holds in
    // characters, what the commands write in UTF-8.
    [[nodiscard]] virtual std::u32string text(int Index) const = 0;
    [[nodiscard]] virtual std::size_t selectionStart(int Index) const = 0; // in characters
    virtual void select(int Index, std::size_t start, std::size_t length) = 0;
    // The text of a box or a label.
    virtual void setText(layout::Array array, int index, const std::string &text) = 0;
    // What a screen reader hears of it besides its text: a box's
    // description, a whole-feet label's name. Empty: nothing besides.
    virtual void setWords(layout::Array array, int index, const std::string &words) = 0;
    // Said without moving the focus; empty withdraws what was said.
    virtual void announce(const std::string &words) = 0;
    // A warning that the user closes before anything else happens.
    virtual void warn(const std::string &message) = 0;
    virtual void focusFrequencyBox() = 0;

private:
    struct BoxText {
        std::u32string text;
        std::size_t selectionStart;
    };
    static void
    FilterKey(const BoxText &oText, int &KeyAscii, bool AllowNegative, std::u32string_view DecimalSeparator);

    void ReadFrequency();
    void ClearResults();
    void CalculateLengths();
    void ShowMetric();
    void ShowFeetInches(std::size_t row);
    std::string describeRow(std::size_t row);
    void reportFailure(calc::Failure failure);

    WorkingValues m_work;
};
