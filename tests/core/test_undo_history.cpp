// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Undo history: one step per finished action, lasting actions, redo, and the step limit.
#include "level_builder.h"

#include "core/play.h"
#include "core/undo_history.h"

#include <gtest/gtest.h>

namespace prismora {
namespace {

using testing::place;
using testing::playLevel;

// A level with a mirror in the hand, taken and moved step by step.
struct MirrorGame {
    MirrorGame() { level.palette[0] = 1; }
    void act(void (*change)(Level&))
    {
        const RecordedChange step(history, level);
        change(level);
    }
    Level level = playLevel();
    UndoHistory history;
};

void take(Level& level) { ASSERT_EQ(takeFromPalette(level, 0).result, TakeResult::Taken); }
void turn(Level& level) { turnGrabbed(level, Grab::piece(0), Turn::Anticlockwise); }

TEST(UndoHistoryTest, UndoAndRedoWalkThroughTheStepsAndANewStepForgetsTheRedos)
{
    MirrorGame game;
    const Level start = game.level;
    game.act(take);
    const Level taken = game.level;
    game.act(turn);
    const Level turnedOnce = game.level;
    game.act([](Level&) {}); // no change, no step
    EXPECT_EQ(game.history.undoCount(), 2u);

    game.level.name = "renamed";
    game.level = *game.history.undo(game.level);
    EXPECT_TRUE(isSamePosition(game.level, taken));
    EXPECT_EQ(game.level.name, "renamed") << "undo leaves the name alone";
    game.level = *game.history.undo(game.level);
    EXPECT_TRUE(isSamePosition(game.level, start));
    EXPECT_FALSE(game.history.undo(game.level));
    game.level = *game.history.redo(game.level);
    game.level = *game.history.redo(game.level);
    EXPECT_TRUE(isSamePosition(game.level, turnedOnce));
    EXPECT_FALSE(game.history.redo(game.level));

    game.level = *game.history.undo(game.level);
    game.act(turn);
    EXPECT_FALSE(game.history.canRedo());
    game.history.clear();
    EXPECT_FALSE(game.history.canUndo());
}

TEST(UndoHistoryTest, ALastingActionIsOneStepWhateverHappensDuringIt)
{
    Level level = playLevel();
    const int mirror = place(level, PieceKind::Mirror, 1, 1);
    UndoHistory history;
    const Level start = level;
    history.beginAction(level);
    for (int column = 2; column <= 6; ++column) {
        const Level before = level;
        moveGrabbed(level, Grab::piece(mirror), column, 1);
        EXPECT_FALSE(history.recordStep(before, level)) << "taken in by the open action";
    }
    history.beginAction(level); // ignored: the drag is still the same action
    EXPECT_TRUE(history.finishAction(level));
    EXPECT_FALSE(history.finishAction(level));
    EXPECT_EQ(history.undoCount(), 1u);
    EXPECT_TRUE(isSamePosition(*history.undo(level), start));

    // Undo while an action is still open undoes that action.
    history.beginAction(start);
    EXPECT_TRUE(history.canUndo());
    EXPECT_TRUE(isSamePosition(*history.undo(level), start));
    EXPECT_FALSE(history.isActionOpen());

    history.beginAction(start);
    EXPECT_FALSE(history.finishAction(start)) << "an action that changed nothing is no step";
}

TEST(UndoHistoryTest, KeepsTheLatestThousandStepsAndDropsTheOldest)
{
    Level level = playLevel();
    const int mirror = place(level, PieceKind::Mirror, 1, 1);
    UndoHistory history;
    constexpr int Steps = 1005;
    for (int step = 0; step < Steps; ++step) {
        const Level before = level;
        turnGrabbed(level, Grab::piece(mirror), Turn::Anticlockwise);
        level.pieces[0].column = step % 9 + 1;
        history.recordStep(before, level);
    }
    EXPECT_EQ(history.undoCount(), UndoHistory::DefaultCapacity);
    int undone = 0;
    while (const auto previous = history.undo(level)) {
        level = *previous;
        ++undone;
    }
    EXPECT_EQ(undone, 1000);
    EXPECT_EQ(level.pieces[0].direction, (Steps - 1000) % 8) << "the five oldest steps are gone";
}

} // namespace
} // namespace prismora
