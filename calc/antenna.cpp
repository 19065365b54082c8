#include "calc/antenna.h"

#include "calc/decimal_text.h"

#include <cmath>

namespace calc {

Result<Lengths> calculateLengths(std::string_view frequencyText)
{
    const Result<double> frequency = DecimalText::read(frequencyText);
    if (!frequency)
        return frequency.failure();
    const double f = frequency.value();
    if (f == 0.0)
        return Failure::Zero;

    Lengths lengths;
    lengths.LengthOverAll = 140.8 / f;
    lengths.LengthCoax = 99.4 / f;
    // From the unrounded lengths, not from 20.7 / f: the stub is what is left
    // of the antenna beyond the coax, halved.
    lengths.LengthStub = (lengths.LengthOverAll - lengths.LengthCoax) / 2;

    // The overall length is the largest of the three: when it is finite, so
    // are the others.
    if (!std::isfinite(lengths.LengthOverAll))
        return Failure::TooSmall;
    return lengths;
}

} // namespace calc
