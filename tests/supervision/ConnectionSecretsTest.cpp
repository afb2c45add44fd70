// Passwords in a real keyring (gnome-keyring-daemon on a private session bus).
#include "supervision/ConnectionSecrets.h"

#include "model/UuidText.h"
#include "platform/AppPaths.h"
#include "platform/QtKeychainSecretStore.h"
#include "supervision/ConnectionsManager.h"
#include "support/DBusMockSession.h"
#include "support/EngineTestServices.h"
#include "support/FakeNetworkPathSource.h"
#include "support/FtpTestServer.h"
#include "support/KeyringDaemon.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace ondrix;
using namespace Qt::StringLiterals;
using namespace ondrix::test;

namespace {

// One Ondrix run: the services, the secrets owner and the manager, started.
struct OndrixRun {
    explicit OndrixRun(std::function<void(ConnectionSecrets&)> configure = {})
        : keyring(QDBusConnection::connectToBus(qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"),
                                                u"ondrix-secrets-test"_s))
        , secrets(&keyring, &services.store, &services.log, QString(), true)
    {
        secrets.setRetryIntervalMs(100);
        if (configure) {
            configure(secrets);
        }
        services.services.secrets = &secrets;
        manager = std::make_unique<ConnectionsManager>(services.services, &network, nullptr);
        manager->startAll();
    }
    ~OndrixRun() { manager->stopAll(); }

    EngineTestServices services;
    FakeNetworkPathSource network;
    QtKeychainSecretStore keyring;
    ConnectionSecrets secrets;
    std::unique_ptr<ConnectionsManager> manager;
};

// The libraries under test keep their first session bus for the life of the process, so the whole suite
// shares one private bus; the keyring daemon on it is started and stopped by the tests.
class ConnectionSecretsTest : public ::testing::Test, public PrivateEnvironment {
protected:
    static void SetUpTestSuite()
    {
        s_bus = new DBusMockSession;
        ASSERT_TRUE(s_bus->isRunning()) << s_bus->errorString().toStdString();
        qputenv("DBUS_SESSION_BUS_ADDRESS", s_bus->address().toUtf8());
        s_keyringHome = new QTemporaryDir;
        s_keyring = new KeyringDaemon(s_bus->address(), s_keyringHome->path());
    }
    static void TearDownTestSuite()
    {
        delete s_keyring;
        delete s_keyringHome;
        delete s_bus;
    }

    void startKeyring()
    {
        QString error;
        ASSERT_TRUE(s_keyring->isRunning() || s_keyring->start(&error)) << error.toStdString();
    }

    PushConnection connectionTo(const FtpTestServer& server, const QString& name) const
    {
        PushConnection c = server.connection();
        c.name = name;
        c.isEnabled = true;
        c.localFolder = env.makeDir(u"folders/"_s + name);
        c.stabilityCheckSeconds = 1;
        return c;
    }

    // Neither the store nor its write-ahead log holds `secret`, in live records or in free pages.
    void expectNotOnDisk(const QByteArray& secret) const
    {
        for (const QString& suffix : {QString(), u"-wal"_s}) {
            EXPECT_FALSE(readFile(AppPaths::preferencesFile() + suffix).contains(secret))
                << qPrintable(suffix);
        }
    }

    bool uploads(const FtpTestServer& server, const QString& name, const QByteArray& content)
    {
        env.writeFile(u"folders/%1/%2.txt"_s.arg(name, QString::fromUtf8(content)), content);
        return QTest::qWaitFor(
            [&] {
                return readFile(server.rootDir() + u"/%1.txt"_s.arg(QString::fromUtf8(content))) == content;
            },
            30000);
    }

    static inline DBusMockSession* s_bus = nullptr;
    static inline QTemporaryDir* s_keyringHome = nullptr;
    static inline KeyringDaemon* s_keyring = nullptr;
};

} // namespace

// Plain-text passwords move into a keyring that comes later; new ones land there only, come back at the next
// start, follow renames and deletes; a start before the keyring waits for it. No password is ever on disk.
TEST_F(ConnectionSecretsTest, PasswordsLiveInTheKeyringWhenThereIsOne)
{
    s_keyring->stop();
    const QString password = u"kr-plain-Vw3s"_s;
    FtpTestServer server;
    server.start({.password = password});
    QList<PushConnection> connections;
    for (const char* name : {"One", "Two", "Three"}) {
        connections.append(connectionTo(server, QString::fromLatin1(name)));
    }
    PreferencesStore(AppPaths::preferencesFile())
        .setData(ConnectionsManager::kConnectionsKey, PushConnection::encodeList(connections));
    const PushConnection agency = connectionTo(server, u"Agency"_s);
    {
        OndrixRun run; // plain-text passwords work at once; the keyring is asked again until it is there
        EXPECT_TRUE(uploads(server, u"One"_s, "before"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !run.secrets.keyringProblem().isEmpty(); }, 20000));
        startKeyring();
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                return run.services.logMessages().contains(
                    u"Moved 3 passwords from the preferences database to the keyring."_s);
            },
            30000))
            << run.services.logMessages().join(u'\n').toStdString();
        expectNotOnDisk(password.toUtf8());
        for (const PushConnection& c : connections) {
            EXPECT_EQ(s_keyring->lookup(uuidText(c.id)), password) << qPrintable(c.name);
        }
        EXPECT_TRUE(uploads(server, u"Two"_s, "after"));

        run.manager->addConnection(agency);
        run.manager->updateConnection(agency);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return s_keyring->lookup(uuidText(agency.id)) == password; }, 20000));
        const QString item = s_keyring->describe(uuidText(agency.id));
        EXPECT_TRUE(item.contains(u"label = Ondrix: Agency"_s) &&
                    item.contains(u"attribute.server = Ondrix: Agency"_s))
            << item.toStdString();
        EXPECT_TRUE(uploads(server, u"Agency"_s, "first"));
    }
    expectNotOnDisk(password.toUtf8());
    {
        OndrixRun again;
        ASSERT_TRUE(QTest::qWaitFor([&] { return again.manager->engine(agency.id) != nullptr; }, 20000));
        EXPECT_TRUE(uploads(server, u"Agency"_s, "second"));
        PushConnection renamed = again.manager->connections().last();
        renamed.name = u"Studio"_s;
        again.manager->updateConnection(renamed);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                const QString item = s_keyring->describe(uuidText(agency.id));
                return item.contains(u"label = Ondrix: Studio"_s) && !item.contains(u"Ondrix: Agency"_s);
            },
            20000))
            << s_keyring->describe(uuidText(agency.id)).toStdString();
        again.manager->deleteConnection(agency.id);
        EXPECT_TRUE(QTest::qWaitFor([&] { return s_keyring->lookup(uuidText(agency.id)).isEmpty(); }, 20000));
    }

    s_keyring->stop();
    const QUuid three = connections[2].id;
    OndrixRun waiting([](ConnectionSecrets& secrets) { secrets.setPatienceMs(0); });
    EXPECT_EQ(waiting.manager->engine(three), nullptr);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return waiting.manager->passwordProblem(three).startsWith(
                u"The password is in the keyring, which does not give it out yet"_s);
        },
        20000))
        << waiting.manager->passwordProblem(three).toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return waiting.services.logMessages().filter(u"does not give out or take passwords"_s).size() == 1;
    }));
    startKeyring();
    ASSERT_TRUE(QTest::qWaitFor([&] { return waiting.manager->engine(three) != nullptr; }, 30000));
    EXPECT_TRUE(waiting.manager->passwordProblem(three).isEmpty());
    EXPECT_TRUE(uploads(server, u"Three"_s, "later"));
}
