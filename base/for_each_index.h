// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Independent pieces of work, numbered, spread over threads.
#pragma once

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace prismora {

// Calls `work(i)` once for each i in 0..count-1, on up to `threads` threads
// (this one among them), and returns when all are done. Each call should
// write only what belongs to its own number.
template <class Work> void forEachIndex(int count, int threads, Work&& work)
{
    std::atomic<int> next{0};
    const auto run = [&] {
        for (int i = next.fetch_add(1); i < count; i = next.fetch_add(1)) {
            work(i);
        }
    };
    std::vector<std::jthread> helpers;
    for (int t = 1; t < std::min(threads, count); ++t) {
        helpers.emplace_back(run);
    }
    run();
}

} // namespace prismora
