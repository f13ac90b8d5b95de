// Walking every beam once, deciding each free board cell the first time a beam enters it.
#include "core/solver_beam_search.h"

#include "core/palette.h"
#include "core/piece_rules.h"
#include "core/solver_common.h"

#include <array>
#include <bitset>
#include <memory>
#include <set>

namespace prismora {
namespace {

constexpr int BoardCellCount = BoardCells * BoardCells;
constexpr int LookupCells = BoardCells + 1;

std::size_t boardCellIndex(std::int64_t column, std::int64_t row)
{
    return static_cast<std::size_t>((row - 1) * BoardCells + (column - 1));
}

// What stands on a cell of the lookup area in the level as loaded.
constexpr std::int16_t FreeCell = -1;
constexpr std::int16_t SourceCell = -2;

// A piece put down by the search: its board cell (0..80), its palette row
// (0..6), the group of directions it may have (bit d for direction d; a group
// acts alike on every beam that reached it so far), and its output's source.
struct Item {
    std::uint8_t cell = 0;
    std::uint8_t row = 0;
    std::uint8_t directions = 0;
    std::int8_t output = -1;
};

constexpr std::int8_t Undecided = -1;
constexpr std::int8_t LeftEmpty = -2;

// A beam being followed: where it is, where it goes, its colour, and whether
// it comes from a cannon (whose beam every evaluation traces).
struct Walker {
    std::int8_t column = 0;
    std::int8_t row = 0;
    std::uint8_t direction = 0;
    ColourSlot slot = ColourSlot::Other;
    bool fromCannon = false;
    bool isInCell = false; // entered its cell, not yet acted on
};

constexpr int MaxPending = 192;

// One branch of the search: every decision taken so far and the beams still
// to follow. Copied at each decision, so it holds no pointers.
struct Branch {
    std::array<std::int8_t, BoardCellCount> decision{};
    std::array<Item, MaxSearchDepth> items{};
    int itemCount = 0;
    std::array<int, PlayRowCount> left{};
    std::bitset<LookupCells * LookupCells * 8 * ColourSlots> entered;
    std::bitset<Level::MaxSources * 8 * ColourSlots> started;
    std::array<std::uint8_t, Level::MaxSources> outputSlots{};
    std::array<std::uint8_t, Level::MaxSources> keepDirections{};
    int sourceCount = 0;
    std::array<Walker, MaxPending> pending{};
    int pendingCount = 0;
    Walker current;
    bool hasCurrent = false;
};

// Where a branch stopped: a piece or nothing to put on a cell, a direction
// group to split, all beams followed, or a cannon's beam in a bomb.
enum class Stop { Decide, Split, Complete, Dead };

// What a cell did to a beam.
enum class Fate { GoesOn, Ends, Explodes };

class Search {
public:
    Search(const Level& level, const SolveLimits& limits, int limit, RaceEntry race);
    CountResult run();

private:
    void explore(Branch& branch);
    Stop follow(Branch& branch);
    Fate fateInCell(Branch& branch, Walker& walker);
    Fate act(Branch& branch, Walker& walker, std::int16_t occupant);
    bool actAsPiece(Branch& branch, Walker& walker, PieceKind kind, std::uint8_t direction,
                    int output);
    void emit(Branch& branch, int source, std::uint8_t direction, ColourSlot slot);
    void feed(Branch& branch, int output, const OutputFeed& fed);
    bool place(Branch& branch, std::uint8_t cell, std::uint8_t row, std::uint8_t group);
    Cell cellOfSource(const Branch& branch, int source) const;
    void finish(const Branch& branch);
    std::vector<Placement> placementsOf(const Branch& branch) const;

    Level m_base;
    Level m_work;
    std::size_t m_basePieces = 0;
    std::array<std::int16_t, LookupCells * LookupCells> m_occupant{};
    std::vector<std::uint8_t> m_lampNeeds; // per base piece: slots a lamp needs
    SearchDepth m_depth;
    int m_limit;
    SearchBudget m_budget;
    std::set<std::string> m_signatures;
    std::vector<std::vector<Placement>> m_found;
    GiveUpReason m_stopped = GiveUpReason::None;
    bool m_done = false;
    Stop m_stop = Stop::Decide;
    bool m_beamsOverflowed = false;
};

bool inLookupArea(int column, int row)
{
    return column >= 0 && column < LookupCells && row >= 0 && row < LookupCells;
}

Search::Search(const Level& level, const SolveLimits& limits, int limit, RaceEntry race)
    : m_base(level), m_depth(searchDepth(level, limits)), m_limit(limit), m_budget(limits, race)
{
    m_base.mode = Mode::Play;
    m_work = m_base;
    m_basePieces = m_base.pieces.size();
    m_occupant.fill(FreeCell);
    const auto claim = [this](std::int32_t column, std::int32_t row, std::int16_t value) {
        if (inLookupArea(column, row)) {
            std::int16_t& cell = m_occupant[static_cast<std::size_t>(row * LookupCells + column)];
            if (cell == FreeCell) {
                cell = value;
            }
        }
    };
    for (std::size_t i = 0; i < m_base.pieces.size(); ++i) {
        const Piece& piece = m_base.pieces[i];
        if (!piece.removed) {
            claim(piece.column, piece.row, static_cast<std::int16_t>(i));
        }
        m_lampNeeds.push_back(piece.removed ? 0 : lampSlots(piece.kind));
    }
    for (std::size_t i = 0; i < m_base.sources.size(); ++i) {
        if (!isSourceRemoved(m_base, static_cast<int>(i))) {
            const Cell cell = sourceCell(m_base, static_cast<int>(i));
            claim(cell.column, cell.row, SourceCell);
        }
    }
}

CountResult Search::run()
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
                 slotOf(source.colour));
        }
    }
    explore(*branch);
    if (m_stopped == GiveUpReason::None && !m_done) {
        m_stopped = m_beamsOverflowed ? GiveUpReason::TooManyBeams
                    : m_depth.isCut   ? GiveUpReason::TooManyPieces
                                      : GiveUpReason::None;
    }
    if (m_stopped == GiveUpReason::None && !m_done) {
        m_budget.decide(); // every position was met
    }
    CountResult result;
    result.solutions = static_cast<int>(m_found.size());
    result.found = m_found;
    result.states = m_budget.states();
    result.reason = m_stopped;
    result.isExact = m_stopped == GiveUpReason::None;
    return result;
}

Cell Search::cellOfSource(const Branch& branch, int source) const
{
    if (source < static_cast<int>(m_base.sources.size())) {
        return sourceCell(m_base, source);
    }
    for (int i = 0; i < branch.itemCount; ++i) {
        const Item& item = branch.items[static_cast<std::size_t>(i)];
        if (item.output == source) {
            return {item.cell % BoardCells + 1, item.cell / BoardCells + 1};
        }
    }
    return {-1, -1};
}

void Search::emit(Branch& branch, int source, std::uint8_t direction, ColourSlot slot)
{
    const std::size_t bit = (static_cast<std::size_t>(source) * 8 + direction) * ColourSlots +
                            static_cast<std::size_t>(slot);
    if (branch.started.test(bit)) {
        return;
    }
    branch.started.set(bit);
    const Cell cell = cellOfSource(branch, source);
    const Step step = stepOf(direction);
    // A source whose first step leaves the lookup area sends no beam on it.
    if (!inLookupArea(static_cast<int>(std::int64_t(cell.column) + step.dx),
                      static_cast<int>(std::int64_t(cell.row) + step.dy))) {
        return;
    }
    if (branch.pendingCount == MaxPending) {
        m_beamsOverflowed = true;
        return;
    }
    const bool isCannon = source < static_cast<int>(m_base.sources.size()) &&
                          m_base.sources[static_cast<std::size_t>(source)].isCannon();
    branch.pending[static_cast<std::size_t>(branch.pendingCount++)] = {
        static_cast<std::int8_t>(cell.column),
        static_cast<std::int8_t>(cell.row),
        direction,
        slot,
        isCannon,
        false};
}

// Feeding an output sends a beam of every colour it may carry: an inverter fed
// a colour it keeps may send any colour its output was ever given.
void Search::feed(Branch& branch, int output, const OutputFeed& fed)
{
    std::uint8_t& slots = branch.outputSlots[static_cast<std::size_t>(output)];
    std::uint8_t& keep = branch.keepDirections[static_cast<std::size_t>(output)];
    if (fed.colour) {
        const ColourSlot slot = slotOf(*fed.colour);
        slots = static_cast<std::uint8_t>(slots | slotBit(slot));
        emit(branch, output, fed.direction, slot);
        for (std::uint8_t d = 0; d < 8; ++d) {
            if (keep & (1u << d)) {
                emit(branch, output, d, slot);
            }
        }
        return;
    }
    keep = static_cast<std::uint8_t>(keep | (1u << fed.direction));
    for (int s = 0; s < ColourSlots; ++s) {
        if (slots & (1u << s)) {
            emit(branch, output, fed.direction, static_cast<ColourSlot>(s));
        }
    }
}

bool Search::actAsPiece(Branch& branch, Walker& walker, PieceKind kind, std::uint8_t direction,
                        int output)
{
    const PieceResponse response =
        respond(kind, direction, walker.direction, colourOfSlot(walker.slot));
    if (response.output && output >= 0) {
        feed(branch, output, *response.output);
    }
    if (!response.travel) {
        return false;
    }
    walker.direction = *response.travel;
    walker.isInCell = false;
    return true;
}

// What a piece of the level as loaded does to the walker in its cell.
Fate Search::act(Branch& branch, Walker& walker, std::int16_t occupant)
{
    const Piece& piece = m_base.pieces[static_cast<std::size_t>(occupant)];
    if (passesBeamsUnchanged(piece.kind)) {
        walker.isInCell = false;
        return Fate::GoesOn;
    }
    switch (piece.kind) {
    case PieceKind::Bomb:
        // A cannon's beam runs in every evaluation: no piece can still stop it.
        return walker.fromCannon ? Fate::Explodes : Fate::Ends;
    case PieceKind::OffBoard:
        return Fate::Ends;
    default:
        break;
    }
    return actAsPiece(branch, walker, piece.kind, piece.direction, piece.output) ? Fate::GoesOn
                                                                                 : Fate::Ends;
}

// Follows the beams until a decision is needed (the walker then waits in its
// cell), or all are followed, or a cannon's beam reaches a bomb.
Stop Search::follow(Branch& branch)
{
    for (;;) {
        if (!branch.hasCurrent) {
            if (branch.pendingCount == 0) {
                return Stop::Complete;
            }
            branch.current = branch.pending[static_cast<std::size_t>(--branch.pendingCount)];
            branch.hasCurrent = true;
        }
        Walker& walker = branch.current;
        if (!walker.isInCell) {
            const Step step = stepOf(walker.direction);
            walker.column = static_cast<std::int8_t>(walker.column + step.dx);
            walker.row = static_cast<std::int8_t>(walker.row + step.dy);
            const std::size_t bit = static_cast<std::size_t>(
                ((walker.row * LookupCells + walker.column) * 8 + walker.direction) * ColourSlots +
                static_cast<int>(walker.slot));
            if (!inLookupArea(walker.column, walker.row) || branch.entered.test(bit)) {
                branch.hasCurrent = false;
                continue;
            }
            branch.entered.set(bit);
            walker.isInCell = true;
        }
        const Fate fate = fateInCell(branch, walker);
        if (fate == Fate::Explodes) {
            return Stop::Dead;
        }
        if (fate == Fate::Ends) {
            branch.hasCurrent = false;
        } else if (walker.isInCell) {
            return m_stop;
        }
    }
}

// What the walker's cell does to it. A walker left in its cell (isInCell)
// waits for the decision m_stop names.
Fate Search::fateInCell(Branch& branch, Walker& walker)
{
    const std::int16_t occupant =
        m_occupant[static_cast<std::size_t>(walker.row * LookupCells + walker.column)];
    if (occupant == SourceCell) {
        return Fate::Ends;
    }
    if (occupant >= 0) {
        return act(branch, walker, occupant);
    }
    if (!isBoardCell(walker.column, walker.row)) {
        walker.isInCell = false;
        return Fate::GoesOn;
    }
    const std::size_t cell = boardCellIndex(walker.column, walker.row);
    std::int8_t& decided = branch.decision[cell];
    if (decided == Undecided) {
        if (branch.itemCount < m_depth.pieces) {
            m_stop = Stop::Decide;
            return Fate::GoesOn;
        }
        decided = LeftEmpty; // the last piece is down: open cells stay empty
    }
    if (decided == LeftEmpty) {
        walker.isInCell = false;
        return Fate::GoesOn;
    }
    const Item& item = branch.items[static_cast<std::size_t>(decided)];
    if (!behaviour().isUniform(item.row, item.directions,
                               arrivalIndex(walker.direction, walker.slot))) {
        m_stop = Stop::Split;
        return Fate::GoesOn;
    }
    return actAsPiece(branch, walker, *kindOfRow(item.row), firstDirection(item.directions),
                      item.output)
               ? Fate::GoesOn
               : Fate::Ends;
}

bool Search::place(Branch& branch, std::uint8_t cell, std::uint8_t row, std::uint8_t group)
{
    Item item{cell, row, group, -1};
    if (isSplittingKind(*kindOfRow(row))) {
        if (branch.sourceCount >= Level::MaxSources) {
            return false;
        }
        item.output = static_cast<std::int8_t>(branch.sourceCount++);
    }
    branch.decision[cell] = static_cast<std::int8_t>(branch.itemCount);
    branch.items[static_cast<std::size_t>(branch.itemCount++)] = item;
    --branch.left[row];
    return true;
}

void Search::explore(Branch& branch)
{
    if (m_budget.spend()) {
        m_stopped = m_budget.reason();
        m_done = true;
        return;
    }
    const Stop stopped = follow(branch);
    if (stopped == Stop::Dead) {
        return;
    }
    if (stopped == Stop::Complete) {
        finish(branch);
        return;
    }
    const Walker& walker = branch.current;
    const std::size_t cell = boardCellIndex(walker.column, walker.row);
    const std::uint32_t arrival = 1u << arrivalIndex(walker.direction, walker.slot);
    Branch next;
    if (stopped == Stop::Split) {
        const int index = branch.decision[cell];
        const Item item = branch.items[static_cast<std::size_t>(index)];
        for (const std::uint8_t group : behaviour().groups(item.row, item.directions, arrival)) {
            next = branch;
            next.items[static_cast<std::size_t>(index)].directions = group;
            explore(next);
            if (m_done) {
                return;
            }
        }
        return;
    }
    for (std::uint8_t row = 0; row < PlayRowCount && !m_done; ++row) {
        if (branch.left[row] <= 0) {
            continue;
        }
        for (const std::uint8_t group : behaviour().groups(row, 0xFF, arrival)) {
            next = branch;
            if (place(next, static_cast<std::uint8_t>(cell), row, group)) {
                explore(next);
            }
            if (m_done) {
                return;
            }
        }
    }
    if (!m_done) {
        branch.decision[cell] = LeftEmpty;
        explore(branch);
    }
}

std::vector<Placement> Search::placementsOf(const Branch& branch) const
{
    std::vector<Placement> placements;
    for (int i = 0; i < branch.itemCount; ++i) {
        const Item& item = branch.items[static_cast<std::size_t>(i)];
        placements.push_back({*kindOfRow(item.row), item.cell % BoardCells + 1,
                              item.cell / BoardCells + 1, firstDirection(item.directions)});
    }
    return placements;
}

// All beams are followed: the position is final. Every lamp must be in reach
// of its colours before the real evaluation is asked.
void Search::finish(const Branch& branch)
{
    std::vector<std::uint8_t> reached(m_basePieces, 0);
    for (std::size_t i = 0; i < m_basePieces; ++i) {
        if (m_lampNeeds[i] == 0) {
            continue;
        }
        const Piece& lamp = m_base.pieces[i];
        std::uint8_t slots = 0;
        for (std::uint8_t d = 0; d < 8; ++d) {
            for (int s = 0; s < ColourSlots; ++s) {
                const std::size_t bit = static_cast<std::size_t>(
                    ((lamp.row * LookupCells + lamp.column) * 8 + d) * ColourSlots + s);
                if (inLookupArea(lamp.column, lamp.row) && branch.entered.test(bit)) {
                    slots = static_cast<std::uint8_t>(slots | (1u << s));
                }
            }
        }
        if ((slots & m_lampNeeds[i]) != m_lampNeeds[i]) {
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
        if (m_done) {
            m_budget.decide();
        }
    }
}

} // namespace

CountResult enumerateSolutions(const Level& level, int limit, const SolveLimits& limits,
                               RaceEntry race)
{
    return Search(level, limits, limit, race).run();
}

} // namespace prismora
