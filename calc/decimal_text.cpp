// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "calc/decimal_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace calc::DecimalText {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
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

    // std::from_chars is locale-free and correctly rounded for any number of
    // digits; it only needs the usual spelling with a point.
    std::string plain;
    plain.append(whole.empty() ? std::string_view("0") : whole);
    if (!fraction.empty())
        plain.append(".").append(fraction);

    // Digits around at most one point always parse; the range is all that
    // can fail.
    double value{};
    const auto parsed = std::from_chars(plain.data(), plain.data() + plain.size(), value, std::chars_format::fixed);
    if (parsed.ec == std::errc::result_out_of_range) {
        const bool hasWholePart = whole.find_first_not_of('0') != std::string_view::npos;
        return hasWholePart ? Failure::TooLarge : Failure::TooSmall;
    }
    return value;
}

namespace {

// A non-zero finite value rounded to 15 significant digits: d.ddd... times
// 10^exponent, the digits without trailing zeros.
struct Significant {
    bool negative;
    std::string digits;
    int exponent;
};

Significant significant(double x)
{
    // The shortest form that reads back as x is quicker to make and, when it
    // has at most 15 digits, is that rounding already: a normal double's
    // half-ulp is smaller than half a unit in the 15th digit.
    constexpr int significantDigits = 15;
    std::array<char, 32> buffer{};
    char *const first = buffer.data();
    char *const last = first + buffer.size();
    auto printed = std::to_chars(first, last, x, std::chars_format::scientific);
    const auto shortestDigits = std::count_if(first, std::find(first, printed.ptr, 'e'), isDigit);
    if (shortestDigits > significantDigits || std::fabs(x) < std::numeric_limits<double>::min())
        printed = std::to_chars(first, last, x, std::chars_format::scientific, significantDigits - 1);
    // Bounded by the view: a longer first attempt may have left digits behind it.
    const std::string_view scientific(first, printed.ptr - first);

    const auto ePos = scientific.find('e');
    const char *exponentText = scientific.data() + ePos + 1;
    exponentText += *exponentText == '+' ? 1 : 0;
    int exponent{};
    std::from_chars(exponentText, scientific.data() + scientific.size(), exponent);
    std::string digits;
    for (const char c : scientific.substr(0, ePos))
        if (isDigit(c))
            digits += c;
    digits.erase(digits.find_last_not_of('0') + 1);
    return {scientific.front() == '-', digits, exponent};
}

// "4,62E+15", "1,5E-05", "1E+100".
std::string exponentForm(const Significant &number)
{
    std::string text(1, number.digits.front());
    if (number.digits.size() > 1)
        text.append(",").append(number.digits, 1);
    std::array<char, 8> exponent{}; // "E-324" at the most
    std::snprintf(exponent.data(), exponent.size(), "E%+03d", number.exponent);
    return text + exponent.data();
}

// "0,0001", "6,63", "14", "100000000000000".
std::string fixedForm(const Significant &number)
{
    const std::string &digits = number.digits;
    if (number.exponent < 0)
        return "0," + std::string(static_cast<std::size_t>(-number.exponent - 1), '0') + digits;
    const auto wholeDigits = static_cast<std::size_t>(number.exponent) + 1;
    if (digits.size() <= wholeDigits)
        return digits + std::string(wholeDigits - digits.size(), '0');
    return digits.substr(0, wholeDigits) + "," + digits.substr(wholeDigits);
}

} // namespace

std::string write(double x)
{
    if (x == 0.0)
        return "0"; // also -0, which rounding a tiny negative can give

    const Significant number = significant(x);
    const bool exponentFormNeeded = number.exponent >= 15 || number.exponent < -4;
    return (number.negative ? "-" : "") + (exponentFormNeeded ? exponentForm(number) : fixedForm(number));
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

    // Otherwise the decimal expansion decides: std::to_chars works on the
    // exact binary value and breaks exact ties to even; reading its text
    // back gives the double nearest to that multiple.
    std::array<char, 64> buffer{};
    const auto printed =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, std::chars_format::fixed, decimals);
    double rounded = x;
    std::from_chars(buffer.data(), printed.ptr, rounded, std::chars_format::fixed);
    return rounded;
}

} // namespace calc
