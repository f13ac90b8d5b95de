// The solver's search: sets of placements built piece by piece on cells beams may cross.
#include "core/solver.h"

#include "core/evaluation.h"
#include "core/palette.h"
#include "core/piece_rules.h"
#include "core/solver_reach.h"
#include "core/solver_score.h"
#include "core/solver_visited.h"

#include <algorithm>
#include <chrono>
#include <set>

namespace prismora {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int BoardCellCount = BoardCells * BoardCells;

// One placed piece: its board cell (0..80), its palette row (0..6) and the
// group of directions it may have (bit d for direction d).
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

std::uint8_t firstDirection(std::uint8_t directions)
{
    return static_cast<std::uint8_t>(__builtin_ctz(directions));
}

int columnOf(std::uint8_t cell) { return cell % BoardCells + 1; }
int rowOf(std::uint8_t cell) { return cell / BoardCells + 1; }

Placement placementOf(const Item& item)
{
    return {*kindOfRow(item.row), columnOf(item.cell), rowOf(item.cell),
            firstDirection(item.directions)};
}

PositionKey keyOf(const Position& position)
{
    PositionKey key{};
    std::array<std::uint8_t, MaxSearchDepth * 3> bytes{};
    bytes.fill(0xFF);
    for (int i = 0; i < position.size; ++i) {
        const Item& item = position.items[static_cast<std::size_t>(i)];
        bytes[static_cast<std::size_t>(3 * i)] = item.cell;
        bytes[static_cast<std::size_t>(3 * i + 1)] = item.row;
        bytes[static_cast<std::size_t>(3 * i + 2)] = item.directions;
    }
    if (position.size <= 8) {
        for (std::size_t b = 0; b < 24; ++b) {
            key[b / 8] |= std::uint64_t(bytes[b]) << (8 * (b % 8));
        }
        return key;
    }
    // More than eight pieces: three independent 64-bit hashes of all bytes.
    for (std::size_t word = 0; word < 3; ++word) {
        std::uint64_t hash = 0xcbf29ce484222325ULL ^ (word * 0x9E3779B97F4A7C15ULL);
        for (const std::uint8_t byte : bytes) {
            hash = (hash ^ byte) * 0x100000001b3ULL;
        }
        key[word] = hash;
    }
    if (key[0] == 0 && key[1] == 0 && key[2] == 0) {
        key[0] = 1;
    }
    return key;
}

// What each placeable kind turned to each direction does with a beam arriving
// in each direction and colour slot, as a number: equal numbers, same deed.
class Behaviour {
public:
    Behaviour()
    {
        for (int row = 0; row < PlayRowCount; ++row) {
            const PieceKind kind = *kindOfRow(row);
            for (int d = 0; d < 8; ++d) {
                for (int b = 0; b < 8; ++b) {
                    for (int s = 0; s < ColourSlots; ++s) {
                        m_codes[index(row, d, b * ColourSlots + s)] = code(respond(
                            kind, static_cast<std::uint8_t>(d), static_cast<std::uint8_t>(b),
                            colourOfSlot(static_cast<ColourSlot>(s))));
                    }
                }
            }
        }
    }

    // The groups of `directions` that act alike on every arrival in `arrivals`.
    std::vector<std::uint8_t> groups(int row, std::uint8_t directions, std::uint32_t arrivals) const
    {
        std::vector<std::uint8_t> found;
        std::vector<int> representatives;
        for (int d = 0; d < 8; ++d) {
            if (!(directions & (1u << d))) {
                continue;
            }
            bool placed = false;
            for (std::size_t g = 0; g < found.size() && !placed; ++g) {
                if (alike(row, d, representatives[g], arrivals)) {
                    found[g] = static_cast<std::uint8_t>(found[g] | (1u << d));
                    placed = true;
                }
            }
            if (!placed) {
                found.push_back(static_cast<std::uint8_t>(1u << d));
                representatives.push_back(d);
            }
        }
        return found;
    }

    std::uint16_t codeOf(int row, int direction, int arrival) const
    {
        return m_codes[index(row, direction, arrival)];
    }

private:
    static std::size_t index(int row, int direction, int arrival)
    {
        return static_cast<std::size_t>((row * 8 + direction) * 32 + arrival);
    }

    static std::uint16_t code(const PieceResponse& response)
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

    bool alike(int row, int d, int e, std::uint32_t arrivals) const
    {
        for (int a = 0; a < 32; ++a) {
            if ((arrivals & (1u << a)) && codeOf(row, d, a) != codeOf(row, e, a)) {
                return false;
            }
        }
        return true;
    }

    std::array<std::uint16_t, PlayRowCount * 8 * 32> m_codes{};
};

const Behaviour& behaviour()
{
    static const Behaviour table;
    return table;
}

enum class Goal { FindOne, Count };

class Search {
public:
    Search(const Level& level, const SolveLimits& limits, Goal goal, int limit);
    void run();

    SolveStatus status = SolveStatus::NoSolution;
    GiveUpReason reason = GiveUpReason::None;
    long states = 0;
    std::vector<std::vector<Placement>> found;

private:
    // Marks the position visited and counts it; false when it was visited
    // before or a budget ran out.
    bool admit(const Position& position);
    bool push(const Position& position);
    void expand(const Position& position);
    bool splitGroups(const Position& position, const ReachMap& reach);
    void checkSolution(const Position& position, const ReachMap& reach);
    void addChildren(const Position& position, const ReachMap& reach);
    void build(const std::vector<Placement>& placements);
    bool lampsInReach(const ReachMap& reach) const;
    std::optional<std::vector<Placement>> workingOrder(const Position& position);
    bool isDistinctSolution(const Position& position, const std::vector<Placement>& order);
    int scoreOf(const Position& position);
    bool outOfBudget();
    void stop(GiveUpReason why);

    Level m_base;
    Level m_work;
    std::size_t m_basePieces = 0;
    std::size_t m_baseSources = 0;
    std::array<int, PlayRowCount> m_inHand{};
    std::array<bool, BoardCellCount> m_baseOccupied{};
    int m_maxDepth = 0;
    bool m_depthCut = false;
    Goal m_goal;
    int m_limit;
    SolveLimits m_limits;
    Clock::time_point m_deadline;
    VisitedSet m_visited;
    std::vector<Position> m_stack;
    std::set<std::string> m_signatures;
    bool m_done = false;
};

Search::Search(const Level& level, const SolveLimits& limits, Goal goal, int limit)
    : m_base(level), m_goal(goal), m_limit(limit), m_limits(limits),
      m_visited(limits.maxMemoryBytes)
{
    m_base.mode = Mode::Play;
    m_work = m_base;
    m_basePieces = m_base.pieces.size();
    m_baseSources = m_base.sources.size();
    int total = 0;
    for (int row = 0; row < PlayRowCount; ++row) {
        m_inHand[static_cast<std::size_t>(row)] = std::max(0, paletteCount(level, row));
        total += m_inHand[static_cast<std::size_t>(row)];
    }
    const int wanted = limits.maxPieces < 0 ? total : std::min(total, limits.maxPieces);
    m_maxDepth = std::min(wanted, MaxSearchDepth);
    m_depthCut = wanted > MaxSearchDepth;
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
    if (limits.maxSeconds > 0) {
        m_deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                        std::chrono::duration<double>(limits.maxSeconds));
    } else {
        m_deadline = Clock::time_point::max();
    }
}

void Search::stop(GiveUpReason why)
{
    reason = why;
    status = SolveStatus::GaveUp;
    m_done = true;
}

bool Search::outOfBudget()
{
    if (m_limits.maxStates > 0 && states >= m_limits.maxStates) {
        stop(GiveUpReason::StateBudget);
    } else if (m_limits.cancel != nullptr && m_limits.cancel->load(std::memory_order_relaxed)) {
        stop(GiveUpReason::Cancelled);
    } else if ((states & 255) == 0 && Clock::now() > m_deadline) {
        stop(GiveUpReason::TimeBudget);
    }
    return m_done;
}

void Search::run()
{
    if (!push(Position{})) {
        return;
    }
    while (!m_stack.empty() && !m_done) {
        const Position position = m_stack.back();
        m_stack.pop_back();
        expand(position);
    }
    if (!m_done && m_depthCut) {
        stop(GiveUpReason::TooManyPieces);
    }
}

bool Search::push(const Position& position)
{
    if (!admit(position)) {
        return false;
    }
    m_stack.push_back(position);
    return true;
}

bool Search::admit(const Position& position)
{
    switch (m_visited.insert(keyOf(position))) {
    case VisitedSet::Insert::AlreadyThere:
        return false;
    case VisitedSet::Insert::Full:
        stop(GiveUpReason::Memory);
        return false;
    case VisitedSet::Insert::Added:
        break;
    }
    ++states;
    return !outOfBudget();
}

void Search::build(const std::vector<Placement>& placements)
{
    m_work.pieces.resize(m_basePieces);
    m_work.sources.resize(m_baseSources);
    placePieces(m_work, placements);
}

std::vector<Placement> sortedPlacements(const Position& position)
{
    std::vector<Placement> placements;
    for (int i = 0; i < position.size; ++i) {
        placements.push_back(placementOf(position.items[static_cast<std::size_t>(i)]));
    }
    return placements;
}

void Search::expand(const Position& position)
{
    build(sortedPlacements(position));
    const ReachMap reach = mapReach(m_work);
    if (splitGroups(position, reach)) {
        return;
    }
    checkSolution(position, reach);
    if (!m_done && position.size < m_maxDepth) {
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
            push(split);
        }
        return true;
    }
    return false;
}

bool Search::lampsInReach(const ReachMap& reach) const
{
    for (std::size_t i = 0; i < m_work.pieces.size(); ++i) {
        const Piece& piece = m_work.pieces[i];
        if (piece.removed || !isLampKind(piece.kind)) {
            continue;
        }
        std::uint8_t needed = 0;
        switch (piece.kind) {
        case PieceKind::RedLamp:
            needed = slotBit(ColourSlot::Red);
            break;
        case PieceKind::GreenLamp:
            needed = slotBit(ColourSlot::Green);
            break;
        case PieceKind::BlueLamp:
            needed = slotBit(ColourSlot::Blue);
            break;
        default:
            needed =
                slotBit(ColourSlot::Red) | slotBit(ColourSlot::Green) | slotBit(ColourSlot::Blue);
            break;
        }
        if ((reach.pieceSlots[i] & needed) != needed) {
            return false;
        }
    }
    return true;
}

// An order of placing the pieces that solves the level, or nothing. Only the
// order of the splitting pieces can matter.
std::optional<std::vector<Placement>> Search::workingOrder(const Position& position)
{
    std::vector<Placement> fixed;
    std::vector<Placement> splitting;
    for (const Placement& placement : sortedPlacements(position)) {
        (isSplittingKind(placement.kind) ? splitting : fixed).push_back(placement);
    }
    std::vector<std::size_t> order(splitting.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    do {
        std::vector<Placement> placements = fixed;
        for (const std::size_t i : order) {
            placements.push_back(splitting[i]);
        }
        if (solvesLevel(m_base, placements)) {
            return placements;
        }
    } while (std::next_permutation(order.begin(), order.end()));
    return std::nullopt;
}

// Every piece crossed by a beam of the solved position, and a solution not
// met before under directions that act alike on the beams reaching each cell.
bool Search::isDistinctSolution(const Position& position, const std::vector<Placement>& order)
{
    build(order);
    const Evaluation evaluation = evaluate(m_work);
    std::array<std::uint32_t, BoardCellCount> arrivals{};
    for (const BeamSegment& segment : evaluation.segments) {
        if (isBoardCell(segment.toColumn, segment.toRow)) {
            const Step step{static_cast<int>(segment.toColumn - segment.fromColumn),
                            static_cast<int>(segment.toRow - segment.fromRow)};
            int direction = 0;
            while (direction < 8 && (stepOf(static_cast<std::uint8_t>(direction)).dx != step.dx ||
                                     stepOf(static_cast<std::uint8_t>(direction)).dy != step.dy)) {
                ++direction;
            }
            arrivals[boardCellIndex(static_cast<int>(segment.toColumn),
                                    static_cast<int>(segment.toRow))] |=
                1u << (direction * ColourSlots + static_cast<int>(slotOf(segment.colour)));
        }
    }
    std::string signature;
    for (int i = 0; i < position.size; ++i) {
        const Item& item = position.items[static_cast<std::size_t>(i)];
        const std::uint32_t arriving = arrivals[item.cell];
        if (arriving == 0) {
            return false;
        }
        signature += static_cast<char>(item.cell);
        signature += static_cast<char>(item.row);
        const int direction = firstDirection(item.directions);
        for (int a = 0; a < 32; ++a) {
            if (arriving & (1u << a)) {
                const std::uint16_t code = behaviour().codeOf(item.row, direction, a);
                signature += static_cast<char>(a);
                signature += static_cast<char>(code & 0xFF);
                signature += static_cast<char>(code >> 8);
            }
        }
    }
    return m_signatures.insert(signature).second;
}

void Search::checkSolution(const Position& position, const ReachMap& reach)
{
    if (!lampsInReach(reach)) {
        return;
    }
    const std::optional<std::vector<Placement>> order = workingOrder(position);
    if (!order) {
        return;
    }
    if (m_goal == Goal::FindOne) {
        found.push_back(*order);
        status = SolveStatus::Solved;
        m_done = true;
        return;
    }
    if (isDistinctSolution(position, *order)) {
        found.push_back(*order);
        if (static_cast<int>(found.size()) >= m_limit) {
            m_done = true;
        }
    }
}

int Search::scoreOf(const Position& position)
{
    build(sortedPlacements(position));
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
                if (!admit(child)) {
                    if (m_done) {
                        return;
                    }
                    continue;
                }
                children.emplace_back(0, child);
            }
        }
    }
    if (m_goal == Goal::FindOne) {
        for (auto& [score, child] : children) {
            score = scoreOf(child);
        }
        // Deepest first: the most promising child goes on the stack last.
        std::stable_sort(children.begin(), children.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    }
    for (const auto& entry : children) {
        m_stack.push_back(entry.second);
    }
}

} // namespace

std::string describe(GiveUpReason reason)
{
    switch (reason) {
    case GiveUpReason::None:
        return "none";
    case GiveUpReason::StateBudget:
        return "state budget";
    case GiveUpReason::TimeBudget:
        return "time budget";
    case GiveUpReason::Memory:
        return "memory";
    case GiveUpReason::Cancelled:
        return "cancelled";
    case GiveUpReason::TooManyPieces:
        return "too many pieces";
    }
    return "unknown";
}

SolveResult solve(const Level& level, const SolveLimits& limits)
{
    Search search(level, limits, Goal::FindOne, 1);
    search.run();
    SolveResult result;
    result.status = search.status;
    result.reason = search.reason;
    result.states = search.states;
    if (!search.found.empty()) {
        result.status = SolveStatus::Solved;
        result.solution = search.found.front();
    }
    return result;
}

CountResult countSolutions(const Level& level, int limit, const SolveLimits& limits)
{
    Search search(level, limits, Goal::Count, std::max(1, limit));
    search.run();
    CountResult result;
    result.solutions = static_cast<int>(search.found.size());
    result.found = search.found;
    result.states = search.states;
    result.reason = search.reason;
    result.isExact = search.status != SolveStatus::GaveUp;
    return result;
}

bool placePieces(Level& level, std::span<const Placement> placements)
{
    for (const Placement& p : placements) {
        if (!appendPiece(level, p.kind, p.column, p.row, p.direction)) {
            return false;
        }
    }
    return true;
}

Level reloadedLevel(const Level& level)
{
    Level loaded;
    loaded.name = level.name;
    loaded.mode = level.mode;
    loaded.palette = level.palette;
    for (const Piece& p : level.pieces) {
        if (!p.removed) {
            appendPiece(loaded, p.kind, p.column, p.row, p.direction);
        }
    }
    for (const BeamSource& s : level.sources) {
        if (s.isCannon() && !s.removed) {
            appendCannon(loaded, s.column, s.row, s.direction, s.colour);
        }
    }
    return loaded;
}

Verdict verdictAfter(const Level& base, std::span<const Placement> placements)
{
    Level level = base;
    level.mode = Mode::Play;
    if (!placePieces(level, placements)) {
        return Verdict::LampsLeft;
    }
    return evaluate(level).verdict;
}

bool solvesLevel(const Level& base, std::span<const Placement> placements)
{
    Level level = base;
    level.mode = Mode::Play;
    if (!placePieces(level, placements) || evaluate(level).verdict != Verdict::Solved) {
        return false;
    }
    return evaluate(reloadedLevel(level)).verdict == Verdict::Solved;
}

} // namespace prismora
