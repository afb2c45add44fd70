// Provisioning without the interface: what import, export and list do to the store, and what they refuse.
#include "app/ConnectionsCommand.h"

#include "model/PushConnection.h"
#include "platform/PreferencesStore.h"
#include "supervision/ConnectionsManager.h"
#include "support/TestEnvironment.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <gtest/gtest.h>

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
    connection.localFolder = QStringLiteral("/tmp/out");
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
        const ConnectionsCommand command(storePath(), [this] { return lockHolder; });
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

    TestEnvironment env;
    std::optional<QString> lockHolder;
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

    QJsonArray list =
        QJsonDocument::fromJson(PushConnection::encodeList({connectionNamed(QStringLiteral("A")),
                                                            connectionNamed(QStringLiteral("B"))}))
            .array();
    QJsonObject second = list[1].toObject();
    second.insert(QStringLiteral("port"), QStringLiteral("twenty-one"));
    list[1] = second;
    const QString file = env.writeFile(QStringLiteral("bad.json"), QJsonDocument(list).toJson());

    const Outcome result = run({QStringLiteral("import"), file});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains(QStringLiteral("connection 2"))) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(QStringLiteral("port"))) << result.err.toStdString();
    EXPECT_EQ(storedList(), before);

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
