// Upload throughput of FTPUploader against the loopback test servers: a burst of small files, a few big ones,
// at 1, 2 and 5 uploads at a time, with and without the shared connection cache; the achieved rate of a
// bandwidth cap; and how many single uploads stall for a second (libcurl's easy interface waits up to 1000 ms
// for a socket event it may have missed, which hits reused FTP connections right after the EPSV reply).
//
//   UploadBench [--small-files N] [--big-mib N] [--no-big] [--no-cap] [--no-stall-check] [--protocol
//   ftp|ftps|sftp|sshd] [--shared-only] [--parallel N]
#include "support/FtpTestServer.h"
#include "support/SftpTestServer.h"
#include "support/SshdTestServer.h"
#include "support/TestEnvironment.h"
#include "transfer/CurlConnectionCache.h"
#include "transfer/FTPUploader.h"
#include "transfer/RemoteUrl.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>

#include <curl/curl.h>
#include <sys/resource.h>

#include <atomic>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

using namespace ondrix;
using ondrix::test::FtpServerOptions;
using ondrix::test::FtpTestServer;
using ondrix::test::SftpTestServer;
using ondrix::test::SshdTestServer;
using ondrix::test::TestEnvironment;

namespace {

constexpr double kStallSeconds = 0.9;

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void writeRandomFile(const QString& path, qint64 size)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    QByteArray chunk(1024 * 1024, Qt::Uninitialized);
    for (qint64 written = 0; written < size;) {
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(chunk.data()), chunk.size() / 4);
        const qint64 n = qMin<qint64>(chunk.size(), size - written);
        file.write(chunk.constData(), n);
        written += n;
    }
}

struct Job {
    QString local;
    QString remoteDir;
    QString remotePath;
    qint64 size = 0;
};

struct RunResult {
    double seconds = 0;
    double cpu = 0;
    int failures = 0;
    int stalls = 0;
    qint64 bytes = 0;
    int files = 0;
    QString firstError;
};

// Runs the jobs the way a connection engine does (createDirectory of the file's folder, then upload), from
// `parallel` worker threads that share one uploader.
bool g_createDirectories = true;

RunResult run(const FTPUploader& uploader, const std::vector<Job>& jobs, int parallel)
{
    std::atomic<std::size_t> next{0};
    std::atomic<int> failures{0};
    std::atomic<int> stalls{0};
    QString firstError;
    std::mutex errorLock;
    const double cpuBefore = cpuSeconds();
    QElapsedTimer timer;
    timer.start();
    std::vector<std::thread> workers;
    for (int w = 0; w < parallel; ++w) {
        workers.emplace_back([&] {
            for (std::size_t i = next++; i < jobs.size(); i = next++) {
                const Job& job = jobs[i];
                QElapsedTimer one;
                one.start();
                if (g_createDirectories && job.remoteDir != QLatin1String("/")) {
                    (void)uploader.createDirectory(job.remoteDir);
                }
                const auto error = uploader.upload(job.local, job.remotePath);
                if (double(one.nsecsElapsed()) / 1e9 >= kStallSeconds) {
                    ++stalls;
                }
                if (error) {
                    ++failures;
                    const std::lock_guard guard(errorLock);
                    if (firstError.isEmpty()) {
                        firstError = error->description();
                    }
                }
            }
        });
    }
    for (auto& worker : workers) {
        worker.join();
    }
    RunResult result;
    result.seconds = double(timer.nsecsElapsed()) / 1e9;
    result.cpu = cpuSeconds() - cpuBefore;
    result.failures = failures;
    result.stalls = stalls;
    result.firstError = firstError;
    result.files = int(jobs.size());
    for (const Job& job : jobs) {
        result.bytes += job.size;
    }
    return result;
}

void print(const char* protocol, const char* workload, bool shared, int parallel, const RunResult& r)
{
    // Big files take longer than the stall threshold anyway; only small files' stalls mean anything.
    const QString stalls =
        r.bytes / r.files <= 1024 * 1024 ? QStringLiteral("%1").arg(r.stalls, 3) : QStringLiteral("  -");
    std::printf("%-4s  %-18s  %-6s  %d at a time  %8.2f s  %9.1f files/s  %8.1f MiB/s  %7.2f CPU s  "
                "%s uploads >= 0.9 s  %d failed%s%s\n",
                protocol, workload, shared ? "shared" : "none", parallel, r.seconds, r.files / r.seconds,
                double(r.bytes) / (1024.0 * 1024.0) / r.seconds, r.cpu, qPrintable(stalls), r.failures,
                r.firstError.isEmpty() ? "" : ": ", qPrintable(r.firstError));
    std::fflush(stdout);
}

std::vector<Job> withPrefix(const std::vector<Job>& jobs, const QString& prefix)
{
    std::vector<Job> result = jobs;
    for (Job& job : result) {
        job.remoteDir = prefix + job.remoteDir;
        job.remotePath = prefix + job.remotePath;
    }
    return result;
}

size_t readFromFile(char* buffer, size_t size, size_t count, void* file)
{
    return std::fread(buffer, size, count, static_cast<std::FILE*>(file));
}

// The same serial uploads through plain curl_easy_perform on handles that share a connection cache: the
// baseline whose stalls the uploader's own perform loop avoids.
int easyPerformStalls(const PushConnection& connection, const QString& local, int count, double* seconds)
{
    CurlConnectionCache cache;
    CURLSH* share = cache.acquire();
    int stalls = 0;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i) {
        CURL* easy = curl_easy_init();
        std::FILE* file = std::fopen(QFile::encodeName(local).constData(), "rb");
        const QByteArray url = serverUrl(connection, percentEncodePath(QStringLiteral("/stall/f%1").arg(i)));
        const QByteArray login = (connection.username + QLatin1Char(':') + connection.password).toUtf8();
        curl_easy_setopt(easy, CURLOPT_SHARE, share);
        curl_easy_setopt(easy, CURLOPT_URL, url.constData());
        curl_easy_setopt(easy, CURLOPT_USERPWD, login.constData());
        curl_easy_setopt(easy, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(easy, CURLOPT_READFUNCTION, &readFromFile);
        curl_easy_setopt(easy, CURLOPT_READDATA, file);
        curl_easy_setopt(easy, CURLOPT_FTP_USE_EPSV, 1L);
        curl_easy_setopt(easy, CURLOPT_FTP_CREATE_MISSING_DIRS, long(CURLFTP_CREATE_DIR_RETRY));
        QElapsedTimer one;
        one.start();
        curl_easy_perform(easy);
        if (double(one.nsecsElapsed()) / 1e9 >= kStallSeconds) {
            ++stalls;
        }
        std::fclose(file);
        curl_easy_cleanup(easy);
    }
    *seconds = double(timer.nsecsElapsed()) / 1e9;
    cache.release(share);
    return stalls;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const auto option = [&](const QString& name, int fallback) {
        const qsizetype i = args.indexOf(name);
        return i >= 0 && i + 1 < args.size() ? args.at(i + 1).toInt() : fallback;
    };
    const int smallFiles = option(QStringLiteral("--small-files"), 1000);
    const int bigMiB = option(QStringLiteral("--big-mib"), 256);
    const bool big = !args.contains(QStringLiteral("--no-big"));
    const bool cap = !args.contains(QStringLiteral("--no-cap"));
    g_createDirectories = !args.contains(QStringLiteral("--no-mkdir"));
    const bool stallCheck = !args.contains(QStringLiteral("--no-stall-check"));
    // Without the connection cache every small file pays a login: minutes per run.
    const std::vector<bool> reuse = args.contains(QStringLiteral("--shared-only"))
                                        ? std::vector<bool>{true}
                                        : std::vector<bool>{true, false};
    const int onlyParallel = option(QStringLiteral("--parallel"), 0);
    const std::vector<int> parallels =
        onlyParallel > 0 ? std::vector<int>{onlyParallel} : std::vector<int>{1, 2, 5};
    const qsizetype protocolIndex = args.indexOf(QStringLiteral("--protocol"));
    const QString onlyProtocol =
        protocolIndex >= 0 && protocolIndex + 1 < args.size() ? args.at(protocolIndex + 1) : QString();

    TestEnvironment env;
    std::printf("Preparing %d files of 16 KiB in 10 folders%s ...\n", smallFiles,
                big ? qPrintable(QStringLiteral(" and 4 files of %1 MiB").arg(bigMiB)) : "");
    std::vector<Job> small;
    for (int i = 0; i < smallFiles; ++i) {
        const QString relative =
            QStringLiteral("folder%1/IMG_%2.jpg").arg(i % 10).arg(i, 4, 10, QLatin1Char('0'));
        Job job;
        job.local = env.root() + QStringLiteral("/small/") + relative;
        job.remoteDir = QStringLiteral("/folder%1").arg(i % 10);
        job.remotePath = QLatin1Char('/') + relative;
        job.size = 16 * 1024;
        writeRandomFile(job.local, job.size);
        small.push_back(job);
    }
    std::vector<Job> bigJobs;
    if (big) {
        for (int i = 0; i < 4; ++i) {
            Job job;
            job.local = env.root() + QStringLiteral("/big/movie%1.mov").arg(i);
            job.remoteDir = QStringLiteral("/big");
            job.remotePath = QStringLiteral("/big/movie%1.mov").arg(i);
            job.size = qint64(bigMiB) * 1024 * 1024;
            writeRandomFile(job.local, job.size);
            bigJobs.push_back(job);
        }
    }
    const QString capped = env.root() + QStringLiteral("/capped.bin");
    writeRandomFile(capped, 8 * 1024 * 1024);

    const auto wanted = [&](const char* name) {
        return onlyProtocol.isEmpty() || onlyProtocol.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    };
    FtpTestServer ftp;
    ftp.start();
    FtpTestServer ftps;
    if (wanted("FTPS")) {
        FtpServerOptions tls;
        tls.tls = true;
        ftps.start(tls);
        qputenv("SSL_CERT_FILE", QFile::encodeName(FtpTestServer::caFile()));
        qunsetenv("CURL_CA_BUNDLE");
    }
    SftpTestServer sftp;
    if (wanted("SFTP")) {
        sftp.start();
    }
    SshdTestServer sshd;
    if (wanted("SSHD") && SshdTestServer::isAvailable()) {
        sshd.start();
    }
    struct Server {
        const char* name;
        PushConnection connection;
        // What remote paths begin with: sshd serves the real file system.
        QString base;
        QString root;
    };
    std::vector<Server> servers = {{"FTP", ftp.connection(), QString(), ftp.rootDir()}};
    if (wanted("FTPS")) {
        servers.push_back({"FTPS", ftps.connection(), QString(), ftps.rootDir()});
    }
    if (wanted("SFTP")) {
        servers.push_back({"SFTP", sftp.connection(), QString(), sftp.rootDir()});
    }
    if (sshd.isRunning()) {
        servers.push_back({"SSHD", sshd.connection(), sshd.rootDir(), sshd.rootDir()});
    }

    int runNumber = 0;
    for (const Server& server : servers) {
        const char* name = server.name;
        const PushConnection& connection = server.connection;
        if (!wanted(name)) {
            continue;
        }
        for (const bool shared : reuse) {
            for (const int parallel : parallels) {
                const FTPUploader uploader(connection, shared ? FTPUploader::ConnectionReuse::shared
                                                              : FTPUploader::ConnectionReuse::none);
                const QString prefix = server.base + QStringLiteral("/run%1").arg(++runNumber);
                print(name, qPrintable(QStringLiteral("%1 x 16 KiB").arg(smallFiles)), shared, parallel,
                      run(uploader, withPrefix(small, prefix), parallel));
            }
        }
        if (big) {
            for (const bool shared : reuse) {
                for (const int parallel : parallels) {
                    const FTPUploader uploader(connection, shared ? FTPUploader::ConnectionReuse::shared
                                                                  : FTPUploader::ConnectionReuse::none);
                    print(name, qPrintable(QStringLiteral("4 x %1 MiB").arg(bigMiB)), shared, parallel,
                          run(uploader, withPrefix(bigJobs, server.base), parallel));
                }
            }
            // Keep the disk from filling up.
            QDir(server.root + QStringLiteral("/big")).removeRecursively();
        }
        if (cap) {
            PushConnection limited = connection;
            limited.maxBandwidthKBps = 1024;
            const FTPUploader uploader(limited);
            const double cpuBefore = cpuSeconds();
            QElapsedTimer timer;
            timer.start();
            const auto error = uploader.upload(capped, server.base + QStringLiteral("/capped.bin"));
            const double seconds = double(timer.nsecsElapsed()) / 1e9;
            std::printf(
                "%-4s  8 MiB capped at 1024 KiB/s: %.2f s, achieved %.1f KiB/s (%+.1f %%), %.2f CPU s%s%s\n",
                name, seconds, 8192.0 / seconds, (8192.0 / seconds / 1024.0 - 1.0) * 100.0,
                cpuSeconds() - cpuBefore, error ? " FAILED: " : "",
                error ? qPrintable(error->description()) : "");
            std::fflush(stdout);
        }
    }

    if (stallCheck &&
        (onlyProtocol.isEmpty() || onlyProtocol.compare(QLatin1String("ftp"), Qt::CaseInsensitive) == 0)) {
        const QString local = small.front().local;
        double seconds = 0;
        const int stalls = easyPerformStalls(ftp.connection(), local, 400, &seconds);
        std::printf(
            "FTP   400 serial 16 KiB uploads, shared cache, plain curl_easy_perform: %.2f s, %d >= 0.9 s\n",
            seconds, stalls);
        const FTPUploader uploader(ftp.connection());
        std::vector<Job> serial(small.begin(), small.begin() + qMin<qsizetype>(400, qsizetype(small.size())));
        for (Job& job : serial) {
            job.remoteDir = QStringLiteral("/");
            job.remotePath = QStringLiteral("/stall2") + job.remotePath;
        }
        const RunResult r = run(uploader, serial, 1);
        std::printf(
            "FTP   400 serial 16 KiB uploads, shared cache, FTPUploader:              %.2f s, %d >= 0.9 s\n",
            r.seconds, r.stalls);
    }
    return 0;
}
