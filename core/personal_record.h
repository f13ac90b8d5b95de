// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A player's best solve of a level: the fewest moves and the shortest time, and what one solve made
// of it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>

namespace prismora {

// The best of every solve of one level; moves and time may come from
// different solves.
struct LevelRecord {
    int fewestMoves = 0;
    std::int64_t shortestMilliseconds = 0;

    bool operator==(const LevelRecord&) const = default;
};

// The record after a solve of `moves` moves in `milliseconds`: the solve
// itself when there was none, else the better of each part.
inline LevelRecord improvedRecord(const std::optional<LevelRecord>& record, int moves,
                                  std::int64_t milliseconds)
{
    if (!record) {
        return {moves, milliseconds};
    }
    return {std::min(record->fewestMoves, moves),
            std::min(record->shortestMilliseconds, milliseconds)};
}

// What a solve in play did, for the window to tell: the moves (placements,
// turns, give-backs) and the time since the level was loaded, the record as
// it stood before, and whether the next level of the series is there to go
// on to.
struct SolveReport {
    int moves = 0;
    std::int64_t milliseconds = 0;
    // True when the solve counts for the level's record: a series level
    // played from its start (not a resumed game, not a design).
    bool isRecorded = false;
    std::optional<LevelRecord> previousRecord;
    bool hasNextLevel = false;

    bool operator==(const SolveReport&) const = default;
};

} // namespace prismora
