// Finding a hint: one solution from the starting position, matched against the placed pieces.
#include "core/hint.h"

#include "core/evaluation.h"
#include "core/palette.h"

#include <optional>

namespace prismora {
namespace {

// The one place the hint calls the solver: it stops as soon as the hint is
// called off. A solution from the start always exists for a shipped level
// and is found within a small part of its budget; a search keeping the
// player's pieces only offers a shortcut, so it gets a short budget before
// the hint names a piece to take back instead. Budgets in states, so the
// same position always gets the same hint.
constexpr long FromStartStates = 4'000'000;
constexpr long KeepingStates = 400'000;

std::optional<SolveResult> runSolver(const Level& level, const std::atomic<bool>& cancelled,
                                     long states = FromStartStates)
{
    const SolveResult result = solve(level, {.maxStates = states, .cancel = &cancelled});
    if (result.reason == GiveUpReason::Cancelled) {
        return std::nullopt;
    }
    return result;
}

bool agrees(const Piece& piece, const Placement& placement)
{
    return piece.kind == placement.kind && piece.column == placement.column &&
           piece.row == placement.row &&
           directionsActAlike(piece.kind, piece.direction, placement.direction);
}

// Matches the placed pieces to the solution's placements one to one. Fills
// `isUsed` for the placements taken and returns the placed pieces left over,
// the most recently placed first.
std::vector<int> piecesOutside(const Level& level, const std::vector<int>& placed,
                               const std::vector<Placement>& solution, std::vector<bool>& isUsed)
{
    isUsed.assign(solution.size(), false);
    std::vector<int> outside;
    for (auto at = placed.rbegin(); at != placed.rend(); ++at) {
        const Piece& piece = level.pieces[static_cast<std::size_t>(*at)];
        bool isMatched = false;
        for (std::size_t i = 0; i < solution.size() && !isMatched; ++i) {
            if (!isUsed[i] && agrees(piece, solution[i])) {
                isUsed[i] = true;
                isMatched = true;
            }
        }
        if (!isMatched) {
            outside.push_back(*at);
        }
    }
    return outside;
}

Hint placeHint(const Placement& placement) { return {HintKind::Place, placement, -1}; }

Hint takeBackHint(int piece) { return {HintKind::TakeBack, {}, piece}; }

} // namespace

std::vector<int> placedPieceIndices(const Level& level)
{
    std::vector<int> placed;
    for (std::size_t i = 0; i < level.pieces.size(); ++i) {
        const Piece& piece = level.pieces[i];
        if (!piece.removed && isPlaceableKind(piece.kind) && isBoardCell(piece.column, piece.row)) {
            placed.push_back(static_cast<int>(i));
        }
    }
    return placed;
}

Level withPiecesTakenBack(const Level& level, const std::vector<int>& indices)
{
    Level taken = level;
    for (const int index : indices) {
        Piece& piece = taken.pieces[static_cast<std::size_t>(index)];
        piece.removed = true;
        changePaletteCount(taken, rowOfKind(piece.kind).value_or(-1), +1);
    }
    return taken;
}

Hint findHint(const Level& level, const std::atomic<bool>& cancelled)
{
    Level playing = level;
    playing.mode = Mode::Play;
    if (evaluate(playing).isFinished()) {
        return {HintKind::AlreadySolved, {}, -1};
    }
    const std::vector<int> placed = placedPieceIndices(playing);
    const std::optional<SolveResult> fromStart =
        runSolver(withPiecesTakenBack(playing, placed), cancelled);
    if (!fromStart) {
        return {HintKind::Cancelled, {}, -1};
    }
    const bool isSolvable = fromStart->status == SolveStatus::Solved;
    std::vector<bool> isUsed;
    const std::vector<int> outside =
        isSolvable ? piecesOutside(playing, placed, fromStart->solution, isUsed) : placed;
    if (isSolvable && outside.empty()) {
        for (std::size_t i = 0; i < isUsed.size(); ++i) {
            if (!isUsed[i]) {
                return placeHint(fromStart->solution[i]);
            }
        }
    }
    if (!placed.empty()) {
        const std::optional<SolveResult> keeping = runSolver(playing, cancelled, KeepingStates);
        if (!keeping) {
            return {HintKind::Cancelled, {}, -1};
        }
        if (keeping->status == SolveStatus::Solved && !keeping->solution.empty()) {
            return placeHint(keeping->solution.front());
        }
    }
    if (!isSolvable) {
        return {HintKind::NoSolution, {}, -1};
    }
    return takeBackHint(outside.empty() ? placed.back() : outside.front());
}

} // namespace prismora
