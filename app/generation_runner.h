// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Making a generated level on a worker thread, called off by whatever the user does meanwhile.
#pragma once

#include "core/game_session.h"
#include "core/level_generator.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace prismora {

// Each request runs the generator on its own thread, so the window never
// waits for it. Its level comes back through a queued call to the handler on
// the GUI thread, unless the request was cancelled or a newer one started
// since: those results are dropped. While a request runs, any key, mouse
// press or wheel turn in the application cancels it. Destruction cancels
// every request and waits for its thread.
class GenerationRunner : public QObject {
public:
    using Outcome = Result<GeneratedLevel, GenerateFailure>;
    using Generator = std::function<Outcome(const SeedCode&, const std::atomic<bool>*)>;
    using ResultHandler = std::function<void(PuzzleKind kind, const Outcome& outcome)>;

    // A null generator is generateLevel. `onCancelled` is called, queued,
    // when a running request is cancelled.
    GenerationRunner(Generator generator, ResultHandler onResult, std::function<void()> onCancelled,
                     QObject* parent = nullptr);
    ~GenerationRunner() override;
    GenerationRunner(const GenerationRunner&) = delete;
    GenerationRunner& operator=(const GenerationRunner&) = delete;

    void start(const SeedCode& code, PuzzleKind kind);
    void cancel();
    // True from start until the result is handed over or the request is cancelled.
    bool isRunning() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Request {
        int serial = 0;
        std::shared_ptr<std::atomic<bool>> cancelled;
        std::thread thread;
    };

    void finish(int serial, PuzzleKind kind, const Outcome& outcome);
    void watchInput(bool isOn);

    Generator m_generator;
    ResultHandler m_onResult;
    std::function<void()> m_onCancelled;
    std::vector<Request> m_requests;
    int m_serial = 0;
    bool m_isWatching = false;
};

} // namespace prismora
