#include "app/TrayShell.h"

#include "app/AppDelegate.h"
#include "app/AppIdentity.h"
#include "app/Application.h"
#include "app/TaskbarDockPresence.h"
#include "app/UpdateChecker.h"
#include "platform/XdgAutostartLoginItem.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QUrl>

namespace ondrix {

TrayShell::TrayShell(Application& core, std::function<void()> quitRequested)
    : m_loginItem(std::make_unique<XdgAutostartLoginItem>(
          AppIdentity::applicationId(), QStringLiteral("Ondrix"), QCoreApplication::applicationFilePath()))
    , m_dock(std::make_unique<TaskbarDockPresence>())
{
#ifdef ONDRIX_UPDATE_FEED_URL
    m_updates = std::make_unique<UpdateChecker>(QUrl(QStringLiteral(ONDRIX_UPDATE_FEED_URL)),
                                                QCoreApplication::applicationVersion(), core.store(),
                                                core.notificationCenter());
#endif
    m_delegate = std::make_unique<AppDelegate>(core, *m_loginItem, *m_dock, QDBusConnection::sessionBus(),
                                               m_updates.get());
    QObject::connect(m_delegate.get(), &AppDelegate::quitRequested, m_delegate.get(),
                     [quit = std::move(quitRequested)] { quit(); });
}

// The delegate goes first: it uses the login item, the taskbar presence and the update check.
TrayShell::~TrayShell()
{
    m_delegate.reset();
}

void TrayShell::start()
{
    m_delegate->start();
}

void TrayShell::showPopover()
{
    m_delegate->showPopover();
}

} // namespace ondrix
