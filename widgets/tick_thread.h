// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// TickThread: a worker thread that sleeps and hands each tick to the GUI thread.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

class QSocketNotifier;

namespace prismora {

// The thread sleeps Interval milliseconds, then hands one tick to the GUI
// thread (the application's main thread) and waits until the tick has run, so
// ticks never overlap and never queue up. While disabled the thread is parked
// and uses no time; it is started on the first enable.
//
// The worker shares nothing with Qt: it wakes the GUI thread through an event
// file descriptor, and all state is exchanged under the thread object's own mutex.
//
// Create, configure and destroy the object on the GUI thread. Destruction stops
// the thread without waiting for the GUI thread: a tick already handed over is
// dropped, and no tick runs once the destructor has begun. A tick may destroy
// its own TickThread.
class TickThread {
public:
    using TickCallback = std::function<void()>;

    explicit TickThread(TickCallback onTick = {});
    ~TickThread();
    TickThread(const TickThread&) = delete;
    TickThread& operator=(const TickThread&) = delete;

    bool isEnabled() const;
    // Disabling also drops a tick that has been handed over but not yet run.
    void setEnabled(bool enabled);

    // Milliseconds slept before each tick (0: as fast as the GUI thread takes
    // them). A change restarts the current sleep.
    std::uint16_t interval() const;
    void setInterval(std::uint16_t milliseconds);

    void setOnTick(TickCallback onTick);

private:
    struct Shared;

    static void runWorker(const std::shared_ptr<Shared>& shared, int wakeFd);
    static void deliverTick(const std::shared_ptr<Shared>& shared);
    void takeWakeUp();

    std::shared_ptr<Shared> m_shared;
    int m_wakeFd = -1;
    std::unique_ptr<QSocketNotifier> m_wakeNotifier;
    std::thread m_thread;
};

} // namespace prismora
