// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
// Feeds arbitrary bytes as frequency text through everything the window
// shows and checks what must hold whatever was typed or pasted: a failure,
// or three finite, non-negative lengths whose texts have no sign and whose
// inches stay below a foot. The test suite checks the texts' values.
#include "calc/antenna.h"
#include "calc/feet_inches.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const calc::Result<calc::Lengths> lengths =
        calc::calculateLengths(std::string_view(reinterpret_cast<const char *>(data), size));
    if (!lengths)
        return 0;
    for (const double metres : calc::inRowOrder(lengths.value())) {
        const calc::FeetInches converted = calc::toFeetInches(metres);
        const bool sound = std::isfinite(metres) && metres >= 0.0
                           && calc::metricText(metres).find('-') == std::string::npos && converted.InchesPart >= 0.0
                           && converted.InchesPart < 12.0
                           && converted.WholeFeetText.find_first_of("-nN") == std::string::npos;
        if (!sound)
            std::abort();
    }
    return 0;
}
