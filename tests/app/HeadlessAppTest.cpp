#include "app/DesktopModule.h"
#include "model/PushConnection.h"
#include "platform/PreferencesStore.h"
#include "records/HistoryService.h"
#include "support/DBusMockSession.h"
#include "support/FtpTestServer.h"
#include "support/NetworkManagerMock.h"
#include "support/SftpTestServer.h"
#include "support/SmallVolume.h"
#include "support/TestEnvironment.h"
#include "transfer/ClosedPort.h"

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
using ondrix::test::ClosedPort;
using ondrix::test::DBusMockSession;
using ondrix::test::FtpTestServer;
using ondrix::test::NetworkManagerMock;
using ondrix::test::readFile;
using ondrix::test::SftpTestServer;
using ondrix::test::SmallVolume;
using ondrix::test::TestEnvironment;

namespace {

// The real ondrix binary, run headless against loopback servers with its own home, store and buses.
class HeadlessAppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bus.isRunning()) << bus.errorString().toStdString();
        ASSERT_TRUE(bus.startTemplate(QStringLiteral("logind"), QStringLiteral("org.freedesktop.login1")));
        // HOME and the XDG folders already point into `env`; the rest is this run's own.
        processEnvironment = QProcessEnvironment::systemEnvironment();
        for (const auto& [name, value] : {std::pair{"XDG_RUNTIME_DIR", env.makeDir(QStringLiteral("run"))},
                                          {"SSL_CERT_FILE", FtpTestServer::caFile()},
                                          {"CURL_CA_BUNDLE", QString()},
                                          {"DBUS_SESSION_BUS_ADDRESS", bus.address()},
                                          {"DBUS_SYSTEM_BUS_ADDRESS", bus.address()}}) {
            processEnvironment.insert(QString::fromLatin1(name), value);
        }
        // The real binary finds its keyword module beside itself, as installed.
        processEnvironment.remove(QStringLiteral("ONDRIX_KEYWORD_MODULE"));
        processEnvironment.remove(QStringLiteral("DISPLAY"));
        processEnvironment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    }

    std::unique_ptr<QProcess> launch(const QString& program = QStringLiteral(ONDRIX_BINARY),
                                     const QStringList& arguments = {QStringLiteral("--headless")})
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(processEnvironment);
        process->setProcessChannelMode(QProcess::SeparateChannels);
        process->start(program, arguments);
        return process;
    }

    // Runs until stderr shows `expected`, then stops it with SIGTERM; stderr, and the files mapped by then.
    std::pair<QString, QString> runUntil(const QString& expected,
                                         const QString& program = QStringLiteral(ONDRIX_BINARY),
                                         const QStringList& arguments = {QStringLiteral("--headless")})
    {
        auto ondrix = launch(program, arguments);
        QString text;
        const bool seen = QTest::qWaitFor(
            [&] {
                text += QString::fromUtf8(ondrix->readAllStandardError());
                return text.contains(expected);
            },
            30000);
        const QString maps =
            QString::fromUtf8(readFile(QStringLiteral("/proc/%1/maps").arg(ondrix->processId())));
        ::kill(pid_t(ondrix->processId()), SIGTERM);
        EXPECT_TRUE(ondrix->waitForFinished(30000));
        EXPECT_EQ(ondrix->exitCode(), 0);
        EXPECT_TRUE(seen) << text.toStdString();
        return {text + QString::fromUtf8(ondrix->readAllStandardError()), maps};
    }

    // Runs `ondrix <option>…`, a remote control of the running instance: its exit code and what it printed.
    int control(const QStringList& arguments, QString* output = nullptr, QByteArray* out = nullptr)
    {
        QProcess process;
        process.setProcessEnvironment(processEnvironment);
        process.start(QStringLiteral(ONDRIX_BINARY), arguments);
        EXPECT_TRUE(process.waitForFinished(20000));
        const QByteArray standardOutput = process.readAllStandardOutput();
        if (output) {
            *output = QString::fromUtf8(standardOutput + process.readAllStandardError());
        }
        if (out) {
            *out = standardOutput;
        }
        return process.exitCode();
    }

    // Stores the connections the binary starts with. The low-disk pause follows this machine's free space,
    // which is not what these tests are about, so it is off.
    static void store(const QString& path, const QList<PushConnection>& connections)
    {
        PreferencesStore preferences(path);
        preferences.setData(QStringLiteral("push_connections"), PushConnection::encodeList(connections));
        preferences.setBool(QStringLiteral("disk_space_warning"), false);
    }

    PushConnection connectionTo(PushConnection connection, const QString& name)
    {
        connection.name = name;
        connection.isEnabled = true;
        connection.localFolder = env.makeDir(QStringLiteral("folders/") + name);
        connection.stabilityCheckSeconds = 1;
        return connection;
    }

    TestEnvironment env;
    DBusMockSession bus;
    QProcessEnvironment processEnvironment;
};

// The smallest JPEG the keyword writer accepts: a JFIF header, a frame header, one scan and the end marker.
QByteArray tinyJpeg()
{
    return QByteArray::fromHex("ffd8ffe000104a46494600010100000100010000"
                               "ffc0000b080001000101011100ffda0008010100003f00d2cf20ffd9");
}

} // namespace

TEST_F(HeadlessAppTest, UploadsFromStoredConnectionsAndStopsCleanly)
{
    FtpTestServer ftp;
    ftp.start();
    SftpTestServer sftp;
    sftp.start();
    // Images of the FTP connection get a keyword: the keyword module is loaded for real.
    PushConnection overFtp = connectionTo(ftp.connection(), QStringLiteral("Agency"));
    IPTCKeywordEntry preset;
    preset.name = QStringLiteral("Desk");
    preset.keyword = QStringLiteral("harbour, Hafen");
    overFtp.iptcEnabled = true;
    overFtp.iptcKeywords = {preset};
    overFtp.selectedIPTCKeywordID = preset.id;
    const PushConnection overSftp = connectionTo(sftp.connection(), QStringLiteral("Archive"));
    // No keyring on this bus: the FTP password comes from a systemd credential named after the connection,
    // the SFTP one from the store.
    const QString credentials = env.makeDir(QStringLiteral("credentials"));
    env.writeFile(QStringLiteral("credentials/Agency"), overFtp.password.toUtf8() + '\n');
    processEnvironment.insert(QStringLiteral("CREDENTIALS_DIRECTORY"), credentials);
    overFtp.password.clear();
    {
        store(env.configHome() + QStringLiteral("/Ondrix/preferences.sqlite"), {overFtp, overSftp});
        PreferencesStore(env.configHome() + QStringLiteral("/Ondrix/preferences.sqlite"))
            .setInteger(QStringLiteral("notify_min_file_count"), 1);
    }

    // The remote controls talk to the running instance: `ondrix --status` prints what it answers.
    QString status;
    EXPECT_EQ(control({QStringLiteral("--status")}, &status), 1) << "nothing runs yet";
    EXPECT_TRUE(status.contains(QStringLiteral("Cannot reach a running Ondrix"))) << status.toStdString();

    auto ondrix = launch();
    ASSERT_TRUE(ondrix->waitForStarted(10000));
    env.writeFile(QStringLiteral("folders/Agency/photo.jpg"), tinyJpeg());
    env.writeFile(QStringLiteral("folders/Archive/day1/raw.dng"), "over sftp");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const QByteArray sent = readFile(ftp.rootDir() + QStringLiteral("/photo.jpg"));
            return sent.contains("harbour") && sent.contains("Hafen") && sent.endsWith("\xff\xd9");
        },
        30000))
        << readFile(ftp.rootDir() + QStringLiteral("/photo.jpg")).toHex().toStdString();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return readFile(sftp.rootDir() + QStringLiteral("/day1/raw.dng")) == "over sftp"; }, 30000));

    // One Ondrix per store, also from a session with another runtime folder.
    processEnvironment.insert(QStringLiteral("XDG_RUNTIME_DIR"), env.makeDir(QStringLiteral("run2")));
    auto second = launch();
    ASSERT_TRUE(second->waitForFinished(20000));
    EXPECT_EQ(second->exitCode(), 1);
    EXPECT_TRUE(second->readAllStandardError().contains("already running"));

    const auto historyHolds = [&](qsizetype count) {
        return QTest::qWaitFor(
            [&] {
                return HistoryService::decode(
                           readFile(env.dataHome() + QStringLiteral("/Ondrix/history.json")))
                           .value_or(QList<HistoryEntry>())
                           .size() == count;
            },
            30000);
    };
    ASSERT_TRUE(historyHolds(2));
    EXPECT_EQ(control({QStringLiteral("--status")}, &status), 0);
    EXPECT_EQ(status, QStringLiteral("Agency: Watching, 0 queued, 0 uploading\nArchive: Watching, 0 queued, "
                                     "0 uploading\n"));
    EXPECT_EQ(control({QStringLiteral("--pause")}), 0);
    env.writeFile(QStringLiteral("folders/Agency/later.jpg"), "after the pause");
    EXPECT_EQ(control({QStringLiteral("--status")}, &status), 0);
    EXPECT_TRUE(status.startsWith(QStringLiteral("Agency: Paused (by you), "))) << status.toStdString();
    EXPECT_EQ(control({QStringLiteral("--resume")}), 0);
    EXPECT_EQ(control({QStringLiteral("--show")}, &status), 1) << "a headless Ondrix has nothing to show";
    EXPECT_TRUE(status.startsWith(QStringLiteral("The running Ondrix has no windows")))
        << status.toStdString();
    EXPECT_EQ(control({QStringLiteral("--upload-now")}), 0);
    EXPECT_TRUE(historyHolds(3));
    EXPECT_EQ(readFile(ftp.rootDir() + QStringLiteral("/later.jpg")), "after the pause");
    ::kill(pid_t(ondrix->processId()), SIGTERM);
    ASSERT_TRUE(ondrix->waitForFinished(30000));
    EXPECT_EQ(ondrix->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(ondrix->exitCode(), 0);
    const QString stderrText = QString::fromUtf8(ondrix->readAllStandardError());
    EXPECT_TRUE(stderrText.contains(QStringLiteral("[Agency] ✓ photo.jpg"))) << stderrText.toStdString();
    EXPECT_TRUE(stderrText.contains(QStringLiteral("Upload Now: rescanning 2 connections")));
    EXPECT_EQ(
        stderrText.count(QStringLiteral("No keyring was found, so passwords are stored in the preferences "
                                        "database")),
        1)
        << stderrText.toStdString();

    const QString logFile =
        QString::fromUtf8(readFile(env.stateHome() + QStringLiteral("/Ondrix/Ondrix.log")));
    EXPECT_TRUE(logFile.contains(QStringLiteral("[Agency] Watching ")));
    EXPECT_TRUE(logFile.contains(QStringLiteral("[Archive] ✓ raw.dng"))) << logFile.toStdString();
    const auto history =
        HistoryService::decode(readFile(env.dataHome() + QStringLiteral("/Ondrix/history.json")));
    ASSERT_TRUE(history);
    QStringList names;
    for (const HistoryEntry& entry : *history) {
        names.append(entry.filename);
    }
    names.sort();
    EXPECT_EQ(names, (QStringList{QStringLiteral("later.jpg"), QStringLiteral("photo.jpg"),
                                  QStringLiteral("raw.dng")}));

    // Nothing Ondrix wrote (store, log, history, known_hosts, lock, temporary files) is readable by others.
    QStringList written;
    for (const QString& folder :
         {env.configHome(), env.dataHome(), env.stateHome(), env.cacheHome(), env.home()}) {
        QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            written.append(file);
            EXPECT_EQ(QFile::permissions(file) & (QFileDevice::ReadGroup | QFileDevice::ReadOther |
                                                  QFileDevice::WriteGroup | QFileDevice::WriteOther),
                      QFileDevice::Permissions())
                << qPrintable(file);
        }
    }
    EXPECT_TRUE(written.contains(env.dataHome() + QStringLiteral("/Ondrix/known_hosts")))
        << qPrintable(written.join(u' '));
}

// A stop asked for while Ondrix starts up (the moment its lock is taken, before the store and the engines are
// ready) is a clean stop, not death by the signal.
TEST_F(HeadlessAppTest, ASignalDuringStartUpIsACleanStop)
{
    const QString lockFile = env.configHome() + QStringLiteral("/Ondrix/ondrix.lock");
    for (int round = 0; round < 3; ++round) {
        auto ondrix = launch();
        ASSERT_TRUE(ondrix->waitForStarted(10000));
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(lockFile); }, 20000));
        ::kill(pid_t(ondrix->processId()), round == 2 ? SIGINT : SIGTERM);
        ASSERT_TRUE(ondrix->waitForFinished(30000));
        EXPECT_EQ(ondrix->exitStatus(), QProcess::NormalExit) << round;
        EXPECT_EQ(ondrix->exitCode(), 0) << round;
    }
}

// With the preferences, the log and the history on a full disk, files still go up and a stop is clean (the
// lock that could not record the process number is this process's own).
TEST_F(HeadlessAppTest, AFullDiskUnderThePreferencesHoldsNoUploadBack)
{
    SmallVolume volume(env.makeDir(QStringLiteral("full")), QStringLiteral("2M"));
    if (!volume.mounted) {
        GTEST_SKIP() << "mounting a tmpfs needs root";
    }
    FtpTestServer ftp;
    ftp.start();
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"}) {
        processEnvironment.insert(QString::fromLatin1(name),
                                  volume.path + QLatin1Char('/') + QLatin1String(name));
    }
    store(volume.path + QStringLiteral("/XDG_CONFIG_HOME/Ondrix/preferences.sqlite"),
          {connectionTo(ftp.connection(), QStringLiteral("Agency"))});
    QFile ballast(volume.path + QStringLiteral("/ballast"));
    ASSERT_TRUE(ballast.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (ballast.write(QByteArray(4096, 'b')) == 4096) {
    }

    auto ondrix = launch();
    ASSERT_TRUE(ondrix->waitForStarted(10000));
    env.writeFile(QStringLiteral("folders/Agency/photo.jpg"), "on a full disk");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return readFile(ftp.rootDir() + QStringLiteral("/photo.jpg")) == "on a full disk"; }, 30000))
        << ondrix->readAllStandardError().toStdString();
    ::kill(pid_t(ondrix->processId()), SIGTERM);
    ASSERT_TRUE(ondrix->waitForFinished(30000));
    EXPECT_EQ(ondrix->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(ondrix->exitCode(), 0) << ondrix->readAllStandardError().toStdString();
}

// The start says what was loaded; a connection list that cannot be read is named with the reason and kept
// aside before the run can write over it; a burst of more lines than the log window keeps (one "Watching"
// line per connection, all in one turn of the event loop) reaches stderr whole.
TEST_F(HeadlessAppTest, StartSaysWhatWasLoadedAndEveryLineIsEchoed)
{
    const QByteArray broken = R"([{"name": "Agency", "transferProtocol": "ftp"}])";
    const QString storePath = env.configHome() + QStringLiteral("/Ondrix/preferences.sqlite");
    PreferencesStore(storePath).setData(QStringLiteral("push_connections"), broken);
    const QString empty = runUntil(QStringLiteral("No connections are set up")).first;
    EXPECT_TRUE(
        empty.contains(QStringLiteral("The README (section \"The preferences database\") explains how to "
                                      "add one")))
        << empty.toStdString();
    EXPECT_TRUE(
        empty.contains(QStringLiteral("The connection list stored under \"push_connections\" cannot be read "
                                      "(connection 1: ")))
        << empty.toStdString();
    EXPECT_TRUE(empty.contains(QStringLiteral("\"push_connections_unreadable\""))) << empty.toStdString();
    EXPECT_EQ(PreferencesStore(storePath).dataValue(QStringLiteral("push_connections_unreadable")), broken);
    const QString logFile =
        QString::fromUtf8(readFile(env.stateHome() + QStringLiteral("/Ondrix/Ondrix.log")));
    EXPECT_TRUE(logFile.contains(QStringLiteral("[ERR ] The connection list stored under")))
        << logFile.toStdString();

    constexpr int count = 110;
    QList<PushConnection> connections;
    for (int i = 0; i < count; ++i) {
        PushConnection connection = connectionTo(PushConnection(), QStringLiteral("c%1").arg(i));
        connection.host = QStringLiteral("127.0.0.1");
        connections.append(connection);
    }
    connections.last().isEnabled = false;
    PreferencesStore(storePath).setData(QStringLiteral("push_connections"),
                                        PushConnection::encodeList(connections));
    const QString text = runUntil(QStringLiteral("[c%1] Watching ").arg(count - 2)).first;
    EXPECT_TRUE(
        text.contains(QStringLiteral("Connections loaded: %1 (%2 enabled).").arg(count).arg(count - 1)))
        << text.toStdString();
    for (int i = 0; i < count - 1; ++i) {
        EXPECT_TRUE(text.contains(QStringLiteral("[c%1] Watching ").arg(i))) << i;
    }
}

// A headless run maps none of the desktop's libraries nor the image metadata ones (no keyword written), and
// with NetworkManager there it does not load the glib network backend either. A desktop start whose desktop
// module is missing or unloadable (an executable copied elsewhere, a damaged installation) runs headless and
// says why.
TEST_F(HeadlessAppTest, HeadlessRunsCarryNoDesktopAndAMissingDesktopModuleFallsBackToHeadless)
{
    NetworkManagerMock networkManager(bus);
    QString error;
    ASSERT_TRUE(networkManager.start(&error)) << error.toStdString();
    const QString started = QStringLiteral("No connections are set up");
    const auto [headless, maps] = runUntil(started);
    for (const char* library :
         {"libQt6Gui", "libQt6Widgets", "libQt6Svg", "libX11", "libxcb", "libfontconfig", "libfreetype",
          "libGL", "desktop.so", "libcanberra", "libqglib", "libgio", "iptc.so", "libexiv2", "libexpat"}) {
        EXPECT_FALSE(maps.contains(QLatin1String(library))) << library;
    }
    EXPECT_TRUE(maps.contains(QLatin1String("libqnetworkmanager"))) << "the NetworkManager backend is used";
    EXPECT_FALSE(headless.contains(QStringLiteral("desktop interface"))) << headless.toStdString();

    const QString copy = env.makeDir(QStringLiteral("elsewhere/bin")) + QStringLiteral("/ondrix");
    ASSERT_TRUE(QFile::copy(QStringLiteral(ONDRIX_BINARY), copy));
    processEnvironment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":97"));
    const QString module = DesktopModule::pathFor(copy);
    const QString missing = runUntil(started, copy, {}).first;
    EXPECT_TRUE(missing.contains(QStringLiteral("The desktop interface cannot be loaded, so Ondrix runs "
                                                "without a tray icon or windows: %1 is missing")
                                     .arg(module)))
        << missing.toStdString();

    ASSERT_TRUE(QDir().mkpath(QFileInfo(module).absolutePath()));
    QFile damaged(module);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a library");
    damaged.close();
    const QString unloadable = runUntil(started, copy, {}).first;
    EXPECT_TRUE(unloadable.contains(QStringLiteral("The desktop interface cannot be loaded")))
        << unloadable.toStdString();
    EXPECT_TRUE(unloadable.contains(module)) << unloadable.toStdString();
}

// A run with one connection that delivers and one whose server refuses every connection: `--status --json`
// parses with python's json module, carries each connection's counters and says what the plain `--status`
// says; the metrics file holds the same counters, escapes the quoted name and says `ondrix_up 0` after
// the stop (MetricsFileTest runs promtool on the text).
TEST_F(HeadlessAppTest, StatusJsonAndMetricsFileAgreeWithWhatHappened)
{
    FtpTestServer ftp;
    ftp.start();
    ClosedPort refusing;
    const QString partnerName = QStringLiteral(R"(Partner "B")");
    const PushConnection studio = connectionTo(ftp.connection(), QStringLiteral("Studio"));
    PushConnection partner = connectionTo(ftp.connection(), QStringLiteral("Partner"));
    partner.name = partnerName;
    partner.port = refusing.port();
    store(env.configHome() + QStringLiteral("/Ondrix/preferences.sqlite"), {studio, partner});

    const QString metricsPath = env.makeDir(QStringLiteral("textfile")) + QStringLiteral("/ondrix.prom");
    auto ondrix = launch(QStringLiteral(ONDRIX_BINARY),
                         {QStringLiteral("--headless"), QStringLiteral("--metrics-file"), metricsPath});
    ASSERT_TRUE(ondrix->waitForStarted(10000));
    qint64 bytes = 0;
    for (int i = 0; i < 20; ++i) {
        const QByteArray content(100 + i, 'x');
        bytes += content.size();
        env.writeFile(QStringLiteral("folders/Studio/f%1.txt").arg(i), content);
    }
    for (int i = 0; i < 3; ++i) {
        env.writeFile(QStringLiteral("folders/Partner/p%1.txt").arg(i), "refused");
    }
    QString stderrText;
    const auto failures = [&] { return stderrText.count(QStringLiteral("[%1] ✗ ").arg(partnerName)); };
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            stderrText += QString::fromUtf8(ondrix->readAllStandardError());
            return stderrText.count(QStringLiteral("[Studio] ✓ ")) == 20 && failures() >= 3;
        },
        60000))
        << stderrText.toStdString();

    QByteArray json;
    QString plain;
    EXPECT_EQ(control({QStringLiteral("--status"), QStringLiteral("--json")}, nullptr, &json), 0);
    EXPECT_EQ(control({QStringLiteral("--status")}, &plain), 0);
    QProcess python;
    python.start(
        QStringLiteral("/usr/bin/python3"),
        {QStringLiteral("-c"), QStringLiteral("import json, sys; d = json.load(sys.stdin); "
                                              "print(len(d['connections']), d['uptimeSeconds'] >= 0)")});
    python.write(json);
    python.closeWriteChannel();
    ASSERT_TRUE(python.waitForFinished(10000));
    EXPECT_EQ(python.readAllStandardOutput(), "2 True\n") << json.toStdString();

    const QJsonObject document = QJsonDocument::fromJson(json).object();
    EXPECT_EQ(document.value(QStringLiteral("version")).toString(), QStringLiteral(ONDRIX_VERSION));
    const QJsonArray connections = document.value(QStringLiteral("connections")).toArray();
    ASSERT_EQ(connections.size(), 2);
    const QJsonObject ok = connections[0].toObject();
    const QJsonObject failing = connections[1].toObject();
    EXPECT_EQ(ok.value(QStringLiteral("id")).toString(), studio.id.toString(QUuid::WithoutBraces));
    EXPECT_EQ(ok.value(QStringLiteral("state")).toString(), QStringLiteral("watching"));
    EXPECT_EQ(ok.value(QStringLiteral("filesUploaded")).toInt(), 20);
    EXPECT_EQ(ok.value(QStringLiteral("filesToday")).toInt(), 20);
    EXPECT_EQ(ok.value(QStringLiteral("bytesToday")).toInteger(), bytes);
    EXPECT_EQ(ok.value(QStringLiteral("consecutiveFailures")).toInt(), 0);
    EXPECT_TRUE(ok.value(QStringLiteral("lastError")).isNull());
    EXPECT_TRUE(
        QDateTime::fromString(ok.value(QStringLiteral("lastSuccess")).toString(), Qt::ISODate).isValid());
    EXPECT_EQ(failing.value(QStringLiteral("name")).toString(), partnerName);
    EXPECT_EQ(failing.value(QStringLiteral("state")).toString(), QStringLiteral("error"));
    EXPECT_TRUE(failing.value(QStringLiteral("lastSuccess")).isNull());
    const int failed = failing.value(QStringLiteral("filesFailed")).toInt();
    EXPECT_GE(failed, 3);
    EXPECT_EQ(failing.value(QStringLiteral("consecutiveFailures")).toInt(), failed);
    const QJsonObject lastError = failing.value(QStringLiteral("lastError")).toObject();
    EXPECT_TRUE(
        QDateTime::fromString(lastError.value(QStringLiteral("time")).toString(), Qt::ISODate).isValid());
    // The plain report is the same state in words.
    const auto line = [](const QJsonObject& connection, const QString& state) {
        QString text = QStringLiteral("%1: %2, %3 queued, %4 uploading")
                           .arg(connection.value(QStringLiteral("name")).toString(), state)
                           .arg(connection.value(QStringLiteral("filesQueued")).toInt())
                           .arg(connection.value(QStringLiteral("filesUploading")).toInt());
        const QJsonValue error = connection.value(QStringLiteral("lastError"));
        if (!error.isNull()) {
            text += QStringLiteral(", last error: ") +
                    error.toObject().value(QStringLiteral("message")).toString();
        }
        return text;
    };
    EXPECT_EQ(plain,
              line(ok, QStringLiteral("Watching")) + u'\n' + line(failing, QStringLiteral("Error")) + u'\n');

    ::kill(pid_t(ondrix->processId()), SIGTERM);
    ASSERT_TRUE(ondrix->waitForFinished(30000));
    stderrText += QString::fromUtf8(ondrix->readAllStandardError());
    const QString metrics = QString::fromUtf8(readFile(metricsPath));
    const QString studioLabels = QStringLiteral(R"(connection="Studio",connection_id="%1")")
                                     .arg(studio.id.toString(QUuid::WithoutBraces));
    const QString partnerLabels = QStringLiteral(R"(connection="Partner \"B\"",connection_id="%1")")
                                      .arg(partner.id.toString(QUuid::WithoutBraces));
    for (const QString& sample :
         {QStringLiteral("ondrix_up 0"),
          QStringLiteral("ondrix_uploaded_files_total{%1} 20").arg(studioLabels),
          QStringLiteral("ondrix_uploaded_bytes_total{%1} %2").arg(studioLabels).arg(bytes),
          QStringLiteral("ondrix_failed_files_total{%1} 0").arg(studioLabels),
          QStringLiteral("ondrix_uploaded_files_total{%1} 0").arg(partnerLabels),
          QStringLiteral("ondrix_failed_files_total{%1} %2").arg(partnerLabels).arg(failures())}) {
        EXPECT_TRUE(metrics.contains(u'\n' + sample + u'\n')) << sample.toStdString() << "\n"
                                                              << metrics.toStdString();
    }
    EXPECT_EQ(QFile::permissions(metricsPath) & QFileDevice::ReadOther, QFileDevice::ReadOther);
}
