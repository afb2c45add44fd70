// Provisioning without the interface: what import, export and list do to the store, and what they refuse.
#include "app/ConnectionsCommand.h"

#include "model/PushConnection.h"
#include "platform/PreferencesStore.h"
#include "supervision/ConnectionsManager.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <gtest/gtest.h>
#include <pty.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace ondrix;
using namespace ondrix::test;

namespace {

PushConnection connectionNamed(const QString& name)
{
    PushConnection connection;
    connection.name = name;
    connection.host = QStringLiteral("127.0.0.1");
    connection.username = QStringLiteral("me");
    connection.password = QStringLiteral("secret");
    connection.localFolder = QDir::tempPath();
    connection.remoteFolder = QStringLiteral("/in");
    return connection;
}

struct Outcome {
    int status;
    QString out;
    QString err;
};

class ConnectionsCommandTest : public ::testing::Test {
protected:
    QString storePath() const { return env.configHome() + QStringLiteral("/preferences.sqlite"); }

    Outcome run(const QStringList& arguments) const
    {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        const ConnectionsCommand command(
            storePath(), [this] { return lockHolder; }, nullptr,
            terminal ? std::function<bool()>([this] { return *terminal; }) : std::function<bool()>());
        const int status = command.run(arguments, outStream, errStream);
        outStream.flush();
        errStream.flush();
        return {status, out, err};
    }

    void store(const QList<PushConnection>& connections) const
    {
        PreferencesStore(storePath())
            .setData(ConnectionsManager::kConnectionsKey, PushConnection::encodeList(connections));
    }

    QByteArray storedList() const
    {
        return PreferencesStore(storePath()).dataValue(ConnectionsManager::kConnectionsKey);
    }

    // A file holding the list of `connections`, the second one changed by `change`.
    QString fileWith(const std::function<void(QJsonObject&)>& change) const
    {
        QJsonArray list =
            QJsonDocument::fromJson(PushConnection::encodeList({connectionNamed(QStringLiteral("A")),
                                                                connectionNamed(QStringLiteral("B"))}))
                .array();
        QJsonObject second = list[1].toObject();
        change(second);
        list[1] = second;
        return env.writeFile(QStringLiteral("import.json"), QJsonDocument(list).toJson());
    }

    TestEnvironment env;
    std::optional<QString> lockHolder;
    // Whether standard output is a terminal; the real check when not set.
    std::optional<bool> terminal = false;
};

} // namespace

TEST_F(ConnectionsCommandTest, ImportReplacesByIdAddsTheRestAndExportHidesPasswordsUnlessAsked)
{
    PushConnection kept = connectionNamed(QStringLiteral("Kept"));
    PushConnection changed = connectionNamed(QStringLiteral("Old name"));
    store({kept, changed});

    changed.name = QStringLiteral("New name");
    const PushConnection added = connectionNamed(QStringLiteral("Agency"));
    const QString file =
        env.writeFile(QStringLiteral("import.json"), PushConnection::encodeList({changed, added}));
    const Outcome imported = run({QStringLiteral("import"), file});
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();

    const auto stored = PushConnection::decodeList(storedList());
    ASSERT_TRUE(stored);
    ASSERT_EQ(stored->size(), 3);
    EXPECT_EQ((*stored)[0].name, QStringLiteral("Kept"));
    EXPECT_EQ((*stored)[1].name, QStringLiteral("New name"));
    EXPECT_EQ((*stored)[2].id, added.id);

    const Outcome listed = run({QStringLiteral("list")});
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out.count(QLatin1Char('\n')), 3);
    EXPECT_TRUE(listed.out.contains(QStringLiteral("ftp://me@127.0.0.1:21/in")));

    const auto exported = PushConnection::decodeList(run({QStringLiteral("export")}).out.toUtf8());
    ASSERT_TRUE(exported);
    EXPECT_TRUE((*exported)[0].password.isEmpty());
    const auto withPasswords = PushConnection::decodeList(
        run({QStringLiteral("export"), QStringLiteral("--with-passwords")}).out.toUtf8());
    ASSERT_TRUE(withPasswords);
    EXPECT_EQ((*withPasswords)[0].password, QStringLiteral("secret"));
}

TEST_F(ConnectionsCommandTest, RefusedImportsChangeNothingAndSayWhy)
{
    store({connectionNamed(QStringLiteral("Kept"))});
    const QByteArray before = storedList();

    EXPECT_EQ(run({QStringLiteral("import"), env.root() + QStringLiteral("/missing.json")}).status, 1);
    EXPECT_EQ(storedList(), before);

    // A good file is refused too while Ondrix runs.
    const QString good = env.writeFile(QStringLiteral("import.json"),
                                       PushConnection::encodeList({connectionNamed(QStringLiteral("New"))}));
    lockHolder = QStringLiteral("Ondrix is running (process 42).");
    const Outcome refused = run({QStringLiteral("import"), good});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("process 42")));
    EXPECT_EQ(storedList(), before);

    const Outcome wrong = run({QStringLiteral("remove")});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(wrong.err.startsWith(QStringLiteral("Usage:")));
}

// Each hostile file is refused naming the connection and the key, and nothing is written.
TEST_F(ConnectionsCommandTest, HostileImportsAreRefusedWithTheConnectionAndKeyNamed)
{
    store({connectionNamed(QStringLiteral("Kept"))});
    const QByteArray before = storedList();
    const QString script = env.writeFile(QStringLiteral("after.sh"), "#!/bin/sh\n");
    const auto setScript = [&](mode_t mode) {
        return [&, mode](QJsonObject& c) {
            ::chmod(QFile::encodeName(script).constData(), mode);
            c.insert(QStringLiteral("postUploadAction"),
                     QJsonObject{{QStringLiteral("type"), QStringLiteral("runScript")},
                                 {QStringLiteral("path"), script}});
        };
    };
    const auto set = [](const char* key, const QJsonValue& value) {
        return [=](QJsonObject& c) { c.insert(QLatin1String(key), value); };
    };
    const struct {
        const char* label;
        std::function<void(QJsonObject&)> change;
        QString expected;
    } cases[] = {
        {"scheme", set("host", QStringLiteral("ftp://example.org")), QStringLiteral("key \"host\"")},
        {"path", set("host", QStringLiteral("example.org/in")), QStringLiteral("key \"host\"")},
        {"credentials", set("host", QStringLiteral("me:pw@example.org")), QStringLiteral("key \"host\"")},
        {"port as text", set("port", QStringLiteral("twenty-one")), QStringLiteral("connection 2: \"port\"")},
        {"port 0", set("port", 0), QStringLiteral("key \"port\"")},
        {"port 70000", set("port", 70000), QStringLiteral("key \"port\"")},
        {"missing folder", set("localFolder", QString(env.root() + QStringLiteral("/gone"))),
         QStringLiteral("key \"localFolder\"")},
        {"world-writable script", setScript(0777), QStringLiteral("key \"postUploadAction\"")},
        {"script not executable", setScript(0644), QStringLiteral("key \"postUploadAction\"")},
        {"deep nesting",
         set("iptcKeywords", QJsonDocument::fromJson(QByteArray(40, '[') + QByteArray(40, ']')).array()),
         QStringLiteral("connection 2, key \"iptcKeywords\": nested deeper")},
    };
    for (const auto& c : cases) {
        const Outcome result = run({QStringLiteral("import"), QStringLiteral("--yes"), fileWith(c.change)});
        EXPECT_EQ(result.status, 1) << c.label;
        EXPECT_TRUE(result.err.contains(c.expected)) << c.label << ": " << result.err.toStdString();
        // A list that cannot be read at all names the connection by its place alone.
        if (!c.expected.startsWith(u"connection 2")) {
            EXPECT_TRUE(result.err.contains(QStringLiteral("connection 2 (\"B\")"))) << c.label;
        }
        EXPECT_EQ(storedList(), before) << c.label;
    }
    const QString huge = env.writeFile(QStringLiteral("huge.json"), QByteArray(10 * 1024 * 1024, ' '));
    const Outcome tooLarge = run({QStringLiteral("import"), huge});
    EXPECT_EQ(tooLarge.status, 1);
    EXPECT_TRUE(tooLarge.err.contains(QStringLiteral("larger than a connection list can be")));
    EXPECT_EQ(storedList(), before);

    // Deleting local files or running a script needs --yes, after one line per connection.
    ::chmod(QFile::encodeName(script).constData(), 0700);
    const QString deleting = fileWith([&](QJsonObject& c) {
        setScript(0700)(c);
        c.insert(QStringLiteral("deleteLocalAfterUpload"), true);
    });
    const Outcome unconfirmed = run({QStringLiteral("import"), deleting});
    EXPECT_EQ(unconfirmed.status, 1);
    EXPECT_TRUE(unconfirmed.err.contains(QStringLiteral("--yes")));
    EXPECT_TRUE(
        unconfirmed.out.contains(QStringLiteral("B\tftp\t127.0.0.1\t%1\truns %2\tdeletes local files\n")
                                     .arg(QDir::tempPath(), script)))
        << unconfirmed.out.toStdString();
    EXPECT_EQ(storedList(), before);
    EXPECT_EQ(run({QStringLiteral("import"), deleting, QStringLiteral("--yes")}).status, 0);
    EXPECT_EQ(PushConnection::decodeList(storedList())->size(), 3);
}

// Passwords go to a file only its owner can read, whatever the umask, and never to a terminal.
TEST_F(ConnectionsCommandTest, ExportedPasswordsGoToAPrivateFileNeverToATerminal)
{
    store({connectionNamed(QStringLiteral("Kept"))});
    const QString file = env.root() + QStringLiteral("/f.json");
    const mode_t previous = ::umask(0);
    const Outcome written =
        run({QStringLiteral("export"), QStringLiteral("--with-passwords"), QStringLiteral("--output"), file});
    ::umask(previous);
    ASSERT_EQ(written.status, 0) << written.err.toStdString();
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(PushConnection::decodeList(readFile(file))->first().password, QStringLiteral("secret"));

    // Standard output on a pseudo-terminal: refused, with the way to write a file instead.
    int master = -1;
    int slave = -1;
    ASSERT_EQ(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    const int savedOut = ::dup(STDOUT_FILENO);
    ::dup2(slave, STDOUT_FILENO);
    terminal.reset();
    const Outcome refused = run({QStringLiteral("export"), QStringLiteral("--with-passwords")});
    const Outcome plain = run({QStringLiteral("export")});
    ::dup2(savedOut, STDOUT_FILENO);
    for (const int fd : {savedOut, slave, master}) {
        ::close(fd);
    }
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_TRUE(refused.err.contains(QStringLiteral("--with-passwords --output connections.json")))
        << refused.err.toStdString();
    EXPECT_EQ(plain.status, 0) << "without passwords a terminal is fine";
    EXPECT_FALSE(plain.out.contains(QStringLiteral("secret")));
}
