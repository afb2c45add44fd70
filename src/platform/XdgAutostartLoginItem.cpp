#include "platform/XdgAutostartLoginItem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ondrix {

namespace {

QString autostartDir()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base)) {
        base = QDir::homePath() + QStringLiteral("/.config");
    }
    return base + QStringLiteral("/autostart");
}

// Exec values are quoted when they hold anything beyond plain path characters; inside quotes, backslash,
// double quote, backtick and dollar are escaped (desktop entry specification, "The Exec key").
QString quotedExec(const QString& path)
{
    bool plain = true;
    for (const QChar c : path) {
        if (!(c.isLetterOrNumber() || c == QLatin1Char('/') || c == QLatin1Char('.') ||
              c == QLatin1Char('-') || c == QLatin1Char('_') || c == QLatin1Char('+'))) {
            plain = false;
            break;
        }
    }
    if (plain) {
        return path;
    }
    QString quoted;
    for (const QChar c : path) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\')) {
            quoted += QStringLiteral("\\\\");
        }
        if (c == QLatin1Char('%')) {
            quoted += QLatin1Char('%');
        }
        quoted += c;
    }
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

XdgAutostartLoginItem::XdgAutostartLoginItem(QString applicationId, QString applicationName,
                                             QString executable)
    : m_applicationId(std::move(applicationId))
    , m_applicationName(std::move(applicationName))
    , m_executable(std::move(executable))
{}

QString XdgAutostartLoginItem::entryPath() const
{
    return autostartDir() + QLatin1Char('/') + m_applicationId + QStringLiteral(".desktop");
}

bool XdgAutostartLoginItem::isRegistered() const
{
    return QFileInfo(entryPath()).isFile();
}

std::optional<QString> XdgAutostartLoginItem::setRegistered(bool registered)
{
    const QString path = entryPath();
    if (!registered) {
        QFile entry(path);
        if (!entry.exists() || entry.remove()) {
            return std::nullopt;
        }
        return QCoreApplication::translate("XdgAutostartLoginItem", "Cannot remove %1: %2")
            .arg(path, entry.errorString());
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        return QCoreApplication::translate("XdgAutostartLoginItem", "Cannot create the folder %1")
            .arg(folder);
    }
    QSaveFile entry(path);
    if (!entry.open(QIODevice::WriteOnly)) {
        return QCoreApplication::translate("XdgAutostartLoginItem", "Cannot write %1: %2")
            .arg(path, entry.errorString());
    }
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=%1\n"
                                        "Exec=%2\n"
                                        "Icon=%3\n"
                                        "Terminal=false\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(m_applicationName, quotedExec(m_executable), m_applicationId);
    entry.write(text.toUtf8());
    if (!entry.commit()) {
        return QCoreApplication::translate("XdgAutostartLoginItem", "Cannot write %1: %2")
            .arg(path, entry.errorString());
    }
    return std::nullopt;
}

} // namespace ondrix
