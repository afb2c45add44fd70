#include "ui/connections/ConnectionForm.h"

#include "model/ExtensionCategory.h"
#include "model/FilterPresets.h"
#include "ui/connections/ExtensionFilterRules.h"
#include "ui/connections/IptcPresetsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>

namespace ondrix {

namespace {

constexpr int kHoursPerDay = 24;

std::optional<ExtensionCategory> categoryById(const QString& id)
{
    for (const ExtensionCategory& category : ExtensionCategory::all()) {
        if (category.id == id) {
            return category;
        }
    }
    return std::nullopt;
}

} // namespace

ConnectionForm::ConnectionForm(PushConnection connection, QObject* parent)
    : QObject(parent)
    , m_connection(std::move(connection))
{
    m_portText = QString::number(m_connection.port);
    m_remoteFolderText = m_connection.remoteFolder;
    if (m_connection.postUploadAction.kind() == PostUploadAction::Kind::moveToArchive) {
        m_archivePath = m_connection.postUploadAction.path();
    } else if (m_connection.postUploadAction.kind() == PostUploadAction::Kind::runScript) {
        m_scriptPath = m_connection.postUploadAction.path();
    }
}

qint64 ConnectionForm::defaultPort(TransferProtocol protocol)
{
    return protocol == TransferProtocol::sftp ? 22 : 21;
}

QList<qint64> ConnectionForm::stabilityChoices(qint64 current)
{
    QList<qint64> choices = {1, 2, 3, 5, 10};
    if (!choices.contains(current)) {
        choices.append(current);
        std::sort(choices.begin(), choices.end());
    }
    return choices;
}

QList<int> ConnectionForm::scheduleDayNumbers()
{
    return {1, 2, 3, 4, 5, 6, 7};
}

QStringList ConnectionForm::dayLabels()
{
    QStringList labels;
    const QLocale locale;
    for (int day : scheduleDayNumbers()) {
        labels << locale.dayName(day, QLocale::ShortFormat);
    }
    return labels;
}

QString ConnectionForm::hourText(qint64 hour)
{
    return tr("%1:00").arg(hour);
}

void ConnectionForm::commit(bool typing)
{
    Q_EMIT changed(typing);
}

void ConnectionForm::type(TextField field)
{
    m_pending |= static_cast<unsigned>(field);
    commit(true);
}

void ConnectionForm::setName(const QString& name)
{
    m_connection.name = name;
    type(TextField::name);
}

void ConnectionForm::setEnabled(bool enabled)
{
    m_connection.isEnabled = enabled;
    commit();
}

void ConnectionForm::setProtocol(TransferProtocol protocol)
{
    if (protocol == m_connection.transferProtocol) {
        return;
    }
    // The port stays as the user set it: portHint() offers the new protocol's usual one instead.
    m_connection.transferProtocol = protocol;
    commit();
}

std::optional<qint64> ConnectionForm::suggestedPort() const
{
    // Only the other protocol family's usual port is a likely mistake; any other port was chosen on purpose.
    const qint64 usual = defaultPort(m_connection.transferProtocol);
    const qint64 other = m_connection.transferProtocol == TransferProtocol::sftp
                             ? defaultPort(TransferProtocol::ftp)
                             : defaultPort(TransferProtocol::sftp);
    if (m_connection.port == other && portError().isEmpty()) {
        return usual;
    }
    return std::nullopt;
}

QString ConnectionForm::portHint() const
{
    const std::optional<qint64> port = suggestedPort();
    if (!port) {
        return {};
    }
    return m_connection.transferProtocol == TransferProtocol::sftp
               ? tr("Port %1 is usually FTP; SFTP servers usually listen on %2.")
                     .arg(m_connection.port)
                     .arg(*port)
               : tr("Port %1 is usually SFTP; FTP and FTPS servers usually listen on %2.")
                     .arg(m_connection.port)
                     .arg(*port);
}

void ConnectionForm::useSuggestedPort()
{
    if (const std::optional<qint64> port = suggestedPort()) {
        m_connection.port = *port;
        m_portText = QString::number(*port);
        commit();
    }
}

void ConnectionForm::setHost(const QString& host)
{
    m_connection.host = host;
    type(TextField::host);
}

void ConnectionForm::setPortText(const QString& text)
{
    m_portText = text;
    if (portError().isEmpty()) {
        m_connection.port = text.trimmed().toLongLong();
    }
    type(TextField::port);
}

void ConnectionForm::setUsername(const QString& username)
{
    m_connection.username = username;
    type(TextField::username);
}

void ConnectionForm::setPassword(const QString& password)
{
    m_connection.password = password;
    type(TextField::password);
}

void ConnectionForm::setSshKeyPath(const QString& path)
{
    m_connection.sshKeyPath = path;
    commit();
}

void ConnectionForm::setFtpMode(FTPMode mode)
{
    m_connection.ftpMode = mode;
    commit();
}

bool ConnectionForm::showsFtpMode() const
{
    return m_connection.transferProtocol != TransferProtocol::sftp;
}

bool ConnectionForm::showsSshKey() const
{
    return m_connection.transferProtocol == TransferProtocol::sftp;
}

void ConnectionForm::setLocalFolder(const QString& path)
{
    m_connection.localFolder = path;
    commit();
}

void ConnectionForm::setMonitorSubdirectories(bool on)
{
    m_connection.monitorSubdirectories = on;
    commit();
}

void ConnectionForm::setOtherConnections(QList<PushConnection> others)
{
    m_others = std::move(others);
}

QString ConnectionForm::sharedFolderNote() const
{
    if (m_connection.localFolder.isEmpty()) {
        return {};
    }
    // Whether `watcher` sees files in `folder`: its own folder, or one below it when it watches subfolders.
    // Paths as stored: a look at the disk for links is no business of the main thread.
    const auto watches = [](const PushConnection& watcher, const QString& folder) {
        const QString root = QDir::cleanPath(watcher.localFolder);
        const QString path = QDir::cleanPath(folder);
        return path == root ||
               (watcher.monitorSubdirectories &&
                path.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/')));
    };
    QStringList names;
    for (const PushConnection& other : m_others) {
        if (other.id != m_connection.id && other.isEnabled && !other.localFolder.isEmpty() &&
            (watches(other, m_connection.localFolder) || watches(m_connection, other.localFolder))) {
            names << QStringLiteral("“%1”").arg(other.name);
        }
    }
    if (names.isEmpty()) {
        return {};
    }
    const QString list = QLocale().createSeparatedList(names);
    if (m_connection.deleteLocalAfterUpload) {
        return tr("Also watched by %1: a file is deleted only once every connection that takes it has "
                  "uploaded it.")
            .arg(list);
    }
    switch (m_connection.postUploadAction.kind()) {
    case PostUploadAction::Kind::moveToArchive:
        return tr("Also watched by %1: a file is moved to the archive only once every connection that takes "
                  "it has uploaded it.")
            .arg(list);
    case PostUploadAction::Kind::runScript:
        return tr("Also watched by %1: the script runs for a file only once every connection that takes it "
                  "has uploaded it.")
            .arg(list);
    case PostUploadAction::Kind::none:
        break;
    }
    return tr("Also watched by %1: deleting, archiving or a script set on any of them waits until every "
              "connection that takes the file has uploaded it.")
        .arg(list);
}

void ConnectionForm::setRemoteFolder(const QString& path)
{
    m_remoteFolderText = path;
    if (remoteFolderError().isEmpty()) {
        m_connection.remoteFolder = path;
    }
    type(TextField::remoteFolder);
}

void ConnectionForm::setPreserveSubdirectories(bool on)
{
    m_connection.preserveSubdirectories = on;
    commit();
}

void ConnectionForm::setFinderTagsEnabled(bool on)
{
    m_connection.finderTagsEnabled = on;
    commit();
}

void ConnectionForm::setStabilityCheckSeconds(qint64 seconds)
{
    m_connection.stabilityCheckSeconds = std::max<qint64>(1, seconds);
    commit();
}

void ConnectionForm::setSimultaneousUploads(qint64 count)
{
    m_connection.simultaneousUploads = std::clamp(count, kMinSimultaneousUploads, kMaxSimultaneousUploads);
    commit();
}

void ConnectionForm::setDeleteLocalAfterUpload(bool on)
{
    m_connection.deleteLocalAfterUpload = on;
    commit();
}

QString ConnectionForm::deleteModeCaption() const
{
    return m_connection.deleteLocalAfterUpload ? tr("Move mode: local files are removed after upload.")
                                               : tr("Copy mode: local files are kept after upload.");
}

bool ConnectionForm::deleteModeIsWarning() const
{
    return m_connection.deleteLocalAfterUpload;
}

void ConnectionForm::setConflictResolution(ConflictMode mode)
{
    m_connection.conflictResolution = mode;
    commit();
}

void ConnectionForm::setUseTemporaryName(bool on)
{
    m_connection.useTemporaryName = on;
    commit();
}

void ConnectionForm::setPostUploadKind(PostUploadAction::Kind kind)
{
    switch (kind) {
    case PostUploadAction::Kind::none:
        m_connection.postUploadAction = PostUploadAction::none();
        break;
    case PostUploadAction::Kind::moveToArchive:
        m_connection.postUploadAction = PostUploadAction::moveToArchive(m_archivePath);
        break;
    case PostUploadAction::Kind::runScript:
        m_connection.postUploadAction = PostUploadAction::runScript(m_scriptPath);
        break;
    }
    commit();
}

void ConnectionForm::setPostUploadPath(const QString& path)
{
    switch (m_connection.postUploadAction.kind()) {
    case PostUploadAction::Kind::none:
        return;
    case PostUploadAction::Kind::moveToArchive:
        m_archivePath = path;
        m_connection.postUploadAction = PostUploadAction::moveToArchive(path);
        break;
    case PostUploadAction::Kind::runScript:
        m_scriptPath = path;
        m_connection.postUploadAction = PostUploadAction::runScript(path);
        break;
    }
    commit();
}

bool ConnectionForm::showsPostUploadChooser() const
{
    return m_connection.postUploadAction.kind() != PostUploadAction::Kind::none;
}

bool ConnectionForm::postUploadChoosesFolder() const
{
    return m_connection.postUploadAction.kind() == PostUploadAction::Kind::moveToArchive;
}

QString ConnectionForm::postUploadCaption() const
{
    return m_connection.postUploadAction.kind() == PostUploadAction::Kind::runScript
               ? tr("The script receives the local file path as the first argument.")
               : QString();
}

void ConnectionForm::setScheduleEnabled(bool on)
{
    m_connection.scheduleEnabled = on;
    commit();
}

void ConnectionForm::stepScheduleStartHour(int delta)
{
    m_connection.scheduleStartHour =
        ((m_connection.scheduleStartHour + delta) % kHoursPerDay + kHoursPerDay) % kHoursPerDay;
    commit();
}

void ConnectionForm::stepScheduleEndHour(int delta)
{
    m_connection.scheduleEndHour =
        ((m_connection.scheduleEndHour + delta) % kHoursPerDay + kHoursPerDay) % kHoursPerDay;
    commit();
}

void ConnectionForm::toggleScheduleDay(int day)
{
    QList<qint64>& days = m_connection.scheduleDays;
    if (days.contains(day)) {
        days.removeAll(day);
    } else {
        days.append(day);
        std::sort(days.begin(), days.end());
    }
    commit();
}

void ConnectionForm::setIptcEnabled(bool on)
{
    m_connection.iptcEnabled = on;
    commit();
}

void ConnectionForm::selectIptcPreset(const std::optional<QUuid>& id)
{
    m_connection.selectedIPTCKeywordID = id;
    commit();
}

bool ConnectionForm::showsIptcPicker() const
{
    return m_connection.iptcEnabled && !m_connection.iptcKeywords.isEmpty();
}

QUuid ConnectionForm::addIptcPreset()
{
    IPTCKeywordEntry entry;
    m_connection.iptcKeywords.append(entry);
    commit();
    return entry.id;
}

void ConnectionForm::removeIptcPreset(const QUuid& id)
{
    m_connection.iptcKeywords.removeIf([&id](const IPTCKeywordEntry& entry) { return entry.id == id; });
    if (m_connection.selectedIPTCKeywordID == id) {
        m_connection.selectedIPTCKeywordID.reset();
    }
    commit();
}

void ConnectionForm::setIptcPresetName(const QUuid& id, const QString& name)
{
    for (IPTCKeywordEntry& entry : m_connection.iptcKeywords) {
        if (entry.id == id) {
            entry.name = name;
        }
    }
    type(TextField::iptcKeywords);
}

void ConnectionForm::setIptcPresetKeyword(const QUuid& id, const QString& keyword)
{
    for (IPTCKeywordEntry& entry : m_connection.iptcKeywords) {
        if (entry.id == id) {
            entry.keyword = keyword;
        }
    }
    type(TextField::iptcKeywords);
}

int ConnectionForm::importIptcPresets(const QList<IPTCKeywordEntry>& imported)
{
    const qsizetype before = m_connection.iptcKeywords.size();
    m_connection.iptcKeywords = IptcPresetsFile::merge(m_connection.iptcKeywords, imported);
    const int added = int(m_connection.iptcKeywords.size() - before);
    if (added > 0) {
        commit();
    }
    return added;
}

QString ConnectionForm::iptcPresetTitle(const IPTCKeywordEntry& entry)
{
    return entry.name.isEmpty() ? entry.keyword : entry.name;
}

void ConnectionForm::chooseExtensionPreset(const QString& presetId)
{
    if (const auto preset = FilterPresets::byId(presetId)) {
        ExtensionFilterRules::choosePreset(m_connection, *preset);
        commit();
    }
}

void ConnectionForm::resetExtensionPreset()
{
    ExtensionFilterRules::resetToPreset(m_connection);
    commit();
}

void ConnectionForm::toggleExtensionCategory(const QString& categoryId)
{
    if (const auto category = categoryById(categoryId)) {
        ExtensionFilterRules::toggleCategory(m_connection, *category);
        commit();
    }
}

void ConnectionForm::toggleExtension(const QString& categoryId, const QString& extension)
{
    if (const auto category = categoryById(categoryId)) {
        ExtensionFilterRules::toggleExtension(m_connection, *category, extension);
        commit();
    }
}

void ConnectionForm::setIncludedExtensions(const QString& text)
{
    m_connection.includedExtensions = text;
    type(TextField::extensionLists);
}

void ConnectionForm::setExcludedExtensions(const QString& text)
{
    m_connection.excludedExtensions = text;
    type(TextField::extensionLists);
}

void ConnectionForm::setDownloadUnspecifiedExtensions(bool on)
{
    m_connection.downloadUnspecifiedExtensions = on;
    commit();
}

QString ConnectionForm::hostError() const
{
    const QString host = m_connection.host.trimmed();
    if (host.isEmpty()) {
        return tr("Enter the server's host name or IP address.");
    }
    if (host.contains(QLatin1String("://"))) {
        return tr("Enter the host name alone, without \"ftp://\" or \"sftp://\"; choose the protocol above.");
    }
    if (host.contains(QLatin1Char('/')) || host.contains(QLatin1Char(' ')) ||
        host.contains(QLatin1Char('\t'))) {
        return tr("A host name cannot contain spaces or \"/\". Put the folder under Remote Folder.");
    }
    return {};
}

QString ConnectionForm::portError() const
{
    bool ok = false;
    const qint64 port = m_portText.trimmed().toLongLong(&ok);
    if (!ok || port < 1 || port > 65535) {
        return tr("The port must be a whole number from 1 to 65535 (FTP and FTPS usually use 21, SFTP 22).");
    }
    return {};
}

QString ConnectionForm::localFolderProblem(const QString& path)
{
    if (path.isEmpty()) {
        return {};
    }
    const QFileInfo folder(path);
    if (!folder.exists()) {
        return tr("This folder does not exist. Create it again or choose another folder.");
    }
    if (!folder.isDir()) {
        return tr("This is a file, not a folder. Choose a folder.");
    }
    if (!folder.isReadable() || !folder.isExecutable()) {
        return tr("This folder cannot be read. Check its permissions (chmod u+rx) or choose another folder.");
    }
    return {};
}

QString ConnectionForm::remoteFolderError() const
{
    if (m_remoteFolderText.contains(QLatin1Char('\n')) || m_remoteFolderText.contains(QLatin1Char('\r'))) {
        return tr("The remote path cannot contain a line break. The last path without one is kept.");
    }
    return {};
}

QString ConnectionForm::requiredCaption() const
{
    QStringList missing;
    if (m_connection.host.trimmed().isEmpty()) {
        missing << tr("Host");
    }
    if (m_connection.localFolder.isEmpty()) {
        missing << tr("Local Folder");
    }
    return missing.isEmpty() ? QString() : tr("Required: ") + missing.join(QStringLiteral(", "));
}

void ConnectionForm::rebase(const PushConnection& stored)
{
    if (stored == m_connection) {
        return;
    }
    PushConnection next = stored;
    const auto pending = [this](TextField field) { return (m_pending & static_cast<unsigned>(field)) != 0; };
    if (pending(TextField::name)) {
        next.name = m_connection.name;
    }
    if (pending(TextField::host)) {
        next.host = m_connection.host;
    }
    if (pending(TextField::port)) {
        next.port = m_connection.port;
    } else {
        m_portText = QString::number(next.port);
    }
    if (pending(TextField::username)) {
        next.username = m_connection.username;
    }
    if (pending(TextField::password)) {
        next.password = m_connection.password;
    }
    if (pending(TextField::remoteFolder)) {
        next.remoteFolder = m_connection.remoteFolder;
    } else {
        m_remoteFolderText = next.remoteFolder;
    }
    if (pending(TextField::iptcKeywords)) {
        next.iptcKeywords = m_connection.iptcKeywords;
    }
    if (pending(TextField::extensionLists)) {
        next.includedExtensions = m_connection.includedExtensions;
        next.excludedExtensions = m_connection.excludedExtensions;
    }
    m_connection = next;
    Q_EMIT reloaded();
}

} // namespace ondrix
