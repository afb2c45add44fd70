#pragma once

#include "model/PushConnection.h"
#include "platform/FileVersion.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace ondrix {

class ScriptRunner;
class WatchedTree;

// What happens to a local file after its upload: the connection's action (move into the archive folder, or
// hand the file to a script), then the deletion when the connection asks for it. Nothing happens to a file
// that is no longer the version that was sent: a file saved again during its upload is kept for the next
// upload instead of being archived, handed over or deleted unsent.
//
// Runs on the main thread; blocking file-system work (a copy to an archive on another file system).
class PostUploadActions {
    Q_DECLARE_TR_FUNCTIONS(PostUploadActions)

public:
    // Told, in words a person can act on, why a file was left in place.
    using ProblemReporter = std::function<void(const QString& message)>;

    enum class Outcome {
        // The action ran (its own failures are reported or dropped; the file may still be there).
        done,
        // The file changed since it was sent: nothing was done to it.
        changedSinceUpload,
    };

    PostUploadActions(PostUploadAction action, bool deleteAfterUpload, ProblemReporter report);

    // Runs the actions for `path`, of which `sent` was uploaded (an invalid `sent` is not checked). The file
    // is reached through `tree`, the watched folder it lies in: a link on its way leaves it alone.
    Outcome run(const QString& path, const FileVersion& sent, const WatchedTree& tree) const;

    // The version of the file at `path` in `tree` now (not following any symbolic link), or none.
    static std::optional<FileVersion> currentVersion(const QString& path, const WatchedTree& tree);
    // Moves `path` (in `tree`) into `folder` under its own name, never over an existing item. Across file
    // systems the copy is written under a hidden temporary name, flushed to disk and renamed into place
    // before the source is removed; a failed copy leaves nothing behind. Empty on success or when the name
    // is taken (the file then stays where it is), else why the file stayed.
    static std::optional<QString> moveIntoFolder(const QString& path, const QString& folder,
                                                 const FileVersion& sent, const WatchedTree& tree);

private:
    const PostUploadAction m_action;
    const bool m_deleteAfterUpload;
    const ProblemReporter m_report;
    // Shared by copies, so that all of a connection's scripts count against one limit.
    const std::shared_ptr<ScriptRunner> m_scripts;
};

} // namespace ondrix
