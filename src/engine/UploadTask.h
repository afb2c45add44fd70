#pragma once

#include "engine/UploadJob.h"
#include "engine/UploadResult.h"
#include "engine/UploadTaskControl.h"
#include "transfer/PartialUploads.h"

#include <QSet>
#include <QString>

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>

namespace ondrix {

class PreferencesStore;
class Uploader;
class WatchedTree;
struct PushConnection;

// What one connection's uploads do on the transfer pool: write the keyword into an image, make sure the
// remote folder exists, send the file and report progress, and describe the outcome. It holds only what the
// transfers share (the uploader and the remote folders made so far), never the engine, so a transfer that
// outlives a released engine touches nothing that is gone.
//
// `perform` may run on several pool threads at once.
class UploadTask {
public:
    // Progress reports become queued calls on the main thread; libcurl calls back many times per transfer,
    // also while it only waits for the server. Repeats are dropped and intermediate steps come at most this
    // often.
    static constexpr qint64 kProgressReportIntervalMs = 100;

    // `store` keeps what cut uploads need to go on where they stopped (none: they start again).
    explicit UploadTask(const PushConnection& connection, PreferencesStore* store = nullptr);

    // The transfers that start from now on go through `uploader`; those under way keep theirs. Any thread.
    void setUploader(std::shared_ptr<Uploader> uploader);
    std::shared_ptr<Uploader> uploader() const;
    // Takes the keyword of an edited connection for the transfers that start from now on. Any thread.
    void applyEdit(const PushConnection& connection);
    // Local files are reached through `tree` (the watched folder as it was opened); transfers that start
    // without one send nothing. Any thread.
    void setTree(std::shared_ptr<const WatchedTree> tree);
    // Running transfers end at once (their connections are cut, so a server that stopped answering holds
    // none up), and transfers that start meanwhile end at once, each with an outcome that says it was cut
    // short; until allowTransfers. Any thread.
    void abortTransfers();
    void allowTransfers() { m_abort = false; }

    // Performs one job on the calling thread and returns its outcome. An image whose writer is not done
    // (the keyword could not be written because it is incomplete or in use) is not sent: the outcome says
    // it is not ready.
    UploadResult perform(const UploadJob& job, const UploadTaskControl& control);

private:
    std::optional<QString> keyword() const;
    std::shared_ptr<const WatchedTree> tree() const;
    // Remote directories asked for once already: later files in them skip the round trips. A failed upload
    // forgets its directory, so the next attempt asks again.
    bool needsDirectory(const QString& directory) const;
    void rememberDirectory(const QString& directory, bool created);

    const QString m_remoteFolder;
    std::optional<QString> m_keyword;
    std::atomic_bool m_abort = false;
    // The local file goes away after the upload: the server's size, and its checksum where it offers one,
    // must match first.
    const bool m_verifySize;

    PartialUploads m_partials;

    mutable std::mutex m_mutex;
    std::shared_ptr<Uploader> m_uploader;
    std::shared_ptr<const WatchedTree> m_tree;
    QSet<QString> m_createdDirectories;
};

} // namespace ondrix
