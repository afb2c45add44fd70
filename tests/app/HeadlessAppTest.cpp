#include "app/DesktopModule.h"
#include "model/PushConnection.h"
#include "platform/PreferencesStore.h"
#include "records/HistoryService.h"
#include "support/ClosedPort.h"
#include "support/DBusMockSession.h"
#include "support/FtpTestServer.h"
#include "support/NetworkManagerMock.h"
#include "support/SftpTestServer.h"
#include "support/SmallVolume.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>
#include <signal.h>

using namespace ondrix;
using namespace Qt::StringLiterals;
using namespace ondrix::test;

namespace {

// The real ondrix binary, run headless against loopback servers with its own home, store and buses.
class HeadlessAppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bus.isRunning()) << bus.errorString().toStdString();
        ASSERT_TRUE(bus.startTemplate(u"logind"_s, u"org.freedesktop.login1"_s));
        processEnvironment = QProcessEnvironment::systemEnvironment();
        for (const auto& [name, value] : {std::pair{"XDG_RUNTIME_DIR", env.makeDir(u"run"_s)},
                                          {"SSL_CERT_FILE", FtpTestServer::caFile()},
                                          {"CURL_CA_BUNDLE", QString()},
                                          {"DBUS_SESSION_BUS_ADDRESS", bus.address()},
                                          {"DBUS_SYSTEM_BUS_ADDRESS", bus.address()}}) {
            processEnvironment.insert(QString::fromLatin1(name), value);
        }
        // The real binary finds its keyword module beside itself, as installed.
        processEnvironment.remove(u"ONDRIX_KEYWORD_MODULE"_s);
        processEnvironment.remove(u"DISPLAY"_s);
        processEnvironment.remove(u"WAYLAND_DISPLAY"_s);
    }

    std::unique_ptr<QProcess> launch(const QString& program = QStringLiteral(ONDRIX_BINARY),
                                     const QStringList& arguments = {u"--headless"_s})
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(processEnvironment);
        process->start(program, arguments);
        return process;
    }

    // Runs until stderr shows `expected`, then stops it with SIGTERM; stderr, and the files mapped by then.
    std::pair<QString, QString> runUntil(const QString& expected,
                                         const QString& program = QStringLiteral(ONDRIX_BINARY),
                                         const QStringList& arguments = {u"--headless"_s})
    {
        auto ondrix = launch(program, arguments);
        QString text;
        const bool seen = QTest::qWaitFor(
            [&] {
                text += QString::fromUtf8(ondrix->readAllStandardError());
                return text.contains(expected);
            },
            30000);
        const QString maps = QString::fromUtf8(readFile(u"/proc/%1/maps"_s.arg(ondrix->processId())));
        stop(*ondrix);
        EXPECT_TRUE(seen) << text.toStdString();
        return {text + QString::fromUtf8(ondrix->readAllStandardError()), maps};
    }

    // A remote control of the running instance: its exit code, its standard output, and both outputs.
    std::tuple<int, QByteArray, QString> control(const QStringList& arguments)
    {
        QProcess process;
        process.setProcessEnvironment(processEnvironment);
        process.start(QStringLiteral(ONDRIX_BINARY), arguments);
        EXPECT_TRUE(process.waitForFinished(20000));
        const QByteArray out = process.readAllStandardOutput();
        return {process.exitCode(), out, QString::fromUtf8(out + process.readAllStandardError())};
    }

    PushConnection connectionTo(PushConnection connection, const QString& name)
    {
        connection.name = name;
        connection.isEnabled = true;
        connection.localFolder = env.makeDir(u"folders/"_s + name);
        connection.stabilityCheckSeconds = 1;
        return connection;
    }

    // The preferences a run starts with; the low-disk pause (this machine's free space) is off.
    void seed(const QList<PushConnection>& connections, const QString& configHome = {})
    {
        PreferencesStore store((configHome.isEmpty() ? env.configHome() : configHome) +
                               u"/Ondrix/preferences.sqlite"_s);
        store.setData(u"push_connections"_s, PushConnection::encodeList(connections));
        store.setInteger(u"notify_min_file_count"_s, 1);
        store.setBool(u"disk_space_warning"_s, false);
    }

    static void stop(QProcess& ondrix, int signal = SIGTERM)
    {
        ::kill(pid_t(ondrix.processId()), signal);
        ASSERT_TRUE(ondrix.waitForFinished(30000));
        EXPECT_EQ(ondrix.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(ondrix.exitCode(), 0);
    }

    TestEnvironment env;
    DBusMockSession bus;
    QProcessEnvironment processEnvironment;
};

} // namespace

// FTP (with a keyword: the module loads for real), SFTP and a refusing server; the remote controls, the JSON
// and plain status and the metrics file agree on the counters; nothing Ondrix writes is readable by others.
TEST_F(HeadlessAppTest, UploadsFromStoredConnectionsAnswersTheRemoteControlsAndStopsCleanly)
{
    FtpTestServer ftp;
    ftp.start();
    SftpTestServer sftp;
    sftp.start();
    ClosedPort refusing;
    PushConnection agency = connectionTo(ftp.connection(), u"Agency"_s);
    const IPTCKeywordEntry preset{.name = u"Desk"_s, .keyword = u"harbour, Hafen"_s};
    agency.iptcEnabled = true;
    agency.iptcKeywords = {preset};
    agency.selectedIPTCKeywordID = preset.id;
    const PushConnection archive = connectionTo(sftp.connection(), u"Archive"_s);
    PushConnection partner = connectionTo(ftp.connection(), u"Partner"_s);
    partner.name = uR"(Partner "B")"_s;
    partner.port = refusing.port();
    // No keyring on this bus: the FTP password comes from a systemd credential, the others from the store.
    const QString credentials = env.makeDir(u"credentials"_s);
    env.writeFile(u"credentials/Agency"_s, agency.password.toUtf8() + '\n');
    processEnvironment.insert(u"CREDENTIALS_DIRECTORY"_s, credentials);
    agency.password.clear();
    seed({agency, archive, partner});

    const auto [notRunning, ignored, notRunningText] = control({u"--status"_s});
    EXPECT_TRUE(notRunning == 1 && notRunningText.contains(u"Cannot reach a running Ondrix"_s))
        << notRunningText.toStdString();

    const QString metricsPath = env.makeDir(u"textfile"_s) + u"/ondrix.prom"_s;
    auto ondrix = launch(QStringLiteral(ONDRIX_BINARY), {u"--headless"_s, u"--metrics-file"_s, metricsPath});
    QString stderrText;
    const auto failures = [&] {
        stderrText += QString::fromUtf8(ondrix->readAllStandardError());
        return stderrText.count(u"[%1] ✗ "_s.arg(partner.name));
    };
    // The smallest JPEG the keyword writer accepts: a JFIF header, a frame header, one scan, the end marker.
    env.writeFile(u"folders/Agency/photo.jpg"_s,
                  QByteArray::fromHex("ffd8ffe000104a46494600010100000100010000ffc0000b08"
                                      "0001000101011100ffda0008010100003f00d2cf20ffd9"));
    env.writeFile(u"folders/Archive/day1/raw.dng"_s, "over sftp");
    for (int i = 0; i < 3; ++i) {
        env.writeFile(u"folders/Partner/p%1.txt"_s.arg(i), "refused");
    }
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const QByteArray sent = readFile(ftp.rootDir() + u"/photo.jpg"_s);
            return sent.contains("harbour") && sent.contains("Hafen") && sent.endsWith("\xff\xd9");
        },
        30000))
        << readFile(ftp.rootDir() + u"/photo.jpg"_s).toHex().toStdString();

    // One Ondrix per store, also from a session with another runtime folder.
    processEnvironment.insert(u"XDG_RUNTIME_DIR"_s, env.makeDir(u"run2"_s));
    auto second = launch();
    ASSERT_TRUE(second->waitForFinished(20000));
    EXPECT_TRUE(second->exitCode() == 1 && second->readAllStandardError().contains("already running"));

    const auto delivered = [&] {
        QStringList names;
        for (const HistoryEntry& entry :
             HistoryService::decode(readFile(env.dataHome() + u"/Ondrix/history.json"_s))
                 .value_or(QList<HistoryEntry>())) {
            if (!entry.error) {
                names.append(entry.filename);
            }
        }
        names.sort();
        return names;
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return delivered().size() == 2 && failures() >= 3; }, 60000))
        << stderrText.toStdString();

    const auto [jsonCode, json, ignoredText] = control({u"--status"_s, u"--json"_s});
    const auto [plainCode, ignoredOut, plain] = control({u"--status"_s});
    EXPECT_EQ(jsonCode + plainCode, 0);
    const QJsonObject document = QJsonDocument::fromJson(json).object();
    EXPECT_EQ(document.value(u"version"_s).toString(), QStringLiteral(ONDRIX_VERSION));
    const QJsonArray connections = document.value(u"connections"_s).toArray();
    ASSERT_EQ(connections.size(), 3);
    const QJsonObject ok = connections[1].toObject(), failing = connections[2].toObject();
    EXPECT_EQ(std::tuple(ok[u"id"_s].toString(), ok[u"state"_s].toString(), ok[u"filesUploaded"_s].toInt(),
                         ok[u"filesToday"_s].toInt(), ok[u"bytesToday"_s].toInt(),
                         ok[u"consecutiveFailures"_s].toInt(), ok[u"lastError"_s].isNull(),
                         failing[u"name"_s].toString(), failing[u"state"_s].toString(),
                         failing[u"lastSuccess"_s].isNull(), document[u"uptimeSeconds"_s].toDouble() >= 0),
              std::tuple(archive.id.toString(QUuid::WithoutBraces), u"watching"_s, 1, 1, 9, 0, true,
                         partner.name, u"error"_s, true, true));
    EXPECT_TRUE(QDateTime::fromString(ok.value(u"lastSuccess"_s).toString(), Qt::ISODate).isValid());
    EXPECT_GE(failing.value(u"filesFailed"_s).toInt(), 3);
    EXPECT_EQ(failing.value(u"consecutiveFailures"_s), failing.value(u"filesFailed"_s));
    EXPECT_TRUE(QDateTime::fromString(failing[u"lastError"_s][u"time"_s].toString(), Qt::ISODate).isValid());
    QString words;
    for (const QJsonValue& c : connections) {
        words += u"%1: %2, %3 queued, %4 uploading"_s
                     .arg(c[u"name"_s].toString(),
                          c[u"state"_s].toString() == u"error"_s ? u"Error"_s : u"Watching"_s)
                     .arg(c[u"filesQueued"_s].toInt())
                     .arg(c[u"filesUploading"_s].toInt());
        if (!c[u"lastError"_s].isNull()) {
            words += u", last error: "_s + c[u"lastError"_s][u"message"_s].toString();
        }
        words += u'\n';
    }
    EXPECT_EQ(plain, words);

    EXPECT_EQ(std::get<0>(control({u"--pause"_s})), 0);
    env.writeFile(u"folders/Agency/later.jpg"_s, "after the pause");
    const auto [pausedCode, ignoredPausedOut, paused] = control({u"--status"_s});
    EXPECT_TRUE(paused.startsWith(u"Agency: Paused (by you), "_s)) << paused.toStdString();
    EXPECT_EQ(std::get<0>(control({u"--resume"_s})), 0);
    const auto [showCode, ignoredShowOut, show] = control({u"--show"_s});
    EXPECT_TRUE(showCode == 1 && show.startsWith(u"The running Ondrix has no windows"_s))
        << show.toStdString();
    EXPECT_EQ(std::get<0>(control({u"--upload-now"_s})), 0);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return delivered() == QStringList{u"later.jpg"_s, u"photo.jpg"_s, u"raw.dng"_s};
        },
        30000))
        << delivered().join(u' ').toStdString();
    stop(*ondrix);
    const qsizetype refused = failures();
    EXPECT_TRUE(stderrText.contains(u"[Agency] ✓ photo.jpg"_s)) << stderrText.toStdString();
    EXPECT_TRUE(stderrText.contains(u"Upload Now: rescanning 3 connections"_s));
    EXPECT_EQ(
        stderrText.count(u"No keyring was found, so passwords are stored in the preferences database"_s), 1);
    const QString logFile = QString::fromUtf8(readFile(env.stateHome() + u"/Ondrix/Ondrix.log"_s));
    EXPECT_TRUE(logFile.contains(u"[Archive] ✓ raw.dng"_s)) << logFile.toStdString();

    const QString metrics = QString::fromUtf8(readFile(metricsPath));
    const auto labels = [](const PushConnection& c, const char* shown) {
        return u"{connection=\"%1\",connection_id=\"%2\"}"_s.arg(QLatin1String(shown),
                                                                 c.id.toString(QUuid::WithoutBraces));
    };
    for (const QString& sample :
         {u"ondrix_up 0"_s, u"ondrix_uploaded_files_total%1 2"_s.arg(labels(agency, "Agency")),
          u"ondrix_uploaded_files_total%1 1"_s.arg(labels(archive, "Archive")),
          u"ondrix_uploaded_bytes_total%1 9"_s.arg(labels(archive, "Archive")),
          u"ondrix_failed_files_total%1 0"_s.arg(labels(archive, "Archive")),
          u"ondrix_uploaded_files_total%1 0"_s.arg(labels(partner, R"(Partner \"B\")")),
          u"ondrix_failed_files_total%1 %2"_s.arg(labels(partner, R"(Partner \"B\")")).arg(refused)}) {
        EXPECT_TRUE(metrics.contains(u'\n' + sample + u'\n')) << sample.toStdString() << "\n"
                                                              << metrics.toStdString();
    }
    EXPECT_EQ(QFile::permissions(metricsPath) & QFileDevice::ReadOther, QFileDevice::ReadOther);

    // Nothing else Ondrix wrote (store, log, history, known_hosts, lock, temporary files) is for others.
    QStringList written;
    for (const QString& folder :
         {env.configHome(), env.dataHome(), env.stateHome(), env.cacheHome(), env.home()}) {
        for (QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
             it.hasNext();) {
            written.append(it.next());
            EXPECT_FALSE(QFile::permissions(written.last()) &
                         (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup |
                          QFileDevice::WriteOther))
                << qPrintable(written.last());
        }
    }
    EXPECT_TRUE(written.contains(env.dataHome() + u"/Ondrix/known_hosts"_s));
}

// With the preferences, the log and the history on a full disk, files still go up and a stop is clean (the
// lock that could not record the process number is this process's own).
TEST_F(HeadlessAppTest, AFullDiskUnderThePreferencesHoldsNoUploadBack)
{
    SmallVolume volume(env.makeDir(u"full"_s), u"2M"_s);
    if (!volume.mounted) {
        GTEST_SKIP() << "mounting a tmpfs needs root";
    }
    FtpTestServer ftp;
    ftp.start();
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"}) {
        processEnvironment.insert(QString::fromLatin1(name), volume.path + u'/' + QLatin1String(name));
    }
    seed({connectionTo(ftp.connection(), u"Agency"_s)}, volume.path + u"/XDG_CONFIG_HOME"_s);
    QFile ballast(volume.path + u"/ballast"_s);
    ASSERT_TRUE(ballast.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (ballast.write(QByteArray(4096, 'b')) == 4096) {
    }
    auto ondrix = launch();
    env.writeFile(u"folders/Agency/photo.jpg"_s, "on a full disk");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return readFile(ftp.rootDir() + u"/photo.jpg"_s) == "on a full disk"; }, 30000))
        << ondrix->readAllStandardError().toStdString();
    stop(*ondrix);
}

// A stop during start-up is clean; an unreadable connection list is named and kept aside; a headless run maps
// no desktop library; a missing or broken desktop module is said; a burst of lines reaches stderr whole.
TEST_F(HeadlessAppTest, StartsSayWhatWasLoadedAndWhatIsMissingAndStopCleanlyAtAnyMoment)
{
    const QString lockFile = env.configHome() + u"/Ondrix/ondrix.lock"_s;
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        auto ondrix = launch();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(lockFile); }, 20000));
        stop(*ondrix, round == 2 ? SIGINT : SIGTERM);
    }

    NetworkManagerMock networkManager(bus);
    QString error;
    ASSERT_TRUE(networkManager.start(&error)) << error.toStdString();
    const QByteArray broken = R"([{"name": "Agency", "transferProtocol": "ftp"}])";
    const QString storePath = env.configHome() + u"/Ondrix/preferences.sqlite"_s;
    PreferencesStore(storePath).setData(u"push_connections"_s, broken);
    const QString started = u"No connections are set up"_s;
    const auto [empty, maps] = runUntil(started);
    for (const QString& said :
         {u"The README (section \"The preferences database\") explains how to add one"_s,
          u"The connection list stored under \"push_connections\" cannot be read "
          u"(connection 1: "_s,
          u"\"push_connections_unreadable\""_s}) {
        EXPECT_TRUE(empty.contains(said)) << empty.toStdString();
    }
    EXPECT_FALSE(empty.contains(u"desktop interface"_s)) << empty.toStdString();
    EXPECT_EQ(PreferencesStore(storePath).dataValue(u"push_connections_unreadable"_s), broken);
    const QString logFile = QString::fromUtf8(readFile(env.stateHome() + u"/Ondrix/Ondrix.log"_s));
    EXPECT_TRUE(logFile.contains(u"[ERR ] The connection list stored under"_s)) << logFile.toStdString();
    for (const char* library :
         {"libQt6Gui", "libQt6Widgets", "libQt6Svg", "libX11", "libxcb", "libfontconfig", "libfreetype",
          "libGL", "desktop.so", "libcanberra", "libqglib", "libgio", "iptc.so", "libexiv2", "libexpat"}) {
        EXPECT_FALSE(maps.contains(QLatin1String(library))) << library;
    }
    EXPECT_TRUE(maps.contains(QLatin1String("libqnetworkmanager"))) << "the NetworkManager backend is used";

    const QString copy = env.makeDir(u"elsewhere/bin"_s) + u"/ondrix"_s;
    ASSERT_TRUE(QFile::copy(QStringLiteral(ONDRIX_BINARY), copy));
    processEnvironment.insert(u"DISPLAY"_s, u":97"_s);
    const QString module = DesktopModule::pathFor(copy);
    const QString missing = runUntil(started, copy, {}).first;
    EXPECT_TRUE(
        missing.contains(u"The desktop interface cannot be loaded, so Ondrix runs without a tray icon or "
                         u"windows: %1 is missing"_s.arg(module)))
        << missing.toStdString();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(module).absolutePath()));
    env.writeFile(QDir(env.root()).relativeFilePath(module), "not a library");
    const QString unloadable = runUntil(started, copy, {}).first;
    EXPECT_TRUE(unloadable.contains(u"The desktop interface cannot be loaded"_s) &&
                unloadable.contains(module))
        << unloadable.toStdString();

    processEnvironment.remove(u"DISPLAY"_s);
    constexpr int count = 110;
    QList<PushConnection> connections;
    for (int i = 0; i < count; ++i) {
        connections.append(connectionTo({.host = u"127.0.0.1"_s}, u"c%1"_s.arg(i)));
    }
    connections.last().isEnabled = false;
    seed(connections);
    const QString text = runUntil(u"[c%1] Watching "_s.arg(count - 2)).first;
    EXPECT_TRUE(text.contains(u"Connections loaded: %1 (%2 enabled)."_s.arg(count).arg(count - 1)))
        << text.toStdString();
    for (int i = 0; i < count - 1; ++i) {
        EXPECT_TRUE(text.contains(u"[c%1] Watching "_s.arg(i))) << i;
    }
}
