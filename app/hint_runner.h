// Looking for a hint on a worker thread and handing the answer to the GUI thread.
#pragma once

#include "core/hint.h"
#include "core/level.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace prismora {

// Each search runs findHint on its own thread, so the window never waits for
// it. The answer comes back through a queued call and goes to the handler on
// the GUI thread, unless the search was cancelled or another one started
// since: a cancelled search stops at its next look at the flag, and whatever
// it still finds is dropped. Destruction cancels every search and waits for
// its thread.
class HintRunner : public QObject {
public:
    using AnswerHandler = std::function<void(const Hint&)>;

    explicit HintRunner(AnswerHandler onAnswer, QObject* parent = nullptr);
    ~HintRunner() override;
    HintRunner(const HintRunner&) = delete;
    HintRunner& operator=(const HintRunner&) = delete;

    // Starts looking for a hint for `level`, cancelling any search before.
    void start(Level level);
    void cancel();
    // True from start until the answer is handed over or the search is cancelled.
    bool isSearching() const;

private:
    struct Search {
        int serial = 0;
        std::shared_ptr<std::atomic<bool>> cancelled;
        std::thread thread;
    };

    void finish(int serial, const Hint& hint);

    AnswerHandler m_onAnswer;
    std::vector<Search> m_searches;
    int m_serial = 0;
};

} // namespace prismora
