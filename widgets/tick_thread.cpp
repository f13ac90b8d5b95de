// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// TickThread: a worker thread that sleeps and hands each tick to the GUI thread.
#include "widgets/tick_thread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QSocketNotifier>
#include <QtGlobal>

#include <sys/eventfd.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace prismora {

// State seen by both threads; everything but onTick is guarded by mutex.
// Handed-over ticks hold a reference, so it outlives the TickThread if need be.
struct TickThread::Shared {
    std::mutex mutex;
    std::condition_variable wake;
    bool enabled = false;
    std::uint16_t interval = 100;
    std::uint64_t settingsVersion = 0; // bumped on every change, to restart a sleep
    bool stopping = false;
    bool tickPending = false;
    TickCallback onTick; // GUI thread only
};

TickThread::TickThread(TickCallback onTick)
    : m_shared(std::make_shared<Shared>()), m_wakeFd(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC))
{
    m_shared->onTick = std::move(onTick);
    if (m_wakeFd < 0) {
        qWarning("TickThread: no event descriptor, no ticks will come");
        return;
    }
    m_wakeNotifier = std::make_unique<QSocketNotifier>(m_wakeFd, QSocketNotifier::Read);
    QObject::connect(m_wakeNotifier.get(), &QSocketNotifier::activated, m_wakeNotifier.get(),
                     [this] { takeWakeUp(); });
}

TickThread::~TickThread()
{
    {
        const std::lock_guard lock(m_shared->mutex);
        m_shared->stopping = true;
    }
    m_shared->wake.notify_all();
    // The worker never waits for anything but the condition variable, and the
    // stop flag releases every such wait, so this join cannot block on us.
    if (m_thread.joinable())
        m_thread.join();
    m_wakeNotifier.reset();
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
}

bool TickThread::isEnabled() const
{
    const std::lock_guard lock(m_shared->mutex);
    return m_shared->enabled;
}

void TickThread::setEnabled(bool enabled)
{
    {
        const std::lock_guard lock(m_shared->mutex);
        if (m_shared->enabled == enabled)
            return;
        m_shared->enabled = enabled;
        ++m_shared->settingsVersion;
    }
    m_shared->wake.notify_all();
    if (enabled && !m_thread.joinable() && m_wakeFd >= 0)
        m_thread = std::thread(runWorker, m_shared, m_wakeFd);
}

std::uint16_t TickThread::interval() const
{
    const std::lock_guard lock(m_shared->mutex);
    return m_shared->interval;
}

void TickThread::setInterval(std::uint16_t milliseconds)
{
    {
        const std::lock_guard lock(m_shared->mutex);
        if (m_shared->interval == milliseconds)
            return;
        m_shared->interval = milliseconds;
        ++m_shared->settingsVersion;
    }
    m_shared->wake.notify_all();
}

void TickThread::setOnTick(TickCallback onTick) { m_shared->onTick = std::move(onTick); }

void TickThread::runWorker(const std::shared_ptr<Shared>& shared, int wakeFd)
{
    std::unique_lock lock(shared->mutex);
    for (;;) {
        shared->wake.wait(lock, [&] { return shared->stopping || shared->enabled; });
        if (shared->stopping)
            return;
        const std::uint64_t version = shared->settingsVersion;
        const auto sleep = std::chrono::milliseconds(shared->interval);
        const bool interrupted = shared->wake.wait_for(
            lock, sleep, [&] { return shared->stopping || shared->settingsVersion != version; });
        if (interrupted)
            continue;

        shared->tickPending = true;
        lock.unlock();
        const std::uint64_t one = 1;
        [[maybe_unused]] const auto written = ::write(wakeFd, &one, sizeof one);
        lock.lock();
        shared->wake.wait(lock, [&] { return shared->stopping || !shared->tickPending; });
    }
}

// GUI thread: the worker has handed a tick over. The tick runs from the event
// queue rather than inside the notifier's signal, so it may destroy this TickThread.
void TickThread::takeWakeUp()
{
    std::uint64_t count = 0;
    [[maybe_unused]] const auto read = ::read(m_wakeFd, &count, sizeof count);
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [shared = m_shared] { deliverTick(shared); },
        Qt::QueuedConnection);
}

void TickThread::deliverTick(const std::shared_ptr<Shared>& shared)
{
    bool run = false;
    {
        const std::lock_guard lock(shared->mutex);
        if (shared->stopping)
            return;
        run = shared->enabled;
    }
    if (run && shared->onTick) {
        // A copy, because the tick may replace the callback or destroy the TickThread.
        const TickCallback tick = shared->onTick;
        tick();
    }
    {
        const std::lock_guard lock(shared->mutex);
        shared->tickPending = false;
    }
    shared->wake.notify_all();
}

} // namespace prismora
