// Analysing a design on a worker thread and handing the newest answer to the GUI thread.
#pragma once

#include "core/level_analysis.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace prismora {

// Each analysis runs on its own thread, so the board keeps painting and
// taking input. Starting one cancels the one before (it stops at its next
// look at the flag); only the answer of the newest reaches the handler, on
// the GUI thread. Destruction cancels every analysis and waits for it.
class AnalysisRunner : public QObject {
public:
    using AnswerHandler = std::function<void(const LevelAnalysis&)>;

    explicit AnalysisRunner(AnswerHandler onAnswer, QObject* parent = nullptr);
    ~AnalysisRunner() override;
    AnalysisRunner(const AnalysisRunner&) = delete;
    AnalysisRunner& operator=(const AnalysisRunner&) = delete;

    void start(Level design);
    void cancel();
    // True from start until the newest answer is handed over or cancelled.
    bool isRunning() const;

private:
    struct Run {
        int serial = 0;
        std::shared_ptr<std::atomic<bool>> cancelled;
        std::thread thread;
    };

    void finish(int serial, const LevelAnalysis& analysis);

    AnswerHandler m_onAnswer;
    std::vector<Run> m_runs;
    int m_serial = 0;
};

} // namespace prismora
