// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The fewest pieces, searched on a thread of their own while the analysis counts the solutions.
#pragma once

#include "base/search_ahead.h"
#include "core/difficulty.h"

#include <atomic>
#include <vector>

namespace prismora {

// Starts fewestPieces' searches (with 0 pieces, 1, 2, ...) at once, beside
// a count that runs on another core, before it is known how far they need
// to go; result() then tells them how far and gives what fewestPieces would
// give, with the same states. Searches beyond what is needed are stopped
// and not counted, so the answer is the same whatever the timing.
class FewestPiecesAhead {
public:
    // `cancel` (as in SolveLimits) is looked at while result() waits.
    FewestPiecesAhead(const Level& start, const SolveLimits& limits);
    ~FewestPiecesAhead();
    FewestPiecesAhead(const FewestPiecesAhead&) = delete;
    FewestPiecesAhead& operator=(const FewestPiecesAhead&) = delete;

    // fewestPieces(start, limits, knownPieces).
    FewestPieces result(int knownPieces);
    // The answer is not wanted: the searches stop.
    void stop();

private:
    void searchUpwards(const std::atomic<bool>& stop);
    // Tells the searches to go no further than `most` pieces.
    void limitTo(int most);

    Level m_start;
    SolveLimits m_limits;
    std::atomic<int> m_most;
    std::atomic<int> m_searching{-1};   // the pieces of the search running now
    std::vector<SolveResult> m_results; // one per search ended, read after the thread ends
    SearchAhead<void> m_searches;
};

} // namespace prismora
