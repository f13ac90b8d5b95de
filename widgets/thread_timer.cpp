// TThreadTimer: a worker thread that sleeps and hands each tick to the GUI thread.
#include "widgets/thread_timer.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace prismora {

// State seen by both threads; everything but onTick is guarded by mutex.
// Handed-over ticks hold a reference, so it outlives the timer if need be.
struct TThreadTimer::Shared {
    std::mutex mutex;
    std::condition_variable wake;
    bool enabled = false;
    std::uint16_t interval = 100;
    std::uint64_t settingsVersion = 0; // bumped on every change, to restart a sleep
    bool stopping = false;
    bool tickPending = false;
    TickCallback onTick; // GUI thread only
};

TThreadTimer::TThreadTimer(TickCallback onTick)
    : m_shared(std::make_shared<Shared>())
{
    m_shared->onTick = std::move(onTick);
}

TThreadTimer::~TThreadTimer()
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
}

bool TThreadTimer::isEnabled() const
{
    const std::lock_guard lock(m_shared->mutex);
    return m_shared->enabled;
}

void TThreadTimer::setEnabled(bool enabled)
{
    {
        const std::lock_guard lock(m_shared->mutex);
        if (m_shared->enabled == enabled)
            return;
        m_shared->enabled = enabled;
        ++m_shared->settingsVersion;
    }
    m_shared->wake.notify_all();
    if (enabled && !m_thread.joinable())
        m_thread = std::thread(runWorker, m_shared);
}

std::uint16_t TThreadTimer::interval() const
{
    const std::lock_guard lock(m_shared->mutex);
    return m_shared->interval;
}

void TThreadTimer::setInterval(std::uint16_t milliseconds)
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

void TThreadTimer::setOnTick(TickCallback onTick)
{
    m_shared->onTick = std::move(onTick);
}

void TThreadTimer::runWorker(const std::shared_ptr<Shared>& shared)
{
    QCoreApplication* const guiReceiver = QCoreApplication::instance();
    std::unique_lock lock(shared->mutex);
    if (guiReceiver == nullptr) {
        // Without an application there is no GUI thread to tick on.
        shared->wake.wait(lock, [&] { return shared->stopping; });
        return;
    }
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
        QMetaObject::invokeMethod(guiReceiver, [shared] { deliverTick(shared); }, Qt::QueuedConnection);
        lock.lock();
        shared->wake.wait(lock, [&] { return shared->stopping || !shared->tickPending; });
    }
}

void TThreadTimer::deliverTick(const std::shared_ptr<Shared>& shared)
{
    bool run = false;
    {
        const std::lock_guard lock(shared->mutex);
        if (shared->stopping)
            return;
        run = shared->enabled;
    }
    if (run && shared->onTick) {
        // A copy, because the tick may replace the callback or destroy the timer.
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
