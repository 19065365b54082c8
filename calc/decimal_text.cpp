// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "calc/decimal_text.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace calc::DecimalText {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

struct Parsed {
    double value;
    bool outOfRange; // beyond a double, or so small that it reads as zero
};

// Digits around at most one point. std::from_chars is locale-free and
// correctly rounded for any number of digits; libc++ has it for doubles
// only from version 20 on, and before that the web page's C library reads
// the text alike with strtod, in the "C" locale, the only one it has.
Parsed readPlain(const std::string &plain)
{
#if defined(__cpp_lib_to_chars)
    double value{};
    const auto parsed = std::from_chars(plain.data(), plain.data() + plain.size(), value, std::chars_format::fixed);
    return {value, parsed.ec == std::errc::result_out_of_range};
#else
    errno = 0;
    const double value = std::strtod(plain.c_str(), nullptr);
    return {value, errno == ERANGE && (value == 0.0 || std::isinf(value))};
#endif
}

// x in fixed or general notation to the given precision, as printf's %.*f
// and %.*g write it in the "C" locale: from the exact binary value, exact
// ties to even. Short: at most 63 characters.
std::string printed(double x, std::chars_format format, int precision)
{
    std::array<char, 64> buffer{};
#if defined(__wasi__) || defined(_WIN32)
    // The web page's C library, and mingw-w64's own printf that the Windows
    // program links in, print as exactly; the C++ library's to_chars with a
    // precision would bring 130 to 170 KiB of tables into the page and the
    // .exe. Their point is the process locale's, which a program may change.
    const char *spec = format == std::chars_format::fixed ? "%.*f" : "%.*g";
    const int length = std::snprintf(buffer.data(), buffer.size(), spec, precision, x);
    std::string text(buffer.data(),
                     static_cast<std::size_t>(std::clamp(length, 0, static_cast<int>(buffer.size()) - 1)));
    std::ranges::replace(text, *std::localeconv()->decimal_point, '.');
    return text;
#else
    return {buffer.data(), std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, format, precision).ptr};
#endif
}

} // namespace

Result<double> read(std::string_view text)
{
    const auto comma = text.find(',');
    const std::string_view whole = text.substr(0, comma);
    const std::string_view fraction = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);

    const bool digitsOnly =
        std::all_of(whole.begin(), whole.end(), isDigit) && std::all_of(fraction.begin(), fraction.end(), isDigit);
    if (!digitsOnly || whole.size() + fraction.size() == 0)
        return Failure::NotANumber;

    // Read in the usual spelling, with a point.
    std::string plain;
    plain.append(whole.empty() ? std::string_view("0") : whole);
    if (!fraction.empty())
        plain.append(".").append(fraction);

    // Digits around at most one point always parse; the range is all that
    // can fail.
    const Parsed parsed = readPlain(plain);
    if (parsed.outOfRange) {
        const bool hasWholePart = whole.find_first_not_of('0') != std::string_view::npos;
        return hasWholePart ? Failure::TooLarge : Failure::TooSmall;
    }
    return parsed.value;
}

std::string write(double x)
{
    if (x == 0.0)
        return "0"; // also -0, which rounding a tiny negative can give

    // As printf's %.15g: rounded to 15 significant digits, no trailing
    // zeros, and the exponent form from 10^15 on and below 10^-4.
    std::string text = printed(x, std::chars_format::general, 15);
    std::ranges::replace(text, '.', ',');
    std::ranges::replace(text, 'e', 'E');
    return text;
}

} // namespace calc::DecimalText

namespace calc {

double roundDecimals(double x, int decimals)
{
    // From 2^52 on every double is a whole number, and beyond it the fixed
    // form would run to hundreds of digits.
    constexpr double allWhole = 4503599627370496.0;
    if (!std::isfinite(x) || std::fabs(x) >= allWhole)
        return x;

    // Scaling first is exact enough unless the product lies near a half: its
    // error is below 2^-23 while it stays under 2^30. The quotient of the two
    // exact whole numbers is then the double nearest to the multiple.
    const double scale = std::pow(10.0, decimals); // exact: a whole power of ten below 2^53
    const double scaled = x * scale;
    const double nearest = std::round(scaled);
    if (std::fabs(scaled) < 0x1p30 && std::fabs(std::fabs(scaled - nearest) - 0.5) > 0x1p-20)
        return nearest / scale;

    // Otherwise the decimal expansion decides, printed from the exact binary
    // value with exact ties to even; reading its text back gives the double
    // nearest to that multiple.
    return DecimalText::readPlain(DecimalText::printed(x, std::chars_format::fixed, decimals)).value;
}

} // namespace calc
