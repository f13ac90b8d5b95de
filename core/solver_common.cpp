// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The piece behaviour table, working orders, solution signatures and search budgets.
#include "core/solver_common.h"

#include "core/evaluation.h"
#include "core/palette.h"
#include "core/piece_rules.h"

#include <algorithm>

namespace prismora {
namespace {

std::uint16_t codeOfResponse(const PieceResponse& response)
{
    const int travel = response.travel ? *response.travel : 8;
    const int fedDirection = response.output ? response.output->direction : 8;
    int fedColour = 5;
    if (response.output) {
        fedColour =
            response.output->colour ? static_cast<int>(slotOf(*response.output->colour)) : 4;
    }
    return static_cast<std::uint16_t>(travel | fedDirection << 4 | fedColour << 8);
}

int directionOfStep(std::int64_t dx, std::int64_t dy)
{
    for (int d = 0; d < 8; ++d) {
        const Step step = stepOf(static_cast<std::uint8_t>(d));
        if (step.dx == dx && step.dy == dy) {
            return d;
        }
    }
    return 0;
}

void placeOnBase(const Level& base, Level& work, const std::vector<Placement>& placements)
{
    work.pieces.resize(base.pieces.size());
    work.sources.resize(base.sources.size());
    placePieces(work, placements);
}

} // namespace

Behaviour::Behaviour()
{
    for (int row = 0; row < PlayRowCount; ++row) {
        const PieceKind kind = *kindOfRow(row);
        for (int d = 0; d < 8; ++d) {
            for (int b = 0; b < 8; ++b) {
                for (int s = 0; s < ColourSlots; ++s) {
                    m_codes[static_cast<std::size_t>((row * 8 + d) * 32 + b * ColourSlots + s)] =
                        codeOfResponse(respond(kind, static_cast<std::uint8_t>(d),
                                               static_cast<std::uint8_t>(b),
                                               colourOfSlot(static_cast<ColourSlot>(s))));
                }
            }
        }
    }
}

bool Behaviour::actAlike(int row, int first, int second, std::uint32_t arrivals) const
{
    for (; arrivals != 0; arrivals &= arrivals - 1) { // the arrivals' bits only, lowest first
        const int a = __builtin_ctz(arrivals);
        if (codeOf(row, first, a) != codeOf(row, second, a)) {
            return false;
        }
    }
    return true;
}

DirectionGroups Behaviour::groups(int row, std::uint8_t directions, std::uint32_t arrivals) const
{
    DirectionGroups found;
    for (int d = 0; d < 8; ++d) {
        if (!(directions & (1u << d))) {
            continue;
        }
        int group = 0;
        while (group < found.count &&
               !actAlike(row, d, firstDirection(found.groups[static_cast<std::size_t>(group)]),
                         arrivals)) {
            ++group;
        }
        found.count = std::max(found.count, group + 1);
        found.groups[static_cast<std::size_t>(group)] |= static_cast<std::uint8_t>(1u << d);
    }
    return found;
}

bool Behaviour::isUniform(int row, std::uint8_t directions, int arrival) const
{
    const std::uint16_t first = codeOf(row, firstDirection(directions), arrival);
    for (int d = 0; d < 8; ++d) {
        if ((directions & (1u << d)) && codeOf(row, d, arrival) != first) {
            return false;
        }
    }
    return true;
}

const Behaviour& behaviour()
{
    static const Behaviour table;
    return table;
}

std::optional<std::vector<Placement>>
workingOrder(const Level& base, Level& work, const std::vector<Placement>& placements, bool* isCut)
{
    std::vector<Placement> others;
    std::vector<Placement> splitting;
    for (const Placement& placement : placements) {
        (isSplittingKind(placement.kind) ? splitting : others).push_back(placement);
    }
    std::vector<std::size_t> order(splitting.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::size_t orders = 0;
    do {
        if (++orders > MostSplittingOrders) {
            if (isCut != nullptr) {
                *isCut = true;
            }
            return std::nullopt;
        }
        std::vector<Placement> tried = others;
        for (const std::size_t i : order) {
            tried.push_back(splitting[i]);
        }
        placeOnBase(base, work, tried);
        if (work.pieces.size() == base.pieces.size() + tried.size() &&
            evaluate(work).verdict == Verdict::Solved &&
            evaluate(reloadedLevel(work)).verdict == Verdict::Solved) {
            return tried;
        }
    } while (std::next_permutation(order.begin(), order.end()));
    return std::nullopt;
}

std::optional<std::string> solutionSignature(const Level& base, Level& work,
                                             const std::vector<Placement>& order)
{
    placeOnBase(base, work, order);
    const Evaluation evaluation = evaluate(work);
    std::array<std::uint32_t, BoardCells * BoardCells> arrivals{};
    for (const BeamSegment& segment : evaluation.segments) {
        if (isBoardCell(segment.toColumn, segment.toRow)) {
            const int direction = directionOfStep(segment.toColumn - segment.fromColumn,
                                                  segment.toRow - segment.fromRow);
            arrivals[static_cast<std::size_t>((segment.toRow - 1) * BoardCells + segment.toColumn -
                                              1)] |=
                1u << arrivalIndex(static_cast<std::uint8_t>(direction), slotOf(segment.colour));
        }
    }
    std::vector<std::string> pieces;
    for (const Placement& placement : order) {
        const std::uint32_t arriving = arrivals[static_cast<std::size_t>(
            (placement.row - 1) * BoardCells + placement.column - 1)];
        if (arriving == 0) {
            return std::nullopt;
        }
        const int row = *rowOfKind(placement.kind);
        std::string text{static_cast<char>(placement.column), static_cast<char>(placement.row),
                         static_cast<char>(row)};
        for (int a = 0; a < 32; ++a) {
            if (arriving & (1u << a)) {
                const std::uint16_t code = behaviour().codeOf(row, placement.direction, a);
                text += {static_cast<char>(a), static_cast<char>(code & 0xFF),
                         static_cast<char>(code >> 8)};
            }
        }
        pieces.push_back(text);
    }
    std::sort(pieces.begin(), pieces.end());
    std::string signature;
    for (const std::string& piece : pieces) {
        signature += piece + '|';
    }
    return signature;
}

bool directionsActAlike(PieceKind kind, std::uint8_t first, std::uint8_t second)
{
    const std::optional<int> row = rowOfKind(kind);
    if (!row || *row >= PlayRowCount) {
        return first % 8 == second % 8;
    }
    return behaviour().actAlike(*row, first % 8, second % 8, 0xFFFFFFFFu);
}

SearchBudget::SearchBudget(const SolveLimits& limits)
    : m_limits(limits),
      m_deadline(limits.maxSeconds > 0
                     ? std::chrono::steady_clock::now() +
                           std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                               std::chrono::duration<double>(limits.maxSeconds))
                     : std::chrono::steady_clock::time_point::max())
{
}

bool SearchBudget::spend()
{
    ++m_states;
    if (m_limits.maxStates > 0 && m_states >= m_limits.maxStates) {
        m_reason = GiveUpReason::StateBudget;
    } else if (m_limits.cancel != nullptr && m_limits.cancel->load(std::memory_order_relaxed)) {
        m_reason = GiveUpReason::Cancelled;
    } else if ((m_states & 1023) == 0 && std::chrono::steady_clock::now() > m_deadline) {
        m_reason = GiveUpReason::TimeBudget;
    }
    return m_reason != GiveUpReason::None;
}

SearchDepth searchDepth(const Level& level, const SolveLimits& limits)
{
    int total = 0;
    for (int row = 0; row < PlayRowCount; ++row) {
        total += std::max(0, paletteCount(level, row));
    }
    const int wanted = limits.maxPieces < 0 ? total : std::min(total, limits.maxPieces);
    return {std::min(wanted, MaxSearchDepth), wanted > MaxSearchDepth};
}

} // namespace prismora
