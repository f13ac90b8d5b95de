// The board widget: its size, the verdict after each paint, and the pointer signals.
#include "view/board_widget.h"
#include "view/sprite_set.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace prismora {
namespace {

TEST(BoardWidget, PaintsReportTheVerdictOnlyWhenPaintingIsEnabled)
{
    Board board;
    board.AppendPiece(PieceKind::RedLamp, 3, 3, 0);
    BoardWidget widget(board, StandardSprites());
    EXPECT_EQ(widget.size(), QSize(451, 451));
    EXPECT_TRUE(widget.hasMouseTracking());
    QSignalSpy painted(&widget, &BoardWidget::painted);
    const QImage picture = widget.grab().toImage();
    ASSERT_EQ(painted.count(), 1);
    const auto verdict = painted.at(0).at(0).value<VerdictResult>();
    EXPECT_EQ(verdict.verdict, Verdict::LampsLeft);
    EXPECT_EQ(verdict.status, "1 lampor kvar att tända");
    EXPECT_EQ(picture.pixelColor(25, 25), QColor(0xC0, 0xC0, 0xC0));

    board.PaintEnabled = false;
    widget.grab();
    EXPECT_EQ(painted.count(), 1);
}

TEST(BoardWidget, ForwardsPressesDoubleClicksMovesAndReleases)
{
    Board board;
    BoardWidget widget(board, StandardSprites());
    widget.show();
    QSignalSpy presses(&widget, &BoardWidget::boardMousePress);
    QSignalSpy releases(&widget, &BoardWidget::boardMouseRelease);
    QSignalSpy moves(&widget, &BoardWidget::boardMouseMove);
    QTest::mousePress(&widget, Qt::RightButton, Qt::ShiftModifier, QPoint(120, 75));
    QTest::mouseRelease(&widget, Qt::RightButton, Qt::NoModifier, QPoint(121, 76));
    QTest::mouseMove(&widget, QPoint(300, 310));
    QTest::mouseDClick(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(10, 20));

    ASSERT_GE(presses.count(), 2);
    EXPECT_EQ(presses.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(presses.at(0).at(2).value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
    EXPECT_EQ(presses.at(0).at(3).toPoint(), QPoint(120, 75));
    EXPECT_FALSE(presses.at(0).at(4).toBool());
    EXPECT_TRUE(presses.last().at(4).toBool());
    EXPECT_EQ(presses.last().at(3).toPoint(), QPoint(10, 20));
    ASSERT_GE(releases.count(), 1);
    EXPECT_EQ(releases.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(releases.at(0).at(3).toPoint(), QPoint(121, 76));
    ASSERT_GE(moves.count(), 1);
    EXPECT_EQ(moves.last().at(2).toPoint(), QPoint(300, 310));
}

} // namespace
} // namespace prismora
