// Base of the bitmap classes: a lock, an update counter and the change notification.
#pragma once

#include <functional>
#include <mutex>

namespace prismora {

class ChangeNotifier {
public:
    ChangeNotifier() = default;
    virtual ~ChangeNotifier() = default;
    ChangeNotifier(const ChangeNotifier&) = delete;
    ChangeNotifier& operator=(const ChangeNotifier&) = delete;

    // Called after each change of contents or of a drawing property, unless an
    // update is in progress (counter above 0).
    std::function<void()> onChange;

    // Fires onChange when no update is in progress.
    virtual void changed();

    // Enter and leave this object's lock (recursive). A process-wide counter of
    // held locks goes up and down with them.
    void lock();
    void unlock();
    static int lockCount();

    // Nested updates suppress the notification. endUpdate with the counter at 0
    // throws UnpairedEndUpdateError.
    void startUpdate();
    void endUpdate();
    int updateCount() const { return m_updateCount; }

private:
    std::recursive_mutex m_lock;
    int m_updateCount = 0;
};

// Holds an object's lock for a scope.
class NotifierLock {
public:
    explicit NotifierLock(ChangeNotifier& object) : m_object(object) { m_object.lock(); }
    ~NotifierLock() { m_object.unlock(); }
    NotifierLock(const NotifierLock&) = delete;
    NotifierLock& operator=(const NotifierLock&) = delete;

private:
    ChangeNotifier& m_object;
};

// Brackets a multi-step change so that only one notification follows it.
class UpdateScope {
public:
    explicit UpdateScope(ChangeNotifier& object) : m_object(object) { m_object.startUpdate(); }
    ~UpdateScope() { m_object.endUpdate(); }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;

private:
    ChangeNotifier& m_object;
};

} // namespace prismora
