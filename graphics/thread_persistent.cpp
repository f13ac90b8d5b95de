// Lock, update counter and change notification of the bitmap base class.
#include "graphics/thread_persistent.h"

#include "graphics/graphics_error.h"

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

void TThreadPersistent::Changed()
{
    if (m_updateCount == 0 && OnChange) {
        OnChange();
    }
}

void TThreadPersistent::Lock()
{
    {
        std::lock_guard guard(globalLock());
        ++globalLockCount();
    }
    m_lock.lock();
}

void TThreadPersistent::Unlock()
{
    m_lock.unlock();
    std::lock_guard guard(globalLock());
    --globalLockCount();
}

int TThreadPersistent::LockCount()
{
    std::lock_guard guard(globalLock());
    return globalLockCount();
}

void TThreadPersistent::StartUpdate() { ++m_updateCount; }

void TThreadPersistent::EndUpdate()
{
    if (m_updateCount == 0) {
        throw EAssertionFailed("Unpaired TThreadPersistent.EndUpdate");
    }
    --m_updateCount;
}

} // namespace prismora
