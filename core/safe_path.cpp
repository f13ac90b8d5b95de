// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Finding a safe order of a solution's pieces, and a solution that has one.
#include "core/safe_path.h"

#include "core/evaluation.h"
#include "core/palette.h"

#include <algorithm>
#include <cstdint>

namespace prismora {
namespace {

// Where a piece taken from the hand arrives, and how it faces.
constexpr Placement arrivalOf(PieceKind kind) { return {kind, 1, 1, 0}; }

bool explodes(const Level& position, const Placement& placement)
{
    return verdictAfter(position, std::span(&placement, 1)) == Verdict::Bomb;
}

std::size_t cellIndex(std::int32_t column, std::int32_t row)
{
    return isBoardCell(column, row) ? static_cast<std::size_t>(row * 10 + column) : 0;
}

// Board cells some beam enters, by cellIndex (index 0 is never a board cell).
std::vector<bool> cellsOnBeams(const Level& position)
{
    Level playing = position;
    playing.mode = Mode::Play;
    std::vector<bool> crossed(100, false);
    for (const BeamSegment& s : evaluate(playing).segments) {
        if (isBoardCell(s.toColumn, s.toRow)) {
            crossed[cellIndex(static_cast<std::int32_t>(s.toColumn),
                              static_cast<std::int32_t>(s.toRow))] = true;
        }
    }
    return crossed;
}

class OrderSearch {
public:
    OrderSearch(std::span<const Placement> pieces, FirstStep first, PieceKind firstKind)
        : m_pieces(pieces), m_first(first), m_firstKind(firstKind),
          m_isDeadEnd(std::size_t{1} << pieces.size(), false)
    {
    }

    bool search(const Level& position, std::uint32_t used)
    {
        if (used + 1 == (std::uint32_t{1} << m_pieces.size())) {
            return evaluate(position).verdict == Verdict::Solved;
        }
        if (m_isDeadEnd[used]) {
            return false;
        }
        for (const std::size_t i : candidates(position, used)) {
            const Placement& step = m_pieces[i];
            if (!isSafeStep(position, step)) {
                continue;
            }
            m_order.push_back(step);
            if (search(afterStep(position, step), used | (std::uint32_t{1} << i))) {
                return true;
            }
            m_order.pop_back();
        }
        m_isDeadEnd[used] = true;
        return false;
    }

    std::vector<Placement> order() const { return m_order; }

private:
    // The pieces not yet placed, those on a beam first, each group in the
    // order given.
    std::vector<std::size_t> candidates(const Level& position, std::uint32_t used) const
    {
        const std::vector<bool> crossed = cellsOnBeams(position);
        std::vector<std::size_t> onBeam;
        std::vector<std::size_t> offBeam;
        for (std::size_t i = 0; i < m_pieces.size(); ++i) {
            const Placement& p = m_pieces[i];
            if ((used & (std::uint32_t{1} << i)) != 0 ||
                (used == 0 && m_first == FirstStep::OfKind && p.kind != m_firstKind)) {
                continue;
            }
            (crossed[cellIndex(p.column, p.row)] ? onBeam : offBeam).push_back(i);
        }
        onBeam.insert(onBeam.end(), offBeam.begin(), offBeam.end());
        return onBeam;
    }

    std::span<const Placement> m_pieces;
    FirstStep m_first;
    PieceKind m_firstKind;
    std::vector<bool> m_isDeadEnd; // by the set of pieces placed
    std::vector<Placement> m_order;
};

} // namespace

Level afterStep(const Level& position, const Placement& step)
{
    Level next = position;
    placePieces(next, std::span(&step, 1));
    changePaletteCount(next, rowOfKind(step.kind).value_or(-1), -1);
    return next;
}

bool isSafeStep(const Level& position, const Placement& step)
{
    return !explodes(position, arrivalOf(step.kind)) && !explodes(position, step);
}

bool isCellOnBeam(const Level& position, std::int32_t column, std::int32_t row)
{
    return isBoardCell(column, row) && cellsOnBeams(position)[cellIndex(column, row)];
}

std::optional<std::vector<Placement>> safeOrder(const Level& position,
                                                std::span<const Placement> pieces, FirstStep first,
                                                PieceKind firstKind)
{
    if (pieces.size() > static_cast<std::size_t>(MaxSearchDepth)) {
        return std::nullopt;
    }
    Level playing = position;
    playing.mode = Mode::Play;
    OrderSearch search(pieces, first, firstKind);
    if (!search.search(playing, 0)) {
        return std::nullopt;
    }
    return search.order();
}

SafeSolveResult solveSafely(const Level& position, const SolveLimits& limits, FirstStep first,
                            PieceKind firstKind)
{
    SafeSolveResult result;
    const SolveResult solved = solve(position, limits);
    result.states = solved.states;
    if (solved.status != SolveStatus::Solved) {
        result.status = solved.status == SolveStatus::NoSolution ? SafeSolveStatus::NoSolution
                                                                 : SafeSolveStatus::GaveUp;
        result.reason = solved.reason;
        return result;
    }
    if (auto order = safeOrder(position, solved.solution, first, firstKind)) {
        result.status = SafeSolveStatus::Solved;
        result.path = std::move(*order);
        return result;
    }
    SolveLimits rest = limits;
    if (limits.maxStates > 0) {
        rest.maxStates = std::max(1L, limits.maxStates - solved.states);
    }
    const CountResult counted = countSolutions(position, SafeSolutionCandidates, rest);
    result.states += counted.states;
    for (const std::vector<Placement>& found : counted.found) {
        if (auto order = safeOrder(position, found, first, firstKind)) {
            result.status = SafeSolveStatus::Solved;
            result.path = std::move(*order);
            return result;
        }
    }
    result.status = counted.isExact ? SafeSolveStatus::OnlyUnsafe : SafeSolveStatus::GaveUp;
    result.reason = counted.reason;
    if (counted.isExact) {
        result.path = solved.solution;
    }
    return result;
}

} // namespace prismora
