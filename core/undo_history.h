// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Undo and redo of the player's and the designer's finished actions, kept as snapshots of the
// level.
#pragma once

#include "core/level.h"

#include <cstddef>
#include <deque>
#include <optional>

namespace prismora {

// True when two levels hold the same position: mode, pieces, sources and
// palette. The name is not part of a position: it belongs to the name field,
// which undo leaves alone.
bool isSamePosition(const Level& a, const Level& b);

// The positions before each finished action, and those undone since. Every
// finished action is one step, whatever it did on the way: a drag from press
// to release, a keyboard carry from pick-up to put-down, a move that set off a
// bomb together with the restart it caused. Positions are small (at most 99
// pieces and 51 sources), so whole levels are kept.
class UndoHistory {
public:
    static constexpr std::size_t DefaultCapacity = 1000;

    // Keeps at most `capacity` steps (at least one); the oldest go first.
    explicit UndoHistory(std::size_t capacity = DefaultCapacity);

    // Forgets every step and any open action: another level was loaded.
    void clear();

    // An action that lasts (a drag, a keyboard carry) begins on `level`.
    // While it is open, recordStep adds to it instead of making steps of its
    // own. A begin while an action is open is ignored.
    void beginAction(const Level& level);
    bool isActionOpen() const { return m_actionStart.has_value(); }
    // The open action ends on `level`: one step when the position differs
    // from where it began. True when a step was made; nothing happens when no
    // action is open.
    bool finishAction(const Level& level);

    // One action took the level from `before` to `after`: one step when the
    // positions differ, unless an action is open, which then takes it in.
    // True when a step was made; a new step forgets what was undone before it.
    bool recordStep(const Level& before, const Level& after);

    bool canUndo() const { return !m_undone.empty() || isActionOpen(); }
    bool canRedo() const { return !m_redone.empty(); }
    std::size_t undoCount() const { return m_undone.size(); }
    std::size_t redoCount() const { return m_redone.size(); }

    // The position before the last step, to replace `current`, which redo
    // then brings back. An open action is finished first, so it is the step
    // undone. The result keeps the name of `current`. Nothing when there is
    // nothing to undo.
    std::optional<Level> undo(const Level& current);
    // The position the last undo replaced, to replace `current`; nothing when
    // no undo is left to redo (any new step forgets them).
    std::optional<Level> redo(const Level& current);

private:
    std::size_t m_capacity;
    std::deque<Level> m_undone; // positions before each step, oldest first
    std::deque<Level> m_redone; // positions undone, the latest last
    std::optional<Level> m_actionStart;
};

// Records what happens to `level` between its construction and its end as
// one step of `history` (see recordStep), so that a handler records its
// action however it returns.
class RecordedChange {
public:
    RecordedChange(UndoHistory& history, const Level& level)
        : m_history(history), m_level(level), m_before(level)
    {
    }
    ~RecordedChange() { m_history.recordStep(m_before, m_level); }
    RecordedChange(const RecordedChange&) = delete;
    RecordedChange& operator=(const RecordedChange&) = delete;

private:
    UndoHistory& m_history;
    const Level& m_level;
    const Level m_before;
};

} // namespace prismora
