// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The typing slips a check symbol must catch: any one symbol changed, any two neighbours swapped.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace prismora::testing {

// Expects `isAccepted` to refuse every code one slip away from `code`.
template <typename Accepts> void expectEverySlipRefused(const std::string& code, Accepts isAccepted)
{
    constexpr std::string_view anySymbol = "0123456789ABCDEFGHJKMNPQRSTVWXYZ*~$=U";
    for (std::size_t i = 0; i < code.size(); ++i) {
        for (const char symbol : anySymbol) {
            std::string changed = code;
            changed[i] = symbol;
            EXPECT_TRUE(symbol == code[i] || !isAccepted(changed)) << changed;
        }
        std::string swapped = code;
        if (i + 1 < code.size() && code[i] != code[i + 1]) {
            std::swap(swapped[i], swapped[i + 1]);
            EXPECT_FALSE(isAccepted(swapped)) << swapped;
        }
    }
}

} // namespace prismora::testing
