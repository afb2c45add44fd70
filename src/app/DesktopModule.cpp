#include "app/DesktopModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

#ifndef ONDRIX_DESKTOP_MODULE_RELATIVE_PATH
#error "ONDRIX_DESKTOP_MODULE_RELATIVE_PATH must name the desktop module relative to the executable's folder"
#endif

namespace ondrix {

QString DesktopModule::pathFor(const QString& executablePath)
{
    return QDir::cleanPath(QFileInfo(executablePath).absolutePath() + QLatin1Char('/') +
                           QStringLiteral(ONDRIX_DESKTOP_MODULE_RELATIVE_PATH));
}

QString DesktopModule::defaultPath()
{
    // Asked before the application object exists, so not through QCoreApplication::applicationFilePath().
    const QString executable = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    return pathFor(executable.isEmpty() ? QStringLiteral("ondrix") : executable);
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
    if (!QFileInfo::exists(path)) {
        return fail(QCoreApplication::translate("DesktopModule", "%1 is missing").arg(path));
    }
    m_library.setFileName(path);
    // Every symbol at once: a module from another build fails here, not on the first click.
    m_library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    if (!m_library.load()) {
        return fail(m_library.errorString());
    }
    const auto function = reinterpret_cast<DesktopModuleEntryFunction>(
        m_library.resolve(QT_STRINGIFY(ONDRIX_DESKTOP_MODULE_ENTRY)));
    if (!function) {
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
