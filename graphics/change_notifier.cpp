// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Lock, update counter, change stamp and change notification of the bitmap base class.
#include "graphics/change_notifier.h"

#include "graphics/graphics_error.h"

#include <atomic>

namespace prismora {

namespace {

std::mutex& globalLock()
{
    static std::mutex lock;
    return lock;
}

int& globalLockCount()
{
    static int count = 0;
    return count;
}

} // namespace

std::uint64_t ChangeNotifier::nextChangeStamp()
{
    static std::atomic<std::uint64_t> lastStamp{0};
    return lastStamp.fetch_add(1, std::memory_order_relaxed) + 1;
}

void ChangeNotifier::changed()
{
    markChanged();
    if (m_updateCount == 0 && onChange) {
        onChange();
    }
}

void ChangeNotifier::lock()
{
    {
        std::lock_guard guard(globalLock());
        ++globalLockCount();
    }
    m_lock.lock();
}

void ChangeNotifier::unlock()
{
    m_lock.unlock();
    std::lock_guard guard(globalLock());
    --globalLockCount();
}

int ChangeNotifier::lockCount()
{
    std::lock_guard guard(globalLock());
    return globalLockCount();
}

void ChangeNotifier::startUpdate() { ++m_updateCount; }

void ChangeNotifier::endUpdate()
{
    if (m_updateCount == 0) {
        throw UnpairedEndUpdateError("An update was ended that had not been started");
    }
    --m_updateCount;
}

} // namespace prismora
