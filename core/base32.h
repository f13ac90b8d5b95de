// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The text of seed codes and level codes: Crockford base32 symbols, the bits they carry, and the
// mod-37 check symbol.
#pragma once

#include "base/result.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace prismora {

// Why a code was refused. What to tell the player is the caller's choice.
enum class CodeError {
    NotACode,     // empty, too long, a character no code holds, or another kind of code
    BadCheck,     // the check symbol does not fit the rest: a symbol mistyped or two swapped
    NewerVersion, // made by a newer version of Prismora
    Truncated,    // ends in the middle of a field
    TrailingData, // more symbols after the last field
    BadValue,     // a field holds what no code of this kind carries
};

// The symbol of a value 0..31: "0123456789ABCDEFGHJKMNPQRSTVWXYZ".
char base32Symbol(unsigned value);

// Bits written most significant first, five to a symbol. The code's own
// letters (its kind and version) go in as five-bit values, so the check
// symbol covers them too.
class SymbolWriter {
public:
    // The lowest `bits` bits of `value` (bits 0..64).
    void write(std::uint64_t value, int bits);
    // The symbols, the last one filled up with zero bits, then the check
    // symbol: the value of all symbols read as one base-32 number, modulo 37,
    // written with the 32 symbols and "*~$=U" for 32..36. It catches every
    // change of one symbol and every swap of two neighbours.
    std::string finish();

private:
    std::string m_symbols;
    std::uint32_t m_pending = 0;
    int m_pendingBits = 0;
};

// The bits of a code's symbols, read in the order SymbolWriter wrote them.
class SymbolReader {
public:
    // Reads a code as typed or pasted: blanks and line breaks at either end
    // and hyphens anywhere are ignored, letters may be of either case, I and
    // L read as 1 and O as 0. The last symbol must be the check symbol of the
    // others. NotACode for an empty text, more than `maxSymbols` symbols
    // (checked before anything is kept) or another character; BadCheck when
    // the check symbol does not fit.
    static Result<SymbolReader, CodeError> open(std::string_view text, std::size_t maxSymbols);

    // The next `bits` bits (0..64), or nothing when the symbols end first.
    std::optional<std::uint64_t> read(int bits);
    // True when only the zero bits that fill up the last symbol are left.
    bool isAtEnd() const;

private:
    std::vector<std::uint8_t> m_values;
    std::size_t m_bit = 0;
};

} // namespace prismora
