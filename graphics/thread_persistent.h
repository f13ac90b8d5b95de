// Base of the bitmap classes: a lock, an update counter and the change notification.
#pragma once

#include <functional>
#include <mutex>

namespace prismora {

class TThreadPersistent {
public:
    TThreadPersistent() = default;
    virtual ~TThreadPersistent() = default;
    TThreadPersistent(const TThreadPersistent&) = delete;
    TThreadPersistent& operator=(const TThreadPersistent&) = delete;

    // Called after each change of contents or of a drawing property, unless an
    // update is in progress (counter above 0).
    std::function<void()> OnChange;

    // Fires OnChange when no update is in progress.
    virtual void Changed();

    // Enter and leave this object's lock (recursive). A process-wide counter of
    // held locks goes up and down with them.
    void Lock();
    void Unlock();
    static int LockCount();

    // Nested updates suppress Changed. EndUpdate with the counter at 0 throws
    // EAssertionFailed("Unpaired TThreadPersistent.EndUpdate").
    void StartUpdate();
    void EndUpdate();
    int UpdateCount() const { return m_updateCount; }

private:
    std::recursive_mutex m_lock;
    int m_updateCount = 0;
};

// Holds an object's lock for a scope.
class PersistentLock {
public:
    explicit PersistentLock(TThreadPersistent& object) : m_object(object) { m_object.Lock(); }
    ~PersistentLock() { m_object.Unlock(); }
    PersistentLock(const PersistentLock&) = delete;
    PersistentLock& operator=(const PersistentLock&) = delete;

private:
    TThreadPersistent& m_object;
};

// Brackets a multi-step change so that only one notification follows it.
class UpdateScope {
public:
    explicit UpdateScope(TThreadPersistent& object) : m_object(object) { m_object.StartUpdate(); }
    ~UpdateScope() { m_object.EndUpdate(); }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;

private:
    TThreadPersistent& m_object;
};

} // namespace prismora
