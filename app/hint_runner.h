// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Looking for a hint on a worker thread and handing the answer to the GUI thread.
#pragma once

#include "app/background_runner.h"
#include "core/hint.h"
#include "core/level.h"

namespace prismora {

// Each search runs findHint on its own thread; a new search or cancel()
// drops the answer of the one before (see BackgroundRunner).
class HintRunner : public BackgroundRunner<Hint> {
public:
    using BackgroundRunner::BackgroundRunner;

    // Starts looking for a hint for `level`, cancelling any search before.
    void start(Level level)
    {
        startWork([level = std::move(level)](const std::atomic<bool>& cancelled) {
            return findHint(level, cancelled);
        });
    }
    // True from start until the answer is handed over or the search is cancelled.
    bool isSearching() const { return isRunning(); }
};

} // namespace prismora
