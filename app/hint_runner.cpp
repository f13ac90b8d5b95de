// The hint's worker threads: one per search, joined when its answer arrives or at destruction.
#include "app/hint_runner.h"

#include <QMetaObject>

#include <algorithm>

namespace prismora {

HintRunner::HintRunner(AnswerHandler onAnswer, QObject* parent)
    : QObject(parent), m_onAnswer(std::move(onAnswer))
{
}

HintRunner::~HintRunner()
{
    cancel();
    // The threads may still post their answers; those die with this object.
    for (Search& search : m_searches) {
        search.thread.join();
    }
}

void HintRunner::start(Level level)
{
    cancel();
    const int serial = ++m_serial;
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    std::thread thread([this, serial, cancelled, level = std::move(level)] {
        const Hint hint = findHint(level, *cancelled);
        QMetaObject::invokeMethod(
            this, [this, serial, hint] { finish(serial, hint); }, Qt::QueuedConnection);
    });
    m_searches.push_back({serial, std::move(cancelled), std::move(thread)});
}

void HintRunner::cancel()
{
    for (Search& search : m_searches) {
        search.cancelled->store(true);
    }
}

bool HintRunner::isSearching() const
{
    return std::any_of(m_searches.begin(), m_searches.end(), [this](const Search& search) {
        return search.serial == m_serial && !search.cancelled->load();
    });
}

void HintRunner::finish(int serial, const Hint& hint)
{
    const auto done =
        std::find_if(m_searches.begin(), m_searches.end(),
                     [serial](const Search& search) { return search.serial == serial; });
    if (done == m_searches.end()) {
        return;
    }
    // The thread has nothing left to do but return.
    done->thread.join();
    const bool isWanted = serial == m_serial && !done->cancelled->load();
    m_searches.erase(done);
    if (isWanted) {
        m_onAnswer(hint);
    }
}

} // namespace prismora
