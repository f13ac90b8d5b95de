// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Forgiving mode, the undo tip, and the moves, time and records of a solve.
#include "session_fixture.h"

#include "core/palette.h"
#include "core/progress.h"

#include <gtest/gtest.h>

namespace prismora::testing {
namespace {

using namespace std::chrono_literals;

constexpr int MirrorRow = 0;

// On the bomb level: the mirror from the hand, turned to 5 in the top-left
// cell (out of every beam), with the pointer on it.
void takeMirrorTurnedSouth(GameSession& session)
{
    session.goToSeriesLevel(1, Consent::NotAsked);
    session.takeFromPalette(MirrorRow);
    session.movePointer({1, 1, true}, PointerMove::Hover);
    for (int turn = 0; turn < 5; ++turn) {
        session.turnGrabbed(Turn::Anticlockwise);
    }
}

TEST(ForgivingPlay, ADragAcrossABombsLineAndBackLeavesThePositionAsItWas)
{
    SessionFixture game;
    GameSession& session = *game.session;
    session.setForgivingMode(ForgivingMode::On);
    takeMirrorTurnedSouth(session);
    const Level before = session.level();
    // At (5, 5) the mirror sends the beam south into the bomb.
    SessionOutcome outcome = session.movePointer({5, 5, true}, PointerMove::Drag);
    EXPECT_EQ(outcome.note, StatusNote::BombWarning);
    EXPECT_FALSE(outcome.explosion);
    EXPECT_TRUE(session.isBombWaiting());
    outcome = session.movePointer({1, 1, true}, PointerMove::Drag);
    EXPECT_EQ(outcome.note, StatusNote::None);
    session.releasePointer();
    EXPECT_EQ(session.level(), before);
    // Put down on the bomb's line, the level starts over; undo takes the
    // whole drag back.
    session.movePointer({1, 1, true}, PointerMove::Hover);
    session.movePointer({5, 5, true}, PointerMove::Drag);
    outcome = session.releasePointer();
    EXPECT_EQ(outcome.note, StatusNote::Bomb);
    ASSERT_TRUE(outcome.explosion);
    EXPECT_EQ(outcome.explosion->evaluation.verdict, Verdict::Bomb);
    EXPECT_FALSE(outcome.tellUndo) << "the tip is for a restart without warning";
    EXPECT_EQ(paletteCount(session.level(), MirrorRow), 1);
    session.undo();
    EXPECT_EQ(session.level(), before);

    // Off, the drag restarts at once, and the first restart tells of undo.
    session.setForgivingMode(ForgivingMode::Off);
    takeMirrorTurnedSouth(session);
    EXPECT_TRUE(session.movePointer({5, 5, true}, PointerMove::Drag).tellUndo);
    session.releasePointer();
    takeMirrorTurnedSouth(session);
    outcome = session.movePointer({5, 5, true}, PointerMove::Drag);
    EXPECT_EQ(outcome.note, StatusNote::Bomb);
    EXPECT_FALSE(outcome.tellUndo) << "told once a session";
}

TEST(ForgivingPlay, ATurnOntoABombWaitsUntilThePointerLeavesThePiece)
{
    SessionFixture game;
    GameSession& session = *game.session;
    session.setForgivingMode(ForgivingMode::On);
    session.goToSeriesLevel(1, Consent::NotAsked);
    putByKeys(session, MirrorRow, 5, 5, 3);
    session.movePointer({5, 5, true}, PointerMove::Hover);
    session.turnGrabbed(Turn::Anticlockwise);
    const Level turnedOnce = session.level();
    EXPECT_EQ(session.turnGrabbed(Turn::Anticlockwise).note, StatusNote::BombWarning);
    // The right button's release is no put-down.
    EXPECT_EQ(session.releasePointer().note, StatusNote::None);
    EXPECT_TRUE(session.isBombWaiting());
    const SessionOutcome outcome = session.movePointer({4, 4, true}, PointerMove::Hover);
    EXPECT_EQ(outcome.note, StatusNote::Bomb);
    EXPECT_TRUE(outcome.board);
    session.undo();
    EXPECT_EQ(session.level(), turnedOnce);
}

// Solves the mirror level by keys in four moves (three turns, one carry),
// the clock reading `solvedAt` on the last step.
SessionOutcome solveMirrorLevel(SessionFixture& game, std::chrono::milliseconds solvedAt)
{
    GameSession& session = *game.session;
    session.goToSeriesLevel(0, Consent::NotAsked);
    session.takeIntoHand(MirrorRow);
    for (int turn = 0; turn < 3; ++turn) {
        session.turnAtCursor(Turn::Anticlockwise);
    }
    session.moveCursor(4, 0);
    session.moveCursor(0, 3);
    game.now = solvedAt;
    return session.moveCursor(0, 1);
}

TEST(PersonalRecords, ASolveReportsItsMovesAndTimeAndTheRecordOutlivesTheSession)
{
    SessionFixture game;
    game.now = 1000ms;
    SessionOutcome outcome = solveMirrorLevel(game, 43000ms);
    ASSERT_TRUE(outcome.solve);
    EXPECT_EQ(outcome.solve->moves, 4);
    EXPECT_EQ(outcome.solve->milliseconds, 42000);
    EXPECT_TRUE(outcome.solve->isRecorded);
    EXPECT_FALSE(outcome.solve->previousRecord);
    EXPECT_TRUE(outcome.solve->hasNextLevel);
    EXPECT_EQ(outcome.litLamps, std::vector<int>{0});

    game.restartGame();
    game.now = 100000ms;
    outcome = solveMirrorLevel(game, 130000ms);
    ASSERT_TRUE(outcome.solve);
    EXPECT_EQ(outcome.solve->previousRecord, (LevelRecord{4, 42000}));
    const std::string key =
        progressKey("Level01.prl", parseLevel(ScratchDir::read(game.seriesFile(1))).contentHash);
    EXPECT_EQ(game.store.levelRecord(key), (LevelRecord{4, 30000}));
    // Undo is no move, and a solve reached by undo reports nothing.
    game.session->undo();
    EXPECT_FALSE(game.session->redo().solve);
    EXPECT_EQ(game.session->moveCount(), 4);
}

} // namespace
} // namespace prismora::testing
