// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Undo history: steps as level snapshots, lasting actions, and a bounded number of steps.
#include "core/undo_history.h"

#include <algorithm>

namespace prismora {
namespace {

void pushBounded(std::deque<Level>& stack, Level level, std::size_t capacity)
{
    stack.push_back(std::move(level));
    while (stack.size() > capacity) {
        stack.pop_front();
    }
}

// Moves the latest position of `from` out, keeping `current` on `to` so that
// the opposite command can bring it back.
std::optional<Level> takeLatest(std::deque<Level>& from, std::deque<Level>& to,
                                const Level& current, std::size_t capacity)
{
    if (from.empty()) {
        return std::nullopt;
    }
    Level taken = std::move(from.back());
    from.pop_back();
    pushBounded(to, current, capacity);
    taken.name = current.name;
    return taken;
}

} // namespace

bool isSamePosition(const Level& a, const Level& b)
{
    return a.mode == b.mode && a.pieces == b.pieces && a.sources == b.sources &&
           a.palette == b.palette;
}

UndoHistory::UndoHistory(std::size_t capacity) : m_capacity(std::max<std::size_t>(capacity, 1)) {}

void UndoHistory::clear()
{
    m_undone.clear();
    m_redone.clear();
    m_actionStart.reset();
}

void UndoHistory::beginAction(const Level& level)
{
    if (!m_actionStart) {
        m_actionStart = level;
    }
}

bool UndoHistory::finishAction(const Level& level)
{
    if (!m_actionStart) {
        return false;
    }
    const Level start = std::move(*m_actionStart);
    m_actionStart.reset();
    return recordStep(start, level);
}

bool UndoHistory::recordStep(const Level& before, const Level& after)
{
    if (isActionOpen() || isSamePosition(before, after)) {
        return false;
    }
    pushBounded(m_undone, before, m_capacity);
    m_redone.clear();
    return true;
}

std::optional<Level> UndoHistory::undo(const Level& current)
{
    finishAction(current);
    return takeLatest(m_undone, m_redone, current, m_capacity);
}

std::optional<Level> UndoHistory::redo(const Level& current)
{
    return takeLatest(m_redone, m_undone, current, m_capacity);
}

} // namespace prismora
