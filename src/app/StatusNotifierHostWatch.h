#pragma once

#include <QDBusConnection>
#include <QObject>

class QDBusServiceWatcher;

namespace ondrix {

// Asks the session bus whether a StatusNotifierWatcher with a registered host (a panel that shows tray
// icons) is there, and keeps asking whenever a watcher appears, leaves or announces a host. Qt decides
// "is there a tray" once per process, at the first tray icon, so the shell creates its tray icon only after
// this says yes.
//
// Lives on the main thread. Every question is asynchronous.
class StatusNotifierHostWatch : public QObject {
    Q_OBJECT

public:
    explicit StatusNotifierHostWatch(QDBusConnection bus, QObject* parent = nullptr);

    // Asks now; `answered` follows once (also when the bus is not reachable).
    void check();
    bool isAvailable() const { return m_available; }

Q_SIGNALS:
    void answered(bool available);
    void availableChanged(bool available);

private Q_SLOTS:
    void hostRegistered();

private:
    void setAvailable(bool available);

    QDBusConnection m_bus;
    QDBusServiceWatcher* m_serviceWatcher = nullptr;
    bool m_available = false;
};

} // namespace ondrix
