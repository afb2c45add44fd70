#pragma once

#include "platform/SoundPlayer.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>

struct ca_context;

namespace ondrix {

Q_DECLARE_LOGGING_CATEGORY(lcSoundPlayer)

// Plays the application's own sound files (<Name>.wav in the sound folder) through libcanberra, which hands
// them to the desktop's sound server without blocking. Every sound is shorter than a second, and a sound
// asked for within a second of the last one started is left out: a burst of finished batches chimes once a
// second instead of a pile of overlapping chimes (each of which costs the main thread a request to the sound
// server). The first failure to play (no sound server, no audio device) goes to the system log; later ones
// are quiet. libcanberra (with its codec and sound-theme libraries) is loaded with the first sound played, so
// a run that never plays one never maps it. Used on the main thread.
class CanberraSoundPlayer : public SoundPlayer {
public:
    // `soundDirectory` holds the files; see `findSoundDirectory`.
    explicit CanberraSoundPlayer(QString soundDirectory);
    ~CanberraSoundPlayer() override;
    CanberraSoundPlayer(const CanberraSoundPlayer&) = delete;
    CanberraSoundPlayer& operator=(const CanberraSoundPlayer&) = delete;

    void play(const QString& name) override;

    // The file that `play(name)` plays; empty for a name that is not one of ours or whose file is missing.
    QString soundFile(const QString& name) const;

    // The installed sound folder: beside the executable (../share/ondrix/sounds), in the XDG data folders,
    // in the install prefix, and last in the source tree (for runs from the build folder). Empty when none
    // holds the sounds.
    static QString findSoundDirectory();

    static constexpr qint64 kMinReplayMs = 1000;

private:
    // Loads libcanberra and creates the context on first use; false (said once) when either fails.
    bool ensureContext();

    QString m_directory;
    ca_context* m_context = nullptr;
    bool m_triedContext = false;
    bool m_reportedFailure = false;
    QElapsedTimer m_lastStart;
};

} // namespace ondrix
