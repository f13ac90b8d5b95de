// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Crockford base32 symbols, bit packing and the mod-37 check symbol.
#include "core/base32.h"

namespace prismora {
namespace {

constexpr std::string_view Symbols = "0123456789ABCDEFGHJKMNPQRSTVWXYZ*~$=U";
constexpr unsigned DataSymbols = 32;
constexpr unsigned CheckModulus = 37;
constexpr int BitsPerSymbol = 5;

// The value of a symbol, 0..36 (32..36 only as a check symbol), or nothing.
std::optional<unsigned> symbolValue(char c)
{
    if (c >= 'a' && c <= 'z') {
        c = static_cast<char>(c - 'a' + 'A');
    }
    if (c == 'I' || c == 'L') {
        return 1;
    }
    if (c == 'O') {
        return 0;
    }
    const std::size_t found = Symbols.find(c);
    if (found == std::string_view::npos) {
        return std::nullopt;
    }
    return static_cast<unsigned>(found);
}

template <typename Values> unsigned checkValue(const Values& values)
{
    unsigned remainder = 0;
    for (const auto value : values) {
        remainder = (remainder * DataSymbols + static_cast<unsigned>(value)) % CheckModulus;
    }
    return remainder;
}

// A pasted code often comes with a line break or blanks around it.
std::string_view trimmedSpace(std::string_view text)
{
    constexpr std::string_view space = " \t\r\n";
    const std::size_t first = text.find_first_not_of(space);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(space) - first + 1);
}

} // namespace

char base32Symbol(unsigned value) { return Symbols[value % DataSymbols]; }

void SymbolWriter::write(std::uint64_t value, int bits)
{
    for (int i = bits - 1; i >= 0; --i) {
        m_pending = (m_pending << 1) | static_cast<std::uint32_t>((value >> i) & 1u);
        if (++m_pendingBits == BitsPerSymbol) {
            m_symbols += base32Symbol(m_pending);
            m_pending = 0;
            m_pendingBits = 0;
        }
    }
}

std::string SymbolWriter::finish()
{
    if (m_pendingBits > 0) {
        write(0, BitsPerSymbol - m_pendingBits);
    }
    std::vector<unsigned> values;
    values.reserve(m_symbols.size());
    for (const char c : m_symbols) {
        values.push_back(*symbolValue(c));
    }
    std::string code = std::move(m_symbols);
    code += Symbols[checkValue(values)];
    m_symbols.clear();
    return code;
}

Result<SymbolReader, CodeError> SymbolReader::open(std::string_view text, std::size_t maxSymbols)
{
    SymbolReader reader;
    for (const char c : trimmedSpace(text)) {
        if (c == '-') {
            continue;
        }
        const std::optional<unsigned> value = symbolValue(c);
        if (!value || reader.m_values.size() >= maxSymbols) {
            return CodeError::NotACode;
        }
        reader.m_values.push_back(static_cast<std::uint8_t>(*value));
    }
    if (reader.m_values.empty()) {
        return CodeError::NotACode;
    }
    const unsigned check = reader.m_values.back();
    reader.m_values.pop_back();
    for (const std::uint8_t value : reader.m_values) {
        if (value >= DataSymbols) {
            return CodeError::NotACode;
        }
    }
    if (check != checkValue(reader.m_values)) {
        return CodeError::BadCheck;
    }
    return reader;
}

std::optional<std::uint64_t> SymbolReader::read(int bits)
{
    const std::size_t totalBits = m_values.size() * BitsPerSymbol;
    if (bits < 0 || m_bit + static_cast<std::size_t>(bits) > totalBits) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (int i = 0; i < bits; ++i, ++m_bit) {
        const unsigned symbol = m_values[m_bit / BitsPerSymbol];
        const auto shift = static_cast<unsigned>(BitsPerSymbol - 1) - m_bit % BitsPerSymbol;
        value = (value << 1) | ((symbol >> shift) & 1u);
    }
    return value;
}

bool SymbolReader::isAtEnd() const
{
    const std::size_t left = m_values.size() * BitsPerSymbol - m_bit;
    if (left >= static_cast<std::size_t>(BitsPerSymbol)) {
        return false;
    }
    // What is left is the low end of the last symbol.
    return left == 0 || (m_values.back() & ((1u << left) - 1u)) == 0;
}

} // namespace prismora
