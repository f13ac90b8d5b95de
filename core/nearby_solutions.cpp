// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Other solutions close to known ones, found by small searches that place a few pieces anew.
#include "core/nearby_solutions.h"

#include "core/palette.h"
#include "core/solver_common.h"

#include <algorithm>
#include <numeric>
#include <set>
#include <string>

namespace prismora {
namespace {

// The next set of `chosen.size()` numbers below `count`, in lexicographic
// order; false after the last.
bool nextChoice(std::vector<int>& chosen, int count)
{
    const auto size = static_cast<int>(chosen.size());
    int i = size - 1;
    while (i >= 0 && chosen[static_cast<std::size_t>(i)] == count - size + i) {
        --i;
    }
    if (i < 0) {
        return false;
    }
    ++chosen[static_cast<std::size_t>(i)];
    for (int j = i + 1; j < size; ++j) {
        chosen[static_cast<std::size_t>(j)] = chosen[static_cast<std::size_t>(j - 1)] + 1;
    }
    return true;
}

class NearbyFinder {
public:
    NearbyFinder(const Level& level, int wanted, const NearbySearch& search)
        : m_base(level), m_work(level), m_wanted(wanted), m_search(search)
    {
        m_base.mode = Mode::Play;
        m_work.mode = Mode::Play;
    }

    // Remembers a known solution; false when some piece of it is on no beam,
    // so that what tells it from others is not known.
    bool know(const std::vector<Placement>& solution)
    {
        const std::optional<std::string> signature = signatureOf(solution);
        if (!signature) {
            return false;
        }
        m_signatures.insert(*signature);
        return true;
    }

    // Places every set of up to mostReplaced pieces of `solution` anew.
    void searchAround(const std::vector<Placement>& solution)
    {
        const auto size = static_cast<int>(solution.size());
        for (int replaced = 0; replaced <= std::min(m_search.mostReplaced, size); ++replaced) {
            std::vector<int> chosen(static_cast<std::size_t>(replaced));
            std::iota(chosen.begin(), chosen.end(), 0);
            do {
                if (isDone()) {
                    return;
                }
                replace(solution, chosen);
            } while (nextChoice(chosen, size));
        }
    }

    bool isDone() const
    {
        return static_cast<int>(m_result.found.size()) >= m_wanted ||
               m_result.states >= m_search.mostStates ||
               (m_search.cancel != nullptr && m_search.cancel->load());
    }

    NearbySolutions result() && { return std::move(m_result); }
    std::size_t foundCount() const { return m_result.found.size(); }
    // A copy: searching around it adds to the solutions found.
    std::vector<Placement> found(std::size_t i) const { return m_result.found[i]; }

private:
    std::optional<std::string> signatureOf(const std::vector<Placement>& placements)
    {
        const std::optional<std::vector<Placement>> order =
            workingOrder(m_base, m_work, placements);
        return order ? solutionSignature(m_base, m_work, *order) : std::nullopt;
    }

    // The pieces of `solution` at the places `chosen` go back into the hand;
    // the others stand, and the hand is placed anew.
    void replace(const std::vector<Placement>& solution, const std::vector<int>& chosen)
    {
        Level reduced = m_base;
        std::vector<Placement> kept;
        for (std::size_t i = 0; i < solution.size(); ++i) {
            if (std::find(chosen.begin(), chosen.end(), static_cast<int>(i)) == chosen.end()) {
                kept.push_back(solution[i]);
            }
        }
        for (const Placement& p : kept) {
            const std::optional<int> row = rowOfKind(p.kind);
            if (!row || paletteCount(reduced, *row) <= 0) {
                return;
            }
            changePaletteCount(reduced, *row, -1);
        }
        if (!placePieces(reduced, kept)) {
            return;
        }
        const int limit = m_wanted - static_cast<int>(m_result.found.size()) +
                          static_cast<int>(m_signatures.size());
        const long states = std::min(m_search.statesEach, m_search.mostStates - m_result.states);
        const CountResult count =
            countSolutions(reduced, limit, {.maxStates = states, .cancel = m_search.cancel});
        m_result.states += count.states;
        for (const std::vector<Placement>& placed : count.found) {
            std::vector<Placement> whole = kept;
            whole.insert(whole.end(), placed.begin(), placed.end());
            take(whole);
        }
    }

    void take(const std::vector<Placement>& placements)
    {
        if (isDone()) {
            return;
        }
        const std::optional<std::vector<Placement>> order =
            workingOrder(m_base, m_work, placements);
        if (!order) {
            return;
        }
        const std::optional<std::string> signature = solutionSignature(m_base, m_work, *order);
        if (signature && m_signatures.insert(*signature).second) {
            m_result.found.push_back(*order);
        }
    }

    Level m_base;
    Level m_work;
    int m_wanted;
    NearbySearch m_search;
    std::set<std::string> m_signatures;
    NearbySolutions m_result;
};

} // namespace

NearbySolutions nearbySolutions(const Level& level,
                                const std::vector<std::vector<Placement>>& known, int wanted,
                                const NearbySearch& search)
{
    NearbyFinder finder(level, wanted, search);
    for (const std::vector<Placement>& solution : known) {
        if (!finder.know(solution)) {
            return {};
        }
    }
    for (const std::vector<Placement>& solution : known) {
        finder.searchAround(solution);
    }
    // Solutions come in families: the neighbours of a neighbour are looked
    // at too, while there are states left.
    for (std::size_t i = 0; i < finder.foundCount() && !finder.isDone(); ++i) {
        finder.searchAround(finder.found(i));
    }
    return std::move(finder).result();
}

std::optional<std::vector<Placement>> asCounted(const Level& level,
                                                const std::vector<Placement>& placements)
{
    Level base = level;
    base.mode = Mode::Play;
    Level work = base;
    std::optional<std::vector<Placement>> order = workingOrder(base, work, placements);
    if (!order || !solutionSignature(base, work, *order)) {
        return std::nullopt;
    }
    return order;
}

} // namespace prismora
