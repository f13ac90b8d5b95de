// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The tree the solver walks: each node a branch whose beams wait for a decision, its children
// the ways of deciding.
#pragma once

#include "core/solver_bound.h"
#include "core/solver_common.h"
#include "core/solver_walk.h"

#include <set>
#include <string>
#include <vector>

namespace prismora {

// The most children of one branch: every palette row in every direction,
// and the cell left empty.
inline constexpr std::size_t MaxChildren = PlayRowCount * 8 + 1;

// The children of one branch, as a walk of the tree takes them.
struct Frame {
    // The children that go on, in the order they were made.
    std::vector<Branch> children;
    // Each one's place among all the children made, those cut off included:
    // the same in every walk of the tree.
    std::array<std::uint8_t, MaxChildren> made{};
    int madeCount = 0;
    // The last child made leaves the cell empty.
    bool hasEmpty = false;
    // The walk's progress: the next child to take (a place in its order),
    // the child being walked (a place among those made, or -1), and the
    // rank in its order below which every child is walked to the end.
    int next = 0;
    int walking = -1;
    int walkedBelow = 0;
};

// Every branch of the tree is a state: counted once when made, its beams
// followed until every one waits for a decision on some cell or ends. The
// first waiting beam's cell is decided next, for every beam waiting there:
// nothing, or a piece from the hand in a group of directions that act alike
// on those beams (a group is split again when a later beam tells its
// directions apart). A branch is cut off when a cannon's beam, or the output
// of a junction such a beam feeds, reaches a bomb (every evaluation traces
// it), and when the pieces left cannot bring some lamp a colour it lacks
// (LampBound). A branch whose beams all end is a final position: it is
// checked by the real evaluation and counted once per distinct solution.
class SearchTree {
public:
    SearchTree(const Level& level, const SolveLimits& limits, int limit);

    // Makes the root. False when it has no children to walk.
    bool makeRoot(Branch& root);
    // Makes the children of `branch` that go on, into `frame`.
    void expand(const Branch& branch, Frame& frame);
    // The limit's solutions are found, or a budget ran out.
    bool isDone() const { return m_done; }
    long states() const { return m_budget.states(); }
    int foundCount() const { return static_cast<int>(m_found.size()); }
    // What the walks found, with `isWalked` true when the whole tree was.
    CountResult result(bool isWalked) const;

private:
    // Where a walker stopped: it goes on, it ended, it waits for a decision
    // on its cell, or a beam every evaluation traces reached a bomb.
    enum class Fate { GoesOn, Ends, Waits, Explodes };
    // Where the walk of a branch stopped: every walker left waits for a
    // decision, all beams are followed, or a beam every evaluation traces
    // reached a bomb.
    enum class Stop { Decide, Complete, Dead };

    bool prepare(Branch& branch);
    void keepIfGoingOn(Frame& frame);
    void decide(const Branch& branch, Frame& frame);
    void split(const Branch& branch, Frame& frame);
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
    SearchBudget m_budget;
    std::set<std::string> m_signatures;
    std::vector<std::vector<Placement>> m_found;
    GiveUpReason m_stopped = GiveUpReason::None;
    bool m_done = false;
    bool m_beamsOverflowed = false;
    bool m_ordersCut = false; // a final position had splitting pieces not every order was tried of
};

} // namespace prismora
