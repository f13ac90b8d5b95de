// Best-first search over placements of palette pieces, judged by the tracer and verdict.
#include "core/solver.h"

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

// Removes the piece appended last, and its output, restoring the free records.
void PopLastPiece(Board& board)
{
    Piece& piece = board.Pieces[--board.PieceCount];
    if (piece.EmitterIndex >= 0) {
        board.Emitters[--board.EmitterCount] = Emitter{};
    }
    piece = Piece{};
}

// A searched position: the placement that led to it from its parent node.
struct Node {
    int parent = -1;
    Placement placement;
    int depth = 0;
};

// A bomb costs about as much as a lit lamp gains: another piece may still
// stop the beam that reaches it.
int Priority(const Board& board, const ColourCoverage& coverage)
{
    constexpr int BombPenalty = 6;
    return PositionScore(board, coverage) - (board.BombHit ? BombPenalty : 0);
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
    Search(const Game& game, const SolveLimits& limits);
    SolveResult Run();

private:
    std::vector<Placement> PathTo(int node) const;
    // Tries every child of `node`; true when one of them solves the level.
    bool Expand(int node);
    // Judges the child `path` (already placed on m_work); true when solved.
    bool TryChild(int parent, const std::vector<Placement>& path);
    bool FirstVisit(std::vector<Placement> placements);

    Board m_base;
    RowCounts m_counts{};
    int m_maxDepth = 0;
    SolveLimits m_limits;
    ResponseTable m_rules;
    Board m_work;
    std::vector<Node> m_nodes;
    std::priority_queue<QueueEntry> m_queue;
    std::unordered_set<std::string> m_seen;
    SolveResult m_result;
    long m_serial = 0;
};

Search::Search(const Game& game, const SolveLimits& limits) : m_base(game.board), m_limits(limits)
{
    m_base.PlayMode = true;
    int total = 0;
    for (int row = 0; row < PlayRowCount && row < game.palette.RowCount(); ++row) {
        m_counts[static_cast<std::size_t>(row)] = std::max(0, game.palette.Count(row));
        total += m_counts[static_cast<std::size_t>(row)];
    }
    m_maxDepth = limits.maxPieces < 0 ? total : std::min(total, limits.maxPieces);
}

SolveResult Search::Run()
{
    m_work = m_base;
    m_result.states = 1;
    ColourCoverage coverage;
    const VerdictResult start = EvaluateBoard(m_work, &coverage);
    if (start.verdict == Verdict::Solved && SolvesBoard(m_base, {})) {
        m_result.status = SolveStatus::Solved;
        return m_result;
    }
    m_nodes.push_back({});
    m_queue.push({Priority(m_work, coverage), 0, m_serial++, 0});
    while (!m_queue.empty()) {
        const int node = m_queue.top().node;
        m_queue.pop();
        if (Expand(node)) {
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

std::vector<Placement> Search::PathTo(int node) const
{
    std::vector<Placement> path(
        static_cast<std::size_t>(m_nodes[static_cast<std::size_t>(node)].depth));
    for (int at = node; at > 0; at = m_nodes[static_cast<std::size_t>(at)].parent) {
        const Node& entry = m_nodes[static_cast<std::size_t>(at)];
        path[static_cast<std::size_t>(entry.depth - 1)] = entry.placement;
    }
    return path;
}

bool Search::Expand(int node)
{
    std::vector<Placement> path = PathTo(node);
    RowCounts left = m_counts;
    for (const Placement& placed : path) {
        --left[static_cast<std::size_t>(*KindToRow(placed.kind))];
    }
    m_work = m_base;
    PlacePieces(m_work, path);
    BeamCrossings crossings;
    TraceAll(m_work, &crossings);
    path.emplace_back();
    for (const auto& [col, row] : crossings.FreeCrossedCells(m_work)) {
        for (int r = 0; r < PlayRowCount; ++r) {
            if (left[static_cast<std::size_t>(r)] <= 0) {
                continue;
            }
            const PieceKind kind = *RowToKind(r);
            for (const std::uint8_t dir :
                 m_rules.DistinctDirections(kind, crossings.ArrivalsAt(col, row))) {
                path.back() = {kind, col, row, dir};
                if (!FirstVisit(path)) {
                    continue;
                }
                if (TryChild(node, path)) {
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

bool Search::TryChild(int parent, const std::vector<Placement>& path)
{
    const Placement& placement = path.back();
    if (!m_work.AppendPiece(placement.kind, placement.col, placement.row, placement.dir)) {
        return false;
    }
    ++m_result.states;
    ColourCoverage coverage;
    const VerdictResult verdict = EvaluateBoard(m_work, &coverage);
    if (verdict.verdict == Verdict::Solved && SolvesBoard(m_base, path)) {
        m_result.solution = path;
        return true;
    }
    const int depth = static_cast<int>(path.size());
    if (depth < m_maxDepth) {
        m_nodes.push_back({parent, placement, depth});
        m_queue.push(
            {Priority(m_work, coverage), depth, m_serial++, static_cast<int>(m_nodes.size()) - 1});
    }
    PopLastPiece(m_work);
    return false;
}

// Placements are a set: the same pieces placed in another order, or identical
// pieces swapped, give the same key.
bool Search::FirstVisit(std::vector<Placement> placements)
{
    std::sort(placements.begin(), placements.end(), [](const Placement& a, const Placement& b) {
        return std::tuple(a.row, a.col, a.kind, a.dir) < std::tuple(b.row, b.col, b.kind, b.dir);
    });
    std::string key;
    key.reserve(placements.size() * 4);
    for (const Placement& p : placements) {
        key.push_back(static_cast<char>(p.col));
        key.push_back(static_cast<char>(p.row));
        key.push_back(static_cast<char>(p.kind));
        key.push_back(static_cast<char>(p.dir));
    }
    return m_seen.insert(std::move(key)).second;
}

} // namespace

bool PlacePieces(Board& board, std::span<const Placement> placements)
{
    for (const Placement& p : placements) {
        if (!board.AppendPiece(p.kind, p.col, p.row, p.dir)) {
            return false;
        }
    }
    return true;
}

Board ReloadedBoard(const Board& board)
{
    Board loaded;
    loaded.PlayMode = board.PlayMode;
    for (int i = 0; i < board.PieceCount; ++i) {
        const Piece& p = board.Pieces[i];
        if (!p.Deleted) {
            loaded.AppendPiece(p.Kind, p.Left, p.Top, p.Direction);
        }
    }
    for (int i = 0; i < board.EmitterCount; ++i) {
        const Emitter& e = board.Emitters[i];
        if (e.IsCannon && !e.Deleted) {
            loaded.AppendCannon(e.Left, e.Top, e.Direction, e.Color);
        }
    }
    return loaded;
}

Verdict VerdictAfter(const Board& base, std::span<const Placement> placements)
{
    Board board = base;
    board.PlayMode = true;
    if (!PlacePieces(board, placements)) {
        return Verdict::LampsLeft;
    }
    return EvaluateBoard(board, nullptr).verdict;
}

bool SolvesBoard(const Board& base, std::span<const Placement> placements)
{
    Board board = base;
    board.PlayMode = true;
    if (!PlacePieces(board, placements) ||
        EvaluateBoard(board, nullptr).verdict != Verdict::Solved) {
        return false;
    }
    Board reloaded = ReloadedBoard(board);
    return EvaluateBoard(reloaded, nullptr).verdict == Verdict::Solved;
}

SolveResult Solve(const Game& game, const SolveLimits& limits)
{
    return Search(game, limits).Run();
}

} // namespace prismora
