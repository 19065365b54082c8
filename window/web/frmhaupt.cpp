// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "window/web/frmhaupt.h"

#include "window/words.h"

#include <array>
#include <string_view>

// The page's side, in frmhaupt.js. Texts go as UTF-8, a pointer and a
// length into the module's memory; a box's text comes back as characters.
// Colours are 0xRRGGBB, places CSS pixels of the window at its design size.
#define PAGE(name) __attribute__((import_module("page"), import_name(#name)))
extern "C" {
PAGE(window) void pageWindow(int width, int height, int boxText, int boxSelection, int boxSelectedText);
PAGE(says) void pageSays(int which, const char *text, std::size_t length);
PAGE(control) void pageControl(std::size_t row, int kind, int left, int top, int right, int bottom);
PAGE(look) void pageLook(std::size_t row, int alignment, int background, bool readOnly, bool bold, double fontPixels);
PAGE(font) void pageFont(std::size_t row, const char *families, std::size_t length);
PAGE(setToolTip) void pageSetToolTip(std::size_t row, const char *text, std::size_t length);
PAGE(textLength) std::size_t pageTextLength(std::size_t row);
PAGE(text) void pageText(std::size_t row, char32_t *characters);
PAGE(selectionStart) std::size_t pageSelectionStart(std::size_t row);
PAGE(select) void pageSelect(std::size_t row, std::size_t start, std::size_t length);
PAGE(setText) void pageSetText(std::size_t row, const char *text, std::size_t length);
PAGE(setName) void pageSetName(std::size_t row, const char *name, std::size_t length);
PAGE(describe) void pageDescribe(std::size_t row, const char *description, std::size_t length);
PAGE(announce) void pageAnnounce(const char *words, std::size_t length);
PAGE(warn) void pageWarn(const char *message, std::size_t length);
PAGE(focus) void pageFocus(std::size_t row);
PAGE(quit) void pageQuit();
}
#undef PAGE

namespace {

// What the page says of itself, in the order frmhaupt.js takes them: its
// caption, the warning's button, and the line that takes the window's place
// once Quit has ended it in a browser tab, which a page cannot close.
constexpr std::array<std::string_view, 4> pageTexts{layout::caption, "OK", "MorvaneCalc has ended.", "Start it again"};

constexpr double pixelsPerPoint = layout::designDotsPerInch / 72.0;

int rgb(const layout::Rgb &colour)
{
    return colour.red << 16 | colour.green << 8 | colour.blue;
}

std::string_view orEmpty(const char *text)
{
    return text ? text : "";
}

} // namespace

frmHaupt::frmHaupt()
{
    const layout::Rect client = layout::clientRect();
    pageWindow(
        client.width(), client.height(), rgb(layout::boxText), rgb(layout::boxSelection), rgb(layout::boxSelectedText));
    for (std::size_t which = 0; which < pageTexts.size(); ++which)
        pageSays(static_cast<int>(which), pageTexts.at(which).data(), pageTexts.at(which).size());
    for (std::size_t row = 0; row < layout::controls.size(); ++row) {
        const layout::Control &design = layout::controls.at(row);
        const layout::Rect place = layout::pixelRect(design);
        pageControl(row, static_cast<int>(design.kind), place.left, place.top, place.right, place.bottom);
        pageLook(row,
                 static_cast<int>(design.alignment),
                 design.background ? rgb(*design.background) : -1,
                 design.readOnly,
                 design.font.bold,
                 design.font.points * pixelsPerPoint);
        // The table's face first, then one with its metrics that other
        // systems have, then whatever sans serif the system has.
        const std::string families = std::string("\"") + design.font.family + "\", \""
                                     + layout::metricCompatibleFamily(design.font) + "\", sans-serif";
        pageFont(row, families.data(), families.size());
        const std::string_view toolTip = orEmpty(design.toolTip);
        pageSetToolTip(row, toolTip.data(), toolTip.size());
        const std::string_view text = design.text;
        pageSetText(row, text.data(), text.size());
        const std::string_view name = layout::heardByComposedName(design) ? std::string_view{}
                                      : design.accessibleName             ? std::string_view(design.accessibleName)
                                                                          : text;
        pageSetName(row, name.data(), name.size());
        if (design.kind == layout::Kind::TextBox)
            describe(row);
    }
}

void frmHaupt::show()
{
    focusFrequencyBox();
}

void frmHaupt::Click(std::size_t row)
{
    const layout::Array button = layout::controls.at(row).array;
    if (button == layout::Array::cmdCalc)
        cmdCalc_Click();
    else if (button == layout::Array::cmdQuit)
        pageQuit(); // the Quit command: at once, nothing asked
}

int frmHaupt::KeyPress(std::size_t row, int KeyAscii) const
{
    Text1_KeyPress(layout::controls.at(row).index, KeyAscii);
    return KeyAscii;
}

void frmHaupt::GotFocus(std::size_t row)
{
    Text1_GotFocus(layout::controls.at(row).index);
}

void frmHaupt::Changed(std::size_t row)
{
    describe(row);
}

// What a box says of itself besides its name changes with its text.
void frmHaupt::describe(std::size_t row) const
{
    const layout::Control &design = layout::controls.at(row);
    const std::string description =
        words::boxDescription(words::utf8(text(design.index)), design.unit, orEmpty(design.toolTip), m_words.at(row));
    pageDescribe(row, description.data(), description.size());
}

std::u32string frmHaupt::text(int Index) const
{
    const std::size_t row = layout::rowOf(layout::Array::Text1, Index);
    std::u32string characters(pageTextLength(row), U'\0');
    pageText(row, characters.data());
    return characters;
}

std::size_t frmHaupt::selectionStart(int Index) const
{
    return pageSelectionStart(layout::rowOf(layout::Array::Text1, Index));
}

void frmHaupt::select(int Index, std::size_t start, std::size_t length)
{
    pageSelect(layout::rowOf(layout::Array::Text1, Index), start, length);
}

void frmHaupt::setText(layout::Array array, int index, const std::string &text)
{
    const std::size_t row = layout::rowOf(array, index);
    pageSetText(row, text.data(), text.size());
    if (array == layout::Array::Text1)
        describe(row);
}

// A box's words are the length composed for it, a whole-feet label's its name.
void frmHaupt::setWords(layout::Array array, int index, const std::string &words)
{
    const std::size_t row = layout::rowOf(array, index);
    m_words.at(row) = words;
    if (array == layout::Array::Text1)
        describe(row);
    else
        pageSetName(row, words.data(), words.size());
}

void frmHaupt::announce(const std::string &words)
{
    pageAnnounce(words.data(), words.size());
}

void frmHaupt::warn(const std::string &message)
{
    pageWarn(message.data(), message.size());
}

// While the warning is up, the page gives the box the focus once it closes.
void frmHaupt::focusFrequencyBox()
{
    pageFocus(layout::rowOf(layout::Array::Text1, 0));
    Text1_GotFocus(0); // also when the focus was there already and no focus event came
}
