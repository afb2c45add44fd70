#include "app/UnixSignalWatcher.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

namespace ondrix {

namespace {
int s_pipe[2] = {-1, -1};

sigset_t terminationSignals()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}
} // namespace

UnixSignalWatcher::UnixSignalWatcher(QObject* parent)
    : QObject(parent)
{
    const sigset_t termination = terminationSignals();
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, s_pipe) != 0) {
        ::pthread_sigmask(SIG_UNBLOCK, &termination, nullptr);
        return;
    }
    m_notifier = new QSocketNotifier(s_pipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UnixSignalWatcher::readPipe);
    struct sigaction action {};
    action.sa_handler = &UnixSignalWatcher::handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    // A signal held back meanwhile arrives now and waits in the pipe for the event loop.
    ::pthread_sigmask(SIG_UNBLOCK, &termination, nullptr);
}

void UnixSignalWatcher::holdBackTermination()
{
    const sigset_t termination = terminationSignals();
    ::pthread_sigmask(SIG_BLOCK, &termination, nullptr);
}

UnixSignalWatcher::~UnixSignalWatcher()
{
    ::signal(SIGINT, SIG_DFL);
    ::signal(SIGTERM, SIG_DFL);
    for (int& fd : s_pipe) {
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
    }
}

void UnixSignalWatcher::handle(int signalNumber)
{
    const char byte = char(signalNumber);
    // Only async-signal-safe work here; a full pipe drops the byte, which loses nothing that matters.
    [[maybe_unused]] const ssize_t written = ::write(s_pipe[0], &byte, 1);
}

void UnixSignalWatcher::readPipe()
{
    char byte = 0;
    while (::read(s_pipe[1], &byte, 1) == 1) {
        Q_EMIT terminationRequested(int(byte), ++m_count);
    }
}

} // namespace ondrix
