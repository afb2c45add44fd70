#include "support/TestServerProcess.h"

#include "support/TestEnvironment.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace ondrix::test {

constexpr int kStartTimeoutMs = 20000;

static bool acceptsConnections(quint16 port)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{
        .sin_family = AF_INET, .sin_port = htons(port), .sin_addr = {htonl(INADDR_LOOPBACK)}, .sin_zero = {}};
    const bool connected = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return connected;
}

TestServerProcess::TestServerProcess()
{
    if (!m_dir.isValid() || !QDir().mkpath(rootDir())) {
        throw std::runtime_error("cannot create a work folder for a test server");
    }
}

void stopProcess(QProcess& process)
{
    if (process.state() != QProcess::NotRunning) {
        process.terminate();
        if (!process.waitForFinished(3000)) {
            process.kill();
            process.waitForFinished(3000);
        }
    }
}

std::runtime_error TestServerProcess::failure(QProcess& process, const QString& name,
                                              const QString& what) const
{
    process.kill();
    process.waitForFinished(2000);
    return std::runtime_error(
        QString(name + u": "_s + what + u'\n' + QString::fromUtf8(readFile(filePath(u"stderr"_s))))
            .toStdString());
}

std::unique_ptr<QProcess> TestServerProcess::launch(const QString& program, const QStringList& arguments)
{
    stop();
    auto process = std::make_unique<QProcess>();
    process->setStandardErrorFile(filePath(u"stderr"_s));
    const pid_t parent = getpid();
    process->setChildProcessModifier([parent] {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) {
            _exit(1);
        }
    });
    process->start(program, arguments);
    if (!process->waitForStarted(kStartTimeoutMs)) {
        throw failure(*process, program, u"cannot start"_s);
    }
    return process;
}

void TestServerProcess::startProgram(const QString& program, const QStringList& arguments, quint16 port)
{
    auto process = launch(program, arguments);
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!acceptsConnections(port)) {
        if (process->state() != QProcess::Running || deadline.hasExpired()) {
            throw failure(*process, program, u"does not listen on port %1"_s.arg(port));
        }
        process->waitForFinished(20);
    }
    m_process = std::move(process);
    m_endsWithInput = false;
}

quint16 TestServerProcess::start(const QString& scriptName, quint16 port, const QStringList& arguments)
{
    auto process = launch(u"/usr/bin/python3"_s,
                          QStringList{u"-u"_s, sourceDir() + u"/tests/support/servers/"_s + scriptName,
                                      u"--root"_s, rootDir(), u"--port"_s, QString::number(port),
                                      u"--received-log"_s, filePath(u"received.log"_s)} +
                              arguments);
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!process->canReadLine() && process->state() == QProcess::Running && !deadline.hasExpired()) {
        process->waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
    }
    const QByteArray line = process->readLine().trimmed();
    const quint16 ready = line.startsWith("READY ") ? line.mid(6).toUShort() : 0;
    if (ready == 0) {
        throw failure(*process, scriptName, u"did not become ready: "_s + QString::fromUtf8(line));
    }
    m_process = std::move(process);
    m_endsWithInput = true;
    return ready;
}

void TestServerProcess::stop()
{
    if (!m_process) {
        return;
    }
    setFrozen(false);
    // The scripts leave when their input closes; other programs are asked with SIGTERM.
    m_process->closeWriteChannel();
    if (!m_process->waitForFinished(m_endsWithInput ? 3000 : 0)) {
        stopProcess(*m_process);
    }
    m_process.reset();
}

void TestServerProcess::setFrozen(bool frozen)
{
    if (m_process && m_process->processId() > 0) {
        ::kill(pid_t(m_process->processId()), frozen ? SIGSTOP : SIGCONT);
    }
}

QList<qint64> TestServerProcess::receivedByteCounts() const
{
    QList<qint64> counts;
    for (const QByteArray& line : readFile(filePath(u"received.log"_s)).split('\n')) {
        if (const qsizetype space = line.lastIndexOf(' '); space > 0) {
            counts.append(line.mid(space + 1).toLongLong());
        }
    }
    return counts;
}

QString testCertificatePath(const QString& fileName)
{
    return sourceDir() + u"/tests/support/certs/"_s + fileName;
}

} // namespace ondrix::test
