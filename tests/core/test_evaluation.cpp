// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Evaluation: where beams stop, lamps, bombs, the two-pass order, outputs' memory and the verdict.
#include "level_builder.h"

#include "core/evaluation.h"

#include <gtest/gtest.h>

namespace prismora {
namespace {

using testing::cannon;
using testing::place;
using testing::playLevel;

// Each active source is traced in both passes, so a single beam appears twice.
std::size_t stepsOfOneBeam(const Evaluation& evaluation) { return evaluation.segments.size() / 2; }

TEST(EvaluationTest, BeamsEndAtTheCellThatStopsThem)
{
    Level offEdge = playLevel();
    cannon(offEdge, 9, 5, 0, RedBeam);
    Evaluation evaluation = evaluate(offEdge);
    ASSERT_EQ(stepsOfOneBeam(evaluation), 1u);
    EXPECT_EQ(evaluation.segments[0], (BeamSegment{9, 5, 10, 5, RedBeam}));

    Level blocked = playLevel();
    cannon(blocked, 2, 2, 0, RedBeam);
    place(blocked, PieceKind::Obstacle, 3, 2);
    evaluation = evaluate(blocked);
    ASSERT_EQ(stepsOfOneBeam(evaluation), 1u);
    EXPECT_EQ(evaluation.segments[0].toColumn, 3);

    Level twoCannons = playLevel();
    cannon(twoCannons, 1, 1, 0, RedBeam);
    cannon(twoCannons, 4, 1, 4, BlueBeam);
    evaluation = evaluate(twoCannons);
    EXPECT_EQ(evaluation.segments[2].toColumn, 4) << "another cannon's cell stops the beam";
    EXPECT_EQ(evaluation.segments[3].fromColumn, 4);
}

TEST(EvaluationTest, BeamsCrossTheInvisibleColumnZeroBeforeEnding)
{
    Level level = playLevel();
    cannon(level, 3, 4, 4, GreenBeam);
    const Evaluation evaluation = evaluate(level);
    ASSERT_EQ(stepsOfOneBeam(evaluation), 4u); // 3 -> 2 -> 1 -> 0 -> -1
    EXPECT_EQ(evaluation.segments[3].toColumn, -1);
}

TEST(EvaluationTest, LampsLightOnlyInTheirColourAndTheBeamPassesOn)
{
    Level level = playLevel();
    cannon(level, 1, 3, 0, RedBeam);
    const int red = place(level, PieceKind::RedLamp, 3, 3);
    const int green = place(level, PieceKind::GreenLamp, 4, 3);
    const int white = place(level, PieceKind::WhiteLamp, 5, 3);
    const Evaluation evaluation = evaluate(level);
    EXPECT_TRUE(evaluation.pieces[red].lit);
    EXPECT_FALSE(evaluation.pieces[green].lit);
    EXPECT_EQ(evaluation.pieces[white], (PieceLight{false, true, false, false}));
    EXPECT_EQ(evaluation.segments.back().toColumn, 10) << "the beam runs on past all three";
    EXPECT_EQ(evaluation.unlitLamps, 2);
    EXPECT_EQ(evaluation.litLamps, 1);
    EXPECT_EQ(evaluation.statusText(), "2 lampor kvar att tända");
}

TEST(EvaluationTest, AWhiteLampNeedsAllThreeColours)
{
    Level level = playLevel();
    cannon(level, 1, 5, 0, RedBeam);
    cannon(level, 5, 9, 2, BlueBeam);
    const int white = place(level, PieceKind::WhiteLamp, 5, 5);
    EXPECT_FALSE(evaluate(level).pieces[white].lit);

    cannon(level, 9, 5, 4, GreenBeam);
    const Evaluation evaluation = evaluate(level);
    EXPECT_TRUE(evaluation.pieces[white].lit);
    EXPECT_EQ(evaluation.verdict, Verdict::Solved);
    EXPECT_EQ(evaluation.statusText(), "Grattis! Du klarade det :)");
    EXPECT_TRUE(evaluation.isFinished());
}

TEST(EvaluationTest, ABoardWithoutLampsCountsAsFinished)
{
    Level level = playLevel();
    const int lamp = place(level, PieceKind::BlueLamp, 2, 2);
    EXPECT_FALSE(evaluate(level).isFinished());
    level.pieces[lamp].removed = true;
    const Evaluation evaluation = evaluate(level);
    EXPECT_EQ(evaluation.verdict, Verdict::NoLamps);
    EXPECT_EQ(evaluation.statusText(), "Ingen level laddad");
    EXPECT_TRUE(evaluation.isFinished());
}

TEST(EvaluationTest, BombsStopBeamsAndWinOverEveryLampButOnlyInPlay)
{
    Level level = playLevel();
    cannon(level, 1, 1, 0, RedBeam);
    place(level, PieceKind::RedLamp, 2, 1);
    place(level, PieceKind::Bomb, 3, 1);
    Evaluation evaluation = evaluate(level);
    EXPECT_TRUE(evaluation.bombHit);
    EXPECT_EQ(evaluation.verdict, Verdict::Bomb);
    EXPECT_EQ(evaluation.statusText(), "BOOOOOOM bara att börja om...");
    EXPECT_FALSE(evaluation.isFinished());
    EXPECT_EQ(stepsOfOneBeam(evaluation), 2u);

    level.mode = Mode::Edit;
    evaluation = evaluate(level);
    EXPECT_FALSE(evaluation.bombHit);
    EXPECT_EQ(evaluation.verdict, Verdict::Solved) << "the editor ignores bombs";
}

TEST(EvaluationTest, APieceOnItsCannonsCellCannotLoopForever)
{
    // The cannon fires east from (5,5); a double mirror on its cell and three
    // more lead the beam round a square back through the cannon's cell.
    Level level = playLevel();
    cannon(level, 5, 5, 0, RedBeam);
    place(level, PieceKind::DoubleMirror, 7, 5, 1);
    place(level, PieceKind::DoubleMirror, 7, 7, 3);
    place(level, PieceKind::DoubleMirror, 5, 7, 1);
    place(level, PieceKind::DoubleMirror, 5, 5, 3);
    const Evaluation evaluation = evaluate(level);
    ASSERT_FALSE(evaluation.segments.empty());
    EXPECT_LT(evaluation.segments.size(), 2u * 10 * 10 * 8);
    // The repeated state is entered (and drawn) once more, then the trace ends.
    EXPECT_EQ(evaluation.segments.back().toColumn, 6);
    EXPECT_EQ(evaluation.segments.back().toRow, 5);
}

TEST(EvaluationTest, AnOutputFedByACannonEmitsInTheSameEvaluationWhateverTheOrder)
{
    for (bool cannonFirst : {true, false}) {
        Level level = playLevel();
        if (cannonFirst) {
            cannon(level, 1, 5, 0, BlueBeam);
        }
        const int t = place(level, PieceKind::TCoupling, 4, 5, 4);
        if (!cannonFirst) {
            cannon(level, 1, 5, 0, BlueBeam);
        }
        const int lamp = place(level, PieceKind::BlueLamp, 4, 2);
        const Evaluation evaluation = evaluate(level);
        const SourceState& out = evaluation.sources[level.pieces[t].output];
        EXPECT_TRUE(out.active);
        EXPECT_EQ(out.colour, BlueBeam);
        EXPECT_TRUE(evaluation.pieces[lamp].lit) << "cannon first: " << cannonFirst;
    }
}

// Cannon at (1,5) east feeds splitter A at (4,5); A's output (north) feeds
// splitter B at (4,2), whose output (north) should reach a lamp at (4,1).
int buildChain(Level& level, bool cannonFirst, bool bBeforeA)
{
    if (cannonFirst) {
        cannon(level, 1, 5, 0, RedBeam);
    }
    const auto placeA = [&] { place(level, PieceKind::TCoupling, 4, 5, 4); };
    const auto placeB = [&] { place(level, PieceKind::TCoupling2, 4, 2, 0); };
    if (bBeforeA) {
        placeB();
        placeA();
    } else {
        placeA();
        placeB();
    }
    if (!cannonFirst) {
        cannon(level, 1, 5, 0, RedBeam);
    }
    return place(level, PieceKind::RedLamp, 4, 1);
}

TEST(EvaluationTest, ChainDepthIsLimitedBySourceOrderAfterALoad)
{
    Level bLow = playLevel();
    const int lampLow = buildChain(bLow, false, true);
    EXPECT_FALSE(evaluate(bLow).pieces[lampLow].lit) << "B's output, below A's, is never traced";

    Level bHigh = playLevel();
    const int lampHigh = buildChain(bHigh, false, false);
    EXPECT_TRUE(evaluate(bHigh).pieces[lampHigh].lit) << "B's output above A's: traced in pass 2";

    for (bool bBeforeA : {true, false}) {
        Level early = playLevel();
        const int lamp = buildChain(early, true, bBeforeA);
        EXPECT_TRUE(evaluate(early).pieces[lamp].lit) << "cannon first, B before A: " << bBeforeA;
    }
}

TEST(EvaluationTest, OnlyTheLowerOfTwoPiecesOnACellActs)
{
    Level level = playLevel();
    cannon(level, 1, 5, 0, RedBeam);
    place(level, PieceKind::DoubleMirror, 5, 5, 1); // east -> south
    place(level, PieceKind::Mirror, 5, 5, 3);       // would send it north
    const int south = place(level, PieceKind::RedLamp, 5, 8);
    EXPECT_TRUE(evaluate(level).pieces[south].lit);
}

TEST(EvaluationTest, AnInverterFedWhitePassesOnTheColourItsOutputLastCarried)
{
    Level level = playLevel();
    const int red = cannon(level, 1, 5, 0, RedBeam);
    cannon(level, 5, 9, 2, WhiteBeam);
    const int inverter = place(level, PieceKind::Inverter, 5, 5, 0);
    const int east = place(level, PieceKind::GreenLamp, 8, 5);
    const int north = place(level, PieceKind::GreenLamp, 5, 2);
    Evaluation evaluation = evaluate(level);
    EXPECT_TRUE(evaluation.pieces[east].lit) << "red made green";

    // The red cannon goes, and the inverter turns to take the white beam from below.
    level.sources[red].removed = true;
    level.pieces[inverter].direction = 2;
    reevaluate(level, evaluation);
    EXPECT_TRUE(evaluation.pieces[north].lit) << "white passes on in the green it last made";
    EXPECT_FALSE(evaluate(level).pieces[north].lit) << "after a load outputs start white";
}

TEST(EvaluationTest, OddValuesFromFilesNeverIndexPastTheTables)
{
    Level level = playLevel();
    cannon(level, 5, 5, 255, RedBeam); // a cannon section without "Direction"
    place(level, PieceKind{200}, 6, 6);
    place(level, PieceKind::Mirror, 2, 2, 250);
    cannon(level, 2147483647, -2147483647 - 1, 3, GreenBeam);
    const Evaluation evaluation = evaluate(level);
    ASSERT_FALSE(evaluation.segments.empty());
    EXPECT_EQ(evaluation.segments.front(), (BeamSegment{5, 5, 6, 6, RedBeam}))
        << "255 steps south-east like 7";
    EXPECT_EQ(evaluation.segments[1].toRow, -2147483649LL) << "one step past the 32-bit range";
}

} // namespace
} // namespace prismora
