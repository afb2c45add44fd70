#include "platform/QtKeychainSecretStore.h"

#include <QDBusConnectionInterface>
#include <QPointer>
#include <qt6keychain/keychain.h>

#include <dlfcn.h>

namespace ondrix {

namespace {

const QString kSecretService = QStringLiteral("org.freedesktop.secrets");

// libsecret, which QtKeychain loads, keeps its connection to the keyring service (with the session it opened
// there) for the life of the process: once the service has restarted, every call fails with "The session
// does not exist". After a failure the connection is dropped, so the next call opens a new one.
void dropKeyringConnection()
{
    void* library = ::dlopen("libsecret-1.so.0", RTLD_LAZY | RTLD_NOLOAD);
    if (library == nullptr) {
        return;
    }
    using Disconnect = void (*)();
    if (auto disconnect = reinterpret_cast<Disconnect>(::dlsym(library, "secret_service_disconnect"))) {
        disconnect();
    }
    ::dlclose(library);
}

SecretStore::Result resultOf(const QKeychain::Job& job)
{
    SecretStore::Result result;
    switch (job.error()) {
    case QKeychain::NoError:
        if (const auto* read = qobject_cast<const QKeychain::ReadPasswordJob*>(&job)) {
            result.secret = read->textData();
        }
        break;
    case QKeychain::EntryNotFound:
        result.outcome = qobject_cast<const QKeychain::DeletePasswordJob*>(&job)
                             ? SecretStore::Result::Outcome::done
                             : SecretStore::Result::Outcome::notFound;
        break;
    default:
        result.outcome = SecretStore::Result::Outcome::unavailable;
        result.problem = job.errorString();
        dropKeyringConnection();
        break;
    }
    return result;
}

// Starts `job` and hands its outcome to `done` unless `context` is gone by then.
void run(QKeychain::Job* job, const QString& account, QObject* context, SecretStore::Done done)
{
    job->setAutoDelete(true);
    job->setKey(account);
    QObject::connect(job, &QKeychain::Job::finished, context,
                     [done = std::move(done)](QKeychain::Job* finished) { done(resultOf(*finished)); });
    job->start();
}

} // namespace

QtKeychainSecretStore::QtKeychainSecretStore(QDBusConnection sessionBus)
    : m_bus(std::move(sessionBus))
{}

bool QtKeychainSecretStore::isServicePresent() const
{
    QDBusConnectionInterface* bus = m_bus.isConnected() ? m_bus.interface() : nullptr;
    if (!bus) {
        return false;
    }
    if (bus->isServiceRegistered(kSecretService).value()) {
        return true;
    }
    const QDBusMessage activatable = bus->call(QStringLiteral("ListActivatableNames"));
    return activatable.type() == QDBusMessage::ReplyMessage &&
           activatable.arguments().value(0).toStringList().contains(kSecretService);
}

void QtKeychainSecretStore::read(const QString& service, const QString& account, QObject* context, Done done)
{
    run(new QKeychain::ReadPasswordJob(service), account, context, std::move(done));
}

void QtKeychainSecretStore::write(const QString& service, const QString& account, const QString& secret,
                                  QObject* context, Done done)
{
    auto* job = new QKeychain::WritePasswordJob(service);
    job->setTextData(secret);
    run(job, account, context, std::move(done));
}

void QtKeychainSecretStore::remove(const QString& service, const QString& account, QObject* context,
                                   Done done)
{
    run(new QKeychain::DeletePasswordJob(service), account, context, std::move(done));
}

} // namespace ondrix
