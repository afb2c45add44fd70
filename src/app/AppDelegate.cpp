#include "app/AppDelegate.h"

#include "app/Application.h"
#include "app/DisplayPlatform.h"
#include "app/DockPresence.h"
#include "app/PopoverPlacement.h"
#include "app/PopoverWindow.h"
#include "app/ShellWindow.h"
#include "app/UpdateChecker.h"
#include "model/AppSettings.h"
#include "model/PushConnection.h"
#include "platform/PreferencesStore.h"
#include "supervision/ConnectionsManager.h"
#include "ui/about/AboutInfo.h"
#include "ui/about/AboutView.h"
#include "ui/history/HistoryView.h"
#include "ui/log/LogView.h"
#include "ui/popover/MenuBarView.h"
#include "ui/settings/SettingsView.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>

#include <utility>

namespace ondrix {

const QString AppDelegate::kHasSetLaunchAtLoginKey = QStringLiteral("has_set_launch_at_login");

namespace {

// Ondrix's own accent for the "brand" colour theme.
const QColor kBrandAccent(0x8b, 0x5c, 0xf6);

} // namespace

AppDelegate::AppDelegate(Application& core, LoginItem& loginItem, DockPresence& dock,
                         QDBusConnection sessionBus, UpdateChecker* updates, QObject* parent)
    : QObject(parent)
    , m_core(core)
    , m_dock(dock)
    , m_updates(updates)
    , m_bus(sessionBus)
    , m_trayWatch(sessionBus)
    , m_theme(sessionBus)
    , m_launchAtLogin(loginItem, &core.log())
    , m_systemPalette(QApplication::palette())
{}

AppDelegate::~AppDelegate() = default;

void AppDelegate::start()
{
    applyFirstLaunchLoginItem();
    if (m_updates) {
        m_updates->startSchedule();
    }
    setUpLaunchAtLogin();
    setUpDockPresence();
    setUpAccent();

    connect(&m_theme, &DesktopTheme::darkChanged, &m_statusIcon, &StatusIconController::setDarkAppearance);
    m_theme.start();
    m_statusIcon.setDarkAppearance(m_theme.isDark());

    // The manager announces its four summary values one after the other (each run, changed or not): they
    // make one update of the icon on the next turn of the event loop.
    ConnectionsManager& manager = m_core.manager();
    const auto queueStatusIconUpdate = [this] { m_statusIconUpdate.request(); };
    connect(&manager, &ConnectionsManager::aggregatePausedChanged, this, queueStatusIconUpdate);
    connect(&manager, &ConnectionsManager::aggregateUploadingChanged, this, queueStatusIconUpdate);
    connect(&manager, &ConnectionsManager::aggregateStabilityCheckingChanged, this, queueStatusIconUpdate);
    connect(&manager, &ConnectionsManager::aggregateStateChanged, this, queueStatusIconUpdate);
    updateStatusIcon();

    m_popover = std::make_unique<PopoverWindow>(makePopoverView());
    connect(m_popover.get(), &PopoverWindow::quitRequested, this, &AppDelegate::quit);
    connect(m_popover.get(), &PopoverWindow::settingsRequested, this,
            [this] { openSettings(SettingsTab::connections, std::nullopt); });

    buildTrayMenu();
    connect(&m_trayWatch, &StatusNotifierHostWatch::answered, this, &AppDelegate::trayAnswered);
    m_trayWatch.check();

    m_core.start();
}

void AppDelegate::applyFirstLaunchLoginItem()
{
    PreferencesStore& store = m_core.store();
    if (store.contains(kHasSetLaunchAtLoginKey)) {
        return;
    }
    m_launchAtLogin.setEnabled(true);
    store.setBool(kHasSetLaunchAtLoginKey, true);
}

void AppDelegate::setUpLaunchAtLogin()
{
    // The switch shows what the desktop will really do at the next login, and every later change of it is
    // carried to the login item.
    AppSettings& settings = m_core.settings();
    settings.setLaunchAtLogin(m_launchAtLogin.isEnabled());
    connect(&settings, &AppSettings::launchAtLoginChanged, this,
            [this](bool enabled) { m_launchAtLogin.setEnabled(enabled); });
}

void AppDelegate::setUpDockPresence()
{
    AppSettings& settings = m_core.settings();
    m_dock.setPolicy(settings.alwaysShowInDock() ? DockPresence::Policy::regular
                                                 : DockPresence::Policy::accessory);
    connect(
        &settings, &AppSettings::alwaysShowInDockChanged, this,
        [this](bool always) {
            if (always) {
                m_dock.setPolicy(DockPresence::Policy::regular);
            } else if (!anyWindowVisible()) {
                m_dock.setPolicy(DockPresence::Policy::accessory);
            }
        },
        Qt::QueuedConnection);
}

void AppDelegate::setUpAccent()
{
    const auto apply = [this](AppColorTheme theme) {
        QPalette palette = m_systemPalette;
        if (theme == AppColorTheme::brand) {
            palette.setColor(QPalette::Highlight, kBrandAccent);
            palette.setColor(QPalette::HighlightedText, Qt::white);
            palette.setColor(QPalette::Link, kBrandAccent);
        }
        QApplication::setPalette(palette);
    };
    apply(m_core.settings().colorTheme());
    connect(&m_core.settings(), &AppSettings::colorThemeChanged, this, apply);
}

void AppDelegate::updateStatusIcon()
{
    const ConnectionsManager& manager = m_core.manager();
    m_statusIcon.update(manager.aggregateState(), manager.aggregatePaused(), manager.aggregateUploading(),
                        manager.aggregateStabilityChecking());
}

void AppDelegate::trayAnswered(bool available)
{
    const bool first = !m_trayAnswered;
    m_trayAnswered = true;
    if (available && !m_tray) {
        createTray();
    }
    // Where the compositor places every window (Wayland without XWayland), a panel would open anywhere: an
    // ordinary titled window, which opens where the compositor puts it, is what the user expects there.
    m_popover->setPanelMode(available && DisplayPlatform::placesWindows(QGuiApplication::platformName()));
    if (first && !available) {
        // No panel shows tray icons: the popover is the application's window, so it is never invisible.
        showPopover();
    }
}

void AppDelegate::createTray()
{
    m_tray = std::make_unique<QSystemTrayIcon>();
    m_tray->setIcon(m_statusIcon.currentIcon());
    m_tray->setToolTip(m_statusIcon.toolTip());
    m_tray->setContextMenu(m_trayMenu.get());
    connect(&m_statusIcon, &StatusIconController::iconChanged, m_tray.get(), &QSystemTrayIcon::setIcon);
    connect(&m_statusIcon, &StatusIconController::toolTipChanged, m_tray.get(), &QSystemTrayIcon::setToolTip);
    connect(m_tray.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
                    togglePopover();
                }
            });
    m_tray->show();
}

void AppDelegate::buildTrayMenu()
{
    m_trayMenu = std::make_unique<QMenu>();
    m_trayMenu->setAccessibleName(tr("Ondrix"));
    m_statusAction = m_trayMenu->addAction(m_statusIcon.toolTip());
    m_statusAction->setEnabled(false);
    connect(&m_statusIcon, &StatusIconController::toolTipChanged, m_statusAction, &QAction::setText);
    m_trayMenu->addAction(tr("Open Ondrix"), this, &AppDelegate::showPopover);
    m_trayMenu->addSeparator();
    m_trayMenu->addAction(tr("About Ondrix"), this, &AppDelegate::openAbout);
    if (m_updates) {
        m_trayMenu->addSeparator();
        m_trayMenu->addAction(tr("Check for Updates..."), this, &AppDelegate::checkForUpdates);
    }
    m_trayMenu->addSeparator();
    QAction* settings = m_trayMenu->addAction(
        tr("Settings..."), this, [this] { openSettings(SettingsTab::connections, std::nullopt); });
    settings->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    m_trayMenu->addSeparator();
    QAction* hide = m_trayMenu->addAction(tr("Hide Ondrix"), this, &AppDelegate::hideAll);
    hide->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    m_trayMenu->addSeparator();
    m_trayMenu->addAction(tr("Ondrix Website"), this,
                          [] { QDesktopServices::openUrl(AboutInfo::fromBuild().website()); });
    m_trayMenu->addAction(tr("Contact Support"), this,
                          [] { QDesktopServices::openUrl(AboutInfo::fromBuild().support()); });
    m_trayMenu->addSeparator();
    QAction* quitAction = m_trayMenu->addAction(tr("Quit Ondrix"), this, &AppDelegate::quit);
    quitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

std::optional<QPoint> AppDelegate::popoverPosition() const
{
    // Wayland ignores requested positions and reports no cursor position: the compositor places the window.
    if (!DisplayPlatform::placesWindows(QGuiApplication::platformName())) {
        return std::nullopt;
    }
    QRect anchor = m_tray ? m_tray->geometry() : QRect();
    if (anchor.isEmpty()) {
        anchor = QRect(QCursor::pos(), QSize(1, 1));
    }
    QScreen* screen = QGuiApplication::screenAt(anchor.center());
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    if (!screen) {
        return std::nullopt;
    }
    return PopoverPlacement::place(anchor, m_popover->size(), screen->availableGeometry());
}

void AppDelegate::togglePopover()
{
    if (m_popover->isVisible()) {
        m_popover->hide();
        return;
    }
    if (m_popover->wasJustClosedByFocusLoss()) {
        // The click on the icon took the focus away and closed it: that click meant "close".
        return;
    }
    m_popover->open(popoverPosition());
}

void AppDelegate::showPopover()
{
    m_popover->open(m_popover->isVisible() ? std::nullopt : popoverPosition());
}

void AppDelegate::closePopover()
{
    if (m_popover) {
        m_popover->hide();
    }
}

ShellWindow* AppDelegate::makeWindow(std::unique_ptr<ShellWindow>& slot, const QString& title,
                                     const QSize& size, bool resizable,
                                     const std::function<QWidget*()>& makeView)
{
    if (!slot) {
        slot = std::make_unique<ShellWindow>(title, size, resizable, makeView());
        ShellWindow* window = slot.get();
        m_dock.addWindow(window);
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame(QPoint(), window->size());
            frame.moveCenter(screen->availableGeometry().center());
            window->move(frame.topLeft());
        }
        connect(window, &ShellWindow::willClose, this,
                [this] { QTimer::singleShot(0, this, &AppDelegate::updateDockPolicy); });
        connect(window, &ShellWindow::quitRequested, this, &AppDelegate::quit);
        connect(window, &ShellWindow::settingsRequested, this,
                [this] { openSettings(SettingsTab::connections, std::nullopt); });
    }
    return slot.get();
}

void AppDelegate::openSettings(SettingsTab tab, std::optional<QUuid> connectionId)
{
    closePopover();
    m_settingsNavigation.navigate(tab, connectionId);
    showWindow(makeWindow(m_settingsWindow, tr("Ondrix Settings"), QSize(800, 650), true,
                          [this] { return makeSettingsView(); }));
}

void AppDelegate::openLog()
{
    closePopover();
    showWindow(
        makeWindow(m_logWindow, tr("Ondrix Log"), QSize(600, 400), true, [this] { return makeLogView(); }));
}

void AppDelegate::openHistory()
{
    closePopover();
    showWindow(makeWindow(m_historyWindow, tr("Ondrix History"), QSize(800, 500), true,
                          [this] { return makeHistoryView(); }));
}

void AppDelegate::openAbout()
{
    closePopover();
    showWindow(makeWindow(m_aboutWindow, tr("About Ondrix"), QSize(360, 340), false,
                          [this] { return makeAboutView(); }));
}

void AppDelegate::showWindow(QWidget* window)
{
    m_dock.setPolicy(DockPresence::Policy::regular);
    window->show();
    QTimer::singleShot(0, window, [window] {
        window->raise();
        window->activateWindow();
    });
}

bool AppDelegate::anyWindowVisible() const
{
    for (const auto* window :
         {m_settingsWindow.get(), m_logWindow.get(), m_historyWindow.get(), m_aboutWindow.get()}) {
        if (window && window->isVisible()) {
            return true;
        }
    }
    return false;
}

void AppDelegate::updateDockPolicy()
{
    if (m_core.settings().alwaysShowInDock() || anyWindowVisible()) {
        return;
    }
    m_dock.setPolicy(DockPresence::Policy::accessory);
}

void AppDelegate::hideAll()
{
    closePopover();
    for (ShellWindow* window :
         {m_settingsWindow.get(), m_logWindow.get(), m_historyWindow.get(), m_aboutWindow.get()}) {
        if (window && window->isVisible()) {
            window->close();
        }
    }
}

void AppDelegate::addConnection()
{
    PushConnection connection;
    connection.isEnabled = false;
    m_core.manager().addConnection(connection);
    closePopover();
    openSettings(SettingsTab::connections, connection.id);
}

void AppDelegate::checkForUpdates()
{
    closePopover();
    if (m_updates) {
        m_updates->checkNow(true);
    }
}

void AppDelegate::quit()
{
    closePopover();
    Q_EMIT quitRequested();
}

QWidget* AppDelegate::makePopoverView()
{
    // The closures hold the delegate weakly: a click that arrives while it is being torn down does nothing.
    const QPointer<AppDelegate> self(this);
    const auto call = [self](void (AppDelegate::*method)()) {
        return [self, method] {
            if (self) {
                (self.data()->*method)();
            }
        };
    };
    MenuBarActions actions;
    actions.onSettings = [self] {
        if (self) {
            const QList<PushConnection> connections = self->m_core.manager().connections();
            self->openSettings(SettingsTab::connections, connections.isEmpty()
                                                             ? std::nullopt
                                                             : std::optional<QUuid>(connections.first().id));
        }
    };
    actions.onViewLog = call(&AppDelegate::openLog);
    actions.onViewHistory = call(&AppDelegate::openHistory);
    actions.onAbout = call(&AppDelegate::openAbout);
    actions.onQuit = call(&AppDelegate::quit);
    actions.onAddConnection = call(&AppDelegate::addConnection);
    actions.onOpenConnection = [self](const QUuid& id) {
        if (self) {
            self->closePopover();
            self->openSettings(SettingsTab::connections, id);
        }
    };
    if (m_updates) {
        actions.onCheckForUpdates = call(&AppDelegate::checkForUpdates);
    }
    return new MenuBarView(m_core.manager(), m_core.settings(), m_core.stats(), m_core.history(),
                           std::move(actions));
}

QWidget* AppDelegate::makeSettingsView()
{
    return new SettingsView(SettingsView::Context{m_core.manager(), m_core.settings(), m_core.store(),
                                                  m_settingsNavigation, m_core.sounds(), m_dialogs,
                                                  m_core.transferPool(), &m_core.log()});
}

QWidget* AppDelegate::makeLogView()
{
    return new LogView(m_core.log());
}

QWidget* AppDelegate::makeHistoryView()
{
    return new HistoryView(m_core.history());
}

QWidget* AppDelegate::makeAboutView()
{
    return new AboutView();
}

} // namespace ondrix
