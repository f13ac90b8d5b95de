// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Results of operations that can fail in an expected way: a value, or an error that says why.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace prismora {

// What went wrong, as a sentence that can be shown to the user.
struct Error {
    std::string message;
};

// Either a value or the error that prevented it. Expected failures (a file
// that cannot be read or written, a picture that cannot be encoded) are
// returned this way; exceptions are kept for programming errors.
template <typename T, typename E = Error> class [[nodiscard]] Result {
public:
    Result(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    Result(E error) : m_state(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    // Only when ok().
    T& value() { return std::get<0>(m_state); }
    const T& value() const { return std::get<0>(m_state); }
    // Only when !ok().
    const E& error() const { return std::get<1>(m_state); }

private:
    std::variant<T, E> m_state;
};

// Success without a value, or an error.
template <typename E> class [[nodiscard]] Result<void, E> {
public:
    Result() = default;
    Result(E error) : m_error(std::move(error)) {}

    bool ok() const { return !m_error.has_value(); }
    explicit operator bool() const { return ok(); }
    // Only when !ok().
    const E& error() const { return *m_error; }

private:
    std::optional<E> m_error;
};

using Status = Result<void>;

} // namespace prismora
