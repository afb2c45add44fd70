#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

namespace ondrix {

// Runs a connection's post-upload script, once per uploaded file, at most kMaxRunning at a time: the files
// beyond that wait their turn (none is dropped), so a burst of small uploads does not start a thousand
// processes. A script gets standard input, output and error only; every other descriptor of the
// application (sockets to servers, the preferences store, inotify) is closed in the child. Scripts are
// never killed: a runner that goes leaves the running ones and those still waiting to a thread of their
// own, which ends once the last script has.
//
// `run` may be called from any thread; copies of a PostUploadActions share one runner.
class ScriptRunner {
public:
    static constexpr int kMaxRunning = 3;

    explicit ScriptRunner(const QString& program);

    // Starts the script with `file` as its only argument, now or once a running one has ended.
    void run(const QString& file);

private:
    struct State;
    std::shared_ptr<State> m_state;
};

} // namespace ondrix
