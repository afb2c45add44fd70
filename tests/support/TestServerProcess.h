#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QProcess;

namespace ondrix::test {

// One loopback test server process. Usually a Python script under tests/support/servers run by Debian's
// /usr/bin/python3 (a python3 earlier on PATH may not see Debian's modules) that binds its own port,
// announces it with "READY <port>" and exits when its standard input closes; or another program that listens
// on a port it was given. The kernel kills the server when the thread that started it ends, so a crashed test
// leaves no server behind. Owned and used by one thread.
class TestServerProcess {
public:
    TestServerProcess();
    ~TestServerProcess();
    TestServerProcess(const TestServerProcess&) = delete;
    TestServerProcess& operator=(const TestServerProcess&) = delete;

    // Starts the script and waits until it is ready; returns its port. Throws std::runtime_error with the
    // script's error output when it does not become ready. `errorLog` receives the script's stderr.
    quint16 start(const QString& scriptName, const QStringList& arguments, const QString& errorLog);
    // Starts `program` and waits until 127.0.0.1:`port` accepts connections. Throws like start().
    void startProgram(const QString& program, const QStringList& arguments, const QString& errorLog,
                      quint16 port);
    // Ends the server (closing its stdin, killing it when it does not go at once) and waits for it.
    void stop();
    bool isRunning() const;
    // Stops the server in its tracks (SIGSTOP) or lets it go on: a frozen server accepts connections in the
    // kernel but answers nothing, as a server that hangs or a network that drops every packet.
    void setFrozen(bool frozen);

private:
    std::unique_ptr<QProcess> launch(const QString& program, const QStringList& arguments,
                                     const QString& errorLog);

    std::unique_ptr<QProcess> m_process;
    bool m_endsWithInput = true;
};

// Where the server scripts and the test-only certificates and keys live.
QString serverScriptPath(const QString& scriptName);
QString testCertificatePath(const QString& fileName);
// The byte counts of a server's received log ("<command> <bytes>" a line), oldest first.
QList<qint64> receivedByteCounts(const QString& logFile);
// A loopback TCP port that was free a moment ago, for servers that cannot pick their own.
quint16 freeLoopbackPort();

} // namespace ondrix::test
