// Walking every beam once, deciding each cell a piece may go on the first time a beam enters it.
#include "core/solver_beam_search.h"

#include "core/solver_bound.h"
#include "core/solver_common.h"
#include "core/solver_walk.h"

#include <memory>
#include <set>

namespace prismora {
namespace {

// Where a walker stopped: it goes on, it ended, it waits for a decision on
// its cell, or a beam every evaluation traces reached a bomb.
enum class Fate { GoesOn, Ends, Waits, Explodes };

// Where the walk of a branch stopped: every walker left waits for a decision,
// all beams are followed, or a beam every evaluation traces reached a bomb.
enum class Stop { Decide, Complete, Dead };

// The states the walk that leaves cells empty first may spend (see
// enumerateSolutions).
constexpr long ProbeStates = 100'000;

bool isFixedJunction(PieceKind kind)
{
    return kind == PieceKind::TCoupling || kind == PieceKind::TCoupling2 ||
           kind == PieceKind::YCoupling;
}

// Which child of an undecided cell is explored first.
enum class ChildOrder { PiecesFirst, EmptyFirst };

// What a walk found, and how to tell its solutions apart.
struct Walked {
    CountResult count;
    std::set<std::string> signatures;
};

class Search {
public:
    Search(const Level& level, const SolveLimits& limits, int limit, ChildOrder order,
           const Walked* found = nullptr);
    Walked run();

private:
    void explore(Branch& branch);
    void decide(Branch& branch, std::size_t cell, std::uint32_t arrivals);
    void split(Branch& branch, std::size_t cell, std::uint32_t arrivals);
    Stop advance(Branch& branch);
    Fate follow(Branch& branch, Walker& walker);
    Fate fateInCell(Branch& branch, Walker& walker);
    Fate act(Branch& branch, Walker& walker, PieceKind kind, std::uint8_t direction, int output);
    void emit(Branch& branch, int source, std::uint8_t direction, ColourSlot slot, bool isCertain);
    void feed(Branch& branch, int output, const OutputFeed& fed, bool isCertain);
    bool place(Branch& branch, std::uint8_t cell, std::uint8_t row, std::uint8_t group);
    Cell cellOfSource(const Branch& branch, int source) const;
    void finish(const Branch& branch);
    std::vector<Placement> placementsOf(const Branch& branch) const;

    Level m_base;
    Level m_work;
    Occupancy m_occupancy;
    LampBound m_bound;
    std::vector<std::pair<std::size_t, std::uint8_t>> m_lamps; // lookup cell, slots needed
    SearchDepth m_depth;
    int m_limit;
    ChildOrder m_order;
    SearchBudget m_budget;
    std::set<std::string> m_signatures;
    std::vector<std::vector<Placement>> m_found;
    GiveUpReason m_stopped = GiveUpReason::None;
    bool m_done = false;
    bool m_beamsOverflowed = false;
};

Level inPlay(const Level& level)
{
    Level playing = level;
    playing.mode = Mode::Play;
    return playing;
}

// `found`: solutions an earlier walk of the same level found, counted again
// only once.
Search::Search(const Level& level, const SolveLimits& limits, int limit, ChildOrder order,
               const Walked* found)
    : m_base(inPlay(level)), m_work(m_base), m_occupancy(m_base), m_bound(m_base, m_occupancy),
      m_depth(searchDepth(level, limits)), m_limit(limit), m_order(order), m_budget(limits)
{
    if (found != nullptr) {
        m_signatures = found->signatures;
        m_found = found->count.found;
    }
    for (const Piece& piece : m_base.pieces) {
        const std::uint8_t slots = piece.removed ? 0 : lampSlots(piece.kind);
        if (slots != 0 && isInLookupArea(piece.column, piece.row)) {
            m_lamps.emplace_back(lookupIndex(piece.column, piece.row), slots);
        }
    }
}

Walked Search::run()
{
    auto branch = std::make_unique<Branch>();
    branch->decision.fill(Undecided);
    for (int row = 0; row < PlayRowCount; ++row) {
        branch->left[static_cast<std::size_t>(row)] = std::max(0, paletteCount(m_base, row));
    }
    branch->sourceCount = static_cast<int>(m_base.sources.size());
    branch->outputSlots.fill(slotBit(ColourSlot::Other));
    for (std::size_t i = 0; i < m_base.sources.size(); ++i) {
        const BeamSource& source = m_base.sources[i];
        if (source.isCannon() && !source.removed) {
            emit(*branch, static_cast<int>(i), static_cast<std::uint8_t>(source.direction % 8),
                 slotOf(source.colour), true);
        }
    }
    explore(*branch);
    if (m_stopped == GiveUpReason::None && !m_done) {
        m_stopped = m_beamsOverflowed ? GiveUpReason::TooManyBeams
                    : m_depth.isCut   ? GiveUpReason::TooManyPieces
                                      : GiveUpReason::None;
    }
    CountResult result;
    result.solutions = static_cast<int>(m_found.size());
    result.found = m_found;
    result.states = m_budget.states();
    result.reason = m_stopped;
    result.isExact = m_stopped == GiveUpReason::None;
    return {result, m_signatures};
}

Cell Search::cellOfSource(const Branch& branch, int source) const
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

void Search::emit(Branch& branch, int source, std::uint8_t direction, ColourSlot slot,
                  bool isCertain)
{
    const std::size_t bit = (static_cast<std::size_t>(source) * 8 + direction) * ColourSlots +
                            static_cast<std::size_t>(slot);
    if (branch.started.test(bit)) {
        return;
    }
    branch.started.set(bit);
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
void Search::feed(Branch& branch, int output, const OutputFeed& fed, bool isCertain)
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
Fate Search::act(Branch& branch, Walker& walker, PieceKind kind, std::uint8_t direction, int output)
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
Fate Search::fateInCell(Branch& branch, Walker& walker)
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
    std::int8_t& decided = branch.decision[boardIndex(walker.column, walker.row)];
    if (decided == Undecided) {
        if (branch.itemCount < m_depth.pieces) {
            return Fate::Waits;
        }
        decided = LeftEmpty; // the last piece is down: open cells stay empty
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
Fate Search::follow(Branch& branch, Walker& walker)
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
Stop Search::advance(Branch& branch)
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

bool Search::place(Branch& branch, std::uint8_t cell, std::uint8_t row, std::uint8_t group)
{
    WalkItem item{cell, row, group, -1};
    if (isSplittingKind(*kindOfRow(row))) {
        if (branch.sourceCount >= Level::MaxSources) {
            return false;
        }
        item.output = static_cast<std::int8_t>(branch.sourceCount++);
    }
    branch.decision[cell] = static_cast<std::int8_t>(branch.itemCount);
    branch.items[static_cast<std::size_t>(branch.itemCount++)] = item;
    --branch.left[row];
    branch.lastPiece = LastPiece::Unknown;
    return true;
}

void Search::explore(Branch& branch)
{
    if (m_budget.spend()) {
        m_stopped = m_budget.reason();
        m_done = true;
        return;
    }
    const Stop stopped = advance(branch);
    if (stopped == Stop::Dead) {
        return;
    }
    if (stopped == Stop::Complete) {
        finish(branch);
        return;
    }
    // The first waiting walker's cell is decided, for every beam waiting there.
    const Walker& first = branch.pending[0];
    std::uint32_t arrivals = 0;
    for (int i = 0; i < branch.pendingCount; ++i) {
        const Walker& walker = branch.pending[static_cast<std::size_t>(i)];
        if (walker.column == first.column && walker.row == first.row) {
            arrivals |= 1u << arrivalIndex(walker.direction, walker.slot);
        }
    }
    const std::size_t cell = boardIndex(first.column, first.row);
    if (branch.decision[cell] >= 0) {
        split(branch, cell, arrivals);
    } else if (m_bound.isReachable(branch, m_depth.pieces - branch.itemCount)) {
        decide(branch, cell, arrivals);
    }
}

// A piece's direction group that no longer acts alike on the beams now
// arriving is split, one branch per part.
void Search::split(Branch& branch, std::size_t cell, std::uint32_t arrivals)
{
    const auto index = static_cast<std::size_t>(branch.decision[cell]);
    const WalkItem item = branch.items[index];
    const DirectionGroups parts = behaviour().groups(item.row, item.directions, arrivals);
    Branch next;
    for (int i = 0; i < parts.count && !m_done; ++i) {
        next = branch;
        next.items[index].directions = parts.groups[static_cast<std::size_t>(i)];
        next.lastPiece = LastPiece::Unknown;
        explore(next);
    }
}

// An undecided cell gets each piece in hand, in each group of directions
// that act alike on the beams waiting there, or is left empty.
void Search::decide(Branch& branch, std::size_t cell, std::uint32_t arrivals)
{
    const std::size_t lookup = lookupIndex(cell % BoardCells + 1, cell / BoardCells + 1);
    Branch next;
    const auto leaveEmpty = [&] {
        next = branch;
        next.decision[cell] = LeftEmpty;
        next.lastPieceCells.reset(lookup);
        explore(next);
    };
    if (m_order == ChildOrder::EmptyFirst) {
        leaveEmpty();
    }
    for (std::uint8_t row = 0; row < PlayRowCount && !m_done; ++row) {
        if (branch.left[row] <= 0) {
            continue;
        }
        const DirectionGroups groups = behaviour().groups(row, 0xFF, arrivals);
        for (int i = 0; i < groups.count && !m_done; ++i) {
            next = branch;
            if (place(next, static_cast<std::uint8_t>(cell), row,
                      groups.groups[static_cast<std::size_t>(i)])) {
                explore(next);
            }
        }
    }
    if (m_order == ChildOrder::PiecesFirst && !m_done) {
        leaveEmpty();
    }
}

std::vector<Placement> Search::placementsOf(const Branch& branch) const
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
void Search::finish(const Branch& branch)
{
    for (const auto& [cell, slots] : m_lamps) {
        if ((slotsOf(branch.entered[cell]) & slots) != slots) {
            return;
        }
    }
    const std::optional<std::vector<Placement>> order =
        workingOrder(m_base, m_work, placementsOf(branch));
    if (!order) {
        return;
    }
    const std::optional<std::string> signature = solutionSignature(m_base, m_work, *order);
    if (signature && m_signatures.insert(*signature).second) {
        m_found.push_back(*order);
        m_done = static_cast<int>(m_found.size()) >= m_limit;
    }
}

} // namespace

// Solutions often lie far along the beams, and then a walk that first lets
// each beam through meets them soonest; on some levels that walk wanders
// instead. So it only probes, with a budget of states, and the walk that
// first puts pieces down decides, counting what the probe found once. Both
// are deterministic, so the answer and the states are too.
CountResult enumerateSolutions(const Level& level, int limit, const SolveLimits& limits)
{
    SolveLimits probing = limits;
    probing.maxStates =
        limits.maxStates > 0 ? std::min(limits.maxStates, ProbeStates) : ProbeStates;
    const Walked probe = Search(level, probing, limit, ChildOrder::EmptyFirst).run();
    const bool isOnlyProbeSpent = probe.count.reason == GiveUpReason::StateBudget &&
                                  (limits.maxStates <= 0 || limits.maxStates > ProbeStates);
    if (!isOnlyProbeSpent) {
        return probe.count;
    }
    SolveLimits rest = limits;
    if (limits.maxStates > 0) {
        rest.maxStates = limits.maxStates - probe.count.states;
    }
    Walked walked = Search(level, rest, limit, ChildOrder::PiecesFirst, &probe).run();
    walked.count.states += probe.count.states;
    return walked.count;
}

} // namespace prismora
