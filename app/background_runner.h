// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Work that runs on a worker thread and hands the newest answer to the GUI thread.
#pragma once

#include <QMetaObject>
#include <QObject>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace prismora {

// Each piece of work runs on its own thread, so the window never waits for
// it. Its answer comes back through a queued call and goes to the handler on
// the GUI thread, unless the work was cancelled or newer work started since:
// cancelled work stops at its next look at the flag, and whatever it still
// finds is dropped. Destruction cancels all work and waits for its threads.
template <typename Answer> class BackgroundRunner : public QObject {
public:
    using AnswerHandler = std::function<void(const Answer&)>;
    // Does the work; looks at the flag often and stops when it turns true.
    using Work = std::function<Answer(const std::atomic<bool>& cancelled)>;

    explicit BackgroundRunner(AnswerHandler onAnswer, QObject* parent = nullptr)
        : QObject(parent), m_onAnswer(std::move(onAnswer))
    {
    }
    ~BackgroundRunner() override
    {
        cancel();
        // The threads may still post their answers; those die with this object.
        for (Run& run : m_runs) {
            run.thread.join();
        }
    }
    BackgroundRunner(const BackgroundRunner&) = delete;
    BackgroundRunner& operator=(const BackgroundRunner&) = delete;

    // Starts `work`, cancelling any work before.
    void startWork(Work work)
    {
        cancel();
        const int serial = ++m_serial;
        auto cancelled = std::make_shared<std::atomic<bool>>(false);
        std::thread thread([this, serial, cancelled, work = std::move(work)] {
            Answer answer = work(*cancelled);
            QMetaObject::invokeMethod(
                this, [this, serial, answer = std::move(answer)] { finish(serial, answer); },
                Qt::QueuedConnection);
        });
        m_runs.push_back({serial, std::move(cancelled), std::move(thread)});
    }

    void cancel()
    {
        for (Run& run : m_runs) {
            run.cancelled->store(true);
        }
    }

    // True from start until the answer is handed over or the work is cancelled.
    bool isRunning() const
    {
        return std::any_of(m_runs.begin(), m_runs.end(), [this](const Run& run) {
            return run.serial == m_serial && !run.cancelled->load();
        });
    }

private:
    struct Run {
        int serial = 0;
        std::shared_ptr<std::atomic<bool>> cancelled;
        std::thread thread;
    };

    void finish(int serial, const Answer& answer)
    {
        const auto done = std::find_if(m_runs.begin(), m_runs.end(),
                                       [serial](const Run& run) { return run.serial == serial; });
        if (done == m_runs.end()) {
            return;
        }
        // The thread has nothing left to do but return.
        done->thread.join();
        const bool isWanted = serial == m_serial && !done->cancelled->load();
        m_runs.erase(done);
        if (isWanted) {
            m_onAnswer(answer);
        }
    }

    AnswerHandler m_onAnswer;
    std::vector<Run> m_runs;
    int m_serial = 0;
};

} // namespace prismora
