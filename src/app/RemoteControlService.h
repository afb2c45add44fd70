#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>

#include <functional>

namespace ondrix {

// The running instance's service on the session bus, under the application id: a second `ondrix` start and
// the command-line remote controls reach the running instance through it. Each command is one method; a
// command without a handler (no windows in a headless run) answers with an error the caller prints.
//
// Lives on the main thread.
class RemoteControlService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.ondrix.Ondrix")

public:
    struct Handlers {
        std::function<void()> show;
        std::function<void()> pause;
        std::function<void()> resume;
        std::function<void()> uploadNow;
        // One line per connection.
        std::function<QString()> status;
        // The same state as one JSON document.
        std::function<QString()> statusJson;
    };

    static const QString kNotAvailableError;

    RemoteControlService(QDBusConnection bus, Handlers handlers, QObject* parent = nullptr);
    ~RemoteControlService() override;

    // Exports the object and takes the bus name; false (with the reason) when either fails, e.g. because
    // another instance holds the name.
    bool registerOnBus(QString* error);

public Q_SLOTS:
    // Brings the application forward: the popover, or the window that stands in for it without a tray.
    Q_SCRIPTABLE void Show();
    // Pauses or resumes every connection, as the popover's pause button does.
    Q_SCRIPTABLE void Pause();
    Q_SCRIPTABLE void Resume();
    // Rescans every running connection now and offers failed files again without waiting out their back-off.
    Q_SCRIPTABLE void UploadNow();
    // One line per connection: name, state, files queued, files uploading, last error.
    Q_SCRIPTABLE QString Status();
    // The process's version and uptime and each connection's state and counters, as one JSON document.
    Q_SCRIPTABLE QString StatusJson();

private:
    bool answerUnavailable(bool available, const QString& command);

    QDBusConnection m_bus;
    Handlers m_handlers;
    bool m_registered = false;
};

} // namespace ondrix
