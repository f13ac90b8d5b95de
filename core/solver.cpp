// Best-first search over placements of palette pieces, judged by the tracer and verdict.
#include "core/solver.h"

#include "core/palette.h"
#include "core/solver_moves.h"
#include "core/solver_score.h"

#include <algorithm>
#include <array>
#include <queue>
#include <string>
#include <tuple>
#include <unordered_set>

namespace prismora {
namespace {

using RowCounts = std::array<int, PlayRowCount>;

// Removes the piece appended last, and its output.
void popLastPiece(Level& level)
{
    if (level.pieces.back().output >= 0) {
        level.sources.pop_back();
    }
    level.pieces.pop_back();
}

// A searched position: the placement that led to it from its parent node.
struct Node {
    int parent = -1;
    Placement placement;
    int depth = 0;
};

// A bomb costs about as much as a lit lamp gains: another piece may still
// stop the beam that reaches it.
int priority(const Level& level, const Evaluation& evaluation)
{
    constexpr int BombPenalty = 6;
    return positionScore(level, evaluation, ColourCoverage(evaluation)) -
           (evaluation.bombHit ? BombPenalty : 0);
}

// Queue order: the higher priority less one point per piece placed (of two
// equally promising positions, the one that used fewer pieces), then deeper,
// then the one found first.
struct QueueEntry {
    int score;
    int depth;
    long serial;
    int node;

    bool operator<(const QueueEntry& other) const
    {
        if (score - depth != other.score - other.depth) {
            return score - depth < other.score - other.depth;
        }
        if (depth != other.depth) {
            return depth < other.depth;
        }
        return serial > other.serial;
    }
};

class Search {
public:
    Search(const Level& level, const SolveLimits& limits);
    SolveResult run();

private:
    std::vector<Placement> pathTo(int node) const;
    // Tries every child of `node`; true when one of them solves the level.
    bool expand(int node);
    // Judges the child `path` (its parent already placed on m_work); true when solved.
    bool tryChild(int parent, const std::vector<Placement>& path);
    bool firstVisit(std::vector<Placement> placements);

    Level m_base;
    RowCounts m_counts{};
    int m_maxDepth = 0;
    SolveLimits m_limits;
    ResponseTable m_rules;
    Level m_work;
    Evaluation m_evaluation;
    std::vector<Node> m_nodes;
    std::priority_queue<QueueEntry> m_queue;
    std::unordered_set<std::string> m_seen;
    SolveResult m_result;
    long m_serial = 0;
};

Search::Search(const Level& level, const SolveLimits& limits) : m_base(level), m_limits(limits)
{
    m_base.mode = Mode::Play;
    int total = 0;
    for (int row = 0; row < PlayRowCount; ++row) {
        m_counts[static_cast<std::size_t>(row)] = std::max(0, paletteCount(level, row));
        total += m_counts[static_cast<std::size_t>(row)];
    }
    m_maxDepth = limits.maxPieces < 0 ? total : std::min(total, limits.maxPieces);
}

SolveResult Search::run()
{
    m_work = m_base;
    m_result.states = 1;
    m_evaluation = evaluate(m_work);
    if (m_evaluation.verdict == Verdict::Solved && solvesLevel(m_base, {})) {
        m_result.status = SolveStatus::Solved;
        return m_result;
    }
    m_nodes.push_back({});
    m_queue.push({priority(m_work, m_evaluation), 0, m_serial++, 0});
    while (!m_queue.empty()) {
        const int node = m_queue.top().node;
        m_queue.pop();
        if (expand(node)) {
            m_result.status = SolveStatus::Solved;
            return m_result;
        }
        if (m_result.states >= m_limits.maxStates) {
            m_result.status = SolveStatus::GaveUp;
            return m_result;
        }
    }
    m_result.status = SolveStatus::NoSolution;
    return m_result;
}

std::vector<Placement> Search::pathTo(int node) const
{
    std::vector<Placement> path(
        static_cast<std::size_t>(m_nodes[static_cast<std::size_t>(node)].depth));
    for (int at = node; at > 0; at = m_nodes[static_cast<std::size_t>(at)].parent) {
        const Node& entry = m_nodes[static_cast<std::size_t>(at)];
        path[static_cast<std::size_t>(entry.depth - 1)] = entry.placement;
    }
    return path;
}

bool Search::expand(int node)
{
    std::vector<Placement> path = pathTo(node);
    RowCounts left = m_counts;
    for (const Placement& placed : path) {
        --left[static_cast<std::size_t>(*rowOfKind(placed.kind))];
    }
    m_work = m_base;
    placePieces(m_work, path);
    const BeamCrossings crossings(evaluate(m_work));
    path.emplace_back();
    for (const auto& [column, row] : crossings.freeCrossedCells(m_work)) {
        for (int r = 0; r < PlayRowCount; ++r) {
            if (left[static_cast<std::size_t>(r)] <= 0) {
                continue;
            }
            const PieceKind kind = *kindOfRow(r);
            for (const std::uint8_t direction :
                 m_rules.distinctDirections(kind, crossings.arrivalsAt(column, row))) {
                path.back() = {kind, column, row, direction};
                if (!firstVisit(path)) {
                    continue;
                }
                if (tryChild(node, path)) {
                    return true;
                }
                if (m_result.states >= m_limits.maxStates) {
                    return false;
                }
            }
        }
    }
    return false;
}

bool Search::tryChild(int parent, const std::vector<Placement>& path)
{
    const Placement& placement = path.back();
    if (!appendPiece(m_work, placement.kind, placement.column, placement.row,
                     placement.direction)) {
        return false;
    }
    ++m_result.states;
    m_evaluation.sources.clear(); // every output starts afresh, as after a load
    reevaluate(m_work, m_evaluation);
    if (m_evaluation.verdict == Verdict::Solved && solvesLevel(m_base, path)) {
        m_result.solution = path;
        return true;
    }
    const int depth = static_cast<int>(path.size());
    if (depth < m_maxDepth) {
        m_nodes.push_back({parent, placement, depth});
        m_queue.push({priority(m_work, m_evaluation), depth, m_serial++,
                      static_cast<int>(m_nodes.size()) - 1});
    }
    popLastPiece(m_work);
    return false;
}

// Placements are a set: the same pieces placed in another order, or identical
// pieces swapped, give the same key.
bool Search::firstVisit(std::vector<Placement> placements)
{
    std::sort(placements.begin(), placements.end(), [](const Placement& a, const Placement& b) {
        return std::tuple(a.row, a.column, a.kind, a.direction) <
               std::tuple(b.row, b.column, b.kind, b.direction);
    });
    std::string key;
    key.reserve(placements.size() * 4);
    for (const Placement& p : placements) {
        key.push_back(static_cast<char>(p.column));
        key.push_back(static_cast<char>(p.row));
        key.push_back(static_cast<char>(p.kind));
        key.push_back(static_cast<char>(p.direction));
    }
    return m_seen.insert(std::move(key)).second;
}

} // namespace

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

SolveResult solve(const Level& level, const SolveLimits& limits)
{
    return Search(level, limits).run();
}

} // namespace prismora
