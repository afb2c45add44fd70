#pragma once

#include "engine/FinderTagService.h"
#include "model/ExtensionFilter.h"
#include "model/PushConnection.h"
#include "platform/FileVersion.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QUuid>

#include <optional>

namespace ondrix {

class ConnectionEngine;

// Knows, for a local file that several enabled connections take (one folder watched by two connections, or
// one folder inside another), how far each of them has got with it, and decides when the file may be acted
// on after its upload.
//
// Delete, archive and script wait until every enabled connection whose folder and filters take the file has
// delivered that version. Whether a connection has is answered from its own uploaded record, which survives a
// restart: nothing else is stored, and a file delivered by one connection before a restart is acted on as
// soon as the last one delivers it after. Only one connection acts on a file: the first of those with an
// after-upload action in the user's list of connections; the others' actions are left out (said once in the
// log), so a file is never moved, handed over or deleted twice. The colour tag follows all of them: red when
// any failed, blue while any uploads it, green once all have delivered it, yellow meanwhile.
//
// A file that only one connection takes is that connection's alone: it acts on it and colours it at once,
// exactly as without this class.
//
// Lives on the main thread. Engines join when they start and leave when they stop or go; the connections
// manager tells the list of connections, so that an enabled connection whose engine does not run yet (its
// password still locked in the keyring, an edit handing over) is waited for too.
class FolderDeliveries {
    Q_DECLARE_TR_FUNCTIONS(FolderDeliveries)

public:
    enum class Stage { queued, uploading, failed };

    FolderDeliveries() = default;
    FolderDeliveries(const FolderDeliveries&) = delete;
    FolderDeliveries& operator=(const FolderDeliveries&) = delete;

    // The user's list of connections, in its order; only the enabled ones take part.
    void setConnections(const QList<PushConnection>& connections);
    // A started engine (its folder known) takes part; it leaves when it stops or goes.
    void join(ConnectionEngine& engine);
    void leave(ConnectionEngine& engine);

    // The engine's own stage of `path` (none: done with it without a delivery, or delivered) and the
    // file's colour from everybody's stages.
    void setStage(ConnectionEngine& engine, const QString& path, std::optional<Stage> stage);
    // The engine delivered `sent` of `path` and has recorded it. The connection that acts on the file does
    // so now when every connection that takes the file has delivered that version, else once the last one
    // has.
    void delivered(ConnectionEngine& engine, const QString& path, const FileVersion& sent);

private:
    // An enabled connection of the user's list, and its engine while it runs.
    struct Listed {
        PushConnection connection;
        // The configured folder, resolved.
        QString folder;
        ExtensionFilter filter;
    };
    // One that takes part, as its engine sees it when it runs.
    struct Participant {
        const PushConnection* connection = nullptr;
        QString folder;
        const ExtensionFilter* filter = nullptr;
        ConnectionEngine* engine = nullptr;
    };

    // Everyone that takes part: the user's order, then engines whose connection is not in the list.
    QList<Participant> participants() const;
    // Those of them that take `path` (of `size` bytes; unknown: -1); empty when no other than `engine` could.
    QList<Participant> takers(ConnectionEngine& engine, const QString& path, qint64 size) const;
    static bool takes(const Participant& participant, const QString& path, qint64 size);
    static bool acts(const PushConnection& connection);
    // Whether `participant` has that version in its uploaded record; one whose engine does not run has not.
    static bool hasDelivered(const Participant& participant, const ConnectionEngine& reporter,
                             const QString& path, const FileVersion& version);
    // Red for any failure, blue for any upload, yellow for anything else under way; none when nobody has
    // a stage for the file.
    std::optional<FinderTagService::UploadColour> colourOfStages(const QString& path) const;
    // Written by the first of `takers` that runs with tags on.
    static void paint(const QList<Participant>& takers, const QString& path,
                      FinderTagService::UploadColour colour);
    // Has the acting connection act once everybody has `version`, and colours the file; `tell` says in the
    // log why a file waits or an action is left out.
    void actWhenAllHave(ConnectionEngine& reporter, const QList<Participant>& takers, const QString& path,
                        const FileVersion& version, bool tell);

    QList<Listed> m_listed;
    QHash<QUuid, ConnectionEngine*> m_engines;
    // path → connection → stage, for files that more than one connection takes.
    QHash<QString, QHash<QUuid, Stage>> m_stages;
    // Files whose acting connection waits for others, with the version it waits for: a connection that is
    // disabled or deleted meanwhile is no longer waited for.
    struct Waiting {
        QUuid actor;
        FileVersion version;
    };
    QHash<QString, Waiting> m_waiting;
    // Connections whose left-out action the log has explained.
    QSet<QUuid> m_toldLeftOut;
};

} // namespace ondrix
