// The solver's entry points and the helpers that place pieces and check a solution.
#include "core/solver.h"

#include "core/evaluation.h"
#include "core/solver_beam_search.h"
#include "core/solver_set_search.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace prismora {

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
    case GiveUpReason::TooManyBeams:
        return "too many beams";
    }
    return "unknown";
}

// Two exact searches race side by side (see SearchRace): the set search,
// most promising position first, finds most solutions quickly; the beam walk,
// with no memory to fill, finishes where the set search wanders. Either one
// ending without a solution and without a budget running out proves there
// is none.
SolveResult solve(const Level& level, const SolveLimits& limits)
{
    if (solvesLevel(level, {})) {
        return {SolveStatus::Solved, GiveUpReason::None, {}, 1};
    }
    // A set-search state costs about ten beam-walk steps.
    constexpr long SetStateUnits = 10;
    SearchRace race;
    CountResult walked;
    std::thread walker([&] { walked = enumerateSolutions(level, 1, limits, {&race, 1, 1}); });
    SolveResult searched = findSolution(level, limits, {&race, 0, SetStateUnits});
    walker.join();
    const bool setDecided = searched.status != SolveStatus::GaveUp;
    const bool walkDecided = walked.solutions > 0 || walked.isExact;
    // The states of the search that decided: what the other did by then
    // depends on how the threads ran.
    if (walkDecided && (!setDecided || race.decidedAt(1) < race.decidedAt(0))) {
        if (walked.solutions > 0) {
            return {SolveStatus::Solved, GiveUpReason::None, walked.found.front(), walked.states};
        }
        return {SolveStatus::NoSolution, GiveUpReason::None, {}, walked.states};
    }
    if (!setDecided && searched.reason == GiveUpReason::Cancelled) {
        searched.reason = walked.reason;
    }
    return searched;
}

CountResult countSolutions(const Level& level, int limit, const SolveLimits& limits)
{
    return enumerateSolutions(level, std::max(1, limit), limits);
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
