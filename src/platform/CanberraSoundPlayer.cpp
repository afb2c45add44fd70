#include "platform/CanberraSoundPlayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStandardPaths>

#include <canberra.h>

namespace ondrix {

Q_LOGGING_CATEGORY(lcSoundPlayer, "ondrix.sound")

namespace {

// The part of libcanberra the player uses, resolved from the library loaded at run time.
struct Canberra {
    decltype(&ca_context_create) create = nullptr;
    decltype(&ca_context_destroy) destroy = nullptr;
    decltype(&ca_context_change_props) changeProps = nullptr;
    decltype(&ca_context_play) play = nullptr;
    decltype(&ca_strerror) strerror = nullptr;

    // Loaded once per process and never unloaded; null with `error` set when the library is not there.
    static const Canberra* load(QString* error)
    {
        static QString loadError;
        static const Canberra* const loaded = []() -> const Canberra* {
            QLibrary library(QStringLiteral("canberra"), 0);
            static Canberra functions;
            functions.create = reinterpret_cast<decltype(create)>(library.resolve("ca_context_create"));
            functions.destroy = reinterpret_cast<decltype(destroy)>(library.resolve("ca_context_destroy"));
            functions.changeProps =
                reinterpret_cast<decltype(changeProps)>(library.resolve("ca_context_change_props"));
            functions.play = reinterpret_cast<decltype(play)>(library.resolve("ca_context_play"));
            functions.strerror = reinterpret_cast<decltype(strerror)>(library.resolve("ca_strerror"));
            if (!functions.create || !functions.destroy || !functions.changeProps || !functions.play ||
                !functions.strerror) {
                loadError = library.errorString();
                return nullptr;
            }
            return &functions;
        }();
        if (!loaded && error)
            *error = loadError;
        return loaded;
    }
};

} // namespace

CanberraSoundPlayer::CanberraSoundPlayer(QString soundDirectory)
    : m_directory(std::move(soundDirectory))
{}

CanberraSoundPlayer::~CanberraSoundPlayer()
{
    if (m_context)
        Canberra::load(nullptr)->destroy(m_context);
}

bool CanberraSoundPlayer::ensureContext()
{
    if (m_triedContext)
        return m_context != nullptr;
    m_triedContext = true;
    QString error;
    const Canberra* canberra = Canberra::load(&error);
    if (!canberra) {
        qCWarning(lcSoundPlayer).noquote() << "[CanberraSoundPlayer] Cannot load libcanberra:" << error;
        return false;
    }
    if (const int code = canberra->create(&m_context); code != CA_SUCCESS) {
        m_context = nullptr;
        qCWarning(lcSoundPlayer).noquote()
            << "[CanberraSoundPlayer] Cannot create a sound context:" << canberra->strerror(code);
        return false;
    }
    canberra->changeProps(m_context, CA_PROP_APPLICATION_NAME, "Ondrix", CA_PROP_APPLICATION_ID,
                          "com.ondrix.Ondrix", CA_PROP_APPLICATION_ICON_NAME, "ondrix", nullptr);
    return true;
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
    if (path.isEmpty())
        return;
    if (m_lastStart.isValid() && m_lastStart.elapsed() < kMinReplayMs)
        return;
    if (!ensureContext())
        return;
    m_lastStart.start();
    const Canberra* canberra = Canberra::load(nullptr);
    const QByteArray file = QFile::encodeName(path);
    const QByteArray description = name.toUtf8();
    const int error = canberra->play(m_context, 0, CA_PROP_MEDIA_FILENAME, file.constData(),
                                     CA_PROP_EVENT_DESCRIPTION, description.constData(), nullptr);
    if (error != CA_SUCCESS && !m_reportedFailure) {
        m_reportedFailure = true;
        qCWarning(lcSoundPlayer).noquote() << QStringLiteral("[CanberraSoundPlayer] Cannot play %1: %2")
                                                  .arg(name, QString::fromUtf8(canberra->strerror(error)));
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
