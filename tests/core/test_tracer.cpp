// Beam tracing: piece rules, stopping points, lamps and the two-pass order.
#include "board_fixture.h"

#include "core/tracer.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace prismora {
namespace {

using testing::Cannon;
using testing::EndCell;
using testing::Place;
using testing::RecordingSink;

// The rule of one piece at direction d for a beam travelling b, as text:
// "-" blocked, else the new direction.
std::string Rule(PieceKind kind, int d, int b)
{
    Board board;
    const int index = Place(board, kind, 5, 5, d);
    const auto turned = ApplyPiece(board, index, static_cast<std::uint8_t>(b), RedBeam);
    return turned ? std::to_string(*turned) : "-";
}

TEST(ApplyPieceTest, RulesAtDirectionZeroMatchTheTable)
{
    const std::array<std::pair<PieceKind, std::array<const char*, 8>>, 8> table{{
        {PieceKind::Mirror, {"-", "-", "-", "1", "-", "7", "-", "-"}},
        {PieceKind::DoubleMirror, {"-", "3", "-", "1", "-", "7", "-", "5"}},
        {PieceKind::TCoupling, {"-", "-", "-", "-", "2", "-", "-", "-"}},
        {PieceKind::TCoupling2, {"-", "-", "0", "-", "-", "-", "-", "-"}},
        {PieceKind::Cross, {"7", "-", "-", "4", "3", "-", "-", "0"}},
        {PieceKind::Inverter, {"-", "-", "-", "-", "-", "-", "-", "-"}},
        {PieceKind::YCoupling, {"-", "-", "-", "-", "3", "-", "-", "-"}},
        {PieceKind::OneWay, {"0", "-", "-", "-", "-", "-", "-", "-"}},
    }};
    for (const auto& [kind, expected] : table) {
        for (int b = 0; b < 8; ++b) {
            EXPECT_EQ(Rule(kind, 0, b), expected[static_cast<std::size_t>(b)])
                << "kind " << static_cast<int>(kind) << " b " << b;
        }
    }
}

TEST(ApplyPieceTest, TurningAPieceTurnsEveryRule)
{
    for (PieceKind kind : {PieceKind::Mirror, PieceKind::DoubleMirror, PieceKind::Cross,
                           PieceKind::TCoupling, PieceKind::YCoupling, PieceKind::OneWay}) {
        for (int d = 0; d < 8; ++d) {
            for (int b = 0; b < 8; ++b) {
                const std::string base = Rule(kind, 0, (b - d + 8) % 8);
                const std::string turned =
                    base == "-" ? "-" : std::to_string((std::stoi(base) + d) % 8);
                EXPECT_EQ(Rule(kind, d, b), turned)
                    << static_cast<int>(kind) << " d" << d << " b" << b;
            }
        }
    }
}

TEST(ApplyPieceTest, WorkedCases)
{
    EXPECT_EQ(Rule(PieceKind::Mirror, 3, 0), "2");       // east leaves north
    EXPECT_EQ(Rule(PieceKind::Mirror, 3, 6), "4");       // south leaves west
    EXPECT_EQ(Rule(PieceKind::DoubleMirror, 1, 0), "6"); // east leaves south
    EXPECT_EQ(Rule(PieceKind::DoubleMirror, 1, 2), "4");
    EXPECT_EQ(Rule(PieceKind::DoubleMirror, 1, 4), "2");
    EXPECT_EQ(Rule(PieceKind::DoubleMirror, 1, 6), "0");
    EXPECT_EQ(Rule(PieceKind::TCoupling, 4, 0), "6");
    EXPECT_EQ(Rule(PieceKind::TCoupling2, 6, 0), "6");
    EXPECT_EQ(Rule(PieceKind::YCoupling, 4, 0), "7");
    EXPECT_EQ(Rule(PieceKind::OneWay, 2, 2), "2");
    EXPECT_EQ(Rule(PieceKind::OneWay, 2, 6), "-");
}

TEST(ApplyPieceTest, OutputsAreFedWithTheRightDirectionAndColour)
{
    Board board;
    const int t = Place(board, PieceKind::TCoupling, 5, 5, 4);
    ApplyPiece(board, t, 0, BlueBeam);
    const Emitter& tOut = board.Emitters[board.Pieces[t].EmitterIndex];
    EXPECT_TRUE(tOut.Active);
    EXPECT_EQ(tOut.Direction, 2);
    EXPECT_EQ(tOut.Color, BlueBeam);

    const int t2 = Place(board, PieceKind::TCoupling2, 6, 5, 6);
    ApplyPiece(board, t2, 0, GreenBeam);
    EXPECT_EQ(board.Emitters[board.Pieces[t2].EmitterIndex].Direction, 0);

    const int y = Place(board, PieceKind::YCoupling, 7, 5, 4);
    ApplyPiece(board, y, 0, RedBeam);
    EXPECT_EQ(board.Emitters[board.Pieces[y].EmitterIndex].Direction, 1);
}

TEST(ApplyPieceTest, InverterCyclesColoursBothWaysAndKeepsOthers)
{
    struct Case {
        int travel;
        std::int32_t in;
        std::int32_t out;
    };
    const std::array<Case, 6> cases{{{0, RedBeam, GreenBeam},
                                     {0, GreenBeam, BlueBeam},
                                     {0, BlueBeam, RedBeam},
                                     {4, RedBeam, BlueBeam},
                                     {4, BlueBeam, GreenBeam},
                                     {4, GreenBeam, RedBeam}}};
    for (const Case& c : cases) {
        Board board;
        const int inverter = Place(board, PieceKind::Inverter, 5, 5, 0);
        EXPECT_FALSE(ApplyPiece(board, inverter, static_cast<std::uint8_t>(c.travel), c.in));
        const Emitter& out = board.Emitters[board.Pieces[inverter].EmitterIndex];
        EXPECT_TRUE(out.Active);
        EXPECT_EQ(out.Direction, c.travel);
        EXPECT_EQ(out.Color, c.out) << c.travel << " " << c.in;
    }
    Board board;
    const int inverter = Place(board, PieceKind::Inverter, 5, 5, 0);
    ApplyPiece(board, inverter, 2, RedBeam);
    EXPECT_FALSE(board.Emitters[0].Active) << "beams across the inverter feed nothing";
    ApplyPiece(board, inverter, 0, WhiteBeam);
    EXPECT_TRUE(board.Emitters[0].Active);
    EXPECT_EQ(board.Emitters[0].Color, WhiteBeam) << "an unfed output keeps its white";
}

TEST(TraceBeamTest, BeamsEndAtTheCellThatStopsThem)
{
    Board board;
    Cannon(board, 9, 5, 0, RedBeam);
    RecordingSink offEdge;
    TraceBeam(board, 0, &offEdge);
    ASSERT_EQ(offEdge.segments.size(), 1u);
    EXPECT_EQ(EndCell(offEdge.segments[0]).first, 10);
    EXPECT_EQ(EndCell(offEdge.segments[0]).second, 5);

    Board blocked;
    Cannon(blocked, 2, 2, 0, RedBeam);
    Place(blocked, PieceKind::Obstacle, 3, 2);
    RecordingSink toObstacle;
    TraceBeam(blocked, 0, &toObstacle);
    ASSERT_EQ(toObstacle.segments.size(), 1u);
    EXPECT_EQ(toObstacle.segments[0].x2, 3 * 50 - 24);
}

TEST(TraceBeamTest, BeamsCrossTheInvisibleColumnZeroBeforeEnding)
{
    Board board;
    Cannon(board, 3, 4, 4, GreenBeam);
    RecordingSink sink;
    TraceBeam(board, 0, &sink);
    ASSERT_EQ(sink.segments.size(), 4u); // 3 -> 2 -> 1 -> 0 -> -1
    EXPECT_EQ(EndCell(sink.segments.back()).first, -1) << "ends at column -1";
    EXPECT_EQ(sink.segments.back().x2, -1 * 50 - 24);
}

TEST(TraceBeamTest, AnotherCannonsCellStopsTheBeam)
{
    Board board;
    Cannon(board, 1, 1, 0, RedBeam);
    Cannon(board, 4, 1, 4, BlueBeam);
    RecordingSink sink;
    TraceBeam(board, 0, &sink);
    ASSERT_EQ(sink.segments.size(), 3u);
    EXPECT_EQ(sink.segments.back().x2, 4 * 50 - 24);
}

TEST(TraceBeamTest, LampsLightOnlyInTheirColourAndTheBeamPassesOn)
{
    Board board;
    Cannon(board, 1, 3, 0, RedBeam);
    const int red = Place(board, PieceKind::RedLamp, 3, 3);
    const int green = Place(board, PieceKind::GreenLamp, 4, 3);
    const int white = Place(board, PieceKind::WhiteLamp, 5, 3);
    RecordingSink sink;
    TraceAll(board, &sink);
    EXPECT_TRUE(board.Pieces[red].Lit);
    EXPECT_FALSE(board.Pieces[green].Lit);
    EXPECT_TRUE(board.Pieces[white].RedHit);
    EXPECT_FALSE(board.Pieces[white].GreenHit);
    EXPECT_FALSE(board.Pieces[white].BlueHit);
    EXPECT_EQ(sink.segments.back().x2, 10 * 50 - 24) << "the beam runs on past all three";
}

TEST(TraceBeamTest, BombsStopBeamsButCountOnlyInPlay)
{
    Board board;
    Cannon(board, 1, 1, 0, RedBeam);
    Place(board, PieceKind::Bomb, 3, 1);
    board.PlayMode = false;
    TraceAll(board, nullptr);
    EXPECT_FALSE(board.BombHit);
    board.PlayMode = true;
    RecordingSink sink;
    TraceAll(board, &sink);
    EXPECT_TRUE(board.BombHit);
    EXPECT_EQ(sink.segments.size(), 4u) << "two steps, traced in both passes";
}

TEST(TraceBeamTest, APieceOnItsCannonsCellCannotLoopForever)
{
    // The cannon fires east from (5,5); a double mirror on its cell and three
    // more lead the beam round a square back through the cannon's cell.
    Board board;
    Cannon(board, 5, 5, 0, RedBeam);
    Place(board, PieceKind::DoubleMirror, 7, 5, 1); // east -> south
    Place(board, PieceKind::DoubleMirror, 7, 7, 3);
    Place(board, PieceKind::DoubleMirror, 5, 7, 1);
    Place(board, PieceKind::DoubleMirror, 5, 5, 3);
    RecordingSink sink;
    TraceAll(board, &sink);
    ASSERT_FALSE(sink.segments.empty());
    EXPECT_LT(sink.segments.size(), 2u * 10 * 10 * 8) << "each trace enters a state at most once";
    const BeamSegment& last = sink.segments.back();
    // The repeated state is entered (and drawn) once more, then the trace ends.
    EXPECT_EQ(last.x2, 6 * 50 - 24);
    EXPECT_EQ(last.y2, 5 * 50 - 24);
}

TEST(TraceAllTest, AnOutputFedByACannonEmitsInTheSameRepaintWhateverTheOrder)
{
    for (bool cannonFirst : {true, false}) {
        Board board;
        if (cannonFirst) {
            Cannon(board, 1, 5, 0, BlueBeam);
        }
        const int t = Place(board, PieceKind::TCoupling, 4, 5, 4);
        if (!cannonFirst) {
            Cannon(board, 1, 5, 0, BlueBeam);
        }
        const int lamp = Place(board, PieceKind::BlueLamp, 4, 2);
        TraceAll(board, nullptr);
        const Emitter& out = board.Emitters[board.Pieces[t].EmitterIndex];
        EXPECT_TRUE(out.Active);
        EXPECT_EQ(out.Color, BlueBeam);
        EXPECT_TRUE(board.Pieces[lamp].Lit) << "cannon first: " << cannonFirst;
    }
}

// Cannon at (1,5) east feeds splitter A at (4,5); A's output (north) feeds
// splitter B at (4,2), whose output (east) should reach a lamp at (8,2).
struct Chain {
    Board board;
    int lamp;
};

Chain BuildChain(bool cannonFirst, bool bBeforeA)
{
    Chain chain;
    Board& board = chain.board;
    if (cannonFirst) {
        Cannon(board, 1, 5, 0, RedBeam);
    }
    // A: TCoupling at d=4 takes a beam travelling east, sends it south and its output north.
    // B: TCoupling2 at d=0 takes a beam travelling north, lets it go east (0) and feeds north (2).
    auto placeA = [&] { Place(board, PieceKind::TCoupling, 4, 5, 4); };
    auto placeB = [&] { Place(board, PieceKind::TCoupling2, 4, 2, 0); };
    if (bBeforeA) {
        placeB();
        placeA();
    } else {
        placeA();
        placeB();
    }
    if (!cannonFirst) {
        Cannon(board, 1, 5, 0, RedBeam);
    }
    chain.lamp = Place(board, PieceKind::RedLamp, 4, 1);
    return chain;
}

TEST(TraceAllTest, ChainDepthIsLimitedByEmitterOrderAfterALoad)
{
    // As after a load: the cannon's index is above both outputs.
    Chain bLow = BuildChain(false, true);
    TraceAll(bLow.board, nullptr);
    EXPECT_FALSE(bLow.board.Pieces[bLow.lamp].Lit) << "B's output, below A's, is never traced";

    Chain bHigh = BuildChain(false, false);
    TraceAll(bHigh.board, nullptr);
    EXPECT_TRUE(bHigh.board.Pieces[bHigh.lamp].Lit) << "B's output, above A's, is traced in pass 2";

    for (bool bBeforeA : {true, false}) {
        Chain early = BuildChain(true, bBeforeA);
        TraceAll(early.board, nullptr);
        EXPECT_TRUE(early.board.Pieces[early.lamp].Lit)
            << "cannon added first, B before A: " << bBeforeA;
    }
}

TEST(TraceAllTest, OnlyTheLowerOfTwoPiecesOnACellActs)
{
    Board board;
    Cannon(board, 1, 5, 0, RedBeam);
    Place(board, PieceKind::DoubleMirror, 5, 5, 1); // east -> south
    Place(board, PieceKind::Mirror, 5, 5, 3);       // would send it north
    const int south = Place(board, PieceKind::RedLamp, 5, 8);
    TraceAll(board, nullptr);
    EXPECT_TRUE(board.Pieces[south].Lit);
}

TEST(TraceAllTest, OddValuesFromFilesNeverIndexPastTheTables)
{
    Board board;
    Cannon(board, 5, 5, 255, RedBeam); // a cannon section without "Direction"
    Place(board, PieceKind{200}, 6, 6);
    Place(board, PieceKind::Mirror, 2, 2, 250);
    Cannon(board, 2147483647, -2147483647 - 1, 3, GreenBeam);
    RecordingSink sink;
    TraceAll(board, &sink);
    ASSERT_FALSE(sink.segments.empty());
    EXPECT_EQ(sink.segments.front().x2, 6 * 50 - 24) << "255 steps south-east like 7";
    EXPECT_EQ(sink.segments.front().y2, 6 * 50 - 24);
}

} // namespace
} // namespace prismora
