// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The generator's worker threads: one per request, joined when its result arrives or at
// destruction.
#include "app/generation_runner.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>

#include <algorithm>

namespace prismora {

GenerationRunner::GenerationRunner(Generator generator, ResultHandler onResult,
                                   std::function<void()> onCancelled, QObject* parent)
    : QObject(parent), m_generator(std::move(generator)), m_onResult(std::move(onResult)),
      m_onCancelled(std::move(onCancelled))
{
    if (!m_generator) {
        m_generator = [](const SeedCode& code, const std::atomic<bool>* cancel) {
            return generateLevel(code, cancel);
        };
    }
}

GenerationRunner::~GenerationRunner()
{
    cancel();
    // The threads may still post their results; those die with this object.
    for (Request& request : m_requests) {
        request.thread.join();
    }
}

void GenerationRunner::start(const SeedCode& code, PuzzleKind kind)
{
    cancel();
    const int serial = ++m_serial;
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    std::thread thread([this, serial, cancelled, code, kind, generator = m_generator] {
        const Outcome outcome = generator(code, cancelled.get());
        QMetaObject::invokeMethod(
            this, [this, serial, kind, outcome] { finish(serial, kind, outcome); },
            Qt::QueuedConnection);
    });
    m_requests.push_back({serial, std::move(cancelled), std::move(thread)});
    watchInput(true);
}

void GenerationRunner::cancel()
{
    const bool wasRunning = isRunning();
    for (Request& request : m_requests) {
        request.cancelled->store(true);
    }
    watchInput(false);
    if (wasRunning && m_onCancelled) {
        // After the action that called it off has been handled.
        QMetaObject::invokeMethod(this, m_onCancelled, Qt::QueuedConnection);
    }
}

bool GenerationRunner::isRunning() const
{
    return std::any_of(m_requests.begin(), m_requests.end(), [this](const Request& request) {
        return request.serial == m_serial && !request.cancelled->load();
    });
}

void GenerationRunner::finish(int serial, PuzzleKind kind, const Outcome& outcome)
{
    const auto done =
        std::find_if(m_requests.begin(), m_requests.end(),
                     [serial](const Request& request) { return request.serial == serial; });
    if (done == m_requests.end()) {
        return;
    }
    done->thread.join();
    const bool isWanted = serial == m_serial && !done->cancelled->load();
    m_requests.erase(done);
    if (!isWanted) {
        return;
    }
    watchInput(false);
    if (outcome.ok() || outcome.error() != GenerateFailure::Cancelled) {
        m_onResult(kind, outcome);
    }
}

void GenerationRunner::watchInput(bool isOn)
{
    if (isOn == m_isWatching || QCoreApplication::instance() == nullptr) {
        return;
    }
    m_isWatching = isOn;
    if (isOn) {
        QCoreApplication::instance()->installEventFilter(this);
    } else {
        QCoreApplication::instance()->removeEventFilter(this);
    }
}

bool GenerationRunner::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        // The user has moved on: what was asked for is no longer wanted.
        cancel();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace prismora
