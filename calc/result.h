// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#pragma once

#include <cstdint>
#include <utility>
#include <variant>

namespace calc {

// Why a calculation could not produce lengths. The window turns each kind
// into its own message, so the kinds follow what the user has to change.
enum class Failure : std::uint8_t {
    NotANumber, // empty, a lone comma, or text that is not digits and one comma
    Zero,       // the frequency is zero: nothing to divide by
    TooLarge,   // the frequency text is beyond the range of a double
    TooSmall,   // the frequency is so small that a length leaves that range
};

// Either a value or the reason there is none; never both, never neither.
template <typename T>
class Result {
public:
    // Implicit on purpose: a function returning Result<T> returns either.
    Result(T value) // NOLINT(google-explicit-constructor)
        : m_content(std::move(value))
    {}
    Result(Failure failure) // NOLINT(google-explicit-constructor)
        : m_content(failure)
    {}

    [[nodiscard]] bool ok() const { return std::holds_alternative<T>(m_content); }
    explicit operator bool() const { return ok(); }

    // Precondition: ok().
    [[nodiscard]] const T &value() const { return std::get<T>(m_content); }
    // Precondition: !ok().
    [[nodiscard]] Failure failure() const { return std::get<Failure>(m_content); }

private:
    std::variant<T, Failure> m_content;
};

} // namespace calc
