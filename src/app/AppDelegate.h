#pragma once

#include "app/DesktopTheme.h"
#include "app/LaunchAtLogin.h"
#include "app/StatusIconController.h"
#include "app/StatusNotifierHostWatch.h"
#include "model/NextTurn.h"
#include "ui/common/QtDialogs.h"
#include "ui/common/SettingsNavigation.h"

#include <QDBusConnection>
#include <QObject>
#include <QPalette>
#include <QUuid>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QMenu;
class QSystemTrayIcon;
class QWidget;

namespace ondrix {

class Application;
class DockPresence;
class LoginItem;
class PopoverWindow;
class ShellWindow;
class UpdateChecker;

// The desktop application around the core: the tray icon with its state and animation, the popover, the
// settings, log, history and about windows (created on first use and kept), the tray icon's menu, the
// taskbar presence, the login item and the desktop theme. Without a tray it shows the popover as an ordinary
// window at start and takes the tray up when a panel appears later.
//
// Lives on the main thread; owns every window it opens.
class AppDelegate : public QObject {
    Q_OBJECT

public:
    static const QString kHasSetLaunchAtLoginKey;

    // `updates` may be null (the build has no update check). Everything given must outlive the delegate.
    AppDelegate(Application& core, LoginItem& loginItem, DockPresence& dock, QDBusConnection sessionBus,
                UpdateChecker* updates = nullptr, QObject* parent = nullptr);
    ~AppDelegate() override;

    // The launch sequence: login item on first launch, taskbar presence, status icon and its subscription,
    // theme, popover, tray (or the window standing in for it), then every engine.
    void start();

    void togglePopover();
    // Opens the popover, or brings forward the window that stands in for it (a second start, `--show`).
    void showPopover();
    void closePopover();
    void openSettings(SettingsTab tab, std::optional<QUuid> connectionId);
    void openLog();
    void openHistory();
    void openAbout();
    // Hides the popover and every window; they come back as they were when opened again.
    void hideAll();
    void addConnection();
    void checkForUpdates();
    void quit();

    // For tests and the tray integration: what exists now.
    PopoverWindow* popover() const { return m_popover.get(); }
    ShellWindow* settingsWindow() const { return m_settingsWindow.get(); }
    ShellWindow* logWindow() const { return m_logWindow.get(); }
    ShellWindow* historyWindow() const { return m_historyWindow.get(); }
    ShellWindow* aboutWindow() const { return m_aboutWindow.get(); }
    QSystemTrayIcon* trayIcon() const { return m_tray.get(); }
    QMenu* trayMenu() const { return m_trayMenu.get(); }
    StatusIconController& statusIcon() { return m_statusIcon; }
    SettingsNavigation& settingsNavigation() { return m_settingsNavigation; }

Q_SIGNALS:
    // The user asked to quit (menu, popover, Ctrl+Q); the owner stops the core and ends the event loop.
    void quitRequested();

private:
    void applyFirstLaunchLoginItem();
    void setUpDockPresence();
    void setUpLaunchAtLogin();
    void setUpAccent();
    void updateStatusIcon();
    void trayAnswered(bool available);
    void createTray();
    void buildTrayMenu();
    void showWindow(QWidget* window);
    void updateDockPolicy();
    bool anyWindowVisible() const;
    ShellWindow* makeWindow(std::unique_ptr<ShellWindow>& slot, const QString& title, const QSize& size,
                            bool resizable, const std::function<QWidget*()>& makeView);
    std::optional<QPoint> popoverPosition() const;

    QWidget* makePopoverView();
    QWidget* makeSettingsView();
    QWidget* makeLogView();
    QWidget* makeHistoryView();
    QWidget* makeAboutView();

    Application& m_core;
    DockPresence& m_dock;
    UpdateChecker* m_updates;
    QDBusConnection m_bus;
    SettingsNavigation m_settingsNavigation;
    StatusIconController m_statusIcon;
    StatusNotifierHostWatch m_trayWatch;
    DesktopTheme m_theme;
    LaunchAtLogin m_launchAtLogin;
    QtDialogs m_dialogs;
    QPalette m_systemPalette;
    bool m_trayAnswered = false;
    NextTurn m_statusIconUpdate{this, [this] { updateStatusIcon(); }};
    std::unique_ptr<PopoverWindow> m_popover;
    std::unique_ptr<ShellWindow> m_settingsWindow;
    std::unique_ptr<ShellWindow> m_logWindow;
    std::unique_ptr<ShellWindow> m_historyWindow;
    std::unique_ptr<ShellWindow> m_aboutWindow;
    std::unique_ptr<QMenu> m_trayMenu;
    std::unique_ptr<QSystemTrayIcon> m_tray;
    QAction* m_statusAction = nullptr;
};

} // namespace ondrix
