// The desktop shell on the offscreen platform, over a real core in a private home.
#include "app/AppDelegate.h"

#include "app/Application.h"
#include "app/DockPresence.h"
#include "app/PopoverWindow.h"
#include "app/ShellWindow.h"
#include "app/TaskbarDockPresence.h"
#include "app/UpdateChecker.h"
#include "model/AppSettings.h"
#include "platform/AppPaths.h"
#include "platform/PreferencesStore.h"
#include "platform/XdgAutostartLoginItem.h"
#include "records/LogService.h"
#include "supervision/ConnectionsManager.h"
#include "support/MessageCapture.h"
#include "support/TestEnvironment.h"
#include "support/ui/UiTestSupport.h"
#include "ui/popover/MenuBarView.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace ondrix;
using namespace Qt::StringLiterals;
using namespace ondrix::test;

namespace {

class RecordingDock final : public DockPresence {
public:
    void setPolicy(Policy policy) override { last = policy; }
    Policy last = Policy::regular;
};

class AppDelegateTest : public ::testing::Test {
protected:
    // A shell with no session bus: no tray, so the popover opens as a window at start.
    std::unique_ptr<AppDelegate> startShell(UpdateChecker* updates = nullptr)
    {
        auto delegate =
            std::make_unique<AppDelegate>(*core, loginItem, dock, QDBusConnection(QString()), updates);
        delegate->start();
        return delegate;
    }

    TestEnvironment env;
    std::unique_ptr<Application> core = std::make_unique<Application>();
    XdgAutostartLoginItem loginItem{u"io.ondrix.Ondrix"_s, u"Ondrix"_s, u"/opt/My Apps/ondrix"_s};
    RecordingDock dock;
};

} // namespace

// The login item is registered at the first launch only: a failure is logged and not retried; one that works
// is what the settings switch shows, and turning that off removes the entry; a stored false is left alone.
TEST_F(AppDelegateTest, FirstLaunchRegistersTheLoginItemOnlyWhenTheFlagWasNeverStored)
{
    const QString entry = env.configHome() + u"/autostart/io.ondrix.Ondrix.desktop"_s;
    const auto restart = [&](const std::function<void(PreferencesStore&)>& edit) {
        core.reset();
        edit(*std::make_unique<PreferencesStore>(AppPaths::preferencesFile()));
        core = std::make_unique<Application>();
        return startShell();
    };
    {
        const QString blocker = env.writeFile(u"config/autostart"_s, "not a folder");
        MessageCapture capture;
        auto delegate = startShell();
        const QStringList lines = capture.matching(u"[LaunchAtLogin] Failed to register login item: "_s);
        ASSERT_EQ(lines.size(), 1) << capture.messages().join(u'\n').toStdString();
        EXPECT_TRUE(lines[0].contains(QLatin1String("autostart")));
        EXPECT_EQ(std::pair(core->store().boolValue(AppDelegate::kHasSetLaunchAtLoginKey),
                            core->settings().launchAtLogin()),
                  std::pair(true, false));
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                const auto e = core->log().entries();
                return !e.isEmpty() && e.last().level == LogEntry::LogLevel::warning &&
                       e.last().message.contains(QLatin1String("start at login"));
            },
            2000));
        QFile::remove(blocker);
    }
    {
        auto delegate =
            restart([](PreferencesStore& store) { store.remove(AppDelegate::kHasSetLaunchAtLoginKey); });
        EXPECT_TRUE(core->store().boolValue(AppDelegate::kHasSetLaunchAtLoginKey) &&
                    core->settings().launchAtLogin());
        EXPECT_TRUE(readFile(entry).contains("Exec=\"/opt/My Apps/ondrix\"\n") &&
                    readFile(entry).contains("Icon=io.ondrix.Ondrix\n"))
            << readFile(entry).constData();
        core->settings().setLaunchAtLogin(false);
        EXPECT_FALSE(QFile::exists(entry));
    }
    auto delegate =
        restart([](PreferencesStore& store) { store.setBool(AppDelegate::kHasSetLaunchAtLoginKey, false); });
    EXPECT_FALSE(QFile::exists(entry) || core->settings().launchAtLogin());
}

// Windows are made on first use and kept, carry their shortcuts, and hold a taskbar entry while visible; the
// setting turned off while a window is visible takes the entry away once the last one closes.
TEST_F(AppDelegateTest, WindowsAreCreatedOnceKeptAndCarryTheShortcutsAndTheTaskbarEntry)
{
    core->settings().setAlwaysShowInDock(false);
    auto delegate = startShell();
    using P = DockPresence::Policy;
    const auto presence = [&] {
        QCoreApplication::processEvents();
        return dock.last;
    };
    EXPECT_EQ(presence(), P::accessory);
    struct Expected {
        std::function<void()> open;
        std::function<ShellWindow*()> window;
        QString title;
        bool resizable;
    };
    const std::vector<Expected> windows = {
        {[&] { delegate->openSettings(SettingsTab::connections, std::nullopt); },
         [&] { return delegate->settingsWindow(); }, u"Ondrix Settings"_s, true},
        {[&] { delegate->openLog(); }, [&] { return delegate->logWindow(); }, u"Ondrix Log"_s, true},
        {[&] { delegate->openHistory(); }, [&] { return delegate->historyWindow(); }, u"Ondrix History"_s,
         true},
        {[&] { delegate->openAbout(); }, [&] { return delegate->aboutWindow(); }, u"About Ondrix"_s, false},
    };
    for (const Expected& expected : windows) {
        SCOPED_TRACE(expected.title.toStdString());
        EXPECT_EQ(expected.window(), nullptr) << "created before first use";
        expected.open();
        ShellWindow* window = expected.window();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible() && presence() == P::regular);
        EXPECT_FALSE(delegate->popover()->isVisible()) << "every opener closes the popover first";
        EXPECT_EQ(window->windowTitle(), expected.title);
        EXPECT_EQ(window->minimumSize() == window->maximumSize(), !expected.resizable);
        EXPECT_FALSE(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(controlsWithoutAccessibleName(window), QStringList());
        saveScreenshot(window, u"shell-"_s + expected.title.toLower().replace(u' ', u'-'));

        QApplication::setActiveWindow(window);
        QTest::keyClick(window, Qt::Key_W, Qt::ControlModifier);
        EXPECT_FALSE(window->isVisible());
        expected.open();
        EXPECT_TRUE(expected.window() == window && window->isVisible());
        window->close();
        EXPECT_EQ(presence(), P::accessory);
    }

    QSignalSpy quit(delegate.get(), &AppDelegate::quitRequested);
    delegate->settingsWindow()->hide();
    delegate->openLog();
    QApplication::setActiveWindow(delegate->logWindow());
    QTest::keyClick(delegate->logWindow(), Qt::Key_Comma, Qt::ControlModifier);
    EXPECT_TRUE(delegate->settingsWindow()->isVisible());
    QApplication::setActiveWindow(delegate->settingsWindow());
    QTest::keyClick(delegate->settingsWindow(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(quit.count(), 1);

    core->settings().setAlwaysShowInDock(true);
    EXPECT_EQ(presence(), P::regular);
    core->settings().setAlwaysShowInDock(false);
    delegate->settingsWindow()->close();
    EXPECT_EQ(presence(), P::regular) << "the log window is still open";
    delegate->logWindow()->close();
    EXPECT_EQ(presence(), P::accessory);
    core->settings().setAlwaysShowInDock(true);
    delegate->openAbout();
    delegate->aboutWindow()->close();
    EXPECT_EQ(presence(), P::regular) << "with the setting on, closing windows changes nothing";
}

// Run on X11 by AppDelegateX11Test (xvfb-run): the mark the X server really holds for a window.
TEST_F(AppDelegateTest, TheTaskbarSettingMarksTheWindowsOnX11)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        GTEST_SKIP() << "runs on X11 (AppDelegateX11Test)";
    }
    const auto skipsTaskbar = [](QWidget* window) {
        QProcess xprop;
        xprop.start(u"xprop"_s, {u"-id"_s, QString::number(window->winId()), u"_NET_WM_STATE"_s});
        xprop.waitForFinished(10000);
        return xprop.readAllStandardOutput().contains("_NET_WM_STATE_SKIP_TASKBAR");
    };
    TaskbarDockPresence taskbar;
    core->settings().setAlwaysShowInDock(false);
    AppDelegate delegate(*core, loginItem, taskbar, QDBusConnection(QString()));
    delegate.start();
    delegate.openLog();
    ShellWindow* log = delegate.logWindow();
    EXPECT_FALSE(skipsTaskbar(log)) << "a window being shown has its entry";
    log->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(skipsTaskbar(log)) << "the setting off and no window open: left out of the taskbar";
    core->settings().setAlwaysShowInDock(true);
    QCoreApplication::processEvents();
    EXPECT_FALSE(skipsTaskbar(log));
}

TEST_F(AppDelegateTest, WithoutATrayThePopoverIsAWindowAndItsEntriesNavigate)
{
    auto delegate = startShell();
    PopoverWindow* popover = delegate->popover();
    ASSERT_TRUE(QTest::qWaitFor([&] { return popover->isVisible(); }, 2000));
    EXPECT_FALSE(popover->isPanelMode() || delegate->trayIcon());
    EXPECT_EQ(controlsWithoutAccessibleName(popover), QStringList());
    QTest::qWait(50); // layout requests posted by the first show
    saveScreenshot(popover, u"shell-popover-as-window"_s);

    SettingsNavigation& navigation = delegate->settingsNavigation();
    navigation.setTab(SettingsTab::notifications);
    delegate->openSettings(SettingsTab::connections, std::nullopt);
    EXPECT_EQ(std::pair(navigation.tab(), navigation.connectionId()),
              std::pair(SettingsTab::connections, std::optional<QUuid>()));

    delegate->showPopover();
    delegate->addConnection();
    const QList<PushConnection> connections = core->manager().connections();
    ASSERT_EQ(connections.size(), 1);
    EXPECT_EQ(std::pair(navigation.connectionId(), connections[0].isEnabled || popover->isVisible()),
              std::pair(std::optional(connections[0].id), false));

    QStringList entries;
    QAction* hide = nullptr;
    for (QAction* action : delegate->trayMenu()->actions()) {
        entries << action->text();
        hide = action->text() == u"Hide Ondrix"_s ? action : hide;
    }
    entries.removeAll(QString());
    EXPECT_EQ(entries,
              (QStringList{u"Ondrix"_s, u"Open Ondrix"_s, u"About Ondrix"_s, u"Settings..."_s,
                           u"Hide Ondrix"_s, u"Ondrix Website"_s, u"Contact Support"_s, u"Quit Ondrix"_s}));

    delegate->openLog();
    delegate->showPopover();
    EXPECT_EQ(hide->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
    hide->trigger();
    EXPECT_FALSE(popover->isVisible() || delegate->settingsWindow()->isVisible() ||
                 delegate->logWindow()->isVisible());
}

TEST_F(AppDelegateTest, TheTrayMenuAndThePopoverOfferUpdatesByOneRule)
{
    UpdateChecker updates(QUrl(u"http://127.0.0.1:9/feed.json"_s), u"1.0.0"_s, core->store(),
                          core->notificationCenter());
    for (UpdateChecker* checker : {static_cast<UpdateChecker*>(nullptr), &updates}) {
        const auto delegate = startShell(checker);
        const auto offers = [](const auto& entries) {
            return std::ranges::any_of(entries,
                                       [](const auto* e) { return e->text() == u"Check for Updates..."_s; });
        };
        EXPECT_EQ(offers(delegate->trayMenu()->actions()), checker != nullptr);
        EXPECT_EQ(offers(static_cast<MenuBarView*>(delegate->popover()->view())->footerButtons()),
                  checker != nullptr);
    }
}
