// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The signals by which the system ends a program, turned into a Qt signal.
#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

namespace prismora {

// While it lives, SIGTERM (logout, shutdown), SIGHUP (its terminal closed)
// and SIGINT (Ctrl+C in that terminal) no longer kill the process at once:
// each emits endRequested() from the event loop, so the game can keep what
// is unsaved before it ends. The handler only writes a byte into a socket,
// the one thing it may safely do. One instance at a time.
class EndSignals : public QObject {
    Q_OBJECT

public:
    explicit EndSignals(QObject* parent = nullptr);
    ~EndSignals() override;
    EndSignals(const EndSignals&) = delete;
    EndSignals& operator=(const EndSignals&) = delete;

signals:
    void endRequested();

private:
    void takeSignals();

    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace prismora
