// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Tests of the tick thread: ticks on the GUI thread, never nested, none after destruction, no
// deadlock.
#include "widgets/scrolling_banner.h"
#include "widgets/tick_thread.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

namespace prismora {
namespace {

void runEventsFor(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 2);
}

TEST(TickThread, TicksOnTheGuiThreadOneAtATime)
{
    int ticks = 0;
    bool inTick = false;
    bool nested = false;
    bool offThread = false;
    TickThread timer;
    timer.setOnTick([&] {
        nested = nested || inTick;
        offThread = offThread || QThread::currentThread() != QApplication::instance()->thread();
        inTick = true;
        ++ticks;
        // A nested event loop must not receive the next tick before this one ends.
        if (ticks % 10 == 0)
            runEventsFor(5);
        inTick = false;
    });
    timer.setInterval(0);
    timer.setEnabled(true);
    QElapsedTimer clock;
    clock.start();
    while (ticks < 200 && clock.elapsed() < 10000)
        QApplication::processEvents();
    EXPECT_GE(ticks, 200);
    EXPECT_FALSE(nested);
    EXPECT_FALSE(offThread);

    timer.setEnabled(false);
    QApplication::processEvents();
    const int stopped = ticks;
    runEventsFor(20);
    EXPECT_EQ(ticks, stopped);
}

// Many timers ticking as fast as they can, destroyed in random order (some
// from inside their own tick): every destruction returns, and no callback runs
// after its timer's destructor has begun.
TEST(TickThread, StressDestroyingTickingTimersNeverDeadlocksNorTicksLate)
{
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    std::mt19937 random(seed);

    struct Entry {
        std::unique_ptr<TickThread> timer;
        std::shared_ptr<bool> destroyed = std::make_shared<bool>(false);
    };
    int lateTicks = 0;
    int ticks = 0;
    std::vector<Entry> entries;
    auto addTimer = [&] {
        Entry entry;
        entry.timer = std::make_unique<TickThread>();
        const std::shared_ptr<bool> destroyed = entry.destroyed;
        TickThread* const self = entry.timer.get();
        const bool selfDestroying = random() % 4 == 0;
        entry.timer->setOnTick([&, destroyed, self, selfDestroying] {
            lateTicks += *destroyed ? 1 : 0;
            ++ticks;
            if (!selfDestroying)
                return;
            for (Entry& candidate : entries) {
                if (candidate.timer.get() == self) {
                    *candidate.destroyed = true;
                    candidate.timer.reset();
                }
            }
        });
        entry.timer->setInterval(static_cast<std::uint16_t>(random() % 2));
        entry.timer->setEnabled(true);
        entries.push_back(std::move(entry));
    };

    for (int i = 0; i < 16; ++i)
        addTimer();
    for (int round = 0; round < 150; ++round) {
        QApplication::processEvents(QEventLoop::AllEvents, 1);
        Entry& victim = entries[random() % entries.size()];
        if (victim.timer) {
            *victim.destroyed = true;
            victim.timer.reset();
        }
        addTimer();
    }
    for (Entry& entry : entries) {
        *entry.destroyed = true;
        entry.timer.reset();
    }
    runEventsFor(20);
    EXPECT_GT(ticks, 0);
    EXPECT_EQ(lateTicks, 0);
}

// Active banners with fast timers created and destroyed while they tick.
TEST(TickThread, StressCreatingAndDestroyingActiveBanners)
{
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    std::mt19937 random(seed);

    auto window = std::make_unique<QWidget>();
    window->resize(300, 300);
    window->show();
    std::vector<ScrollingBanner*> banners;
    auto addBanner = [&] {
        auto* banner = new ScrollingBanner(window.get());
        banner->setGeometry(0, static_cast<int>(random() % 275), 225, 25);
        banner->setStrings({QStringLiteral("Prismora")});
        banner->setInterval(random() % 2);
        banner->setActive(true);
        banner->show();
        banners.push_back(banner);
    };
    for (int i = 0; i < 12; ++i)
        addBanner();
    for (int round = 0; round < 120; ++round) {
        QApplication::processEvents(QEventLoop::AllEvents, 1);
        const std::size_t victim = random() % banners.size();
        delete banners[victim];
        banners.erase(banners.begin() + static_cast<std::ptrdiff_t>(victim));
        addBanner();
    }
    runEventsFor(10);
    for (ScrollingBanner* banner : banners)
        EXPECT_TRUE(banner->isActive());
    // The window takes the remaining banners with it, each mid-run.
    window.reset();
    runEventsFor(10);
}

} // namespace
} // namespace prismora
