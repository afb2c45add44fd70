// The real ondrix binary on a private X display and session bus, with a StatusNotifierWatcher standing in
// for the panel; and in a Wayland session, with and without XWayland.
#include "model/PushConnection.h"
#include "platform/PreferencesStore.h"
#include "support/ClosedPort.h"
#include "support/DBusMockSession.h"
#include "support/FtpTestServer.h"
#include "support/TestEnvironment.h"
#include "support/ui/XvfbDisplay.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace ondrix;
using namespace Qt::StringLiterals;
using namespace ondrix::test;

namespace {

const QSize kPopoverSize(360, 500);
const QString kWatcher = u"org.kde.StatusNotifierWatcher"_s;

// A headless Weston with or without XWayland (whose display is `x11`), its socket in `runtimeDir`.
struct WestonSession {
    WestonSession(const QString& runtimeDir, bool xwayland)
        : runtimeDir(runtimeDir)
    {
        QFile::setPermissions(runtimeDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir().mkpath(u"/tmp/.X11-unix"_s);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_RUNTIME_DIR"_s, runtimeDir);
        environment.remove(u"DISPLAY"_s);
        environment.remove(u"WAYLAND_DISPLAY"_s);
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.setStandardOutputFile(QProcess::nullDevice());
        const QString log = runtimeDir + u"/weston.log"_s;
        process.start(u"weston"_s,
                      QStringList{u"--backend=headless-backend.so"_s, u"--use-pixman"_s, u"--debug"_s,
                                  u"--idle-time=0"_s, u"--socket="_s + socket, u"--log="_s + log} +
                          (xwayland ? QStringList{u"--xwayland"_s} : QStringList()));
        process.waitForStarted(10000);
        const QRegularExpression listening(u"xserver listening on display (:\\d+)"_s);
        running = QTest::qWaitFor(
                      [&] {
                          x11 = listening.match(QString::fromUtf8(readFile(log))).captured(1);
                          return process.state() != QProcess::Running ||
                                 (QFile::exists(runtimeDir + u'/' + socket) && (!xwayland || !x11.isEmpty()));
                      },
                      20000) &&
                  process.state() == QProcess::Running;
    }
    ~WestonSession()
    {
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished(5000);
        }
    }

    bool saveScreen(const QString& path) const
    {
        QProcess shooter;
        QProcessEnvironment environment = process.processEnvironment();
        environment.insert(u"WAYLAND_DISPLAY"_s, socket);
        shooter.setProcessEnvironment(environment);
        shooter.setWorkingDirectory(runtimeDir);
        shooter.start(u"weston-screenshooter"_s, {});
        const QStringList shots =
            shooter.waitForFinished(20000) && shooter.exitCode() == 0
                ? QDir(runtimeDir).entryList({u"wayland-screenshot*.png"_s}, QDir::Files, QDir::Time)
                : QStringList();
        QFile::remove(path);
        return !shots.isEmpty() && QFile::rename(runtimeDir + u'/' + shots.first(), path);
    }

    const QString runtimeDir, socket = u"ondrix-weston"_s;
    QProcess process;
    QString x11;
    bool running = false;
};

class TrayIntegrationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bus.isRunning()) << bus.errorString().toStdString();
        ASSERT_TRUE(display.isRunning()) << "Xvfb did not start";
        environment = QProcessEnvironment::systemEnvironment();
        for (const auto& [name, value] : {std::pair{"XDG_RUNTIME_DIR", env.makeDir(u"run"_s)},
                                          {"DBUS_SESSION_BUS_ADDRESS", bus.address()},
                                          {"DBUS_SYSTEM_BUS_ADDRESS", bus.address()},
                                          {"DISPLAY", display.name()},
                                          {"QT_QPA_PLATFORM", u"xcb"_s}}) {
            environment.insert(QString::fromLatin1(name), value);
        }
        environment.remove(u"WAYLAND_DISPLAY"_s);
    }

    std::unique_ptr<QProcess> launch(const QStringList& arguments = {})
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(environment);
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        process->start(QStringLiteral(ONDRIX_BINARY), arguments);
        return process;
    }

    QString call(const QString& service, const QString& path, const QString& method, const QStringList& args)
    {
        QProcess gdbus;
        gdbus.setProcessEnvironment(environment);
        gdbus.start(u"gdbus"_s, QStringList{u"call"_s, u"--session"_s, u"--dest"_s, service,
                                            u"--object-path"_s, path, u"--method"_s, method, u"--"_s} +
                                    args);
        gdbus.waitForFinished(10000);
        return QString::fromUtf8(gdbus.readAllStandardOutput() + gdbus.readAllStandardError());
    }

    QString itemProperty(const QString& item, const QString& name)
    {
        return call(item, u"/StatusNotifierItem"_s, u"org.freedesktop.DBus.Properties.Get"_s,
                    {u"org.kde.StatusNotifierItem"_s, name});
    }

    bool popoverShown() { return !display.viewableWindows(u"Ondrix"_s, kPopoverSize).isEmpty(); }

    void saveConnection(PushConnection connection)
    {
        connection.name = u"Studio"_s;
        connection.isEnabled = true;
        connection.localFolder = env.makeDir(u"watched"_s);
        connection.stabilityCheckSeconds = 1;
        PreferencesStore store(env.configHome() + u"/Ondrix/preferences.sqlite"_s);
        store.setData(u"push_connections"_s, PushConnection::encodeList({connection}));
        store.setBool(u"has_set_launch_at_login"_s, true);
        store.setBool(u"disk_space_warning"_s, false); // the machine's free space is not the subject
    }

    // The item of the watcher's registration number `index` (from 0).
    QString registeredItem(qsizetype index = 0)
    {
        QString item;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                item = bus.methodCalls(kWatcher, u"/StatusNotifierWatcher"_s, u"RegisterStatusNotifierItem"_s)
                           .value(index)
                           .value(0)
                           .toString();
                return !item.isEmpty();
            },
            30000));
        return item;
    }

    bool toolTipSays(const QString& item, const char* words)
    {
        return itemProperty(item, u"ToolTip"_s).contains(QLatin1String(words));
    }

    void activate(const QString& item)
    {
        call(item, u"/StatusNotifierItem"_s, u"org.kde.StatusNotifierItem.Activate"_s, {u"0"_s, u"0"_s});
    }

    static QString screenshot(const QString& name)
    {
        return qEnvironmentVariable("ONDRIX_SCREENSHOT_DIR") + u'/' + name + u".png"_s;
    }

    TestEnvironment env;
    DBusMockSession bus;
    XvfbDisplay display;
    QProcessEnvironment environment;
};

} // namespace

TEST_F(TrayIntegrationTest, FallbackWindowThenTrayIconThatFollowsTheStateAndOpensThePopover)
{
    ClosedPort closed; // a new file is checked, tried, and fails
    saveConnection({.host = u"127.0.0.1"_s, .port = closed.port(), .username = u"nobody"_s});

    auto ondrix = launch();
    ASSERT_TRUE(QTest::qWaitFor([&] { return popoverShown(); }, 30000)) << "no panel, yet no fallback window";
    display.saveScreen(screenshot(u"tray-fallback-window"_s));

    ASSERT_TRUE(bus.startTemplate(ONDRIX_WATCHER_TEMPLATE, kWatcher));
    const QString item = registeredItem();
    ASSERT_TRUE(QTest::qWaitFor([&] { return toolTipSays(item, "watching"); }, 30000))
        << itemProperty(item, u"ToolTip"_s).toStdString();
    const QString watchingPixmap = itemProperty(item, u"IconPixmap"_s);
    EXPECT_GT(watchingPixmap.size(), 100);
    const QString menuPath = itemProperty(item, u"Menu"_s).section(QLatin1Char('\''), 1, 1);
    const auto menuLayout = [&] {
        return call(item, menuPath, u"com.canonical.dbusmenu.GetLayout"_s, {u"0"_s, u"-1"_s, u"@as []"_s});
    };
    QString watchingMenu;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return (watchingMenu = menuLayout()).contains(QLatin1String("Quit Ondrix")); }, 10000))
        << menuPath.toStdString() << ": " << watchingMenu.left(600).toStdString();
    for (const char* label : {"Open Ondrix", "About Ondrix", "Settings...", "Ondrix Website",
                              "Contact Support", "Quit Ondrix", "watching folders"}) {
        EXPECT_TRUE(watchingMenu.contains(QLatin1String(label))) << label;
    }

    // The failed file is retried every few seconds, so the error state comes and goes: one poll reads both.
    env.writeFile(u"watched/photo.jpg"_s, "pixels");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return toolTipSays(item, "error") && itemProperty(item, u"IconPixmap"_s) != watchingPixmap; },
        60000))
        << itemProperty(item, u"ToolTip"_s).toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return menuLayout().contains(QLatin1String("error")); }, 10000))
        << menuLayout().left(600).toStdString();

    activate(item); // the fallback window closes, then opens as the panel beside the icon
    EXPECT_TRUE(QTest::qWaitFor([&] { return !popoverShown(); }, 10000));
    QTest::qWait(500); // past the guard against a click that closed it by taking the focus
    activate(item);
    EXPECT_TRUE(QTest::qWaitFor([&] { return popoverShown(); }, 10000));
    display.saveScreen(screenshot(u"tray-popover"_s));

    for (const QStringList& arguments : {QStringList(), QStringList{u"--show"_s}}) {
        activate(item);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !popoverShown(); }, 10000));
        auto second = launch(arguments);
        ASSERT_TRUE(second->waitForFinished(30000));
        EXPECT_EQ(second->exitCode(), 0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return popoverShown(); }, 10000))
            << arguments.join(u' ').toStdString();
    }

    ondrix->terminate();
    ASSERT_TRUE(ondrix->waitForFinished(30000));
    EXPECT_EQ(ondrix->exitCode(), 0);
}

// The item tells the panel only what changed: at most ten messages a second (a new icon costs a pixmap fetch
// too) while the busy animation turns, and none about the icon or tool tip while five files upload.
TEST_F(TrayIntegrationTest, TheTrayCostsAtMostTenMessagesASecondAndNoneWhenNothingShownChanges)
{
    FtpTestServer server;
    server.start();
    PushConnection connection = server.connection();
    connection.simultaneousUploads = 5;
    connection.maxBandwidthKBps = 100; // every file is still on its way while the bus is watched
    saveConnection(connection);
    ASSERT_TRUE(bus.startTemplate(ONDRIX_WATCHER_TEMPLATE, kWatcher));
    auto ondrix = launch();
    const QString item = registeredItem();
    QFile growing(env.makeDir(u"watched"_s) + u"/growing.mov"_s);
    ASSERT_TRUE(growing.open(QIODevice::Append | QIODevice::Unbuffered));
    QTimer growth;
    QObject::connect(&growth, &QTimer::timeout, [&] { growing.write("more\n"); });
    growth.start(300);
    // The bus tells the monitor its own name too; only lines sent by Ondrix count.
    static const QRegularExpression message(u"^(signal|method call|method return|error) .* sender=:"_s,
                                            QRegularExpression::MultilineOption);
    for (const bool animating : {true, false}) {
        const char* shown = animating ? "checking" : "uploading";
        SCOPED_TRACE(shown);
        if (!animating) { // the file stops growing and five files upload
            growth.stop();
            growing.close();
            for (int i = 1; i <= 5; ++i) {
                env.writeFile(u"watched/clip-%1.mov"_s.arg(i), QByteArray(4'000'000, 'x'));
            }
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return toolTipSays(item, shown); }, 30000));
        QTest::qWait(animating ? 0 : 2000); // all five under way
        QProcess monitor;
        monitor.setProcessEnvironment(environment);
        monitor.start(u"dbus-monitor"_s, {u"--address"_s, bus.address(), u"sender='%1'"_s.arg(item)});
        ASSERT_TRUE(monitor.waitForStarted(10000));
        QElapsedTimer watched;
        watched.start();
        QTest::qWait(5000);
        monitor.terminate();
        monitor.waitForFinished(10000);
        const double seconds = double(watched.elapsed()) / 1000;
        ASSERT_TRUE(toolTipSays(item, shown)) << "what the tray shows changed while the bus was watched";
        const QString traffic = QString::fromUtf8(monitor.readAllStandardOutput());
        const qsizetype icons = traffic.count(QLatin1String("member=NewIcon"));
        const qsizetype messages = traffic.count(message) + icons; // and a pixmap reply per new icon
        EXPECT_LE(double(messages), 10 * seconds) << traffic.left(2000).toStdString();
        EXPECT_TRUE(animating ? icons >= 2
                              : !traffic.contains(QRegularExpression(u"member=New(Icon|ToolTip|Status)"_s)))
            << (animating ? "the icon did not turn"
                          : "the tray heard of a change while nothing it shows changed");
    }

    ondrix->terminate(); // a second signal ends the stop's wait for the uploads under way
    QTest::qWait(500);
    ondrix->terminate();
    ASSERT_TRUE(ondrix->waitForFinished(30000));
}

// With XWayland the interface runs on it by itself, so the popover opens where Ondrix puts it; without, as an
// ordinary window. Neither says anything alarming.
TEST_F(TrayIntegrationTest, UnderWaylandThePopoverRunsOnXWaylandOrAsAWindow)
{
    ASSERT_TRUE(bus.startTemplate(ONDRIX_WATCHER_TEMPLATE, kWatcher));
    environment.insert(u"XDG_SESSION_TYPE"_s, u"wayland"_s);
    environment.remove(u"QT_QPA_PLATFORM"_s);
    for (const bool xwayland : {true, false}) {
        SCOPED_TRACE(xwayland ? "with XWayland" : "without XWayland");
        const QString runtimeDir = env.makeDir(xwayland ? u"weston"_s : u"weston2"_s);
        WestonSession weston(runtimeDir, xwayland);
        ASSERT_TRUE(weston.running) << "Weston did not start";
        environment.insert(u"XDG_RUNTIME_DIR"_s, runtimeDir);
        environment.insert(u"WAYLAND_DISPLAY"_s, weston.socket);
        environment.insert(u"DISPLAY"_s, weston.x11);

        QProcess ondrix;
        ondrix.setProcessEnvironment(environment);
        ondrix.start(QStringLiteral(ONDRIX_BINARY), {});
        activate(registeredItem(xwayland ? 0 : 1)); // each run registers once
        if (xwayland) {
            const auto popover = [&] {
                QProcess xwininfo;
                xwininfo.setProcessEnvironment(environment);
                xwininfo.start(u"xwininfo"_s, {u"-root"_s, u"-tree"_s});
                xwininfo.waitForFinished(10000);
                static const QRegularExpression line(uR"("Ondrix": .*\s360x500\+(-?\d+)\+(-?\d+))"_s);
                return line.match(QString::fromUtf8(xwininfo.readAllStandardOutput()));
            };
            ASSERT_TRUE(QTest::qWaitFor([&] { return popover().hasMatch(); }, 20000));
            EXPECT_GE(popover().captured(1).toInt(), 0);
            EXPECT_GE(popover().captured(2).toInt(), 0);
        }
        QTest::qWait(1000); // the first frame is drawn a moment after the window maps
        EXPECT_TRUE(weston.saveScreen(
            screenshot(xwayland ? u"wayland-xwayland-popover"_s : u"wayland-window-popover"_s)));

        ondrix.terminate();
        ASSERT_TRUE(ondrix.waitForFinished(30000));
        const QString output = QString::fromUtf8(ondrix.readAllStandardError());
        EXPECT_FALSE(output.contains(QLatin1String("qt.qpa"))) << output.toStdString();
        EXPECT_FALSE(output.contains(QLatin1String("warning"), Qt::CaseInsensitive)) << output.toStdString();
        EXPECT_EQ(ondrix.exitCode(), 0);
    }
}
