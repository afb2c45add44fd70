#pragma once

#include "engine/UploadResult.h"
#include "engine/UploadedRecord.h"
#include "platform/FileVersion.h"
#include "records/HistoryEntry.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

namespace ondrix {

class ConnectionEngine;

// What one engine does with the results of its uploads: records the versions sent, counts them, colours the
// files, writes their log lines and history, has the connection's post-upload actions run on the transfer
// pool and offers again the files that failed or changed during their upload.
//
// Part of its engine, on the main thread. It works on the engine's stages, counts and state as a friend:
// every result moves them.
class UploadOutcomeHandler {
public:
    explicit UploadOutcomeHandler(ConnectionEngine& engine);
    // Actions still running on the pool report to nobody.
    ~UploadOutcomeHandler();
    UploadOutcomeHandler(const UploadOutcomeHandler&) = delete;
    UploadOutcomeHandler& operator=(const UploadOutcomeHandler&) = delete;

    // The results the upload queue handed over together.
    void handleResults(const QList<UploadResult>& results);
    // The connection's action and deletion for an uploaded file, on the transfer pool, once nobody else waits
    // for the file.
    void actAfterUpload(const QString& path, const FileVersion& sent);
    // Post-upload actions under way: a stop is over only once they are done.
    bool hasActionsRunning() const { return m_actionsRunning > 0; }

private:
    // What the results handed over together add up to, gathered for one round of notifications.
    struct Finished {
        QDateTime timestamp;
        int uploaded = 0;
        QString lastName;
        QList<HistoryEntry> history;
        QStringList toOfferAgain;
    };
    struct Link;

    void handleOutcome(const UploadResult& result, Finished& finished);
    void handleSuccess(const UploadResult& result, Finished& finished);
    void handleFailure(const UploadResult& result);
    UploadedRecord::Entry uploadedVersion(const QString& path, const FileVersion& sent) const;
    void runPostUploadActions(const QString& path, const FileVersion& sent);
    void actionDone();

    ConnectionEngine& m_engine;
    // What an action on the pool reports back through, cleared when the handler goes.
    std::shared_ptr<Link> m_link;
    int m_actionsRunning = 0;
    // The log said that this server does not let cut uploads go on.
    bool m_toldResumeRefused = false;
};

} // namespace ondrix
