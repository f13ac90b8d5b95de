// How hard a level is for a player who reasons rather than tries everything.
#pragma once

#include "core/solver.h"

#include <vector>

namespace prismora {

struct Difficulty {
    int pieces = 0;
    // Placements that look right and are wrong: at each step of the designer's
    // solution (its pieces placed in the order the beams reach them), a piece
    // in hand put on a free cell on a beam, in a turn that lights a lamp that
    // was dark with no bomb hit, where no solution puts that piece. Turns
    // that send the beams the same way count once.
    int falseLeads = 0;
    // 10 for each piece to place and 1 for each false lead: a piece more is
    // worth about ten misleading placements.
    int score() const { return 10 * pieces + falseLeads; }
};

// `solution`: the designer's pieces in the order the beams reach them. When
// it is known to be the only solution, no other placement belongs to one.
Difficulty measureDifficulty(const Level& loaded, const std::vector<Placement>& solution,
                             bool solutionIsUnique);

} // namespace prismora
