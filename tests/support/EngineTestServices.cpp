#include "support/EngineTestServices.h"

#include "platform/AppPaths.h"
#include "platform/InotifyFileEventSource.h"
#include "platform/XattrTagStore.h"

#include <algorithm>

namespace ondrix::test {

EngineTestServices::EngineTestServices()
    : store(AppPaths::preferencesFile())
    , settings(store, nullptr)
    , log(AppPaths::logFile())
    , stats(store)
    , history(AppPaths::historyFile())
    , notifications(&center)
    , tags(std::make_shared<XattrTagStore>())
    , services{.settings = &settings,
               .log = &log,
               .stats = &stats,
               .history = &history,
               .store = &store,
               .notifications = &notifications,
               .sounds = &sounds,
               .tags = &tags,
               .transferPool = &pool,
               .makeFileEventSource = [] { return std::make_unique<InotifyFileEventSource>(); }}
{
    // Sized as the application sizes it (here for four connections): every connection's uploads at once, and
    // threads to spare for scans, stability readings and post-upload actions.
    pool.setMaxThreadCount(4 * int(PushConnection::kMaxSimultaneousUploads) + 2);
}

EngineTestServices::~EngineTestServices()
{
    pool.waitForDone();
}

QStringList EngineTestServices::logMessages() const
{
    QStringList messages;
    std::ranges::transform(log.entries(), std::back_inserter(messages), &LogEntry::message);
    return messages;
}

} // namespace ondrix::test
