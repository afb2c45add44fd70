#include "support/EngineTestServices.h"

#include "platform/AppPaths.h"
#include "platform/InotifyFileEventSource.h"
#include "platform/XattrTagStore.h"

namespace ondrix::test {

EngineTestServices::EngineTestServices()
    : store(AppPaths::preferencesFile())
    , settings(store, nullptr)
    , log(AppPaths::logFile())
    , stats(store)
    , history(AppPaths::historyFile())
    , notifications(&center)
    , tags(std::make_shared<XattrTagStore>())
{
    services.settings = &settings;
    services.log = &log;
    services.stats = &stats;
    services.history = &history;
    services.store = &store;
    services.notifications = &notifications;
    services.sounds = &sounds;
    services.tags = &tags;
    // Sized as the application sizes it (here for four connections): every connection's uploads at once, and
    // threads to spare for scans, stability readings and post-upload actions.
    pool.setMaxThreadCount(4 * int(PushConnection::kMaxSimultaneousUploads) + 2);
    services.transferPool = &pool;
    services.makeFileEventSource = [] { return std::make_unique<InotifyFileEventSource>(); };
}

EngineTestServices::~EngineTestServices()
{
    pool.waitForDone();
}

QStringList EngineTestServices::logMessages() const
{
    QStringList messages;
    for (const LogEntry& entry : log.entries()) {
        messages.append(entry.message);
    }
    return messages;
}

} // namespace ondrix::test
