// The workbench's worker threads: one per analysis, joined when it reports or at destruction.
#include "app/analysis_runner.h"

#include <QMetaObject>

#include <algorithm>

namespace prismora {

AnalysisRunner::AnalysisRunner(AnswerHandler onAnswer, QObject* parent)
    : QObject(parent), m_onAnswer(std::move(onAnswer))
{
}

AnalysisRunner::~AnalysisRunner()
{
    cancel();
    for (Run& run : m_runs) {
        run.thread.join();
    }
}

void AnalysisRunner::start(Level design)
{
    cancel();
    const int serial = ++m_serial;
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    std::thread thread([this, serial, cancelled, design = std::move(design)] {
        const LevelAnalysis analysis = analyseLevel(design, {.cancel = cancelled.get()});
        QMetaObject::invokeMethod(
            this, [this, serial, analysis] { finish(serial, analysis); }, Qt::QueuedConnection);
    });
    m_runs.push_back({serial, std::move(cancelled), std::move(thread)});
}

void AnalysisRunner::cancel()
{
    for (Run& run : m_runs) {
        run.cancelled->store(true);
    }
}

bool AnalysisRunner::isRunning() const
{
    return std::any_of(m_runs.begin(), m_runs.end(), [this](const Run& run) {
        return run.serial == m_serial && !run.cancelled->load();
    });
}

void AnalysisRunner::finish(int serial, const LevelAnalysis& analysis)
{
    const auto done = std::find_if(m_runs.begin(), m_runs.end(),
                                   [serial](const Run& run) { return run.serial == serial; });
    if (done == m_runs.end()) {
        return;
    }
    done->thread.join();
    const bool isWanted = serial == m_serial && !done->cancelled->load() && !analysis.isCancelled;
    m_runs.erase(done);
    if (isWanted) {
        m_onAnswer(analysis);
    }
}

} // namespace prismora
