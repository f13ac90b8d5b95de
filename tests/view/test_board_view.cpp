// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

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

    // Positions come as cells, with whether the pixel picks up what stands there.
    ASSERT_GE(presses.count(), 2);
    EXPECT_EQ(presses.at(0).at(0).value<PointerCell>(), (PointerCell{3, 2, true}));
    EXPECT_EQ(presses.at(0).at(1).value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(presses.at(0).at(3).value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
    EXPECT_FALSE(presses.at(0).at(4).toBool());
    EXPECT_TRUE(presses.last().at(4).toBool());
    EXPECT_EQ(presses.last().at(0).value<PointerCell>(), (PointerCell{1, 1, true}));
    ASSERT_GE(releases.count(), 1);
    EXPECT_EQ(releases.at(0).at(0).value<PointerCell>(), (PointerCell{3, 2, true}));
    EXPECT_EQ(releases.at(0).at(1).value<Qt::MouseButton>(), Qt::RightButton);
    ASSERT_GE(moves.count(), 1);
    // Pixel 310 lies 10 pixels into row 7: outside the pick square.
    EXPECT_EQ(moves.last().at(0).value<PointerCell>(), (PointerCell{7, 7, false}));
}

} // namespace
} // namespace prismora
