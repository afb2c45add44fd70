#include "platform/QtNetworkPathSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace ondrix {

Q_LOGGING_CATEGORY(lcNetworkPath, "ondrix.network")

QtNetworkPathSource::QtNetworkPathSource(QObject* parent)
    : NetworkPathSource(parent)
{
    qRegisterMetaType<NetworkPath>();
}

NetworkPath QtNetworkPathSource::pathFor(QNetworkInformation::Reachability reachability,
                                         QNetworkInformation::TransportMedium medium, bool isMetered)
{
    using Reachability = QNetworkInformation::Reachability;
    using Medium = QNetworkInformation::TransportMedium;
    NetworkPath path;
    if (reachability == Reachability::Disconnected) {
        path.status = NetworkPath::Status::unsatisfied;
        path.isExpensive = isMetered;
        return path;
    }
    path.isExpensive = isMetered || medium == Medium::Cellular;
    switch (medium) {
    case Medium::Ethernet:
        path.availableInterfaces = {NetworkPath::InterfaceType::wiredEthernet};
        break;
    case Medium::WiFi:
        path.availableInterfaces = {NetworkPath::InterfaceType::wifi};
        break;
    case Medium::Unknown:
    case Medium::Cellular:
    case Medium::Bluetooth:
        path.availableInterfaces = {NetworkPath::InterfaceType::other};
        break;
    }
    return path;
}

void QtNetworkPathSource::start()
{
    if (m_started)
        return;
    m_started = true;
    if (!QNetworkInformation::instance() && !loadNetworkManagerAlone() &&
        !QNetworkInformation::loadBackendByName(u"networkmanager"))
        QNetworkInformation::loadBackendByName(u"glib");
    QNetworkInformation* information = QNetworkInformation::instance();
    if (!information) {
        qCWarning(lcNetworkPath).noquote()
            << "[QtNetworkPathSource] No network information backend; the network is taken as usable";
    } else {
        m_backendName = information->backendName();
        connect(information, &QNetworkInformation::reachabilityChanged, this,
                &QtNetworkPathSource::scheduleUpdate);
        connect(information, &QNetworkInformation::transportMediumChanged, this,
                &QtNetworkPathSource::scheduleUpdate);
        connect(information, &QNetworkInformation::isMeteredChanged, this,
                &QtNetworkPathSource::scheduleUpdate);
        m_path =
            pathFor(information->reachability(), information->transportMedium(), information->isMetered());
    }
    // The current path is reported once in any case, from the event loop.
    QMetaObject::invokeMethod(
        this, [this] { Q_EMIT pathChanged(m_path); }, Qt::QueuedConnection);
}

bool QtNetworkPathSource::loadNetworkManagerAlone()
{
    const QString plugin = QStringLiteral("networkinformation/libqnetworkmanager.so");
    QString installed;
    const QStringList libraryPaths = QCoreApplication::libraryPaths();
    for (const QString& path : libraryPaths) {
        if (QFileInfo(QDir(path).filePath(plugin)).isFile()) {
            installed = QDir(path).filePath(plugin);
            break;
        }
    }
    // A private plugin folder that holds nothing but a link to the NetworkManager plugin; the link may go
    // once the plugin is loaded.
    QTemporaryDir alone;
    if (installed.isEmpty() || !alone.isValid() ||
        !QDir(alone.path()).mkpath(QStringLiteral("networkinformation")) ||
        !QFile::link(installed, QDir(alone.path()).filePath(plugin)))
        return false;
    QCoreApplication::setLibraryPaths({alone.path()});
    const bool loaded = QNetworkInformation::loadBackendByName(u"networkmanager");
    QCoreApplication::setLibraryPaths(libraryPaths);
    return loaded;
}

void QtNetworkPathSource::scheduleUpdate()
{
    if (m_updateScheduled)
        return;
    m_updateScheduled = true;
    QMetaObject::invokeMethod(this, &QtNetworkPathSource::update, Qt::QueuedConnection);
}

void QtNetworkPathSource::update()
{
    m_updateScheduled = false;
    const QNetworkInformation* information = QNetworkInformation::instance();
    if (!information)
        return;
    const NetworkPath path =
        pathFor(information->reachability(), information->transportMedium(), information->isMetered());
    if (path == m_path)
        return;
    m_path = path;
    Q_EMIT pathChanged(m_path);
}

} // namespace ondrix
