#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <stdexcept>

namespace ondrix::test {

// One loopback test server process and a work folder whose "root" it serves: a script under
// tests/support/servers that announces "READY <port>" and exits when its input closes, or a program
// listening on a given port. It dies with the thread that started it. Owned and used by one thread.
class TestServerProcess {
public:
    TestServerProcess();
    ~TestServerProcess() { stop(); }
    TestServerProcess(const TestServerProcess&) = delete;
    TestServerProcess& operator=(const TestServerProcess&) = delete;

    // Starts the script with --root, --port (0: any free one) and --received-log added; returns its port once
    // it is ready. Throws std::runtime_error with the script's error output when it does not become ready.
    quint16 start(const QString& scriptName, quint16 port, const QStringList& arguments);
    // Starts `program` and waits until 127.0.0.1:`port` accepts connections. Throws like start().
    void startProgram(const QString& program, const QStringList& arguments, quint16 port);
    void stop();
    bool isRunning() const { return m_process && m_process->state() == QProcess::Running; }
    // A frozen server (SIGSTOP) accepts connections in the kernel but answers nothing, as a server that hangs
    // or a network that drops every packet.
    void setFrozen(bool frozen);

    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    QString rootDir() const { return filePath(QStringLiteral("root")); }
    // The byte counts of the script's received log ("<command> <bytes>" a line), oldest first.
    QList<qint64> receivedByteCounts() const;

private:
    std::unique_ptr<QProcess> launch(const QString& program, const QStringList& arguments);
    std::runtime_error failure(QProcess& process, const QString& name, const QString& what) const;

    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_process;
    bool m_endsWithInput = true;
};

QString testCertificatePath(const QString& fileName);
// Asks a process to end (SIGTERM), kills it when it does not within 3 s, and waits for it.
void stopProcess(QProcess& process);

} // namespace ondrix::test
