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
using namespace Qt::StringLiterals;
using namespace ondrix::test;

namespace {

PushConnection connectionNamed(const QString& name)
{
    return {.name = name,
            .host = u"127.0.0.1"_s,
            .username = u"me"_s,
            .password = u"secret"_s,
            .localFolder = QDir::tempPath(),
            .remoteFolder = u"/in"_s};
}

struct Outcome {
    int status;
    QString out, err;
};

class ConnectionsCommandTest : public ::testing::Test {
protected:
    QString storePath() const { return env.configHome() + u"/preferences.sqlite"_s; }

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

    QString fileWith(const std::function<void(QJsonObject&)>& change) const
    {
        QJsonArray list = QJsonDocument::fromJson(
                              PushConnection::encodeList({connectionNamed(u"A"_s), connectionNamed(u"B"_s)}))
                              .array();
        QJsonObject second = list[1].toObject();
        change(second);
        list[1] = second;
        return env.writeFile(u"import.json"_s, QJsonDocument(list).toJson());
    }

    TestEnvironment env;
    std::optional<QString> lockHolder;
    // Whether standard output is a terminal; the real check when not set.
    std::optional<bool> terminal = false;
};

} // namespace

// An import replaces connections by id and adds the rest; one refused changes nothing and says why. Export
// hides passwords unless asked, and never shows them on a terminal.
TEST_F(ConnectionsCommandTest, ImportReplacesByIdAddsTheRestAndExportHidesPasswordsUnlessAsked)
{
    PushConnection kept = connectionNamed(u"Kept"_s);
    PushConnection changed = connectionNamed(u"Old name"_s);
    store({kept, changed});
    const QByteArray before = storedList();
    changed.name = u"New name"_s;
    const PushConnection added = connectionNamed(u"Agency"_s);
    const QString file = env.writeFile(u"import.json"_s, PushConnection::encodeList({changed, added}));

    const int missing = run({u"import"_s, env.root() + u"/missing.json"_s}).status;
    lockHolder = u"Ondrix is running (process 42)."_s;
    const Outcome refused = run({u"import"_s, file}), wrong = run({u"remove"_s});
    EXPECT_EQ(std::tuple(missing, refused.status, wrong.status, storedList()), std::tuple(1, 1, 2, before));
    EXPECT_TRUE(refused.err.contains(u"process 42"_s) && wrong.err.startsWith(u"Usage:"_s));

    lockHolder.reset();
    const Outcome imported = run({u"import"_s, file});
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
    EXPECT_EQ(PushConnection::decodeList(storedList()), (QList<PushConnection>{kept, changed, added}));

    const Outcome listed = run({u"list"_s});
    EXPECT_TRUE(listed.status == 0 && listed.out.count(u'\n') == 3 &&
                listed.out.contains(u"ftp://me@127.0.0.1:21/in"_s));
    EXPECT_EQ(
        PushConnection::decodeList(run({u"export"_s, u"--with-passwords"_s}).out.toUtf8())->at(0).password,
        u"secret"_s);

    // Passwords go to a file only its owner can read, whatever the umask, and never to a terminal.
    const QString exported = env.root() + u"/f.json"_s;
    const mode_t previous = ::umask(0);
    const Outcome written = run({u"export"_s, u"--with-passwords"_s, u"--output"_s, exported});
    ::umask(previous);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(exported).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(PushConnection::decodeList(readFile(exported))->first().password, u"secret"_s);

    int master = -1, slave = -1;
    ASSERT_EQ(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    const int savedOut = ::dup(STDOUT_FILENO);
    ::dup2(slave, STDOUT_FILENO);
    terminal.reset();
    const Outcome onTerminal = run({u"export"_s, u"--with-passwords"_s});
    const Outcome plain = run({u"export"_s});
    ::dup2(savedOut, STDOUT_FILENO);
    for (const int fd : {savedOut, slave, master}) {
        ::close(fd);
    }
    EXPECT_EQ(std::tuple(onTerminal.status, onTerminal.out, plain.status, plain.out.contains(u"secret"_s)),
              std::tuple(1, QString(), 0, false));
    EXPECT_TRUE(onTerminal.err.contains(u"--with-passwords --output connections.json"_s));
}

// Each hostile file is refused naming the connection and the key, and nothing is written.
TEST_F(ConnectionsCommandTest, HostileImportsAreRefusedWithTheConnectionAndKeyNamed)
{
    store({connectionNamed(u"Kept"_s)});
    const QByteArray before = storedList();
    const QString script = env.writeFile(u"after.sh"_s, "#!/bin/sh\n");
    const auto setScript = [&](mode_t mode) {
        return [&, mode](QJsonObject& c) {
            ::chmod(QFile::encodeName(script).constData(), mode);
            c.insert(u"postUploadAction"_s, QJsonObject{{u"type"_s, u"runScript"_s}, {u"path"_s, script}});
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
        {"scheme", set("host", u"ftp://example.org"_s), u"key \"host\""_s},
        {"path", set("host", u"example.org/in"_s), u"key \"host\""_s},
        {"credentials", set("host", u"me:pw@example.org"_s), u"key \"host\""_s},
        {"port as text", set("port", u"twenty-one"_s), u"connection 2: \"port\""_s},
        {"port 0", set("port", 0), u"key \"port\""_s},
        {"port 70000", set("port", 70000), u"key \"port\""_s},
        {"missing folder", set("localFolder", QString(env.root() + u"/gone"_s)), u"key \"localFolder\""_s},
        {"world-writable script", setScript(0777), u"key \"postUploadAction\""_s},
        {"script not executable", setScript(0644), u"key \"postUploadAction\""_s},
        {"deep nesting",
         set("iptcKeywords", QJsonDocument::fromJson(QByteArray(40, '[') + QByteArray(40, ']')).array()),
         u"connection 2, key \"iptcKeywords\": nested deeper"_s},
    };
    for (const auto& c : cases) {
        const Outcome result = run({u"import"_s, u"--yes"_s, fileWith(c.change)});
        EXPECT_EQ(result.status, 1) << c.label;
        EXPECT_TRUE(result.err.contains(c.expected)) << c.label << ": " << result.err.toStdString();
        if (!c.expected.startsWith(u"connection 2")) {
            EXPECT_TRUE(result.err.contains(u"connection 2 (\"B\")"_s)) << c.label;
        }
        EXPECT_EQ(storedList(), before) << c.label;
    }
    const Outcome tooLarge =
        run({u"import"_s, env.writeFile(u"huge.json"_s, QByteArray(10 * 1024 * 1024, ' '))});
    EXPECT_TRUE(tooLarge.status == 1 && tooLarge.err.contains(u"larger than a connection list can be"_s));
    EXPECT_EQ(storedList(), before);

    // Deleting local files or running a script needs --yes, after one line per connection.
    ::chmod(QFile::encodeName(script).constData(), 0700);
    const QString deleting = fileWith([&](QJsonObject& c) {
        setScript(0700)(c);
        c.insert(u"deleteLocalAfterUpload"_s, true);
    });
    const Outcome unconfirmed = run({u"import"_s, deleting});
    EXPECT_TRUE(unconfirmed.status == 1 && unconfirmed.err.contains(u"--yes"_s));
    EXPECT_TRUE(unconfirmed.out.contains(
        u"B\tftp\t127.0.0.1\t%1\truns %2\tdeletes local files\n"_s.arg(QDir::tempPath(), script)))
        << unconfirmed.out.toStdString();
    EXPECT_EQ(storedList(), before);
    EXPECT_EQ(run({u"import"_s, deleting, u"--yes"_s}).status, 0);
    EXPECT_EQ(PushConnection::decodeList(storedList())->size(), 3);
}
