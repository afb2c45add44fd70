#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QUuid>

#include <optional>

namespace ondrix {

enum class TransferProtocol { ftp, sftp, ftps };
enum class FTPMode { passive, active };
enum class ConflictMode { overwrite, rename, skip };

// Raw values are what the stored JSON holds; display names are the translated texts shown in pickers.
QString rawValue(TransferProtocol value);
QString rawValue(FTPMode value);
QString rawValue(ConflictMode value);
QString displayName(TransferProtocol value);
QString displayName(FTPMode value);
QString displayName(ConflictMode value);
// Parsing is exact: "ftp" is not "FTP".
std::optional<TransferProtocol> transferProtocolFromRaw(const QString& raw);
std::optional<FTPMode> ftpModeFromRaw(const QString& raw);
std::optional<ConflictMode> conflictModeFromRaw(const QString& raw);
// Every case in declaration order, which is also the order of pickers.
QList<TransferProtocol> allTransferProtocols();
QList<FTPMode> allFTPModes();
QList<ConflictMode> allConflictModes();

// What happens to a local file after it was uploaded: nothing, a move into an archive folder, or a script
// run.
class PostUploadAction {
public:
    enum class Kind { none, moveToArchive, runScript };

    PostUploadAction() = default;
    static PostUploadAction none() { return {}; }
    static PostUploadAction moveToArchive(const QString& folder) { return {Kind::moveToArchive, folder}; }
    static PostUploadAction runScript(const QString& script) { return {Kind::runScript, script}; }

    Kind kind() const { return m_kind; }
    // The archive folder or script path; empty for none.
    QString path() const { return m_path; }

    QJsonObject toJson() const;
    // "type" is required; an unknown type is none; the two path cases require "path".
    static std::optional<PostUploadAction> fromJson(const QJsonObject& object, QString* error = nullptr);

    bool operator==(const PostUploadAction&) const = default;

private:
    PostUploadAction(Kind kind, QString path)
        : m_kind(kind)
        , m_path(std::move(path))
    {}

    Kind m_kind = Kind::none;
    QString m_path;
};

// A named keyword preset of a connection; `keyword` is the text written into images.
struct IPTCKeywordEntry {
    QUuid id = QUuid::createUuid();
    QString name;
    QString keyword;

    QJsonObject toJson() const;
    static std::optional<IPTCKeywordEntry> fromJson(const QJsonObject& object, QString* error = nullptr);

    bool operator==(const IPTCKeywordEntry&) const = default;
};

// The whole configuration of one watched folder and the server it uploads to. A plain value: every engine,
// uploader and browser works on its own copy.
struct PushConnection {
    // The range of simultaneousUploads the editors offer and the upload queue runs.
    static constexpr qint64 kMinSimultaneousUploads = 1;
    static constexpr qint64 kMaxSimultaneousUploads = 5;

    QUuid id = QUuid::createUuid();
    QString name = defaultName();
    bool isEnabled = false;
    TransferProtocol transferProtocol = TransferProtocol::ftp;
    QString host;
    qint64 port = 21;
    QString username;
    QString password;
    QString sshKeyPath;
    FTPMode ftpMode = FTPMode::passive;
    QString localFolder;
    QString remoteFolder = QStringLiteral("/");
    bool preserveSubdirectories = true;
    bool monitorSubdirectories = true;
    bool deleteLocalAfterUpload = false;
    ConflictMode conflictResolution = ConflictMode::overwrite;
    qint64 simultaneousUploads = 2;
    qint64 stabilityCheckSeconds = 2;
    qint64 maxBandwidthKBps = 0;
    QString extensionPreset;
    QString includedExtensions;
    QString excludedExtensions;
    qint64 minFileSizeBytes = 0;
    bool downloadUnspecifiedExtensions = true;
    bool scheduleEnabled = false;
    qint64 scheduleStartHour = 9;
    qint64 scheduleEndHour = 18;
    QList<qint64> scheduleDays = {1, 2, 3, 4, 5};
    PostUploadAction postUploadAction;
    bool iptcEnabled = false;
    QList<IPTCKeywordEntry> iptcKeywords;
    std::optional<QUuid> selectedIPTCKeywordID;
    bool finderTagsEnabled = true;
    // Send to a hidden temporary name in the target folder and rename into place once complete. On for new
    // connections; records stored before the option existed decode with it off (their servers saw files
    // arrive under their own names).
    bool useTemporaryName = true;

    // The translated "New Connection".
    static QString defaultName();

    // The trimmed keyword of the selected preset while keyword injection is on; nothing otherwise.
    std::optional<QString> effectiveIPTCKeyword() const;

    QJsonObject toJson() const;
    // Strict: a missing required key, a wrong JSON type or an unknown enumeration value fails the record.
    // Records written before keyword presets existed are migrated from their single "iptcKeyword".
    static std::optional<PushConnection> fromJson(const QJsonObject& object, QString* error = nullptr);

    // The stored list: one compact JSON array (UTF-8). Decoding fails as a whole when one record fails.
    static QByteArray encodeList(const QList<PushConnection>& connections);
    static std::optional<QList<PushConnection>> decodeList(const QByteArray& data, QString* error = nullptr);

    bool operator==(const PushConnection&) const = default;
};

} // namespace ondrix

Q_DECLARE_METATYPE(ondrix::PushConnection)
