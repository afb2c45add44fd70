#include "platform/AppPaths.h"

#include <QDir>
#include <QFile>

namespace ondrix::AppPaths {

namespace {

// The XDG rule: an unset, empty or relative value means the default below the home folder.
QString baseDir(const char* variable, const QString& fallbackBelowHome)
{
    const QString value = QFile::decodeName(qgetenv(variable));
    if (!value.isEmpty() && QDir::isAbsolutePath(value)) {
        return QDir::cleanPath(value);
    }
    return QDir::homePath() + QLatin1Char('/') + fallbackBelowHome;
}

const QString kAppFolder = QStringLiteral("/Ondrix");

} // namespace

QString configDir()
{
    return baseDir("XDG_CONFIG_HOME", QStringLiteral(".config")) + kAppFolder;
}

QString dataDir()
{
    return baseDir("XDG_DATA_HOME", QStringLiteral(".local/share")) + kAppFolder;
}

QString stateDir()
{
    return baseDir("XDG_STATE_HOME", QStringLiteral(".local/state")) + kAppFolder;
}

QString preferencesFile()
{
    return configDir() + QStringLiteral("/preferences.sqlite");
}

QString instanceLockFile()
{
    return configDir() + QStringLiteral("/ondrix.lock");
}

QString logFile()
{
    return stateDir() + QStringLiteral("/Ondrix.log");
}

QString historyFile()
{
    return dataDir() + QStringLiteral("/history.json");
}

} // namespace ondrix::AppPaths
