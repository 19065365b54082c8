#include "calc/decimal_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
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
    plain.reserve(text.size() + 2);
    plain.append(whole.empty() ? std::string_view("0") : whole);
    if (!fraction.empty())
        plain.append(".").append(fraction);

    double value = 0.0;
    const auto [end, error] =
        std::from_chars(plain.data(), plain.data() + plain.size(), value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        const bool hasWholePart = whole.find_first_not_of('0') != std::string_view::npos;
        return hasWholePart ? Failure::TooLarge : Failure::TooSmall;
    }
    if (error != std::errc{} || end != plain.data() + plain.size())
        return Failure::NotANumber;
    return value;
}

std::string write(double x)
{
    if (!std::isfinite(x))
        return std::isnan(x) ? "NaN" : (x > 0 ? "Inf" : "-Inf");
    if (x == 0.0)
        return "0"; // also -0, which rounding a tiny negative can give

    // "d.dddddddddddddde+XX": the value rounded to 15 significant digits.
    constexpr int significantDigits = 15;
    std::array<char, 32> buffer{};
    const auto printed = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), x, std::chars_format::scientific, significantDigits - 1);
    const std::string_view scientific(buffer.data(), printed.ptr - buffer.data());

    const bool negative = scientific.front() == '-';
    const auto ePos = scientific.find('e');
    const int exponent = std::atoi(scientific.data() + ePos + 1);
    std::string digits;
    for (const char c : scientific.substr(0, ePos))
        if (isDigit(c))
            digits += c;
    digits.erase(digits.find_last_not_of('0') + 1);

    std::string text = negative ? "-" : "";
    if (exponent >= 15 || exponent < -4) {
        text += digits.front();
        if (digits.size() > 1)
            text.append(",").append(digits, 1);
        text += exponent < 0 ? "E-" : "E+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            text += '0';
        text += std::to_string(magnitude);
    } else if (exponent < 0) {
        text.append("0,").append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
    } else {
        const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= wholeDigits) {
            text.append(digits).append(wholeDigits - digits.size(), '0');
        } else {
            text.append(digits, 0, wholeDigits).append(",").append(digits, wholeDigits);
        }
    }
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

    // std::to_chars works on the exact binary value and breaks exact ties to
    // even; reading its text back gives the double nearest to that multiple.
    std::array<char, 64> buffer{};
    const auto printed =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, std::chars_format::fixed, decimals);
    double rounded = x;
    std::from_chars(buffer.data(), printed.ptr, rounded, std::chars_format::fixed);
    return rounded;
}

} // namespace calc
