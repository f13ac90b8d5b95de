// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Base of the bitmap classes: lock, update counter, change stamp and change notification.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>

namespace prismora {

// Every change of an object ends in changed(): it advances the object's change
// stamp and, unless an update is in progress, calls onChange.
class ChangeNotifier {
public:
    ChangeNotifier() = default;
    virtual ~ChangeNotifier() = default;
    ChangeNotifier(const ChangeNotifier&) = delete;
    ChangeNotifier& operator=(const ChangeNotifier&) = delete;

    // Called after each change of contents or of a drawing property, unless an
    // update is in progress (counter above 0).
    std::function<void()> onChange;

    // Advances the change stamp; fires onChange when no update is in progress.
    virtual void changed();

    // Grows with every change of this object, also with changes made during an
    // update and with those that send no notification. Stamps come from one
    // process-wide sequence, so no two objects ever show the same stamp: an
    // object created where a destroyed one lived cannot be mistaken for it.
    std::uint64_t changeStamp() const { return m_changeStamp; }

    // Enter and leave this object's lock (recursive). A process-wide counter of
    // held locks goes up and down with them.
    void lock();
    void unlock();
    static int lockCount();

    // Nested updates suppress the notification (not the stamp). endUpdate with
    // the counter at 0 throws UnpairedEndUpdateError.
    void startUpdate();
    void endUpdate();
    int updateCount() const { return m_updateCount; }

protected:
    // Advances the change stamp without notifying: for writable access to the
    // contents and for properties whose setters send no notification.
    void markChanged() { m_changeStamp = nextChangeStamp(); }

private:
    static std::uint64_t nextChangeStamp();

    std::recursive_mutex m_lock;
    int m_updateCount = 0;
    std::uint64_t m_changeStamp = nextChangeStamp();
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
