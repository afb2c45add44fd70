#pragma once

#include <functional>
#include <memory>

class QThreadPool;

namespace ondrix {

class AppSettings;
class ConnectionActivity;
class ConnectionSecrets;
class FileEventSource;
class FolderDeliveries;
class FinderTagService;
class HistoryService;
class LogService;
class NotificationService;
class PreferencesStore;
class SoundPlayer;
class StatsService;

// The application-wide services every connection engine works with. The composition root owns all of them
// for the life of the process; engines only borrow them. Only `sounds` (nothing is played), `secrets`,
// `activity` (nothing counted per connection) and `deliveries` may be null.
struct EngineServices {
    AppSettings* settings = nullptr;
    LogService* log = nullptr;
    StatsService* stats = nullptr;
    // Per-connection counters for the status report and the metrics.
    ConnectionActivity* activity = nullptr;
    HistoryService* history = nullptr;
    PreferencesStore* store = nullptr;
    NotificationService* notifications = nullptr;
    SoundPlayer* sounds = nullptr;
    FinderTagService* tags = nullptr;
    // Runs transfers, keyword injection and remote operations; sized for every connection's limit at once.
    QThreadPool* transferPool = nullptr;
    // Where the connections' passwords live (the connections manager asks it; engines get the password in
    // their connection). Null keeps passwords in the stored connection list.
    ConnectionSecrets* secrets = nullptr;
    // Decides, for files that several connections take, when they are acted on after their upload and what
    // colour they wear. Null: every engine acts on its files alone (the connections manager fills it in).
    FolderDeliveries* deliveries = nullptr;
    // Makes the change-notification source of one folder watcher.
    std::function<std::unique_ptr<FileEventSource>()> makeFileEventSource;
};

} // namespace ondrix
