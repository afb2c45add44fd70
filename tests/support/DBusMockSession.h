#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace ondrix::test {

// A private D-Bus bus for one test with python3-dbusmock templates on it, standing in for the session and
// system bus alike; nothing reaches the real buses. Everything started is stopped on destruction.
class DBusMockSession {
public:
    DBusMockSession();
    ~DBusMockSession();
    DBusMockSession(const DBusMockSession&) = delete;
    DBusMockSession& operator=(const DBusMockSession&) = delete;

    bool isRunning() const { return m_connected; }
    QString errorString() const { return m_error; }
    QString address() const { return m_address; }
    QDBusConnection connection() const { return QDBusConnection(m_connectionName); }

    // Starts `python3 -m dbusmock --template <name>` and waits until it owns `busName`.
    bool startTemplate(const QString& templateName, const QString& busName,
                       const QVariantMap& parameters = {});
    void stopTemplate(const QString& busName);
    // A blocking call with a 5 s timeout; the reply (or error) message.
    QDBusMessage call(const QString& service, const QString& path, const QString& interface,
                      const QString& method, const QVariantList& args = {}) const;
    // A call to the control interface (org.freedesktop.DBus.Mock) of the mock object at `path`.
    QDBusMessage callMock(const QString& service, const QString& path, const QString& method,
                          const QVariantList& args = {}) const
    {
        return call(service, path, QStringLiteral("org.freedesktop.DBus.Mock"), method, args);
    }
    // The arguments of every call of `method` the mock object received, oldest first; variants unwrapped,
    // dictionaries as QVariantMap.
    QList<QVariantList> methodCalls(const QString& service, const QString& path, const QString& method) const;
    // Adds a property to the mock object, or changes it and emits PropertiesChanged when it exists.
    bool setProperty(const QString& service, const QString& path, const QString& interface,
                     const QString& name, const QVariant& value) const;
    bool emitSignal(const QString& service, const QString& path, const QString& interface,
                    const QString& name, const QString& signature, const QVariantList& args) const;

private:
    struct Template {
        QString busName;
        std::unique_ptr<QProcess> process;
    };

    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
    QString m_connectionName;
    QString m_error;
    bool m_connected = false;
    std::vector<Template> m_templates;
};

} // namespace ondrix::test
