// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writing a solution's trick in the board's most ordinary symmetry, and comparing a series.
#include "core/level_trick.h"

#include "core/evaluation.h"
#include "core/piece_rules.h"

#include <algorithm>
#include <array>
#include <set>
#include <utility>

namespace prismora {
namespace {

// One beam at a piece: its direction of arrival, the directions leaving (bits).
using Arrival = std::pair<int, int>;

struct PieceDeed {
    int kind = 0;
    std::vector<Arrival> arrivals;
};

std::optional<std::uint8_t> directionOf(const BeamSegment& s)
{
    for (std::uint8_t d = 0; d < 8; ++d) {
        const Step step = stepOf(d);
        if (step.dx == s.toColumn - s.fromColumn && step.dy == s.toRow - s.fromRow) {
            return d;
        }
    }
    return std::nullopt;
}

std::vector<PieceDeed> deedsOf(const Level& start, const std::vector<Placement>& path)
{
    Level solved = start;
    solved.mode = Mode::Play;
    placePieces(solved, path);
    const Evaluation evaluation = evaluate(solved);
    std::vector<PieceDeed> deeds;
    for (const Placement& p : path) {
        std::set<Arrival> arrivals;
        for (const BeamSegment& s : evaluation.segments) {
            const std::optional<std::uint8_t> travel = directionOf(s);
            if (s.toColumn != p.column || s.toRow != p.row || !travel) {
                continue;
            }
            const PieceResponse response = respond(p.kind, p.direction, *travel, s.colour);
            int leaving = response.travel ? 1 << *response.travel : 0;
            leaving |= response.output ? 1 << response.output->direction : 0;
            arrivals.insert({*travel, leaving});
        }
        deeds.push_back({static_cast<int>(p.kind), {arrivals.begin(), arrivals.end()}});
    }
    return deeds;
}

// Symmetry `s` (0..7) of a direction: mirrored north to south for s >= 4,
// then turned s % 4 quarter turns.
int transformed(int direction, int s)
{
    const int mirrored = s >= 4 ? (8 - direction) % 8 : direction;
    return (mirrored + 2 * (s % 4)) % 8;
}

int transformedBits(int bits, int s)
{
    int result = 0;
    for (int d = 0; d < 8; ++d) {
        result |= (bits >> d & 1) != 0 ? 1 << transformed(d, s) : 0;
    }
    return result;
}

Trick written(const std::vector<PieceDeed>& deeds, int s)
{
    Trick trick{static_cast<int>(deeds.size())};
    for (const PieceDeed& deed : deeds) {
        std::vector<Arrival> arrivals;
        for (const auto& [arrival, leaving] : deed.arrivals) {
            arrivals.push_back({transformed(arrival, s), transformedBits(leaving, s)});
        }
        std::sort(arrivals.begin(), arrivals.end());
        trick.push_back(deed.kind);
        trick.push_back(static_cast<int>(arrivals.size()));
        for (const auto& [arrival, leaving] : arrivals) {
            trick.push_back(arrival);
            trick.push_back(leaving);
        }
    }
    return trick;
}

} // namespace

Trick trickOf(const Level& start, const std::vector<Placement>& path)
{
    const std::vector<PieceDeed> deeds = deedsOf(start, path);
    Trick smallest = written(deeds, 0);
    for (int s = 1; s < 8; ++s) {
        smallest = std::min(smallest, written(deeds, s));
    }
    return smallest;
}

int trickPieces(const Trick& trick) { return trick.empty() ? 0 : trick.front(); }

Measure measureVariety(const std::vector<Trick>& series, std::size_t index, VarietyRule rule,
                       int firstNumber)
{
    const Trick& mine = series[index];
    for (std::size_t other = 0; other < index && !mine.empty(); ++other) {
        const bool mayReturn =
            rule == VarietyRule::SmallTricksReturn && trickPieces(mine) <= 2 && other + 1 < index;
        if (series[other] == mine && !mayReturn) {
            return {.state = MeasureState::Fails,
                    .text = "Samma knep som nivå " +
                            std::to_string(firstNumber + static_cast<int>(other))};
        }
    }
    return {.state = MeasureState::Holds, .text = "Ett eget knep"};
}

} // namespace prismora
