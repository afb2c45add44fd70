// The desktop module's entry point: the executable loads this library only for a desktop run and reaches
// everything in it through the entry returned here.
#include "app/AppIdentity.h"
#include "app/DesktopShell.h"
#include "app/TrayShell.h"

#include <QApplication>
#include <QIcon>

namespace {

std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv)
{
    auto application = std::make_unique<QApplication>(argc, argv);
    QGuiApplication::setDesktopFileName(ondrix::AppIdentity::applicationId());
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/AppIcon.svg")));
    QGuiApplication::setQuitOnLastWindowClosed(false);
    return application;
}

std::unique_ptr<ondrix::DesktopShell> makeShell(ondrix::Application& core,
                                                std::function<void()> quitRequested)
{
    return std::make_unique<ondrix::TrayShell>(core, std::move(quitRequested));
}

const ondrix::DesktopModuleEntry kEntry{ONDRIX_VERSION, &makeApplication, &makeShell};

} // namespace

extern "C" Q_DECL_EXPORT const ondrix::DesktopModuleEntry* ONDRIX_DESKTOP_MODULE_ENTRY()
{
    return &kEntry;
}
