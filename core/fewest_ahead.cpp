// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The searches fewestPieces makes, started before it is known how far they need to go.
#include "core/fewest_ahead.h"

namespace prismora {

FewestPiecesAhead::FewestPiecesAhead(const Level& start, const SolveLimits& limits)
    : m_start(start), m_limits(limits), m_most(mostPiecesToSearch(start, -1)),
      m_searches([this](const std::atomic<bool>& stop) { searchUpwards(stop); })
{
}

FewestPiecesAhead::~FewestPiecesAhead() { stop(); }

void FewestPiecesAhead::searchUpwards(const std::atomic<bool>& stop)
{
    SolveLimits upTo = m_limits;
    upTo.cancel = &stop;
    for (int pieces = 0;; ++pieces) {
        m_searching.store(pieces);
        if (pieces > m_most.load()) {
            return;
        }
        upTo.maxPieces = pieces;
        SolveResult result = solve(m_start, upTo);
        if (result.reason == GiveUpReason::Cancelled) {
            return; // not wanted, or the analysis was cancelled
        }
        const bool isLast = result.status != SolveStatus::NoSolution;
        m_results.push_back(std::move(result));
        if (isLast) {
            return;
        }
    }
}

// A search beyond `most` is stopped; one within it runs on. (The search sets
// what it runs before it reads how far to go, so one of the two sees the other.)
void FewestPiecesAhead::limitTo(int most)
{
    m_most.store(most);
    if (m_searching.load() > most) {
        m_searches.requestStop();
    }
}

FewestPieces FewestPiecesAhead::result(int knownPieces)
{
    const int most = mostPiecesToSearch(m_start, knownPieces);
    limitTo(most);
    m_searches.get(m_limits.cancel);
    if (m_limits.cancel != nullptr && m_limits.cancel->load()) {
        return {.isDecided = false};
    }
    return fewestUpwards(most, knownPieces, [&](int pieces) {
        const auto at = static_cast<std::size_t>(pieces);
        return at < m_results.size()
                   ? m_results[at]
                   : SolveResult{SolveStatus::GaveUp, GiveUpReason::Cancelled, {}, 0};
    });
}

void FewestPiecesAhead::stop() { m_searches.stop(); }

} // namespace prismora
