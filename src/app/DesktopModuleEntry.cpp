// The desktop module's entry point: the executable loads this library only for a desktop run and reaches
// everything in it through the entry returned here.
#include "app/AppIdentity.h"
#include "app/DesktopShell.h"
#include "app/DisplayPlatform.h"
#include "app/TrayShell.h"

#include <QApplication>
#include <QIcon>

namespace {

std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv)
{
    // Asked for through the environment only while the application starts: programs started later (a
    // connection's script) make their own choice.
    const QString platform = ondrix::DisplayPlatform::choose(QProcessEnvironment::systemEnvironment());
    if (!platform.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", platform.toLocal8Bit());
    }
    auto application = std::make_unique<QApplication>(argc, argv);
    if (!platform.isEmpty()) {
        qunsetenv("QT_QPA_PLATFORM");
    }
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
