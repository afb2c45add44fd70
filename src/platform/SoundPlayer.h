#pragma once

#include <QString>
#include <QStringList>

namespace ondrix {

// Plays the application's short named event sounds ("Glass", "Pop", "Purr", "Ping", "Submarine"). Playing
// never blocks and never fails loudly: an unknown name, a missing sound file or a missing sound server plays
// nothing. Used on the main thread.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;

    virtual void play(const QString& name) = 0;

    // The names `play` knows, in the order a picker offers them.
    static QStringList soundNames()
    {
        return {QStringLiteral("Glass"), QStringLiteral("Pop"), QStringLiteral("Purr"),
                QStringLiteral("Ping"), QStringLiteral("Submarine")};
    }
};

} // namespace ondrix
