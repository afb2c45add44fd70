#pragma once

#include "platform/NetworkPathSource.h"

#include <QLoggingCategory>
#include <QNetworkInformation>

namespace ondrix {

Q_DECLARE_LOGGING_CATEGORY(lcNetworkPath)

// The network path from Qt's network information: the "networkmanager" backend (reachability, transport
// medium, metered) where NetworkManager runs, else the "glib" backend (reachability only: the medium is
// unknown and nothing is metered). Without either backend the network is taken as usable, once, and a
// system-log line says so.
//
// Qt's NetworkManager backend talks to the system bus named by DBUS_SYSTEM_BUS_ADDRESS (or the default one)
// and loads once per process; no bus can be injected here. Qt instantiates every network-information plugin
// it finds to learn their names, and the glib one maps gio, GObject and their dependencies (about 2 MB):
// the NetworkManager backend is therefore loaded with its plugin alone on the plugin path, and the glib
// plugin is only reached when NetworkManager is not there.
//
// Lives on the main thread. Changes that arrive together (a new primary connection changes the medium and
// the metered flag) are folded into one report; a report is only made when the path really changed.
class QtNetworkPathSource : public NetworkPathSource {
    Q_OBJECT
public:
    explicit QtNetworkPathSource(QObject* parent = nullptr);

    void start() override;
    NetworkPath currentPath() const override { return m_path; }
    // The backend in use, empty when none could be loaded.
    QString backendName() const { return m_backendName; }

    // What a backend's readings mean as a path. Reachability "Unknown" (NetworkManager while it connects or
    // knows nothing) counts as usable: a wrong pause would stop uploads silently, a wrong attempt fails
    // visibly. A cellular medium is expensive even when the connection is not flagged as metered.
    static NetworkPath pathFor(QNetworkInformation::Reachability reachability,
                               QNetworkInformation::TransportMedium medium, bool isMetered);

private:
    // Loads the NetworkManager backend without instantiating the other plugins; false when it is missing
    // or NetworkManager does not run.
    static bool loadNetworkManagerAlone();
    void scheduleUpdate();
    void update();

    NetworkPath m_path;
    QString m_backendName;
    bool m_started = false;
    bool m_updateScheduled = false;
};

} // namespace ondrix
