// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Analysing a design on a worker thread and handing the newest answer to the GUI thread.
#pragma once

#include "app/background_runner.h"
#include "core/level_analysis.h"

namespace prismora {

// Starting an analysis cancels the one before; only the newest answer
// reaches the handler (see BackgroundRunner).
class AnalysisRunner : public BackgroundRunner<LevelAnalysis> {
public:
    using BackgroundRunner::BackgroundRunner;

    void start(Level design)
    {
        startWork([design = std::move(design)](const std::atomic<bool>& cancelled) {
            return analyseLevel(design, {.cancel = &cancelled});
        });
    }
};

} // namespace prismora
