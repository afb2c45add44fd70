#pragma once

#include <QObject>
#include <QString>

#include <functional>

namespace ondrix {

// The desktop keyring: one secret per item, an item named by a service (its label, e.g. "Ondrix: Agency") and
// an account. Every call answers later, on the calling (main) thread, through `done`; an answer whose context
// object is gone by then is dropped.
class SecretStore {
public:
    struct Result {
        enum class Outcome {
            done,
            // A read found no item.
            notFound,
            // No keyring answers, it is locked, or it refused: worth asking again later.
            unavailable,
        };
        Outcome outcome = Outcome::done;
        // What a read found.
        QString secret;
        // For the activity log when the outcome is `unavailable`.
        QString problem;
    };
    using Done = std::function<void(const Result&)>;

    virtual ~SecretStore() = default;

    // True when a keyring service is running (or can be started) on the session bus right now. Asking
    // does not load the keyring library.
    virtual bool isServicePresent() const = 0;

    virtual void read(const QString& service, const QString& account, QObject* context, Done done) = 0;
    virtual void write(const QString& service, const QString& account, const QString& secret,
                       QObject* context, Done done) = 0;
    // Removing an item that does not exist is `done`.
    virtual void remove(const QString& service, const QString& account, QObject* context, Done done) = 0;
};

} // namespace ondrix
