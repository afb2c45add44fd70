#include "engine/FolderDeliveries.h"

#include "engine/ConnectionEngine.h"
#include "engine/UploadedRecord.h"

#include <QDir>
#include <QFileInfo>

namespace ondrix {

namespace {

QString resolvedFolder(const QString& folder)
{
    const QString cleaned = folder.isEmpty() ? folder : QDir::cleanPath(folder);
    const QString resolved = cleaned.isEmpty() ? cleaned : QFileInfo(cleaned).canonicalFilePath();
    return resolved.isEmpty() ? cleaned : resolved;
}

FinderTagService::UploadColour colourOf(FolderDeliveries::Stage stage)
{
    switch (stage) {
    case FolderDeliveries::Stage::queued:
        return FinderTagService::UploadColour::yellow;
    case FolderDeliveries::Stage::uploading:
        return FinderTagService::UploadColour::blue;
    case FolderDeliveries::Stage::failed:
        return FinderTagService::UploadColour::red;
    }
    return FinderTagService::UploadColour::yellow;
}

} // namespace

void FolderDeliveries::setConnections(const QList<PushConnection>& connections)
{
    m_listed.clear();
    for (const PushConnection& connection : connections) {
        if (connection.isEnabled) {
            m_listed.append({connection, resolvedFolder(connection.localFolder),
                             ExtensionFilter(connection.includedExtensions, connection.excludedExtensions)});
        }
    }
    // A connection disabled or deleted is no longer waited for.
    const QHash<QString, Waiting> waiting = std::exchange(m_waiting, {});
    for (auto it = waiting.cbegin(); it != waiting.cend(); ++it) {
        const QString& path = it.key();
        ConnectionEngine* engine = m_engines.value(it->actor);
        // Only the version that waited; a file saved again since goes up and is acted on then.
        if (engine == nullptr || FileVersion::read(path) != std::optional<FileVersion>(it->version)) {
            continue;
        }
        const QList<Participant> sharing = takers(*engine, path, it->version.size);
        if (sharing.isEmpty()) {
            engine->m_outcomes->actAfterUpload(path, it->version);
        } else {
            actWhenAllHave(*engine, sharing, path, it->version, false);
        }
    }
}

void FolderDeliveries::join(ConnectionEngine& engine)
{
    const PushConnection& own = engine.connection();
    m_engines.insert(own.id, &engine);
    // Records are kept per server address and folders, not per connection: two connections that agree in
    // all three share one, and after a restart neither can tell what the other sent.
    const QString key = UploadedRecord::keyFor(own);
    for (const Participant& other : participants()) {
        if (other.connection->id != own.id && UploadedRecord::keyFor(*other.connection) == key) {
            engine.log(
                tr("Keeps its record of uploaded files together with %1 (same server address, local "
                   "folder and remote folder): after a restart, a file either of them sent counts as "
                   "sent by both, so files both take are neither deleted, moved nor handed to a script "
                   "after their upload. Give one of them another remote folder.")
                    .arg(other.connection->name),
                LogEntry::LogLevel::warning);
        }
    }
}

void FolderDeliveries::leave(ConnectionEngine& engine)
{
    const QUuid id = engine.connection().id;
    if (m_engines.value(id) == &engine) {
        m_engines.remove(id);
    }
    for (auto it = m_stages.begin(); it != m_stages.end();) {
        it->remove(id);
        it = it->isEmpty() ? m_stages.erase(it) : std::next(it);
    }
}

QList<FolderDeliveries::Participant> FolderDeliveries::participants() const
{
    const auto ofEngine = [](ConnectionEngine* engine) {
        return Participant{&engine->connection(), engine->m_folderPath, &engine->m_extensionFilter, engine};
    };
    QList<Participant> all;
    all.reserve(m_listed.size() + m_engines.size());
    QSet<QUuid> listed;
    for (const Listed& entry : m_listed) {
        listed.insert(entry.connection.id);
        ConnectionEngine* engine = m_engines.value(entry.connection.id);
        all.append(engine ? ofEngine(engine) : Participant{&entry.connection, entry.folder, &entry.filter});
    }
    for (ConnectionEngine* engine : m_engines) {
        if (!listed.contains(engine->connection().id)) {
            all.append(ofEngine(engine));
        }
    }
    return all;
}

bool FolderDeliveries::takes(const Participant& participant, const QString& path, qint64 size)
{
    const PushConnection& connection = *participant.connection;
    if (participant.folder.isEmpty() || path.size() <= participant.folder.size() + 1 ||
        !path.startsWith(participant.folder) || path.at(participant.folder.size()) != u'/') {
        return false;
    }
    if (!connection.monitorSubdirectories && path.indexOf(u'/', participant.folder.size() + 1) >= 0) {
        return false;
    }
    return participant.filter->admits(path) &&
           (connection.minFileSizeBytes < 1 || size < 0 || size >= connection.minFileSizeBytes);
}

QList<FolderDeliveries::Participant> FolderDeliveries::takers(ConnectionEngine& engine, const QString& path,
                                                              qint64 size) const
{
    const QUuid id = engine.connection().id;
    QList<Participant> sharing;
    bool others = false;
    for (const Participant& participant : participants()) {
        if (takes(participant, path, size)) {
            sharing.append(participant);
            others = others || participant.connection->id != id;
        }
    }
    if (!others) {
        return {};
    }
    // A stopped engine still reports the uploads it had under way.
    if (std::none_of(sharing.cbegin(), sharing.cend(),
                     [&](const Participant& p) { return p.connection->id == id; })) {
        sharing.append(
            Participant{&engine.connection(), engine.m_folderPath, &engine.m_extensionFilter, &engine});
    }
    return sharing;
}

bool FolderDeliveries::acts(const PushConnection& connection)
{
    return connection.postUploadAction.kind() != PostUploadAction::Kind::none ||
           connection.deleteLocalAfterUpload;
}

bool FolderDeliveries::hasDelivered(const Participant& participant, const ConnectionEngine& reporter,
                                    const QString& path, const FileVersion& version)
{
    if (participant.connection->id == reporter.connection().id) {
        return true;
    }
    return participant.engine != nullptr && participant.engine->uploadedRecord().contains(path, version);
}

std::optional<FinderTagService::UploadColour> FolderDeliveries::colourOfStages(const QString& path) const
{
    const auto it = m_stages.constFind(path);
    if (it == m_stages.cend() || it->isEmpty()) {
        return std::nullopt;
    }
    const QList<Stage> stages = it->values();
    for (const Stage stage : {Stage::failed, Stage::uploading}) {
        if (stages.contains(stage)) {
            return colourOf(stage);
        }
    }
    return colourOf(Stage::queued);
}

void FolderDeliveries::paint(const QList<Participant>& takers, const QString& path,
                             FinderTagService::UploadColour colour)
{
    for (const Participant& participant : takers) {
        if (participant.engine != nullptr && participant.connection->finderTagsEnabled) {
            participant.engine->paintTag(colour, path);
            return;
        }
    }
}

void FolderDeliveries::setStage(ConnectionEngine& engine, const QString& path, std::optional<Stage> stage)
{
    const QList<Participant> sharing = takers(engine, path, -1);
    if (sharing.isEmpty()) {
        if (stage) {
            engine.paintTag(colourOf(*stage), path);
        }
        return;
    }
    QHash<QUuid, Stage>& stages = m_stages[path];
    if (stage) {
        stages.insert(engine.connection().id, *stage);
    } else {
        stages.remove(engine.connection().id);
    }
    const std::optional<FinderTagService::UploadColour> colour = colourOfStages(path);
    if (stages.isEmpty()) {
        m_stages.remove(path);
    }
    if (colour) {
        paint(sharing, path, *colour);
    }
}

void FolderDeliveries::delivered(ConnectionEngine& engine, const QString& path, const FileVersion& sent)
{
    // What the record holds when the transfer could not say what it sent.
    const FileVersion version = sent.isValid() ? sent : FileVersion::read(path).value_or(sent);
    const QList<Participant> sharing = takers(engine, path, version.size);
    if (sharing.isEmpty()) {
        engine.paintTag(FinderTagService::UploadColour::green, path);
        if (acts(engine.connection())) {
            engine.m_outcomes->actAfterUpload(path, sent);
        }
        return;
    }
    if (const auto it = m_stages.find(path); it != m_stages.end()) {
        it->remove(engine.connection().id);
        if (it->isEmpty()) {
            m_stages.erase(it);
        }
    }
    actWhenAllHave(engine, sharing, path, version, true);
}

void FolderDeliveries::actWhenAllHave(ConnectionEngine& reporter, const QList<Participant>& takers,
                                      const QString& path, const FileVersion& version, bool tell)
{
    QStringList missing;
    for (const Participant& participant : takers) {
        if (!hasDelivered(participant, reporter, path, version)) {
            missing.append(participant.connection->name);
        }
    }
    paint(takers, path,
          colourOfStages(path).value_or(missing.isEmpty() ? FinderTagService::UploadColour::green
                                                          : FinderTagService::UploadColour::yellow));

    // Two of them that keep one record between them cannot tell after a restart which of them sent the
    // file: their records are no proof that both servers have it, so the file stays where it is (the log
    // said so when they started).
    for (qsizetype i = 0; i < takers.size(); ++i) {
        for (qsizetype j = i + 1; j < takers.size(); ++j) {
            if (UploadedRecord::keyFor(*takers[i].connection) ==
                UploadedRecord::keyFor(*takers[j].connection)) {
                m_waiting.remove(path);
                return;
            }
        }
    }
    const auto actor = std::find_if(takers.cbegin(), takers.cend(),
                                    [](const Participant& p) { return acts(*p.connection); });
    if (actor == takers.cend()) {
        return;
    }
    const PushConnection& own = reporter.connection();
    if (tell && actor->connection->id != own.id && acts(own) && !m_toldLeftOut.contains(own.id)) {
        m_toldLeftOut.insert(own.id);
        reporter.log(tr("Its after-upload action is left out for the files it shares with %1, which "
                        "comes first in the list of connections and acts on them; a file is acted on "
                        "once, after every connection has it")
                         .arg(actor->connection->name),
                     LogEntry::LogLevel::warning);
    }
    ConnectionEngine* acting = actor->engine != nullptr          ? actor->engine
                               : actor->connection->id == own.id ? &reporter
                                                                 : nullptr;
    if (!missing.isEmpty()) {
        if (acting != nullptr && acting->connection().id == own.id) {
            m_waiting.insert(path, Waiting{own.id, version});
        }
        if (tell && actor->connection->id == own.id) {
            reporter.log(tr("Kept until %1 has it too: ").arg(missing.join(QStringLiteral(", "))) +
                             QFileInfo(path).fileName(),
                         LogEntry::LogLevel::info, path);
        }
        return;
    }
    m_waiting.remove(path);
    if (acting != nullptr) {
        acting->m_outcomes->actAfterUpload(path, version);
    }
}

} // namespace ondrix
