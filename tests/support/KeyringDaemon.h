#pragma once

#include <QString>

namespace ondrix::test {

// A real gnome-keyring-daemon on a private bus, its login keyring unlocked by a known password below
// `root`; stopped and started again, it stands in for a keyring that is not there yet at login.
class KeyringDaemon {
public:
    KeyringDaemon(QString busAddress, QString root);
    ~KeyringDaemon();
    KeyringDaemon(const KeyringDaemon&) = delete;
    KeyringDaemon& operator=(const KeyringDaemon&) = delete;

    bool start(QString* error);
    void stop();
    bool isRunning() const;

    // What `secret-tool lookup user <account>` prints: the item's secret, empty when there is none.
    QString lookup(const QString& account) const;
    // What `secret-tool search --all user <account>` prints (labels and attributes).
    QString describe(const QString& account) const;

private:
    QString m_busAddress;
    QString m_root;
    QString m_connectionName;
};

} // namespace ondrix::test
