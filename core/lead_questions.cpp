// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Tempting placements asked of the solver in stretches, each solution found tried on the others.
#include "core/lead_questions.h"

#include "base/for_each_index.h"
#include "core/palette.h"
#include "core/solver_beam_search.h"

#include <algorithm>
#include <array>
#include <limits>
#include <memory>
#include <optional>

namespace prismora {
namespace {

bool isOnCellOf(const Placement& piece, std::span<const Placement> pieces)
{
    return std::any_of(pieces.begin(), pieces.end(), [&](const Placement& p) {
        return p.column == piece.column && p.row == piece.row;
    });
}

bool fitsHand(const Level& position, std::span<const Placement> pieces)
{
    std::array<int, PlayRowCount> needed{};
    for (const Placement& p : pieces) {
        const std::optional<int> row = rowOfKind(p.kind);
        if (!row || *row < 0 || *row >= PlayRowCount) {
            return false;
        }
        ++needed[static_cast<std::size_t>(*row)];
    }
    for (int row = 0; row < PlayRowCount; ++row) {
        if (needed[static_cast<std::size_t>(row)] > paletteCount(position, row)) {
            return false;
        }
    }
    return true;
}

// Solutions of one question often differ from another's only where that
// one placed its pieces: the pieces of `solution` off those cells, put
// down from the hand, may finish `question.after`. The solution they make
// with the question's pieces, if they do.
std::optional<std::vector<Placement>> finishedWith(const LeadQuestion& question,
                                                   const std::vector<Placement>& solution)
{
    std::vector<Placement> rest;
    std::copy_if(solution.begin(), solution.end(), std::back_inserter(rest),
                 [&](const Placement& p) { return !isOnCellOf(p, question.placed); });
    if (!fitsHand(question.after, rest) || !solvesLevel(question.after, rest)) {
        return std::nullopt;
    }
    std::vector<Placement> whole = question.placed;
    whole.insert(whole.end(), rest.begin(), rest.end());
    return whole;
}

bool isCancelled(const SolveLimits& limits)
{
    return limits.cancel != nullptr && limits.cancel->load();
}

// The questions not yet answered, each with its walk.
class OpenQuestions {
public:
    OpenQuestions(std::span<const LeadQuestion> questions, const SolveLimits& limits)
        : m_questions(questions), m_limits(limits), m_walks(questions.size())
    {
    }

    void open(std::size_t question) { m_open.push_back(question); }
    bool isEmpty() const { return m_open.empty(); }

    // Walks each open question on to `states`, on `threads` threads; marks
    // the questions answered and returns the solutions found, in the
    // questions' order, each from the level's hand.
    std::vector<std::vector<Placement>> walkOn(long states, int threads,
                                               std::vector<bool>& leadsNowhere)
    {
        std::vector<CountResult> walked(m_open.size());
        forEachIndex(static_cast<int>(m_open.size()), threads, [&](int k) {
            const std::size_t i = m_open[static_cast<std::size_t>(k)];
            if (!m_walks[i]) {
                m_walks[i] = std::make_unique<SolutionWalk>(m_questions[i].after, 1, m_limits);
            }
            walked[static_cast<std::size_t>(k)] = m_walks[i]->walkOn(0, states);
        });
        std::vector<std::vector<Placement>> found;
        std::vector<std::size_t> stillOpen;
        for (std::size_t k = 0; k < m_open.size(); ++k) {
            const std::size_t i = m_open[k];
            if (!walked[k].found.empty()) {
                std::vector<Placement> solution = m_questions[i].placed;
                solution.insert(solution.end(), walked[k].found.front().begin(),
                                walked[k].found.front().end());
                found.push_back(std::move(solution));
                leadsNowhere[i] = false;
                m_walks[i].reset();
            } else if (m_walks[i]->isOver()) {
                m_walks[i].reset(); // walked to the end, or out of states
            } else {
                stillOpen.push_back(i);
            }
        }
        m_open = std::move(stillOpen);
        return found;
    }

    // Answers the open questions that `solutions` finish, and those that the
    // solutions so made finish, and so on.
    void answerFrom(std::vector<std::vector<Placement>> solutions, std::vector<bool>& leadsNowhere)
    {
        while (!solutions.empty() && !m_open.empty() && !isCancelled(m_limits)) {
            std::vector<std::vector<Placement>> made;
            std::erase_if(m_open, [&](std::size_t i) {
                for (const std::vector<Placement>& solution : solutions) {
                    if (std::optional<std::vector<Placement>> whole =
                            finishedWith(m_questions[i], solution)) {
                        made.push_back(std::move(*whole));
                        leadsNowhere[i] = false;
                        m_walks[i].reset();
                        return true;
                    }
                }
                return false;
            });
            solutions = std::move(made);
        }
    }

private:
    std::span<const LeadQuestion> m_questions;
    SolveLimits m_limits;
    std::vector<std::unique_ptr<SolutionWalk>> m_walks;
    std::vector<std::size_t> m_open;
};

// Each open question holds its walk: a level with very many tempting
// placements is asked in groups of this many, each group knowing the
// solutions found in those before it.
constexpr std::size_t MostAskedTogether = 256;

struct Asking {
    SolveLimits limits;
    int threads;
    long firstStates;
    long lastSharedStates;
};

// Asks `questions[first, first + count)`, with `solutions` known; adds the
// solutions found to them.
void askGroup(std::span<const LeadQuestion> questions, std::size_t first, std::size_t count,
              std::vector<std::vector<Placement>>& solutions, const Asking& asking,
              std::vector<bool>& nowhere)
{
    const SolveLimits& limits = asking.limits;
    OpenQuestions open(questions, limits);
    std::vector<std::vector<Placement>> solved;
    for (std::size_t i = first; i < first + count; ++i) {
        if (solvesLevel(questions[i].after, {})) {
            nowhere[i] = false;
            solved.push_back(questions[i].placed);
        } else {
            open.open(i);
        }
    }
    solved.insert(solved.end(), solutions.begin(), solutions.end());
    open.answerFrom(solved, nowhere);
    // Doubling: a question answered by another's solution has walked at
    // most twice the states that solution took, and few stretches are made.
    // The last stretch walks each question to its end: answers found
    // that late rarely answer others, and waiting for the slowest of each
    // stretch would leave a core idle.
    long states = std::max(1L, asking.firstStates);
    for (; states <= asking.lastSharedStates && !open.isEmpty() && !isCancelled(limits);
         states *= 2) {
        std::vector<std::vector<Placement>> found = open.walkOn(states, asking.threads, nowhere);
        solutions.insert(solutions.end(), found.begin(), found.end());
        open.answerFrom(std::move(found), nowhere);
    }
    std::vector<std::vector<Placement>> found =
        open.walkOn(std::numeric_limits<long>::max(), asking.threads, nowhere);
    solutions.insert(solutions.end(), found.begin(), found.end());
}

} // namespace

std::vector<bool> leadsNowhere(std::span<const LeadQuestion> questions,
                               std::span<const std::vector<Placement>> known,
                               const SolveLimits& limits, int threads, long firstStates,
                               long lastSharedStates)
{
    std::vector<bool> nowhere(questions.size(), true);
    std::vector<std::vector<Placement>> solutions(known.begin(), known.end());
    const Asking asking{limits, threads, firstStates, lastSharedStates};
    for (std::size_t first = 0; first < questions.size() && !isCancelled(limits);
         first += MostAskedTogether) {
        askGroup(questions, first, std::min(MostAskedTogether, questions.size() - first), solutions,
                 asking, nowhere);
    }
    return nowhere;
}

} // namespace prismora
