// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The board's animations: their timing as a function of the time, and the board they end on.
#include "rendered_board.h"

#include "view/board_view.h"
#include "view/effect_painter.h"

#include <gtest/gtest.h>

namespace prismora::test {
namespace {

TEST(BoardEffects, EachEffectRisesAndFadesWithinItsTimeAndTheWarningLastsUntilRemoved)
{
    for (const EffectKind kind :
         {EffectKind::LampGlow, EffectKind::BombFlash, EffectKind::PieceTaken,
          EffectKind::PieceDropped, EffectKind::Celebration}) {
        const std::int64_t duration = effectDuration(kind);
        ASSERT_GT(duration, 0);
        EXPECT_TRUE(effectLook(kind, 0).isLive);
        EXPECT_TRUE(effectLook(kind, duration - 1).isLive);
        EXPECT_FALSE(effectLook(kind, duration).isLive);
        EXPECT_LT(effectLook(kind, duration - 1).strength, 0.05) << "ends faded";
    }
    EXPECT_GT(effectLook(EffectKind::LampGlow, 70).strength, 0.95);
    EXPECT_GT(effectLook(EffectKind::LampGlow, 200).strength,
              effectLook(EffectKind::LampGlow, 400).strength);
    EXPECT_GT(effectLook(EffectKind::BombFlash, 100).strength, 0.95);
    EXPECT_LT(effectLook(EffectKind::BombFlash, 200).strength, 0.05);
    EXPECT_TRUE(effectLook(EffectKind::BombWarning, 3'600'000).isLive);

    BoardEffects effects;
    effects.add({EffectKind::PieceTaken, {2, 3}, {}, 0, {}});
    effects.add({EffectKind::PieceTaken, {2, 3}, {}, 100, {}});
    EXPECT_EQ(effects.effects().size(), 1U) << "one of a kind on a cell";
    effects.add({EffectKind::BombWarning, {0, 0}, {}, 0, {}});
    EXPECT_TRUE(effects.prune(10'000));
    EXPECT_EQ(effects.effects().size(), 1U);
}

// A lit lamp on the board: a red cannon at (1, 5) firing east into a red lamp at (5, 5).
Level litLampLevel()
{
    Level level;
    cannon(level, 1, 5, 0, RedBeam);
    place(level, PieceKind::RedLamp, 5, 5);
    return level;
}

// A board view whose effects run on a clock the test moves.
struct ClockedView {
    ClockedView(const Level& level, const Evaluation& evaluation)
    {
        view.setEffectClock([this] { return now; });
        view.showLevel(&level, &evaluation);
    }
    QImage picture() { return view.grab().toImage(); }

    BoardView view{standardSprites()};
    std::int64_t now = 0;
};

TEST(BoardEffects, TheCelebrationMovesAndEndsOnThePlainBoardAndIsNotShownWithAnimationsOff)
{
    const Level level = litLampLevel();
    const Evaluation evaluation = evaluate(level);
    ClockedView board(level, evaluation);
    const QImage plain = board.picture();
    board.view.startEffect({EffectKind::Celebration, {0, 0}, {}, 0, {}});
    board.now = 300;
    const QImage early = board.picture();
    board.now = 400;
    EXPECT_NE(board.picture(), early);
    board.now = 1000;
    board.view.advanceEffects();
    EXPECT_FALSE(board.view.isAnimating());
    EXPECT_EQ(board.picture(), plain);

    board.view.setAnimations(Animations::Off);
    board.view.startEffect({EffectKind::Celebration, {0, 0}, {}, 0, {}});
    EXPECT_FALSE(board.view.isAnimating());
}

TEST(BoardEffects, ABombFlashShowsThePositionThatSetItOff)
{
    Level exploded = litLampLevel();
    exploded.mode = Mode::Play;
    place(exploded, PieceKind::Bomb, 3, 5);
    const auto explosion =
        std::make_shared<const Explosion>(Explosion{exploded, evaluate(exploded)});
    ASSERT_EQ(bombsHit(explosion->level, explosion->evaluation).size(), 1U);
    const Level restarted = litLampLevel();
    const Evaluation evaluation = evaluate(restarted);
    ClockedView board(restarted, evaluation);
    board.view.startEffect({EffectKind::BombFlash, {0, 0}, {}, 0, explosion});
    board.now = 200; // between two flashes: the exploded board as it stood
    EXPECT_EQ(board.picture(), render(exploded));
    board.now = 600;
    board.view.advanceEffects();
    EXPECT_EQ(board.picture(), render(restarted));
}

} // namespace
} // namespace prismora::test
