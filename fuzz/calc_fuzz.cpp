// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
// Feeds arbitrary bytes as frequency text through everything the window
// shows and checks what must hold whatever was typed or pasted: a failure of
// a known kind, or three finite, non-negative lengths whose texts say what
// the lengths are.
#include "calc/antenna.h"
#include "calc/decimal_text.h"
#include "calc/feet_inches.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void require(bool holds, const char *what, std::string_view text)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken: %s (text \"%.*s\")\n", what, static_cast<int>(text.size()), text.data());
    std::abort();
}

bool near(double a, double b, double slack)
{
    return std::fabs(a - b) <= slack + std::fabs(b) * 1e-14;
}

// The value a written number stands for. The exponent form is not something
// a user types, so it is taken apart here rather than by the reader.
double readWritten(const std::string &text)
{
    const auto e = text.find('E');
    const auto mantissa = calc::DecimalText::read(text.substr(0, e));
    require(mantissa.ok(), "a written number reads back", text);
    if (e == std::string::npos)
        return mantissa.value();
    return mantissa.value() * std::pow(10.0, std::stoi(text.substr(e + 1)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view frequency(reinterpret_cast<const char *>(data), size);
    const calc::Result<calc::Lengths> lengths = calc::calculateLengths(frequency);
    if (!lengths) {
        const calc::Failure failure = lengths.failure();
        require(failure == calc::Failure::NotANumber || failure == calc::Failure::Zero
                    || failure == calc::Failure::TooLarge || failure == calc::Failure::TooSmall,
                "a failure of a known kind",
                frequency);
        return 0;
    }

    const calc::Lengths &l = lengths.value();
    for (const double metres : calc::inRowOrder(l)) {
        require(std::isfinite(metres) && metres >= 0.0, "a finite, non-negative length", frequency);

        const std::string metric = calc::metricText(metres);
        require(metric.find('-') == std::string::npos, "no sign in the box", frequency);
        require(near(readWritten(metric), metres, 0.005), "the metric text is the length to the centimetre", frequency);

        const calc::FeetInches converted = calc::toFeetInches(metres);
        require(converted.InchesPart >= 0.0 && converted.InchesPart < 12.0, "inches below twelve", frequency);
        require(converted.InchesText == calc::DecimalText::write(converted.InchesPart) + "'' )",
                "the inches text",
                frequency);
        require(converted.WholeFeetText == "( " + converted.WholeFeet + "' ", "the whole-feet text", frequency);
        require(near(readWritten(converted.WholeFeet), std::trunc(converted.FeetRounded), 1.0),
                "the whole feet are the feet before the fraction",
                frequency);
    }
    return 0;
}
