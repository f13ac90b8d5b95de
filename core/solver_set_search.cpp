// Depth first over sets of placements, children most promising first, each set visited once.
#include "core/solver_set_search.h"

#include "core/evaluation.h"
#include "core/palette.h"
#include "core/solver_common.h"
#include "core/solver_reach.h"
#include "core/solver_score.h"
#include "core/solver_visited.h"

#include <algorithm>
#include <queue>

namespace prismora {
namespace {

constexpr int BoardCellCount = BoardCells * BoardCells;

// One placed piece: its board cell (0..80), its palette row (0..6) and the
// group of directions it may have (bit d for direction d), which acts alike
// on every beam that may reach its cell.
struct Item {
    std::uint8_t cell;
    std::uint8_t row;
    std::uint8_t directions;
};

// A set of placed pieces, sorted by cell (a cell holds at most one).
struct Position {
    std::array<Item, MaxSearchDepth> items{};
    int size = 0;
};

Placement placementOf(const Item& item)
{
    return {*kindOfRow(item.row), item.cell % BoardCells + 1, item.cell / BoardCells + 1,
            firstDirection(item.directions)};
}

std::vector<Placement> placementsOf(const Position& position)
{
    std::vector<Placement> placements;
    for (int i = 0; i < position.size; ++i) {
        placements.push_back(placementOf(position.items[static_cast<std::size_t>(i)]));
    }
    return placements;
}

// Up to eight placements exactly, three bytes each; more are folded into
// three independent hashes. Never all zero bits (a free slot).
PositionKey keyOf(const Position& position)
{
    std::array<std::uint8_t, MaxSearchDepth * 3> bytes{};
    bytes.fill(0xFF);
    for (int i = 0; i < position.size; ++i) {
        const Item& item = position.items[static_cast<std::size_t>(i)];
        bytes[static_cast<std::size_t>(3 * i)] = item.cell;
        bytes[static_cast<std::size_t>(3 * i + 1)] = item.row;
        bytes[static_cast<std::size_t>(3 * i + 2)] = item.directions;
    }
    PositionKey key{};
    if (position.size <= 8) {
        for (std::size_t b = 0; b < 24; ++b) {
            key[b / 8] |= std::uint64_t(bytes[b]) << (8 * (b % 8));
        }
        return key;
    }
    for (std::size_t word = 0; word < 3; ++word) {
        std::uint64_t hash = 0xcbf29ce484222325ULL ^ (word * 0x9E3779B97F4A7C15ULL);
        for (const std::uint8_t byte : bytes) {
            hash = (hash ^ byte) * 0x100000001b3ULL;
        }
        key[word] = hash;
    }
    if (key == PositionKey{}) {
        key[0] = 1;
    }
    return key;
}

// A position waiting to be expanded, and how promising it looked.
struct Waiting {
    int score;
    long serial;
    Position position;

    // Higher scores first; of equal ones, the one found first.
    bool operator<(const Waiting& other) const
    {
        return score != other.score ? score < other.score : serial > other.serial;
    }
};

class Search {
public:
    Search(const Level& level, const SolveLimits& limits, RaceEntry race);
    SolveResult run();

private:
    bool admit(const Position& position);
    void expand(const Position& position);
    bool splitGroups(const Position& position, const ReachMap& reach);
    bool lampsInReach(const ReachMap& reach) const;
    void addChildren(const Position& position, const ReachMap& reach);
    int scoreOf(const Position& position);
    void build(const Position& position);

    Level m_base;
    Level m_work;
    std::array<int, PlayRowCount> m_inHand{};
    std::array<bool, BoardCellCount> m_baseOccupied{};
    SearchDepth m_depth;
    SearchBudget m_budget;
    VisitedSet m_visited;
    std::priority_queue<Waiting> m_waiting;
    std::size_t m_maxMemory;
    long m_serial = 0;
    GiveUpReason m_stopped = GiveUpReason::None;
    std::optional<std::vector<Placement>> m_solution;
};

Search::Search(const Level& level, const SolveLimits& limits, RaceEntry race)
    : m_base(level), m_depth(searchDepth(level, limits)), m_budget(limits, race),
      m_visited(limits.maxMemoryBytes / 2), m_maxMemory(limits.maxMemoryBytes)
{
    m_base.mode = Mode::Play;
    m_work = m_base;
    for (int row = 0; row < PlayRowCount; ++row) {
        m_inHand[static_cast<std::size_t>(row)] = std::max(0, paletteCount(level, row));
    }
    for (const Piece& piece : m_base.pieces) {
        if (!piece.removed && isBoardCell(piece.column, piece.row)) {
            m_baseOccupied[boardCellIndex(piece.column, piece.row)] = true;
        }
    }
    for (std::size_t i = 0; i < m_base.sources.size(); ++i) {
        const Cell cell = sourceCell(m_base, static_cast<int>(i));
        if (!isSourceRemoved(m_base, static_cast<int>(i)) && isBoardCell(cell.column, cell.row)) {
            m_baseOccupied[boardCellIndex(cell.column, cell.row)] = true;
        }
    }
}

SolveResult Search::run()
{
    if (admit(Position{})) {
        m_waiting.push({0, m_serial++, Position{}});
    }
    while (!m_waiting.empty() && !m_solution && m_stopped == GiveUpReason::None) {
        const Position position = m_waiting.top().position;
        m_waiting.pop();
        expand(position);
    }
    if (!m_solution && m_stopped == GiveUpReason::None && !m_depth.isCut) {
        m_budget.decide(); // every set was tried
    }
    SolveResult result;
    result.states = m_budget.states();
    if (m_solution) {
        result.status = SolveStatus::Solved;
        result.solution = *m_solution;
    } else if (m_stopped != GiveUpReason::None || m_depth.isCut) {
        result.status = SolveStatus::GaveUp;
        result.reason = m_stopped != GiveUpReason::None ? m_stopped : GiveUpReason::TooManyPieces;
    }
    return result;
}

// Marks the position visited and counts it; false when it was visited
// before or the search must stop.
bool Search::admit(const Position& position)
{
    switch (m_visited.insert(keyOf(position))) {
    case VisitedSet::Insert::AlreadyThere:
        return false;
    case VisitedSet::Insert::Full:
        m_stopped = GiveUpReason::Memory;
        return false;
    case VisitedSet::Insert::Added:
        break;
    }
    if (m_budget.spend()) {
        m_stopped = m_budget.reason();
        return false;
    }
    if (m_visited.bytes() + m_waiting.size() * sizeof(Waiting) > m_maxMemory) {
        m_stopped = GiveUpReason::Memory;
        return false;
    }
    return true;
}

void Search::build(const Position& position)
{
    m_work.pieces.resize(m_base.pieces.size());
    m_work.sources.resize(m_base.sources.size());
    placePieces(m_work, placementsOf(position));
}

void Search::expand(const Position& position)
{
    build(position);
    const ReachMap reach = mapReach(m_work);
    if (splitGroups(position, reach)) {
        return;
    }
    if (lampsInReach(reach)) {
        m_solution = workingOrder(m_base, m_work, placementsOf(position));
        if (m_solution) {
            m_budget.decide();
            return;
        }
    }
    if (position.size < m_depth.pieces) {
        addChildren(position, reach);
    }
}

// A piece's direction group that no longer acts alike on the beams that may
// now reach its cell is split; the position is replaced by one per part.
bool Search::splitGroups(const Position& position, const ReachMap& reach)
{
    for (int i = 0; i < position.size; ++i) {
        const Item& item = position.items[static_cast<std::size_t>(i)];
        const std::vector<std::uint8_t> parts =
            behaviour().groups(item.row, item.directions, reach.arrivals[item.cell]);
        if (parts.size() <= 1) {
            continue;
        }
        for (const std::uint8_t part : parts) {
            Position split = position;
            split.items[static_cast<std::size_t>(i)].directions = part;
            if (admit(split)) {
                m_waiting.push({scoreOf(split), m_serial++, split});
            }
        }
        return true;
    }
    return false;
}

bool Search::lampsInReach(const ReachMap& reach) const
{
    for (std::size_t i = 0; i < m_work.pieces.size(); ++i) {
        const Piece& piece = m_work.pieces[i];
        const std::uint8_t needed = piece.removed ? 0 : lampSlots(piece.kind);
        if ((reach.pieceSlots[i] & needed) != needed) {
            return false;
        }
    }
    return true;
}

// Lamp colours reaching lamps, no bomb, fewer pieces: higher is better.
int Search::scoreOf(const Position& position)
{
    build(position);
    const Evaluation evaluation = evaluate(m_work);
    constexpr int BombPenalty = 6;
    return positionScore(m_work, evaluation, ColourCoverage(evaluation)) -
           (evaluation.bombHit ? BombPenalty : 0) - position.size;
}

void Search::addChildren(const Position& position, const ReachMap& reach)
{
    std::array<bool, BoardCellCount> occupied = m_baseOccupied;
    std::array<int, PlayRowCount> left = m_inHand;
    for (int i = 0; i < position.size; ++i) {
        const Item& item = position.items[static_cast<std::size_t>(i)];
        occupied[item.cell] = true;
        --left[item.row];
    }
    std::vector<std::pair<int, Position>> children;
    for (std::uint8_t cell = 0; cell < BoardCellCount; ++cell) {
        if (occupied[cell] || reach.arrivals[cell] == 0) {
            continue;
        }
        for (std::uint8_t row = 0; row < PlayRowCount; ++row) {
            if (left[row] <= 0) {
                continue;
            }
            for (const std::uint8_t group : behaviour().groups(row, 0xFF, reach.arrivals[cell])) {
                Position child = position;
                int at = child.size++;
                while (at > 0 && child.items[static_cast<std::size_t>(at - 1)].cell > cell) {
                    child.items[static_cast<std::size_t>(at)] =
                        child.items[static_cast<std::size_t>(at - 1)];
                    --at;
                }
                child.items[static_cast<std::size_t>(at)] = {cell, row, group};
                if (admit(child)) {
                    children.emplace_back(0, child);
                } else if (m_stopped != GiveUpReason::None) {
                    return;
                }
            }
        }
    }
    for (const auto& entry : children) {
        m_waiting.push({scoreOf(entry.second), m_serial++, entry.second});
    }
}

} // namespace

SolveResult findSolution(const Level& level, const SolveLimits& limits, RaceEntry race)
{
    return Search(level, limits, race).run();
}

} // namespace prismora
