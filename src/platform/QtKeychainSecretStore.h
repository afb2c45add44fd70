#pragma once

#include "platform/SecretStore.h"

#include <QDBusConnection>

namespace ondrix {

// The freedesktop Secret Service (GNOME Keyring, KWallet, KeePassXC) through QtKeychain. Items carry the
// attributes "server" (the service) and "user" (the account), which Seahorse and secret-tool search by.
//
// Main thread only.
class QtKeychainSecretStore : public SecretStore {
public:
    explicit QtKeychainSecretStore(QDBusConnection sessionBus);

    bool isServicePresent() const override;
    void read(const QString& service, const QString& account, QObject* context, Done done) override;
    void write(const QString& service, const QString& account, const QString& secret, QObject* context,
               Done done) override;
    void remove(const QString& service, const QString& account, QObject* context, Done done) override;

private:
    QDBusConnection m_bus;
};

} // namespace ondrix
