// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Two walks of the solver's tree in different orders, each passing over what the other finished.
#include "core/solver_beam_search.h"

#include "core/solver_tree.h"

#include <deque>
#include <memory>
#include <optional>
#include <vector>

namespace prismora {
namespace {

// Which child of an undecided cell a walk takes first.
enum class ChildOrder { PiecesFirst, EmptyFirst };

// One depth-first walk of the tree, one frame per branch on its path.
class Walk {
public:
    Walk(ChildOrder order, const Frame& rootChildren) : m_order(order)
    {
        m_frames.push_back(rootChildren);
        m_depth = 1;
    }

    // Takes one more branch and makes its children; false when the whole
    // tree is walked (but what `other` had walked to the end first).
    bool step(SearchTree& tree, const Walk& other);
    // Whether this walk has walked to the end the branch reached from the
    // root by taking the children `path` (places among those made).
    bool hasWalked(const std::vector<std::uint8_t>& path) const;
    long states = 0;

private:
    int rankOf(const Frame& frame, int made) const;
    std::size_t childAt(const Frame& frame, int place) const;

    ChildOrder m_order;
    std::deque<Frame> m_frames; // a deque: a frame stays put while deeper ones are added
    std::size_t m_depth = 0;
    std::vector<std::uint8_t> m_path;
};

// A child's rank in this walk's order, from its place among those made.
int Walk::rankOf(const Frame& frame, int made) const
{
    if (m_order == ChildOrder::PiecesFirst || !frame.hasEmpty) {
        return made;
    }
    return made == frame.madeCount - 1 ? 0 : made + 1;
}

// The child this walk takes at `place` in its order.
std::size_t Walk::childAt(const Frame& frame, int place) const
{
    const auto count = static_cast<int>(frame.children.size());
    const bool isEmptyKept =
        frame.hasEmpty && frame.made[static_cast<std::size_t>(count - 1)] == frame.madeCount - 1;
    if (m_order == ChildOrder::PiecesFirst || !isEmptyKept) {
        return static_cast<std::size_t>(place);
    }
    return static_cast<std::size_t>(place == 0 ? count - 1 : place - 1);
}

bool Walk::hasWalked(const std::vector<std::uint8_t>& path) const
{
    for (std::size_t level = 0; level < path.size() && level < m_depth; ++level) {
        const Frame& frame = m_frames[level];
        if (rankOf(frame, path[level]) < frame.walkedBelow) {
            return true;
        }
        if (frame.walking != path[level]) {
            return false;
        }
    }
    return false;
}

bool Walk::step(SearchTree& tree, const Walk& other)
{
    while (m_depth > 0) {
        Frame& frame = m_frames[m_depth - 1];
        if (frame.walking >= 0) { // back from that child: it is walked
            frame.walkedBelow = rankOf(frame, frame.walking) + 1;
            frame.walking = -1;
            m_path.pop_back();
        }
        if (frame.next == static_cast<int>(frame.children.size())) {
            --m_depth;
            continue;
        }
        const std::size_t child = childAt(frame, frame.next++);
        const std::uint8_t made = frame.made[child];
        frame.walkedBelow = rankOf(frame, made);
        m_path.push_back(made);
        if (other.hasWalked(m_path)) {
            frame.walkedBelow = rankOf(frame, made) + 1;
            m_path.pop_back();
            continue;
        }
        frame.walking = made;
        if (m_frames.size() == m_depth) {
            m_frames.emplace_back();
        }
        const long before = tree.states();
        tree.expand(frame.children[child], m_frames[m_depth++]);
        states += tree.states() - before;
        return true;
    }
    return false;
}

} // namespace

// A walk that puts pieces down first meets most solutions soonest; one that
// first lets each beam through meets those that lie far along the beams
// (Level30's). Neither order is good for every level, so both walk the same
// tree, by turns: the one that has made fewer states takes the next branch.
// Each passes over the branches the other has walked to the end, so walking
// the whole tree costs little more than one walk does, and finding the first
// solutions about twice the better walk. The turns follow the states, not
// the clock: the answer and the states are the same in every run.
struct SolutionWalk::Walks {
    Walks(const Level& level, int limit, const SolveLimits& limits) : tree(level, limits, limit)
    {
        auto root = std::make_unique<Branch>();
        if (!tree.makeRoot(*root)) {
            isWalked = true;
            return;
        }
        tree.expand(*root, rootChildren);
        piecesFirst.emplace(ChildOrder::PiecesFirst, rootChildren);
        emptyFirst.emplace(ChildOrder::EmptyFirst, rootChildren);
    }

    bool isOver() const { return tree.isDone() || isWalked; }

    void step()
    {
        const bool isPiecesTurn = piecesFirst->states <= emptyFirst->states;
        Walk& walk = isPiecesTurn ? *piecesFirst : *emptyFirst;
        isWalked = !walk.step(tree, isPiecesTurn ? *emptyFirst : *piecesFirst);
    }

    SearchTree tree;
    Frame rootChildren;
    std::optional<Walk> piecesFirst;
    std::optional<Walk> emptyFirst;
    bool isWalked = false;
};

SolutionWalk::SolutionWalk(const Level& level, int limit, const SolveLimits& limits)
    : m_walks(std::make_unique<Walks>(level, limit, limits))
{
}

SolutionWalk::~SolutionWalk() = default;

bool SolutionWalk::isOver() const { return m_walks->isOver(); }

CountResult SolutionWalk::walkOn(int solutions, long states)
{
    Walks& walks = *m_walks;
    while (!walks.isOver() &&
           (walks.tree.foundCount() < solutions || walks.tree.states() < states)) {
        walks.step();
    }
    return walks.tree.result(walks.isWalked);
}

CountResult enumerateSolutions(const Level& level, int limit, const SolveLimits& limits)
{
    SolutionWalk walk(level, limit, limits);
    return walk.walkOn(limit, 0);
}

} // namespace prismora
