// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Following a branch's beams until they wait for a decision, and the branches each decision makes.
#include "core/solver_tree.h"

#include "core/solver_common.h"

#include <algorithm>

namespace prismora {
namespace {

bool isFixedJunction(PieceKind kind)
{
    return kind == PieceKind::TCoupling || kind == PieceKind::TCoupling2 ||
           kind == PieceKind::YCoupling;
}

Level inPlay(const Level& level)
{
    Level playing = level;
    playing.mode = Mode::Play;
    return playing;
}

} // namespace

SearchTree::SearchTree(const Level& level, const SolveLimits& limits, int limit)
    : m_base(inPlay(level)), m_work(m_base), m_occupancy(m_base), m_bound(m_base, m_occupancy),
      m_depth(searchDepth(level, limits)), m_limit(limit), m_budget(limits)
{
    for (const Piece& piece : m_base.pieces) {
        const std::uint8_t slots = piece.removed ? 0 : lampSlots(piece.kind);
        if (slots != 0 && isInLookupArea(piece.column, piece.row)) {
            m_lamps.emplace_back(lookupIndex(piece.column, piece.row), slots);
        }
    }
}

bool SearchTree::makeRoot(Branch& root)
{
    root.decision.fill(Undecided);
    for (std::size_t cell = 0; cell < BoardCellCount; ++cell) {
        root.undecidedCells.set(lookupOfBoard(cell));
    }
    for (int row = 0; row < PlayRowCount; ++row) {
        root.left[static_cast<std::size_t>(row)] = std::max(0, paletteCount(m_base, row));
    }
    root.sourceCount = static_cast<int>(m_base.sources.size());
    root.outputSlots.fill(slotBit(ColourSlot::Other));
    for (std::size_t i = 0; i < m_base.sources.size(); ++i) {
        const BeamSource& source = m_base.sources[i];
        if (source.isCannon() && !source.removed) {
            emit(root, static_cast<int>(i), static_cast<std::uint8_t>(source.direction % 8),
                 slotOf(source.colour), true);
        }
    }
    return prepare(root);
}

CountResult SearchTree::result(bool isWalked) const
{
    GiveUpReason reason = m_stopped;
    if (reason == GiveUpReason::None && isWalked) {
        reason = m_beamsOverflowed ? GiveUpReason::TooManyBeams
                 : m_ordersCut     ? GiveUpReason::TooManyOrders
                 : m_depth.isCut   ? GiveUpReason::TooManyPieces
                                   : GiveUpReason::None;
    }
    CountResult result;
    result.solutions = static_cast<int>(m_found.size());
    result.found = m_found;
    result.states = m_budget.states();
    result.reason = reason;
    result.isExact = reason == GiveUpReason::None;
    return result;
}

Cell SearchTree::cellOfSource(const Branch& branch, int source) const
{
    if (source < static_cast<int>(m_base.sources.size())) {
        return sourceCell(m_base, source);
    }
    for (int i = 0; i < branch.itemCount; ++i) {
        const WalkItem& item = branch.items[static_cast<std::size_t>(i)];
        if (item.output == source) {
            return {item.cell % BoardCells + 1, item.cell / BoardCells + 1};
        }
    }
    return {-1, -1};
}

void SearchTree::emit(Branch& branch, int source, std::uint8_t direction, ColourSlot slot,
                      bool isCertain)
{
    const std::size_t bit = (static_cast<std::size_t>(source) * 8 + direction) * ColourSlots +
                            static_cast<std::size_t>(slot);
    if (branch.started[bit]) {
        return;
    }
    branch.started[bit] = true;
    const Cell cell = cellOfSource(branch, source);
    // A source whose first step leaves the lookup area sends no beam on it.
    if (!isInLookupArea(std::int64_t(cell.column) + StepColumn[direction],
                        std::int64_t(cell.row) + StepRow[direction])) {
        return;
    }
    if (branch.pendingCount == MaxPending) {
        m_beamsOverflowed = true;
        return;
    }
    branch.pending[static_cast<std::size_t>(branch.pendingCount++)] = {
        static_cast<std::int8_t>(cell.column),
        static_cast<std::int8_t>(cell.row),
        direction,
        slot,
        isCertain,
        false};
}

// Feeding an output sends a beam of every colour it may carry: an inverter fed
// a colour it keeps may send any colour its output was ever given.
void SearchTree::feed(Branch& branch, int output, const OutputFeed& fed, bool isCertain)
{
    std::uint8_t& slots = branch.outputSlots[static_cast<std::size_t>(output)];
    std::uint8_t& keep = branch.keepDirections[static_cast<std::size_t>(output)];
    if (fed.colour) {
        const ColourSlot slot = slotOf(*fed.colour);
        slots = static_cast<std::uint8_t>(slots | slotBit(slot));
        emit(branch, output, fed.direction, slot, isCertain);
        for (std::uint8_t d = 0; d < 8; ++d) {
            if (keep & (1u << d)) {
                emit(branch, output, d, slot, false);
            }
        }
        return;
    }
    keep = static_cast<std::uint8_t>(keep | (1u << fed.direction));
    for (int s = 0; s < ColourSlots; ++s) {
        if (slots & (1u << s)) {
            emit(branch, output, fed.direction, static_cast<ColourSlot>(s), false);
        }
    }
}

// A junction fed by a beam every evaluation traces sends its output the same
// way in every evaluation (it accepts one arriving direction only), and the
// second pass traces it whatever the source order; deeper chains depend on
// the order, and an inverter's output on which of its two sides was fed last.
SearchTree::Fate SearchTree::act(Branch& branch, Walker& walker, PieceKind kind,
                                 std::uint8_t direction, int output)
{
    const BeamAction action = beamActions(kind, direction)[walker.direction];
    if ((action & HitsBomb) != 0) {
        return walker.isCertain ? Fate::Explodes : Fate::Ends;
    }
    if ((action & Feeds) != 0 && output >= 0) {
        feed(branch, output, fedBeam(kind, direction, walker.direction, colourOfSlot(walker.slot)),
             walker.isCertain && isFixedJunction(kind));
    }
    if ((action & Passes) == 0) {
        return Fate::Ends;
    }
    walker.direction = action & LeavingDirection;
    walker.isInCell = false;
    return Fate::GoesOn;
}

// What the walker's cell does to it, or that it must wait for a decision.
SearchTree::Fate SearchTree::fateInCell(Branch& branch, Walker& walker)
{
    const CellOccupant& occupant = m_occupancy.at(walker.column, walker.row);
    if (occupant.piece >= 0) {
        const Piece& piece = m_base.pieces[static_cast<std::size_t>(occupant.piece)];
        return act(branch, walker, piece.kind, piece.direction, piece.output);
    }
    if (!isBoardCell(walker.column, walker.row)) {
        if (occupant.piece == SourceCell) {
            return Fate::Ends;
        }
        walker.isInCell = false;
        return Fate::GoesOn;
    }
    const std::int8_t& decided = branch.decision[boardIndex(walker.column, walker.row)];
    if (decided == Undecided) {
        if (branch.itemCount < m_depth.pieces) {
            return Fate::Waits;
        }
        // The last piece is down: open cells stay empty.
        setDecision(branch, boardIndex(walker.column, walker.row), LeftEmpty);
    }
    if (decided == LeftEmpty) {
        if (occupant.piece == SourceCell) {
            return Fate::Ends;
        }
        walker.isInCell = false;
        return Fate::GoesOn;
    }
    const WalkItem& item = branch.items[static_cast<std::size_t>(decided)];
    if (!behaviour().isUniform(item.row, item.directions,
                               arrivalIndex(walker.direction, walker.slot))) {
        return Fate::Waits;
    }
    return act(branch, walker, *kindOfRow(item.row), firstDirection(item.directions), item.output);
}

// Follows one walker until it ends or waits in a cell.
SearchTree::Fate SearchTree::follow(Branch& branch, Walker& walker)
{
    for (;;) {
        if (!walker.isInCell) {
            const int column = walker.column + StepColumn[walker.direction];
            const int row = walker.row + StepRow[walker.direction];
            if (!isInLookupArea(column, row)) {
                return Fate::Ends;
            }
            std::uint32_t& entered = branch.entered[lookupIndex(column, row)];
            const std::uint32_t bit = 1u << arrivalIndex(walker.direction, walker.slot);
            if ((entered & bit) != 0) {
                return Fate::Ends;
            }
            entered |= bit;
            walker.column = static_cast<std::int8_t>(column);
            walker.row = static_cast<std::int8_t>(row);
            walker.isInCell = true;
        }
        const Fate fate = fateInCell(branch, walker);
        if (fate != Fate::GoesOn) {
            return fate;
        }
    }
}

// Follows every walker until it ends or waits. Nothing is decided on the
// way (but cells left empty once the last piece is down), so a walker that
// waits keeps waiting, and the walkers fed on the way are followed too.
SearchTree::Stop SearchTree::advance(Branch& branch)
{
    int waiting = 0;
    for (int i = 0; i < branch.pendingCount; ++i) {
        Walker walker = branch.pending[static_cast<std::size_t>(i)];
        const Fate fate = follow(branch, walker);
        if (fate == Fate::Explodes) {
            return Stop::Dead;
        }
        if (fate == Fate::Waits) {
            branch.pending[static_cast<std::size_t>(waiting++)] = walker;
        }
    }
    branch.pendingCount = waiting;
    return waiting == 0 ? Stop::Complete : Stop::Decide;
}

bool SearchTree::place(Branch& branch, std::uint8_t cell, std::uint8_t row, std::uint8_t group)
{
    WalkItem item{cell, row, group, -1};
    if (isSplittingKind(*kindOfRow(row))) {
        if (branch.sourceCount >= Level::MaxSources) {
            return false;
        }
        item.output = static_cast<std::int8_t>(branch.sourceCount++);
    }
    setDecision(branch, cell, static_cast<std::int8_t>(branch.itemCount));
    branch.items[static_cast<std::size_t>(branch.itemCount++)] = item;
    --branch.left[row];
    branch.lastPiece = LastPiece::Unknown;
    return true;
}

// Counts the branch as a state and follows its beams. True when it must be
// expanded: a cell waits for a decision and the pieces left may still light
// every lamp. A branch whose beams are all followed is a final position.
bool SearchTree::prepare(Branch& branch)
{
    if (m_budget.spend()) {
        m_stopped = m_budget.reason();
        m_done = true;
        return false;
    }
    const Stop stopped = advance(branch);
    if (stopped == Stop::Dead) {
        return false;
    }
    if (stopped == Stop::Complete) {
        finish(branch);
        return false;
    }
    // The first waiting walker's cell is decided, for every beam waiting there.
    const Walker& first = branch.pending[0];
    branch.waitingCell = static_cast<std::uint8_t>(boardIndex(first.column, first.row));
    branch.waitingArrivals = 0;
    for (int i = 0; i < branch.pendingCount; ++i) {
        const Walker& walker = branch.pending[static_cast<std::size_t>(i)];
        if (walker.column == first.column && walker.row == first.row) {
            branch.waitingArrivals |= 1u << arrivalIndex(walker.direction, walker.slot);
        }
    }
    return branch.decision[branch.waitingCell] >= 0 ||
           m_bound.isReachable(branch, m_depth.pieces - branch.itemCount);
}

void SearchTree::expand(const Branch& branch, Frame& frame)
{
    frame.children.clear();
    frame.madeCount = 0;
    frame.hasEmpty = false;
    frame.next = 0;
    frame.walking = -1;
    frame.walkedBelow = 0;
    if (branch.decision[branch.waitingCell] >= 0) {
        split(branch, frame);
    } else {
        decide(branch, frame);
    }
}

// The child last put into `frame` is counted as made; it stays when it goes on.
void SearchTree::keepIfGoingOn(Frame& frame)
{
    const auto made = static_cast<std::uint8_t>(frame.madeCount++);
    if (prepare(frame.children.back())) {
        frame.made[frame.children.size() - 1] = made;
    } else {
        frame.children.pop_back();
    }
}

// A piece's direction group that no longer acts alike on the beams now
// arriving is split, one branch per part.
void SearchTree::split(const Branch& branch, Frame& frame)
{
    const std::size_t cell = branch.waitingCell;
    const auto index = static_cast<std::size_t>(branch.decision[cell]);
    const WalkItem item = branch.items[index];
    const DirectionGroups parts =
        behaviour().groups(item.row, item.directions, branch.waitingArrivals);
    for (int i = 0; i < parts.count && !m_done; ++i) {
        Branch& next = frame.children.emplace_back(branch);
        next.items[index].directions = parts.groups[static_cast<std::size_t>(i)];
        next.lastPiece = LastPiece::Unknown;
        keepIfGoingOn(frame);
    }
}

// An undecided cell gets each piece in hand, in each group of directions
// that act alike on the beams waiting there, or is left empty (last).
void SearchTree::decide(const Branch& branch, Frame& frame)
{
    const std::size_t cell = branch.waitingCell;
    for (std::uint8_t row = 0; row < PlayRowCount && !m_done; ++row) {
        if (branch.left[row] <= 0) {
            continue;
        }
        const DirectionGroups groups = behaviour().groups(row, 0xFF, branch.waitingArrivals);
        for (int i = 0; i < groups.count && !m_done; ++i) {
            Branch& next = frame.children.emplace_back(branch);
            if (place(next, static_cast<std::uint8_t>(cell), row,
                      groups.groups[static_cast<std::size_t>(i)])) {
                keepIfGoingOn(frame);
            } else {
                frame.children.pop_back();
                ++frame.madeCount;
            }
        }
    }
    if (m_done) {
        return;
    }
    Branch& next = frame.children.emplace_back(branch);
    setDecision(next, cell, LeftEmpty);
    next.lastPieceCells.reset(lookupOfBoard(cell));
    frame.hasEmpty = true;
    keepIfGoingOn(frame);
}

std::vector<Placement> SearchTree::placementsOf(const Branch& branch) const
{
    std::vector<Placement> placements;
    for (int i = 0; i < branch.itemCount; ++i) {
        const WalkItem& item = branch.items[static_cast<std::size_t>(i)];
        placements.push_back({*kindOfRow(item.row), item.cell % BoardCells + 1,
                              item.cell / BoardCells + 1, firstDirection(item.directions)});
    }
    return placements;
}

// All beams are followed: the position is final. Every lamp must be in reach
// of its colours before the real evaluation is asked.
void SearchTree::finish(const Branch& branch)
{
    for (const auto& [cell, slots] : m_lamps) {
        if ((slotsOf(branch.entered[cell]) & slots) != slots) {
            return;
        }
    }
    const std::optional<std::vector<Placement>> order =
        workingOrder(m_base, m_work, placementsOf(branch), &m_ordersCut);
    if (!order) {
        return;
    }
    const std::optional<std::string> signature = solutionSignature(m_base, m_work, *order);
    if (signature && m_signatures.insert(*signature).second) {
        m_found.push_back(*order);
        m_done = static_cast<int>(m_found.size()) >= m_limit;
    }
}

} // namespace prismora
