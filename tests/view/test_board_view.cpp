// The board view: its size and the pointer signals it reports.
#include "view/board_view.h"
#include "view/sprite_set.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace prismora {
namespace {

TEST(BoardView, ForwardsPressesDoubleClicksMovesAndReleases)
{
    BoardView view(standardSprites());
    EXPECT_EQ(view.size(), QSize(451, 451));
    EXPECT_TRUE(view.hasMouseTracking());
    view.show();
    QSignalSpy presses(&view, &BoardView::pointerPressed);
    QSignalSpy releases(&view, &BoardView::pointerReleased);
    QSignalSpy moves(&view, &BoardView::pointerMoved);
    QTest::mousePress(&view, Qt::RightButton, Qt::ShiftModifier, QPoint(120, 75));
    QTest::mouseRelease(&view, Qt::RightButton, Qt::NoModifier, QPoint(121, 76));
    QTest::mouseMove(&view, QPoint(300, 310));
    QTest::mouseDClick(&view, Qt::LeftButton, Qt::NoModifier, QPoint(10, 20));

    ASSERT_GE(presses.count(), 2);
    EXPECT_EQ(presses.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(presses.at(0).at(2).value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
    EXPECT_EQ(presses.at(0).at(3).toPoint(), QPoint(120, 75));
    EXPECT_FALSE(presses.at(0).at(4).toBool());
    EXPECT_TRUE(presses.last().at(4).toBool());
    EXPECT_EQ(presses.last().at(3).toPoint(), QPoint(10, 20));
    ASSERT_GE(releases.count(), 1);
    EXPECT_EQ(releases.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(releases.at(0).at(1).toPoint(), QPoint(121, 76));
    ASSERT_GE(moves.count(), 1);
    EXPECT_EQ(moves.last().at(2).toPoint(), QPoint(300, 310));
}

} // namespace
} // namespace prismora
