#include "support/TestServerProcess.h"

#include "support/TestEnvironment.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>

#include <sys/prctl.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>

namespace ondrix::test {

namespace {
constexpr int kStartTimeoutMs = 20000;
constexpr auto kPython = "/usr/bin/python3";
} // namespace

TestServerProcess::TestServerProcess() = default;

TestServerProcess::~TestServerProcess()
{
    stop();
}

quint16 TestServerProcess::start(const QString& scriptName, const QStringList& arguments,
                                 const QString& errorLog)
{
    stop();
    auto process = std::make_unique<QProcess>();
    process->setProgram(QString::fromLatin1(kPython));
    process->setArguments(QStringList{QStringLiteral("-u"), serverScriptPath(scriptName)} + arguments);
    process->setStandardErrorFile(errorLog);
    const pid_t parent = getpid();
    process->setChildProcessModifier([parent] {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) {
            _exit(1);
        }
    });
    process->start();

    const auto failure = [&](const QString& what) {
        process->kill();
        process->waitForFinished(2000);
        QFile log(errorLog);
        QString details;
        if (log.open(QIODevice::ReadOnly)) {
            details = QString::fromUtf8(log.readAll());
        }
        return std::runtime_error(
            QString(scriptName + QStringLiteral(": ") + what + QStringLiteral("\n") + details).toStdString());
    };
    if (!process->waitForStarted(kStartTimeoutMs)) {
        throw failure(QStringLiteral("cannot start ") + QString::fromLatin1(kPython));
    }
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!process->canReadLine()) {
        if (process->state() != QProcess::Running || deadline.hasExpired()) {
            throw failure(QStringLiteral("did not become ready"));
        }
        process->waitForReadyRead(static_cast<int>(qMax<qint64>(1, deadline.remainingTime())));
    }
    const QByteArray line = process->readLine().trimmed();
    bool ok = false;
    const quint16 port = line.startsWith("READY ") ? line.mid(6).toUShort(&ok) : 0;
    if (!ok || port == 0) {
        throw failure(QStringLiteral("unexpected first line: ") + QString::fromUtf8(line));
    }
    m_process = std::move(process);
    return port;
}

void TestServerProcess::stop()
{
    if (!m_process) {
        return;
    }
    if (m_process->state() != QProcess::NotRunning) {
        m_process->closeWriteChannel();
        if (!m_process->waitForFinished(3000)) {
            m_process->kill();
            m_process->waitForFinished(3000);
        }
    }
    m_process.reset();
}

bool TestServerProcess::isRunning() const
{
    return m_process && m_process->state() == QProcess::Running;
}

QString serverScriptPath(const QString& scriptName)
{
    return sourceDir() + QStringLiteral("/tests/support/servers/") + scriptName;
}

QString testCertificatePath(const QString& fileName)
{
    return sourceDir() + QStringLiteral("/tests/support/certs/") + fileName;
}

} // namespace ondrix::test
