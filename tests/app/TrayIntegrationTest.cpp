// The real ondrix binary on a private X display and session bus: without a panel the popover is an ordinary
// window; a StatusNotifierWatcher that appears later gets the tray icon, whose tool tip, pixmap and menu,
// read over D-Bus, follow the connections' state; Activate toggles the popover; a second start and --show
// bring the running instance forward.
#include "model/PushConnection.h"
#include "platform/PreferencesStore.h"
#include "support/DBusMockSession.h"
#include "support/TestEnvironment.h"
#include "support/ui/XvfbDisplay.h"

#include <QDir>
#include <QProcess>
#include <QTcpServer>
#include <QTest>

#include <gtest/gtest.h>

using namespace ondrix;
using namespace ondrix::test;

namespace {

const QSize kPopoverSize(360, 500);
const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");

class TrayIntegrationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bus.isRunning()) << bus.errorString().toStdString();
        ASSERT_TRUE(display.isRunning()) << "Xvfb did not start";
        // HOME and the XDG folders already point into `env`; the rest is this run's own.
        environment = QProcessEnvironment::systemEnvironment();
        for (const auto& [name, value] : {std::pair{"XDG_RUNTIME_DIR", env.makeDir(QStringLiteral("run"))},
                                          {"DBUS_SESSION_BUS_ADDRESS", bus.address()},
                                          {"DBUS_SYSTEM_BUS_ADDRESS", bus.address()},
                                          {"DISPLAY", display.name()},
                                          {"QT_QPA_PLATFORM", QStringLiteral("xcb")}}) {
            environment.insert(QString::fromLatin1(name), value);
        }
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    }

    std::unique_ptr<QProcess> launch(const QStringList& arguments = {})
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(environment);
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        process->start(QStringLiteral(ONDRIX_BINARY), arguments);
        return process;
    }

    // `gdbus call` on the private bus; its printed reply.
    QString call(const QString& service, const QString& path, const QString& method, const QStringList& args)
    {
        QProcess gdbus;
        gdbus.setProcessEnvironment(environment);
        gdbus.start(QStringLiteral("gdbus"),
                    QStringList{QStringLiteral("call"), QStringLiteral("--session"), QStringLiteral("--dest"),
                                service, QStringLiteral("--object-path"), path, QStringLiteral("--method"),
                                method, QStringLiteral("--")} +
                        args);
        gdbus.waitForFinished(10000);
        return QString::fromUtf8(gdbus.readAllStandardOutput() + gdbus.readAllStandardError());
    }

    QString itemProperty(const QString& item, const QString& name)
    {
        return call(item, QStringLiteral("/StatusNotifierItem"),
                    QStringLiteral("org.freedesktop.DBus.Properties.Get"),
                    {QStringLiteral("org.kde.StatusNotifierItem"), name});
    }

    bool popoverShown() { return !display.viewableWindows(QStringLiteral("Ondrix"), kPopoverSize).isEmpty(); }

    TestEnvironment env;
    DBusMockSession bus;
    XvfbDisplay display;
    QProcessEnvironment environment;
};

} // namespace

TEST_F(TrayIntegrationTest, FallbackWindowThenTrayIconThatFollowsTheStateAndOpensThePopover)
{
    // One connection to a loopback port nobody listens on: a new file is checked, tried, and fails.
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
        closedPort = probe.serverPort();
    }
    PushConnection connection;
    connection.name = QStringLiteral("Studio");
    connection.isEnabled = true;
    connection.host = QStringLiteral("127.0.0.1");
    connection.port = closedPort;
    connection.username = QStringLiteral("nobody");
    connection.localFolder = env.makeDir(QStringLiteral("watched"));
    connection.stabilityCheckSeconds = 1;
    {
        PreferencesStore store(env.configHome() + QStringLiteral("/Ondrix/preferences.sqlite"));
        store.setData(QStringLiteral("push_connections"), PushConnection::encodeList({connection}));
        store.setBool(QStringLiteral("has_set_launch_at_login"), true);
    }

    // No panel: the popover opens as a window at start, so Ondrix is not invisible.
    auto ondrix = launch();
    ASSERT_TRUE(ondrix->waitForStarted(10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return popoverShown(); }, 30000)) << "no fallback window";
    display.saveScreen(qEnvironmentVariable("ONDRIX_SCREENSHOT_DIR") +
                       QStringLiteral("/tray-fallback-window.png"));

    // A panel appears later: the icon registers with it.
    ASSERT_TRUE(bus.startTemplate(ONDRIX_WATCHER_TEMPLATE, kWatcher));
    QString item;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const QList<QVariantList> calls =
                bus.methodCalls(kWatcher, QStringLiteral("/StatusNotifierWatcher"),
                                QStringLiteral("RegisterStatusNotifierItem"));
            if (!calls.isEmpty()) {
                item = calls.first().value(0).toString();
            }
            return !item.isEmpty();
        },
        30000));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return itemProperty(item, QStringLiteral("ToolTip")).contains(QLatin1String("watching")); },
        30000))
        << itemProperty(item, QStringLiteral("ToolTip")).toStdString();
    const QString watchingPixmap = itemProperty(item, QStringLiteral("IconPixmap"));
    EXPECT_GT(watchingPixmap.size(), 100);
    const QString menuPath = itemProperty(item, QStringLiteral("Menu")).section(QLatin1Char('\''), 1, 1);
    const auto menuLayout = [&] {
        return call(item, menuPath, QStringLiteral("com.canonical.dbusmenu.GetLayout"),
                    {QStringLiteral("0"), QStringLiteral("-1"), QStringLiteral("@as []")});
    };
    QString watchingMenu;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return (watchingMenu = menuLayout()).contains(QLatin1String("Quit Ondrix")); }, 10000))
        << menuPath.toStdString() << ": " << watchingMenu.left(600).toStdString();
    for (const char* label : {"Open Ondrix", "About Ondrix", "Settings...", "Ondrix Website",
                              "Contact Support", "Quit Ondrix", "watching folders"}) {
        EXPECT_TRUE(watchingMenu.contains(QLatin1String(label))) << label;
    }

    // A new file: checked, tried, failed. The tool tip, the pixmap and the menu's state line follow. The
    // failed file is retried every few seconds, so the error state comes and goes: both properties are read
    // in one poll and the poll waits for a moment that shows the error in both.
    env.writeFile(QStringLiteral("watched/photo.jpg"), "pixels");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return itemProperty(item, QStringLiteral("ToolTip")).contains(QLatin1String("error")) &&
                   itemProperty(item, QStringLiteral("IconPixmap")) != watchingPixmap;
        },
        60000))
        << itemProperty(item, QStringLiteral("ToolTip")).toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return menuLayout().contains(QLatin1String("error")); }, 10000))
        << menuLayout().left(600).toStdString();

    // Activate toggles the popover: the fallback window closes, then opens as the panel beside the icon.
    call(item, QStringLiteral("/StatusNotifierItem"), QStringLiteral("org.kde.StatusNotifierItem.Activate"),
         {QStringLiteral("0"), QStringLiteral("0")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !popoverShown(); }, 10000));
    QTest::qWait(500); // past the guard against a click that closed it by taking the focus
    call(item, QStringLiteral("/StatusNotifierItem"), QStringLiteral("org.kde.StatusNotifierItem.Activate"),
         {QStringLiteral("0"), QStringLiteral("0")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return popoverShown(); }, 10000));
    display.saveScreen(qEnvironmentVariable("ONDRIX_SCREENSHOT_DIR") + QStringLiteral("/tray-popover.png"));

    // A second start and --show bring the running one forward and end at once.
    call(item, QStringLiteral("/StatusNotifierItem"), QStringLiteral("org.kde.StatusNotifierItem.Activate"),
         {QStringLiteral("0"), QStringLiteral("0")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !popoverShown(); }, 10000));
    auto second = launch();
    ASSERT_TRUE(second->waitForFinished(30000));
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return popoverShown(); }, 10000));
    auto show = launch({QStringLiteral("--show")});
    ASSERT_TRUE(show->waitForFinished(30000));
    EXPECT_EQ(show->exitCode(), 0);

    ondrix->terminate();
    ASSERT_TRUE(ondrix->waitForFinished(30000));
    EXPECT_EQ(ondrix->exitCode(), 0);
}
