#include "engine/ScriptRunner.h"

#include "platform/FileName.h"

#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace ondrix {

namespace {

// How often the runner looks for scripts that ended while any runs.
constexpr auto kReapInterval = std::chrono::milliseconds(50);

// fork and exec with only descriptors 0-2 left open in the child; -1 when the fork failed.
pid_t spawn(const QByteArray& program, const QByteArray& file)
{
    const char* const argv[] = {program.constData(), file.constData(), nullptr};
    const pid_t pid = ::fork();
    if (pid == 0) {
        // Only async-signal-safe calls from here on.
        ::syscall(SYS_close_range, 3U, ~0U, 0U);
        sigset_t none;
        ::sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        ::execv(program.constData(), const_cast<char* const*>(argv));
        ::_exit(127);
    }
    return pid;
}

} // namespace

struct ScriptRunner::State {
    QByteArray program;
    std::mutex mutex;
    std::deque<QByteArray> waiting;
    bool reaping = false;
};

ScriptRunner::ScriptRunner(const QString& program)
    : m_state(std::make_shared<State>())
{
    m_state->program = FileName::encode(program);
}

void ScriptRunner::run(const QString& file)
{
    std::lock_guard lock(m_state->mutex);
    m_state->waiting.push_back(FileName::encode(file));
    if (std::exchange(m_state->reaping, true)) {
        return;
    }
    // One thread per runner while scripts run or wait: it starts them and collects those that end.
    std::thread([state = m_state] {
        std::vector<pid_t> running;
        for (;;) {
            {
                std::lock_guard lock(state->mutex);
                while (running.size() < size_t(kMaxRunning) && !state->waiting.empty()) {
                    const pid_t pid = spawn(state->program, state->waiting.front());
                    state->waiting.pop_front();
                    if (pid > 0) {
                        running.push_back(pid);
                    }
                }
                if (running.empty()) {
                    state->reaping = false;
                    return;
                }
            }
            std::this_thread::sleep_for(kReapInterval);
            std::erase_if(running, [](pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) != 0; });
        }
    }).detach();
}

} // namespace ondrix
