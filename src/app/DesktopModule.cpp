#include "app/DesktopModule.h"

#include "platform/PrivateModule.h"

#include <QCoreApplication>

#include <cstring>

#ifndef ONDRIX_DESKTOP_MODULE_RELATIVE_PATH
#error "ONDRIX_DESKTOP_MODULE_RELATIVE_PATH must name the desktop module relative to the executable's folder"
#endif

namespace ondrix {

QString DesktopModule::pathFor(const QString& executablePath)
{
    return PrivateModule::pathBeside(executablePath, QStringLiteral(ONDRIX_DESKTOP_MODULE_RELATIVE_PATH));
}

QString DesktopModule::defaultPath()
{
    return PrivateModule::pathBesideRunningExecutable(QStringLiteral(ONDRIX_DESKTOP_MODULE_RELATIVE_PATH));
}

bool DesktopModule::load(const QString& path, QString* error)
{
    const auto fail = [&](const QString& reason) {
        if (error) {
            *error = reason;
        }
        m_entry = nullptr;
        return false;
    };
    PrivateModule::Failure failure = PrivateModule::Failure::none;
    QString loaderError;
    const auto function = reinterpret_cast<DesktopModuleEntryFunction>(
        PrivateModule::load(path, QT_STRINGIFY(ONDRIX_DESKTOP_MODULE_ENTRY), &failure, &loaderError));
    switch (failure) {
    case PrivateModule::Failure::none:
        break;
    case PrivateModule::Failure::missing:
        return fail(QCoreApplication::translate("DesktopModule", "%1 is missing").arg(path));
    case PrivateModule::Failure::notLoadable:
        return fail(loaderError);
    case PrivateModule::Failure::noEntry:
        return fail(
            QCoreApplication::translate("DesktopModule", "%1 is not an Ondrix desktop module").arg(path));
    }
    const DesktopModuleEntry* entry = function();
    if (!entry || !entry->build || std::strcmp(entry->build, ONDRIX_VERSION) != 0 ||
        !entry->makeApplication || !entry->makeShell) {
        return fail(QCoreApplication::translate("DesktopModule", "%1 belongs to another version of Ondrix")
                        .arg(path));
    }
    m_entry = entry;
    return true;
}

} // namespace ondrix
