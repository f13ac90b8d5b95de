// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The first of a run of numbered tries that succeeds, the tries spread over threads.
#pragma once

#include <algorithm>
#include <atomic>
#include <mutex>
#include <optional>
#include <thread>
#include <type_traits>
#include <vector>

namespace prismora {

// Threads worth giving a search on this machine: its processors, at most four.
inline int searchThreads()
{
    return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
}

// Calls `attempt(0)`, `attempt(1)`, ... up to `tries - 1` on `threads`
// threads (this one among them) and returns the outcome of the lowest number
// whose outcome holds a value: the one trying them in order would give,
// however the threads are scheduled, as long as each try depends on its
// number alone. A number above a success is never started; one already
// running is finished and forgotten. Empty when none succeeds, or when
// `stop` turns true (each try should look at it too, to end soon).
template <class Try>
std::invoke_result_t<Try&, int> firstSuccess(int tries, int threads, Try&& attempt,
                                             const std::atomic<bool>* stop = nullptr)
{
    using Outcome = std::invoke_result_t<Try&, int>;
    std::atomic<int> next{0};
    std::atomic<int> best{tries};
    std::mutex lock;
    Outcome found;
    const auto work = [&] {
        for (;;) {
            const int number = next.fetch_add(1);
            if (number >= best.load() || (stop && stop->load())) {
                return;
            }
            Outcome outcome = attempt(number);
            if (!outcome) {
                continue;
            }
            const std::lock_guard guard(lock);
            if (number < best.load()) {
                best = number;
                found = std::move(outcome);
            }
        }
    };
    {
        std::vector<std::jthread> helpers;
        for (int i = 1; i < threads; ++i) {
            helpers.emplace_back(work);
        }
        work();
    }
    if (stop && stop->load()) {
        return Outcome{};
    }
    return found;
}

} // namespace prismora
