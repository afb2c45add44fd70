#pragma once

#include "model/PushConnection.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QUuid>

#include <optional>

namespace ondrix {

class LogService;
class PreferencesStore;
class SecretStore;

// The one owner of the connections' passwords. With a keyring, each password is an item labelled
// "Ondrix: <connection name>" (account: the connection id) and the stored connection list keeps an empty
// password; the ids whose password the keyring holds are listed in the store under kKeyringIdsKey, so a
// connection without a password never waits for a keyring. Plain-text passwords found in the store are
// moved into the keyring (written, read back, then blanked in the store).
//
// A keyring that does not answer yet (not started, locked) is asked again quietly every retry interval;
// once the patience runs out the log says once what is wrong. When no keyring service exists at all (a
// headless run without one at once, a desktop session after the patience when no password is known to be
// in a keyring), passwords stay in the 0600 preferences store, said once in the log. A systemd credential
// ($CREDENTIALS_DIRECTORY, one file named after the connection's name or its id) gives a connection's
// password wherever the store keeps it.
//
// Lives on the main thread.
class ConnectionSecrets : public QObject {
    Q_OBJECT

public:
    static const QString kKeyringIdsKey;
    static constexpr int kDefaultRetryIntervalMs = 5000;
    static constexpr int kDefaultPatienceMs = 120000;
    // After the patience, the keyring is asked this many retry intervals apart.
    static constexpr int kSlowRetryFactor = 12;

    // `keyring` null keeps every password in the store. `waitForKeyring`: a keyring service that is not
    // there at start may still come (a desktop login); otherwise its absence at start means the store.
    ConnectionSecrets(SecretStore* keyring, PreferencesStore* store, LogService* log,
                      QString credentialsDirectory, bool waitForKeyring, QObject* parent = nullptr);
    ~ConnectionSecrets() override;

    // The keyring item's label (its service name).
    static QString label(const PushConnection& connection);
    // The file in a credentials folder that holds the connection's password, if any: named after the
    // connection, or after its id (upper or lower case). One trailing newline is not part of the password.
    static std::optional<QString> credential(const QString& directory, const PushConnection& connection);

    // Takes the stored connections (once, at start): reads what the keyring holds and moves plain-text
    // passwords into it.
    void load(const QList<PushConnection>& connections);
    // The password to log in with; nothing while it is in a keyring that has not answered yet.
    std::optional<QString> password(const QUuid& connectionId) const;
    // Why password() has nothing yet; empty when it has.
    QString problem(const QUuid& connectionId) const;
    // What the stored connection list keeps as this connection's password.
    QString storedPassword(const PushConnection& connection) const;
    // The connection is new or was edited; its password (possibly empty) replaces the one kept so far.
    void update(const PushConnection& connection, const PushConnection* previous);
    // The connection was deleted: its keyring item goes too.
    void forget(const PushConnection& connection);
    bool keepsPasswordsInKeyring() const { return m_useKeyring; }
    // True while a keyring call is under way.
    bool isBusy() const;
    // Names of the connections whose new password the keyring has not taken yet.
    QStringList unsavedPasswords() const;
    // What the keyring answered last when it did not do what was asked; empty when it did.
    QString keyringProblem() const { return m_keyringProblem; }

    void setRetryIntervalMs(int ms) { m_retryIntervalMs = ms; }
    void setPatienceMs(int ms) { m_patienceMs = ms; }

Q_SIGNALS:
    // A password that was waiting for the keyring is known now.
    void passwordAvailable(const QUuid& connectionId, const QString& password);
    // storedPassword() changed for some connections: the stored list should be written again.
    void storedPasswordsChanged();
    void problemsChanged();

private:
    // Keyring work still to do for one connection, retried until the keyring answers.
    struct Task {
        enum class Kind { read, migrate, write } kind = Kind::read;
        QString label;
        QString previousLabel;
        QString secret;
        bool running = false;
        // Tells a call's answer from the answer to a call of a task that has replaced it since.
        quint64 serial = 0;
    };

    void start(const QUuid& id);
    void finish(const QUuid& id, const QString& problem);
    void keyringUnavailable(const QString& problem);
    void giveUpOnKeyring();
    void scheduleRetry();
    void markInKeyring(const QUuid& id, bool inKeyring);
    void sayStoreHoldsPasswords();

    SecretStore* const m_keyring;
    PreferencesStore* const m_store;
    LogService* const m_log;
    const QString m_credentialsDirectory;
    const bool m_waitForKeyring;
    bool m_useKeyring = false;

    QHash<QUuid, QString> m_passwords;
    QSet<QUuid> m_inKeyring;
    // Plain-text passwords the store still holds in keyring mode (not moved yet).
    QSet<QUuid> m_plainInStore;
    // Connections whose password comes from a credential, with what the store held for them.
    QHash<QUuid, QString> m_fromCredential;
    QHash<QUuid, Task> m_tasks;
    QHash<QUuid, QString> m_names;
    QString m_keyringProblem;
    quint64 m_lastSerial = 0;
    int m_moved = 0;
    bool m_saidKeyringProblem = false;
    bool m_saidStore = false;
    QElapsedTimer m_unavailableSince;
    QTimer m_retry;
    int m_retryIntervalMs = kDefaultRetryIntervalMs;
    int m_patienceMs = kDefaultPatienceMs;
};

} // namespace ondrix
