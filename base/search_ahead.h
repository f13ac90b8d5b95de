// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A search started on a thread of its own before its answer is known to be wanted.
#pragma once

#include <atomic>
#include <chrono>
#include <future>
#include <utility>

namespace prismora {

// Runs `search(stop)` at once on a thread of its own; the search gives up
// when `stop` turns true. Its answer is taken with get() or dropped with
// stop() (or by destruction, which waits for the thread to end).
template <typename Answer> class SearchAhead {
public:
    template <typename Search> explicit SearchAhead(Search search)
    {
        m_answer = std::async(std::launch::async,
                              [this, search = std::move(search)] { return search(m_stop); });
    }
    ~SearchAhead() { stop(); }
    SearchAhead(const SearchAhead&) = delete;
    SearchAhead& operator=(const SearchAhead&) = delete;

    // Waits for the answer. The search looks only at its own flag, so
    // `cancel` (when it turns true) is passed on to it while waiting.
    Answer get(const std::atomic<bool>* cancel)
    {
        while (m_answer.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
            if (cancel != nullptr && cancel->load()) {
                m_stop.store(true);
            }
        }
        return m_answer.get();
    }

    // Asks the search to give up, without waiting.
    void requestStop() { m_stop.store(true); }

    // Drops the answer: the search gives up, and this waits for it to end.
    void stop()
    {
        m_stop.store(true);
        if (m_answer.valid()) {
            m_answer.wait();
        }
    }

private:
    std::atomic<bool> m_stop{false};
    std::future<Answer> m_answer;
};

} // namespace prismora
