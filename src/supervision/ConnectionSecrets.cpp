#include "supervision/ConnectionSecrets.h"

#include "model/UuidText.h"
#include "platform/PreferencesStore.h"
#include "platform/SecretStore.h"
#include "records/LogService.h"

#include <QDir>
#include <QFile>

namespace ondrix {

const QString ConnectionSecrets::kKeyringIdsKey = QStringLiteral("push_keyring_passwords");

namespace {

QString account(const QUuid& id)
{
    return uuidText(id);
}

// A credential is a small file; anything larger is not a password.
constexpr qint64 kMaxCredentialBytes = 64 * 1024;

} // namespace

ConnectionSecrets::ConnectionSecrets(SecretStore* keyring, PreferencesStore* store, LogService* log,
                                     QString credentialsDirectory, bool waitForKeyring, QObject* parent)
    : QObject(parent)
    , m_keyring(keyring)
    , m_store(store)
    , m_log(log)
    , m_credentialsDirectory(std::move(credentialsDirectory))
    , m_waitForKeyring(waitForKeyring)
{
    m_useKeyring = m_keyring && (m_waitForKeyring || m_keyring->isServicePresent());
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, [this] {
        const QList<QUuid> ids = m_tasks.keys();
        for (const QUuid& id : ids) {
            start(id);
        }
    });
    if (m_store) {
        const QStringList ids = m_store->stringListValue(kKeyringIdsKey);
        for (const QString& text : ids) {
            if (const QUuid id = QUuid::fromString(text); !id.isNull()) {
                m_inKeyring.insert(id);
            }
        }
    }
}

ConnectionSecrets::~ConnectionSecrets() = default;

QString ConnectionSecrets::label(const PushConnection& connection)
{
    return QStringLiteral("Ondrix: ") + connection.name;
}

std::optional<QString> ConnectionSecrets::credential(const QString& directory,
                                                     const PushConnection& connection)
{
    if (directory.isEmpty()) {
        return std::nullopt;
    }
    const QString id = account(connection.id);
    for (const QString& name : {connection.name, id, id.toLower()}) {
        if (name.isEmpty() || name.contains(u'/') || name == QLatin1String(".") ||
            name == QLatin1String("..")) {
            continue;
        }
        QFile file(QDir(directory).filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            continue;
        }
        QByteArray bytes = file.read(kMaxCredentialBytes);
        if (bytes.endsWith('\n')) {
            bytes.chop(1);
        }
        return QString::fromUtf8(bytes);
    }
    return std::nullopt;
}

void ConnectionSecrets::load(const QList<PushConnection>& connections)
{
    for (const PushConnection& c : connections) {
        m_names.insert(c.id, c.name);
        if (const std::optional<QString> given = credential(m_credentialsDirectory, c)) {
            m_fromCredential.insert(c.id, c.password);
            m_passwords.insert(c.id, *given);
        } else if (!c.password.isEmpty()) {
            m_passwords.insert(c.id, c.password);
            if (m_useKeyring) {
                m_plainInStore.insert(c.id);
                m_tasks.insert(c.id, Task{Task::Kind::migrate, label(c), QString(), c.password});
            }
        } else if (m_inKeyring.contains(c.id)) {
            m_tasks.insert(c.id, Task{Task::Kind::read, label(c), QString(), QString()});
        } else {
            m_passwords.insert(c.id, QString());
        }
    }
    if (m_useKeyring) {
        const QList<QUuid> ids = m_tasks.keys();
        for (const QUuid& id : ids) {
            start(id);
        }
        return;
    }
    sayStoreHoldsPasswords();
    if (!m_tasks.isEmpty()) {
        m_keyringProblem = tr("no keyring is running in this session");
        m_saidKeyringProblem = true;
        if (m_log) {
            m_log->log(tr("The passwords of %n connections are in the keyring, but no keyring is running, so "
                          "they wait. Start one, or give the passwords as systemd credentials.",
                          nullptr, int(m_tasks.size())),
                       LogEntry::LogLevel::error);
        }
    }
}

std::optional<QString> ConnectionSecrets::password(const QUuid& connectionId) const
{
    const auto it = m_passwords.constFind(connectionId);
    if (it == m_passwords.constEnd()) {
        return std::nullopt;
    }
    return *it;
}

QString ConnectionSecrets::problem(const QUuid& connectionId) const
{
    if (m_passwords.contains(connectionId) || !m_tasks.contains(connectionId)) {
        return QString();
    }
    if (m_keyringProblem.isEmpty()) {
        return tr("Waiting for the keyring to give out the password.");
    }
    return tr("The password is in the keyring, which does not give it out yet: %1").arg(m_keyringProblem);
}

bool ConnectionSecrets::isBusy() const
{
    return std::any_of(m_tasks.cbegin(), m_tasks.cend(), [](const Task& task) { return task.running; });
}

QStringList ConnectionSecrets::unsavedPasswords() const
{
    QStringList names;
    for (auto it = m_tasks.cbegin(); it != m_tasks.cend(); ++it) {
        if (it->kind == Task::Kind::write) {
            names.append(m_names.value(it.key()));
        }
    }
    names.sort();
    return names;
}

QString ConnectionSecrets::storedPassword(const PushConnection& connection) const
{
    if (const auto it = m_fromCredential.constFind(connection.id); it != m_fromCredential.constEnd()) {
        return *it;
    }
    return !m_useKeyring || m_plainInStore.contains(connection.id) ? connection.password : QString();
}

void ConnectionSecrets::update(const PushConnection& connection, const PushConnection* previous)
{
    const QUuid id = connection.id;
    m_names.insert(id, connection.name);
    if (m_fromCredential.contains(id)) {
        return; // the credential wins over whatever the list says
    }
    const bool waiting = !m_passwords.contains(id);
    if (waiting && connection.password.isEmpty()) {
        return; // nothing is known that could replace the keyring's password
    }
    const bool renamedInKeyring = previous && previous->name != connection.name && m_inKeyring.contains(id);
    if (!waiting && previous && previous->password == connection.password && !renamedInKeyring) {
        return;
    }
    m_passwords.insert(id, connection.password);
    m_plainInStore.remove(id);
    if (waiting) {
        Q_EMIT problemsChanged();
    }
    if (!m_useKeyring) {
        m_tasks.remove(id);
        markInKeyring(id, false);
        sayStoreHoldsPasswords();
        return;
    }
    const QString previousLabel = previous && m_inKeyring.contains(id) ? label(*previous) : QString();
    if (connection.password.isEmpty()) {
        m_tasks.remove(id);
        if (m_inKeyring.contains(id)) {
            m_keyring->remove(previousLabel.isEmpty() ? label(connection) : previousLabel, account(id), this,
                              [](const SecretStore::Result&) {});
            markInKeyring(id, false);
        }
        return;
    }
    m_tasks.insert(id, Task{Task::Kind::write, label(connection), previousLabel, connection.password});
    start(id);
}

void ConnectionSecrets::forget(const PushConnection& connection)
{
    m_tasks.remove(connection.id);
    m_passwords.remove(connection.id);
    m_plainInStore.remove(connection.id);
    m_fromCredential.remove(connection.id);
    m_names.remove(connection.id);
    if (m_keyring && m_inKeyring.contains(connection.id)) {
        m_keyring->remove(label(connection), account(connection.id), this, [](const SecretStore::Result&) {});
    }
    markInKeyring(connection.id, false);
}

void ConnectionSecrets::start(const QUuid& id)
{
    const auto it = m_tasks.find(id);
    if (it == m_tasks.end() || it->running || !m_keyring) {
        return;
    }
    it->running = true;
    it->serial = ++m_lastSerial;
    const Task task = *it;
    // A task replaced while its call was under way has nothing more to say.
    const auto current = [this, id, serial = task.serial] {
        const auto found = m_tasks.constFind(id);
        return found != m_tasks.constEnd() && found->serial == serial;
    };
    if (task.kind == Task::Kind::read) {
        m_keyring->read(
            task.label, account(id), this, [this, id, task, current](const SecretStore::Result& r) {
                if (!current()) {
                    return;
                }
                if (r.outcome == SecretStore::Result::Outcome::unavailable) {
                    finish(id, r.problem);
                    return;
                }
                if (r.outcome == SecretStore::Result::Outcome::notFound && m_log) {
                    m_log->log(tr("The keyring no longer holds the password of \"%1\"; enter it again in the "
                                  "connection's settings.")
                                   .arg(m_names.value(id)),
                               LogEntry::LogLevel::warning);
                }
                m_passwords.insert(id, r.secret);
                finish(id, QString());
                Q_EMIT passwordAvailable(id, r.secret);
            });
        return;
    }
    m_keyring->write(
        task.label, account(id), task.secret, this, [this, id, task, current](const SecretStore::Result& w) {
            if (!current()) {
                return;
            }
            if (w.outcome != SecretStore::Result::Outcome::done) {
                finish(id, w.problem);
                return;
            }
            // Only what the keyring gives back is trusted with the only copy.
            m_keyring->read(
                task.label, account(id), this, [this, id, task, current](const SecretStore::Result& r) {
                    if (!current()) {
                        return;
                    }
                    if (r.outcome != SecretStore::Result::Outcome::done || r.secret != task.secret) {
                        finish(id, r.problem.isEmpty() ? tr("the keyring did not give the password back")
                                                       : r.problem);
                        return;
                    }
                    if (!task.previousLabel.isEmpty() && task.previousLabel != task.label) {
                        m_keyring->remove(task.previousLabel, account(id), this,
                                          [](const SecretStore::Result&) {});
                    }
                    markInKeyring(id, true);
                    const bool moved = m_plainInStore.remove(id);
                    m_moved += task.kind == Task::Kind::migrate ? 1 : 0;
                    finish(id, QString());
                    if (moved) {
                        Q_EMIT storedPasswordsChanged();
                    }
                    const bool migrating = std::any_of(m_tasks.cbegin(), m_tasks.cend(), [](const Task& t) {
                        return t.kind == Task::Kind::migrate;
                    });
                    if (!migrating && m_moved > 0 && m_log) {
                        m_log->log(tr("Moved %n passwords from the preferences database to the keyring.",
                                      nullptr, m_moved),
                                   LogEntry::LogLevel::info);
                        m_moved = 0;
                    }
                });
        });
}

void ConnectionSecrets::finish(const QUuid& id, const QString& problem)
{
    if (problem.isEmpty()) {
        m_tasks.remove(id);
        if (m_tasks.isEmpty() && !m_keyringProblem.isEmpty()) {
            m_keyringProblem.clear();
            m_unavailableSince.invalidate();
            m_saidKeyringProblem = false;
        }
        Q_EMIT problemsChanged();
        return;
    }
    if (const auto it = m_tasks.find(id); it != m_tasks.end()) {
        it->running = false;
    }
    keyringUnavailable(problem);
}

void ConnectionSecrets::keyringUnavailable(const QString& problem)
{
    const bool changed = m_keyringProblem != problem;
    m_keyringProblem = problem;
    if (!m_unavailableSince.isValid()) {
        m_unavailableSince.start();
    }
    if (!m_saidKeyringProblem && m_unavailableSince.elapsed() >= m_patienceMs) {
        giveUpOnKeyring();
    }
    if (!m_retry.isActive()) {
        // Once the problem is said, asking often is no use.
        m_retry.start(m_saidKeyringProblem ? m_retryIntervalMs * kSlowRetryFactor : m_retryIntervalMs);
    }
    if (changed) {
        Q_EMIT problemsChanged();
    }
}

void ConnectionSecrets::giveUpOnKeyring()
{
    m_saidKeyringProblem = true;
    const bool keyringHoldsSome = std::any_of(m_tasks.cbegin(), m_tasks.cend(),
                                              [](const Task& t) { return t.kind == Task::Kind::read; });
    if (m_useKeyring && !keyringHoldsSome && !m_keyring->isServicePresent()) {
        // No keyring, and none was ever used: the store keeps the passwords, as on a machine without one.
        m_useKeyring = false;
        m_tasks.clear();
        m_plainInStore.clear();
        m_keyringProblem.clear();
        Q_EMIT storedPasswordsChanged();
        sayStoreHoldsPasswords();
        return;
    }
    if (m_log) {
        m_log->log(
            tr("The keyring does not give out or take passwords (%1). Connections whose password is in "
               "it wait until it does: unlock the keyring, or enter their passwords again.")
                .arg(m_keyringProblem),
            LogEntry::LogLevel::error);
    }
}

void ConnectionSecrets::markInKeyring(const QUuid& id, bool inKeyring)
{
    const bool changed = inKeyring ? !m_inKeyring.contains(id) : m_inKeyring.contains(id);
    if (!changed) {
        return;
    }
    if (inKeyring) {
        m_inKeyring.insert(id);
    } else {
        m_inKeyring.remove(id);
    }
    if (m_store) {
        QStringList ids;
        for (const QUuid& each : std::as_const(m_inKeyring)) {
            ids.append(account(each));
        }
        ids.sort();
        m_store->setStringList(kKeyringIdsKey, ids);
    }
}

void ConnectionSecrets::sayStoreHoldsPasswords()
{
    if (m_saidStore || m_useKeyring || !m_log) {
        return;
    }
    const bool any = std::any_of(m_passwords.keyBegin(), m_passwords.keyEnd(), [this](const QUuid& id) {
        return !m_fromCredential.contains(id) && !m_passwords.value(id).isEmpty();
    });
    if (!any) {
        return;
    }
    m_saidStore = true;
    m_log->log(tr("No keyring was found, so passwords are stored in the preferences database (%1), which "
                  "only you can read.")
                   .arg(m_store ? m_store->path() : QString()),
               LogEntry::LogLevel::warning);
}

} // namespace ondrix
