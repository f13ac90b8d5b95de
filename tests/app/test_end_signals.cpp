// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The system's request to end the game reaches the event loop instead of killing the process.
#include "app/end_signals.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <csignal>

namespace prismora {
namespace {

TEST(EndSignals, EachEndingSignalIsAskedOfTheEventLoopWhileTheWatcherLives)
{
    {
        const EndSignals watcher;
        QSignalSpy ended(&watcher, &EndSignals::endRequested);
        for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
            ASSERT_EQ(std::raise(signal), 0);
            ASSERT_TRUE(ended.wait(2000)) << "signal " << signal;
        }
        EXPECT_EQ(ended.count(), 3);
    }
    struct sigaction restored {};
    sigaction(SIGTERM, nullptr, &restored);
    EXPECT_EQ(restored.sa_handler, SIG_DFL) << "gone with the watcher";
}

} // namespace
} // namespace prismora
