// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// SIGTERM, SIGHUP and SIGINT through a socket pair into the event loop.
#include "app/end_signals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>

#include <sys/socket.h>
#include <unistd.h>

namespace prismora {
namespace {

constexpr std::array<int, 3> EndingSignals{SIGTERM, SIGHUP, SIGINT};

// [0] is written by the handler, [1] read by the event loop.
std::array<int, 2> g_socket{-1, -1};
std::array<struct sigaction, EndingSignals.size()> g_previous{};

extern "C" void onEndingSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    // A full socket already holds a request, so a lost byte loses nothing.
    [[maybe_unused]] const ssize_t written = ::write(g_socket[0], &byte, 1);
    errno = savedErrno;
}

} // namespace

EndSignals::EndSignals(QObject* parent) : QObject(parent)
{
    if (g_socket[0] >= 0) {
        return; // another watcher has the signals
    }
    constexpr int Type = SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC;
    if (::socketpair(AF_UNIX, Type, 0, g_socket.data()) != 0) {
        g_socket = {-1, -1};
        return; // the signals keep their default: the game ends as before
    }
    m_notifier = std::make_unique<QSocketNotifier>(g_socket[1], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &EndSignals::takeSignals);
    struct sigaction action {};
    action.sa_handler = onEndingSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < EndingSignals.size(); ++i) {
        sigaction(EndingSignals[i], &action, &g_previous[i]);
    }
}

EndSignals::~EndSignals()
{
    if (!m_notifier) {
        return;
    }
    for (std::size_t i = 0; i < EndingSignals.size(); ++i) {
        sigaction(EndingSignals[i], &g_previous[i], nullptr);
    }
    m_notifier.reset();
    ::close(g_socket[0]);
    ::close(g_socket[1]);
    g_socket = {-1, -1};
}

void EndSignals::takeSignals()
{
    std::array<char, 64> bytes{};
    while (::read(g_socket[1], bytes.data(), bytes.size()) > 0) {
    }
    emit endRequested();
}

} // namespace prismora
