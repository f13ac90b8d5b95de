// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Tries spread over threads give the answer trying them in order gives.
#include "base/first_success.h"

#include <gtest/gtest.h>

namespace prismora {
namespace {

TEST(FirstSuccessTest, TheLowestSuccessWinsHoweverTheThreadsRun)
{
    // Later successes are quicker, so a thread that finds one early must not win.
    const auto attempt = [](int number) -> std::optional<int> {
        if (number == 37 || number == 41 || number == 300) {
            if (number == 37) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
            return number * 10;
        }
        return std::nullopt;
    };
    for (int run = 0; run < 20; ++run) {
        EXPECT_EQ(firstSuccess(1000, 4, attempt), 370);
    }
    EXPECT_EQ(firstSuccess(1000, 1, attempt), 370);
    EXPECT_EQ(firstSuccess(30, 4, attempt), std::nullopt);

    const std::atomic<bool> stop{true};
    EXPECT_EQ(firstSuccess(1000, 4, attempt, &stop), std::nullopt);
}

} // namespace
} // namespace prismora
