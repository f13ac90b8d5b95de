// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game session: what it keeps when levels are loaded, played, built, left and resumed.
#include "session_fixture.h"

#include "core/level_code.h"
#include "core/palette.h"
#include "core/progress.h"
#include "core/solver.h"

#include <gtest/gtest.h>

namespace prismora::testing {
namespace {

namespace fs = std::filesystem;

constexpr int MirrorRow = 0;
constexpr int RedLampRow = 7;
constexpr int BombRow = 14;
constexpr int RedCannonRow = 10;

// The mirror of a loaded MirrorLevel or BombLevel set where it lights the lamp.
void solveByKeys(GameSession& session) { putByKeys(session, MirrorRow, 5, 5, 3); }

// A design with a red cannon at (1, 5) and a mirror at (3, 5) turning its
// beam north into a red lamp at (3, 1); a bomb at (6, 5) lies straight on.
void buildGuardedDesign(GameSession& session)
{
    ASSERT_EQ(session.newDesign(Consent::Given).question, Question::None);
    putByKeys(session, RedCannonRow, 1, 5);
    putByKeys(session, RedLampRow, 3, 1);
    putByKeys(session, BombRow, 6, 5);
    putByKeys(session, MirrorRow, 3, 5, 3);
    ASSERT_EQ(session.evaluation().verdict, Verdict::Solved);
}

TEST(GameSession, ABombWhilePlayingADesignGoesBackToWhereThePlayBegan)
{
    SessionFixture game;
    GameSession& session = *game.session;
    session.goToSeriesLevel(0, Consent::NotAsked);
    buildGuardedDesign(session);
    session.playLoaded();
    const Level started = session.level();
    // Taking the mirror back lets the beam run on into the bomb.
    const SessionOutcome outcome = session.giveBackAtCursor();
    EXPECT_EQ(outcome.note, StatusNote::Bomb);
    EXPECT_EQ(session.level(), started);
    EXPECT_TRUE(session.isDesignChanged()) << "the design is still the one being built";
    EXPECT_TRUE(session.canRestart());
}

TEST(GameSession, QuittingAsksAboutAFinishedDesignAndSavesAnUnfinishedOne)
{
    SessionFixture game;
    GameSession& session = *game.session;
    buildGuardedDesign(session);
    SessionOutcome outcome = session.quit(Consent::NotAsked);
    EXPECT_EQ(outcome.question, Question::LeaveDesign);
    EXPECT_FALSE(outcome.close);
    EXPECT_TRUE(session.quit(Consent::Given).close);

    session.giveBackAtCursor(); // the mirror out: the lamp is dark
    // An installed game's folder does not exist until the first save makes it.
    fs::remove_all(game.playerFolder());
    outcome = session.quit(Consent::NotAsked);
    EXPECT_TRUE(outcome.close);
    EXPECT_TRUE(fs::is_regular_file(game.playerFolder() / SavedGameFileName));
    ASSERT_TRUE(game.store.saved);
    EXPECT_TRUE(game.store.saved->isDesign);
}

TEST(GameSession, AResumedDesignComesBackExactlyAsItWasLeft)
{
    SessionFixture game;
    buildGuardedDesign(*game.session);
    game.session->giveBackAtCursor();
    game.session->setName("Halvfärdig");
    const Level left = game.session->level();
    ASSERT_TRUE(game.session->quit(Consent::NotAsked).close);

    game.restartGame();
    GameSession& session = *game.session;
    ASSERT_TRUE(session.hasSavedGame());
    session.continueSavedGame(Consent::NotAsked);
    EXPECT_EQ(session.commandState(), CommandState::Designing);
    EXPECT_EQ(session.level().mode, Mode::Edit);
    EXPECT_EQ(session.level().palette, left.palette);
    EXPECT_EQ(session.level().name, left.name);
    EXPECT_TRUE(isSamePosition(reloadedLevel(session.level()), reloadedLevel(left)));
    // Played, the design has nothing in the hand: every piece stands on the board.
    session.playLoaded();
    for (int row = 0; row < PlayRowCount; ++row) {
        EXPECT_EQ(paletteCount(session.level(), row), 0) << "row " << row;
    }
}

TEST(GameSession, EndingWithoutAQuestionKeepsAFinishedDesignToResume)
{
    SessionFixture game;
    buildGuardedDesign(*game.session);
    const Level left = game.session->level();
    const SessionOutcome outcome = game.session->endWithoutAsking();
    EXPECT_TRUE(outcome.close);
    EXPECT_EQ(outcome.question, Question::None);

    game.restartGame();
    GameSession& session = *game.session;
    ASSERT_TRUE(session.hasSavedGame());
    session.continueSavedGame(Consent::NotAsked);
    EXPECT_EQ(session.commandState(), CommandState::Designing);
    EXPECT_TRUE(isSamePosition(reloadedLevel(session.level()), reloadedLevel(left)));
}

TEST(GameSession, AResumedSeriesLevelCountsForItsPlaceInTheSeries)
{
    SessionFixture game;
    game.session->goToSeriesLevel(0, Consent::NotAsked);
    game.session->takeFromPalette(MirrorRow);
    ASSERT_TRUE(game.session->quit(Consent::NotAsked).close);

    game.restartGame();
    GameSession& session = *game.session;
    session.continueSavedGame(Consent::NotAsked);
    EXPECT_EQ(session.series().index(), 0);
    EXPECT_EQ(session.origin().kind, LevelOrigin::Kind::ResumedGame);
    // The mirror taken before quitting waits in the top-left cell.
    session.movePointer({1, 1, true}, PointerMove::Hover);
    session.movePointer({5, 5, false}, PointerMove::Drag);
    for (int turn = 0; turn < 3; ++turn) {
        session.turnGrabbed(Turn::Anticlockwise);
    }
    session.releasePointer();
    ASSERT_EQ(session.evaluation().verdict, Verdict::Solved);
    const std::string key =
        progressKey("Level01.prl", parseLevel(ScratchDir::read(game.seriesFile(1))).contentHash);
    EXPECT_TRUE(game.store.isSolved(key));
    session.nextLevel(Consent::NotAsked);
    EXPECT_EQ(session.series().index(), 1);
    EXPECT_EQ(session.level().name, "Bomb");
}

TEST(GameSession, TheArrowsAtAnEndStartTheLevelOverAsAStep)
{
    SessionFixture game;
    GameSession& session = *game.session;
    session.previousLevel(Consent::NotAsked);
    session.takeFromPalette(MirrorRow);
    const Level taken = session.level();
    session.previousLevel(Consent::NotAsked);
    EXPECT_EQ(paletteCount(session.level(), MirrorRow), 1) << "started over";
    session.undo();
    EXPECT_EQ(session.level(), taken);
}

TEST(GameSession, EveryLoadOffersThePlayCommands)
{
    SessionFixture game;
    GameSession& session = *game.session;
    session.newDesign(Consent::NotAsked);
    session.goToSeriesLevel(2, Consent::NotAsked);
    EXPECT_EQ(session.commandState(), CommandState::Playing);
    session.editLoaded();
    session.openFile(game.seriesFile(1), Consent::Given);
    EXPECT_EQ(session.commandState(), CommandState::Playing);
    session.editLoaded();
    session.playLoaded();
    EXPECT_EQ(session.commandState(), CommandState::PlayingWithEditorOpen);
}

TEST(GameSession, LeavingAChangedDesignIsAskedFirstAndChangesNothingUntilThen)
{
    SessionFixture game;
    GameSession& session = *game.session;
    buildGuardedDesign(session);
    const Level design = session.level();
    for (const SessionOutcome& outcome :
         {session.nextLevel(Consent::NotAsked), session.goToSeriesLevel(1, Consent::NotAsked),
          session.openFile(game.seriesFile(1), Consent::NotAsked),
          session.newDesign(Consent::NotAsked), session.continueSavedGame(Consent::NotAsked),
          session.openCoded(parseLevel(MirrorLevel).level, "B1", Consent::NotAsked),
          session.openGenerated({parseLevel(MirrorLevel).level, "S1", 0, {}}, PuzzleKind::Generated,
                                Consent::NotAsked)}) {
        EXPECT_EQ(outcome.question, Question::LeaveDesign);
    }
    EXPECT_EQ(session.level(), design);
    EXPECT_EQ(session.series().index(), 0);
    session.nextLevel(Consent::Given);
    EXPECT_EQ(session.series().index(), 1);
}

TEST(GameSession, AFileThatHoldsNoLevelIsRefusedAndChangesNothing)
{
    SessionFixture game;
    GameSession& session = *game.session;
    session.goToSeriesLevel(0, Consent::NotAsked);
    const Level before = session.level();
    for (const std::string_view bytes :
         {std::string_view(), std::string_view("\x89PNG\r\n\x1a\n\x01\xff\xfe", 11),
          std::string_view("Inköpslista:\nmjölk\n[bröd]\n")}) {
        const fs::path file = game.dir().write("junk.prl", bytes);
        const SessionOutcome outcome = session.openFile(file, Consent::NotAsked);
        ASSERT_TRUE(outcome.message);
        EXPECT_EQ(outcome.message->kind, SessionMessage::Kind::NotALevel);
        EXPECT_EQ(outcome.message->path, file.string());
        EXPECT_EQ(session.level(), before);
        EXPECT_EQ(session.loadedFile(), game.seriesFile(1));
    }
    const fs::path folder = game.dir() / "folder.prl";
    fs::create_directory(folder);
    const SessionOutcome outcome = session.openFile(folder, Consent::NotAsked);
    ASSERT_TRUE(outcome.message);
    EXPECT_EQ(outcome.message->kind, SessionMessage::Kind::FileRefused);
}

TEST(GameSession, UndoLeavesThePieceUnderAStillPointerReadyToTurn)
{
    SessionFixture game;
    GameSession& session = *game.session;
    session.goToSeriesLevel(0, Consent::NotAsked);
    session.takeFromPalette(MirrorRow);
    session.movePointer({1, 1, true}, PointerMove::Hover);
    session.turnGrabbed(Turn::Anticlockwise);
    session.undo();
    ASSERT_FALSE(session.grab().isNothing());
    session.turnGrabbed(Turn::Anticlockwise);
    EXPECT_EQ(session.level().pieces.back().direction, 1);
    session.leavePointer();
    session.undo();
    EXPECT_TRUE(session.grab().isNothing());
}

TEST(GameSession, ABombInPlayStartsTheLevelOverAndUndoTakesTheMoveBack)
{
    SessionFixture game;
    GameSession& session = *game.session;
    session.goToSeriesLevel(1, Consent::NotAsked); // the bomb level
    const Level loaded = session.level();
    solveByKeys(session);
    ASSERT_EQ(session.evaluation().verdict, Verdict::Solved);
    const Level solved = session.level();
    // Two more turns send the beam south into the bomb.
    session.movePointer({5, 5, true}, PointerMove::Hover);
    session.turnGrabbed(Turn::Anticlockwise);
    const SessionOutcome outcome = session.turnGrabbed(Turn::Anticlockwise);
    EXPECT_EQ(outcome.note, StatusNote::Bomb);
    EXPECT_EQ(session.level().pieces, loaded.pieces) << "started over";
    EXPECT_EQ(paletteCount(session.level(), MirrorRow), 1);
    EXPECT_TRUE(session.grab().isNothing());
    session.undo();
    EXPECT_EQ(session.level().pieces.back().direction, 4);
    session.undo();
    EXPECT_EQ(session.level(), solved);
}

TEST(GameSession, AnUnfinishedPositionIsSavedOnQuittingButNotByTheTestCopy)
{
    SessionFixture game;
    const fs::path testFile = game.playerFolder() / TestCopyFileName;
    fs::copy_file(game.seriesFile(1), testFile);
    GameSession& session = *game.session;
    session.start(testFile);
    EXPECT_TRUE(session.isTestCopy());
    EXPECT_TRUE(session.quit(Consent::NotAsked).close);
    EXPECT_FALSE(session.hasSavedGame());

    game.restartGame();
    game.session->start(game.seriesFile(1));
    EXPECT_FALSE(game.session->isTestCopy());
    EXPECT_TRUE(game.session->quit(Consent::NotAsked).close);
    EXPECT_TRUE(game.session->hasSavedGame());
}

TEST(GameSession, AFailedSaveOnQuittingIsReportedAndAsked)
{
    SessionFixture game;
    GameSession& session = *game.session;
    session.goToSeriesLevel(0, Consent::NotAsked);
    // The player's folder is a file: nothing can be written into it.
    fs::remove_all(game.playerFolder());
    game.dir().write("player", "not a folder");
    const SessionOutcome outcome = session.quit(Consent::NotAsked);
    EXPECT_FALSE(outcome.close);
    EXPECT_EQ(outcome.question, Question::QuitWithoutSave);
    ASSERT_TRUE(outcome.message);
    EXPECT_EQ(outcome.message->kind, SessionMessage::Kind::SaveFailed);
    EXPECT_TRUE(session.quit(Consent::Given).close);
}

TEST(GameSession, SavingADesignNeedsALitLevelASafeStartAndAName)
{
    SessionFixture game;
    GameSession& session = *game.session;
    session.newDesign(Consent::NotAsked);
    EXPECT_EQ(session.checkDesign().message->kind, SessionMessage::Kind::NotWorking)
        << "a design without a lamp is no level";
    buildGuardedDesign(session);
    // With the mirror in the player's hand the cannon fires into the bomb.
    for (const SessionOutcome& refused :
         {session.testDesign(),
          session.saveDesign(game.playerFolder() / "b.prl", Consent::Given)}) {
        ASSERT_TRUE(refused.message);
        EXPECT_EQ(refused.message->kind, SessionMessage::Kind::BombAtStart);
        EXPECT_FALSE(refused.startCopyOn);
    }
    EXPECT_FALSE(fs::exists(game.playerFolder() / TestCopyFileName));
    EXPECT_FALSE(fs::exists(game.playerFolder() / "b.prl"));
    session.moveCursor(3, 0);
    session.giveBackAtCursor();
    putByKeys(session, BombRow, 6, 6);
    EXPECT_FALSE(session.checkDesign().message);
    const fs::path target = game.playerFolder() / "ny.prl";
    SessionOutcome outcome = session.saveDesign(target, Consent::NotAsked);
    ASSERT_TRUE(outcome.message);
    EXPECT_EQ(outcome.message->kind, SessionMessage::Kind::NameMissing);
    EXPECT_TRUE(outcome.focusName);
    session.setName("Ny");
    game.dir().write("player/ny.prl", "old");
    EXPECT_EQ(session.saveDesign(target, Consent::NotAsked).question, Question::ReplaceFile);
    outcome = session.saveDesign(target, Consent::Given);
    EXPECT_FALSE(outcome.message);
    EXPECT_EQ(session.commandState(), CommandState::Playing);
    EXPECT_FALSE(session.isDesignChanged());
    EXPECT_EQ(parseLevel(ScratchDir::read(target)).level.name, "Ny");
}

TEST(GameSession, AGeneratedLevelRestartsAsGeneratedAndIsRememberedSolved)
{
    SessionFixture game;
    GameSession& session = *game.session;
    const Level generated = parseLevel(MirrorLevel).level;
    const SessionOutcome outcome =
        session.openGenerated({generated, "S1-CODE", 7, {}}, PuzzleKind::Daily, Consent::NotAsked);
    EXPECT_TRUE(outcome.loaded);
    EXPECT_EQ(session.origin().kind, LevelOrigin::Kind::Generated);
    EXPECT_EQ(session.origin().code, "S1-CODE");
    ASSERT_EQ(game.store.generated.size(), 1U);
    EXPECT_FALSE(game.store.generated[0].isSolved);
    EXPECT_TRUE(game.store.generated[0].isDaily);

    putByKeys(session, MirrorRow, 2, 2);
    ASSERT_TRUE(session.canRestart());
    session.restart();
    EXPECT_EQ(session.level(), generated);

    solveByKeys(session);
    ASSERT_EQ(game.store.generated.size(), 1U);
    EXPECT_TRUE(game.store.generated[0].isSolved);
    EXPECT_EQ(decodeLevelCode(game.store.generated[0].levelCode).value(), generated);
    // Opened again, it stays solved; a level from a code is not listed.
    game.restartGame();
    game.session->openGenerated({generated, "S1-CODE", 7, {}}, PuzzleKind::Daily, Consent::Given);
    game.session->openCoded(generated, "B1-CODE", Consent::Given);
    EXPECT_EQ(game.session->origin().kind, LevelOrigin::Kind::Code);
    ASSERT_EQ(game.store.generated.size(), 1U);
    EXPECT_TRUE(game.store.generated[0].isSolved);
}

} // namespace
} // namespace prismora::testing
