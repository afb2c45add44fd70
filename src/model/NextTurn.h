#pragma once

#include <QObject>

#include <atomic>
#include <functional>

namespace ondrix {

// Runs a function once on a later turn of its owner's event loop, however often it is asked for before then:
// a burst of signals (four summary values, a hundred log lines, a batch of results) makes one run. Asking may
// come from any thread; the run happens on the owner's thread, and not at all once the owner is gone (keep
// this as a member of the owner). A request during the run schedules the next one.
class NextTurn {
public:
    NextTurn(QObject* owner, std::function<void()> run)
        : m_owner(owner)
        , m_run(std::move(run))
    {}
    NextTurn(const NextTurn&) = delete;
    NextTurn& operator=(const NextTurn&) = delete;

    void request();
    // The scheduled run, if any, does nothing. Owner's thread.
    void cancel() { m_pending.store(false); }
    bool isPending() const { return m_pending.load(); }

private:
    QObject* const m_owner;
    const std::function<void()> m_run;
    std::atomic_bool m_pending = false;
};

} // namespace ondrix
