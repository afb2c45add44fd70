#include "platform/CanberraSoundPlayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <canberra.h>

namespace ondrix {

Q_LOGGING_CATEGORY(lcSoundPlayer, "ondrix.sound")

CanberraSoundPlayer::CanberraSoundPlayer(QString soundDirectory)
    : m_directory(std::move(soundDirectory))
{
    if (const int error = ca_context_create(&m_context); error != CA_SUCCESS) {
        m_context = nullptr;
        qCWarning(lcSoundPlayer).noquote()
            << "[CanberraSoundPlayer] Cannot create a sound context:" << ca_strerror(error);
        return;
    }
    ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME, "Ondrix", CA_PROP_APPLICATION_ID,
                            "com.ondrix.Ondrix", CA_PROP_APPLICATION_ICON_NAME, "ondrix", nullptr);
}

CanberraSoundPlayer::~CanberraSoundPlayer()
{
    if (m_context)
        ca_context_destroy(m_context);
}

QString CanberraSoundPlayer::soundFile(const QString& name) const
{
    if (m_directory.isEmpty() || !SoundPlayer::soundNames().contains(name))
        return {};
    const QString path = QDir(m_directory).filePath(name + QStringLiteral(".wav"));
    return QFileInfo(path).isFile() ? path : QString();
}

void CanberraSoundPlayer::play(const QString& name)
{
    const QString path = soundFile(name);
    if (path.isEmpty() || !m_context)
        return;
    if (m_lastStart.isValid() && m_lastStart.elapsed() < kMinReplayMs)
        return;
    m_lastStart.start();
    const QByteArray file = QFile::encodeName(path);
    const QByteArray description = name.toUtf8();
    const int error = ca_context_play(m_context, 0, CA_PROP_MEDIA_FILENAME, file.constData(),
                                      CA_PROP_EVENT_DESCRIPTION, description.constData(), nullptr);
    if (error != CA_SUCCESS && !m_reportedFailure) {
        m_reportedFailure = true;
        qCWarning(lcSoundPlayer).noquote() << QStringLiteral("[CanberraSoundPlayer] Cannot play %1: %2")
                                                  .arg(name, QString::fromUtf8(ca_strerror(error)));
    }
}

QString CanberraSoundPlayer::findSoundDirectory()
{
    QStringList candidates{QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/ondrix/sounds")};
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        candidates << data + QStringLiteral("/ondrix/sounds");
    candidates << QStringLiteral(ONDRIX_INSTALLED_SOUNDS_DIR) << QStringLiteral(ONDRIX_SOURCE_SOUNDS_DIR);
    const QString probe = SoundPlayer::soundNames().constFirst() + QStringLiteral(".wav");
    for (const QString& candidate : candidates) {
        if (QFileInfo(QDir(candidate).filePath(probe)).isFile())
            return QDir(candidate).canonicalPath();
    }
    return {};
}

} // namespace ondrix
