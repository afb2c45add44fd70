#pragma once

#include "engine/EngineServices.h"
#include "engine/FinderTagService.h"
#include "model/AppSettings.h"
#include "model/PushConnection.h"
#include "platform/NotificationCenter.h"
#include "platform/PreferencesStore.h"
#include "platform/SoundPlayer.h"
#include "records/HistoryService.h"
#include "records/LogService.h"
#include "records/NotificationService.h"
#include "records/StatsService.h"
#include "support/TestEnvironment.h"

#include <QThreadPool>

#include <gtest/gtest.h>

namespace ondrix::test {

// Remembers the notifications posted instead of showing them (the real centre is tested on its own bus).
class RecordingNotificationCenter : public NotificationCenter {
public:
    void add(const NotificationRequest& request) override { requests.append(request); }
    void requestPermission(PermissionAnswer) override {}
    QList<NotificationRequest> requests;
};

class RecordingSoundPlayer : public SoundPlayer {
public:
    void play(const QString& name) override { played.append(name); }
    QStringList played;
};

// The real services an engine or the manager works with, below the current TestEnvironment (create that
// first); only notifications and sounds are recorded. Waits for running transfers on destruction.
struct EngineTestServices {
    EngineTestServices();
    ~EngineTestServices();

    QStringList logMessages() const;

    PreferencesStore store;
    AppSettings settings;
    LogService log;
    StatsService stats;
    HistoryService history;
    RecordingNotificationCenter center;
    NotificationService notifications;
    RecordingSoundPlayer sounds;
    FinderTagService tags;
    QThreadPool pool;
    EngineServices services;
};

// A private home whose XDG folders the services below open their files in (so it comes first).
struct PrivateEnvironment {
    TestEnvironment env;
};

// The base of engine and manager tests: a private environment, then the real services inside it.
class EngineTestFixture : public ::testing::Test, public PrivateEnvironment, public EngineTestServices {
protected:
    // A connection watching its own folder below `parent`, to a loopback port nothing listens on: its engine
    // runs, nothing is ever uploaded.
    PushConnection loopbackConnection(const QString& name, bool enabled = true,
                                      const QString& parent = QStringLiteral("folders/")) const
    {
        return {.name = name,
                .isEnabled = enabled,
                .host = QStringLiteral("127.0.0.1"),
                .port = 1,
                .localFolder = env.makeDir(parent + name)};
    }
};

} // namespace ondrix::test
