// Time to list a big remote folder through FTPBrowserService against the loopback test servers (pyftpdlib
// FTP, paramiko SFTP and OpenSSH's sshd), the first listing and then repeated ones on the reused connection,
// and a burst of folder creations, renames and deletions one after another.
//
//   BrowserBench [--entries N] [--commands N]
#include "support/FtpTestServer.h"
#include "support/SftpTestServer.h"
#include "support/SshdTestServer.h"
#include "support/TestEnvironment.h"
#include "transfer/FTPBrowserService.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QThreadPool>

#include <cstdio>
#include <cstring>

using namespace ondrix;
using ondrix::test::FtpTestServer;
using ondrix::test::SftpTestServer;
using ondrix::test::SshdTestServer;
using ondrix::test::TestEnvironment;

namespace {

void populate(const QString& folder, int entries)
{
    QDir().mkpath(folder);
    for (int i = 0; i < entries; ++i) {
        if (i % 20 == 0) {
            QDir().mkpath(QStringLiteral("%1/Folder %2").arg(folder).arg(i));
            continue;
        }
        QFile file(QStringLiteral("%1/IMG_%2 final.jpg").arg(folder).arg(i, 6, 10, QLatin1Char('0')));
        if (!file.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            std::exit(1);
        }
        file.write("x", 1);
    }
}

// Lists `path` and returns the milliseconds until the result was back on the main thread.
double timeListing(FTPBrowserService& service, const QString& path, qsizetype* count)
{
    QEventLoop loop;
    QElapsedTimer timer;
    timer.start();
    service.listDirectory(path, nullptr, [&](const FTPBrowserService::ListingResult& result) {
        if (const FTPError* error = std::get_if<FTPError>(&result)) {
            std::fprintf(stderr, "listing failed: %s\n", qPrintable(error->description()));
            std::exit(1);
        }
        *count = std::get<QList<RemoteItem>>(result).size();
        loop.quit();
    });
    loop.exec();
    return timer.nsecsElapsed() / 1e6;
}

double timeCommands(FTPBrowserService& service, const QString& base, int commands)
{
    QEventLoop loop;
    int pending = 0;
    const auto done = [&](const std::optional<FTPError>& error) {
        if (error) {
            std::fprintf(stderr, "command failed: %s\n", qPrintable(error->description()));
            std::exit(1);
        }
        if (--pending == 0) {
            loop.quit();
        }
    };
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < commands; ++i) {
        const QString folder = QStringLiteral("%1/bench %2").arg(base).arg(i);
        service.createFolder(folder, nullptr, done);
        service.renameItem(folder, folder + QStringLiteral(" renamed"), nullptr, done);
        service.deleteItem(folder + QStringLiteral(" renamed"), true, nullptr, done);
        pending += 3;
    }
    loop.exec();
    return timer.nsecsElapsed() / 1e6;
}

void run(const char* label, const PushConnection& connection, const QString& folder, int entries,
         int commands, QThreadPool* pool)
{
    FTPBrowserService service(connection, pool);
    qsizetype count = 0;
    const double first = timeListing(service, folder, &count);
    double best = 1e300;
    for (int i = 0; i < 3; ++i) {
        best = std::min(best, timeListing(service, folder, &count));
    }
    std::printf("%-8s list %d entries (%lld shown): first %.0f ms, again %.0f ms\n", label, entries,
                static_cast<long long>(count), first, best);
    const double commandMs = timeCommands(service, folder, commands);
    std::printf("%-8s %d create+rename+delete: %.0f ms (%.1f ms per command)\n", label, commands, commandMs,
                commandMs / (3.0 * commands));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int entries = 10000;
    int commands = 30;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--entries") == 0) {
            entries = std::atoi(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--commands") == 0) {
            commands = std::atoi(argv[i + 1]);
        }
    }
    TestEnvironment env; // a private known_hosts
    QThreadPool pool;

    FtpTestServer ftp;
    ftp.start();
    populate(ftp.rootDir() + QStringLiteral("/big"), entries);
    run("ftp", ftp.connection(), QStringLiteral("/big"), entries, commands, &pool);

    SftpTestServer sftp;
    sftp.start();
    populate(sftp.rootDir() + QStringLiteral("/big"), entries);
    run("paramiko", sftp.connection(), QStringLiteral("/big"), entries, commands, &pool);

    if (SshdTestServer::isAvailable()) {
        SshdTestServer sshd;
        sshd.start();
        populate(sshd.rootDir() + QStringLiteral("/big"), entries);
        run("sshd", sshd.connection(), sshd.rootDir() + QStringLiteral("/big"), entries, commands, &pool);
    }
    return 0;
}
