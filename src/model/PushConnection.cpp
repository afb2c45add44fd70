#include "model/PushConnection.h"

#include "model/UuidText.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

#include <limits>

namespace ondrix {

namespace {

QString trimmed(const QString& text)
{
    // QString::trimmed removes whitespace and newlines at both ends, which is what stored keywords need.
    return text.trimmed();
}

// Reads required keys of one JSON object and remembers the first failure, so a decoder reads as a list of
// fields and reports which key broke the record.
class StrictReader {
public:
    explicit StrictReader(const QJsonObject& object)
        : m_object(object)
    {}

    bool ok() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    QString string(const char* key)
    {
        const QJsonValue value = require(key);
        if (!value.isString()) {
            return fail(key, QT_TRANSLATE_NOOP("PushConnection", "a string")), QString();
        }
        return value.toString();
    }

    bool boolean(const char* key)
    {
        const QJsonValue value = require(key);
        if (!value.isBool()) {
            return fail(key, QT_TRANSLATE_NOOP("PushConnection", "true or false")), false;
        }
        return value.toBool();
    }

    qint64 integer(const char* key) { return toInteger(key, require(key)); }

    QList<qint64> integers(const char* key)
    {
        const QJsonValue value = require(key);
        if (!value.isArray()) {
            return fail(key, QT_TRANSLATE_NOOP("PushConnection", "an array of numbers")), QList<qint64>();
        }
        QList<qint64> result;
        for (const QJsonValue& element : value.toArray()) {
            result.append(toInteger(key, element));
        }
        return result;
    }

    QUuid uuid(const char* key) { return toUuid(key, require(key)); }

    QJsonObject object(const char* key)
    {
        const QJsonValue value = require(key);
        if (!value.isObject()) {
            return fail(key, QT_TRANSLATE_NOOP("PushConnection", "an object")), QJsonObject();
        }
        return value.toObject();
    }

    template <typename Enum>
    Enum enumeration(const char* key, std::optional<Enum> (*fromRaw)(const QString&), Enum fallback)
    {
        const QString raw = string(key);
        if (!ok()) {
            return fallback;
        }
        const std::optional<Enum> parsed = fromRaw(raw);
        if (!parsed) {
            m_error = QCoreApplication::translate("PushConnection", "\"%1\" has the unknown value \"%2\"")
                          .arg(QLatin1String(key), raw);
            return fallback;
        }
        return *parsed;
    }

    void setError(const QString& error)
    {
        if (ok()) {
            m_error = error;
        }
    }

    QUuid toUuid(const char* key, const QJsonValue& value)
    {
        if (!value.isString()) {
            return fail(key, QT_TRANSLATE_NOOP("PushConnection", "a UUID string")), QUuid();
        }
        const QUuid id = QUuid::fromString(value.toString());
        if (id.isNull()) {
            fail(key, QT_TRANSLATE_NOOP("PushConnection", "a UUID string"));
        }
        return id;
    }

private:
    QJsonValue require(const char* key)
    {
        const auto it = m_object.constFind(QLatin1String(key));
        if (it == m_object.constEnd()) {
            setError(QCoreApplication::translate("PushConnection", "the key \"%1\" is missing")
                         .arg(QLatin1String(key)));
            return QJsonValue(QJsonValue::Undefined);
        }
        return *it;
    }

    qint64 toInteger(const char* key, const QJsonValue& value)
    {
        if (!value.isDouble()) {
            return fail(key, QT_TRANSLATE_NOOP("PushConnection", "a whole number")), 0;
        }
        // toInteger answers the default for fractions and out-of-range values; two defaults tell them apart.
        const qint64 a = value.toInteger(std::numeric_limits<qint64>::min());
        const qint64 b = value.toInteger(std::numeric_limits<qint64>::max());
        if (a != b) {
            return fail(key, QT_TRANSLATE_NOOP("PushConnection", "a whole number")), 0;
        }
        return a;
    }

    void fail(const char* key, const char* expected)
    {
        // A missing key was already reported by require().
        setError(QCoreApplication::translate("PushConnection", "\"%1\" must be %2")
                     .arg(QLatin1String(key), QCoreApplication::translate("PushConnection", expected)));
    }

    const QJsonObject& m_object;
    QString m_error;
};

template <typename T>
std::optional<T> failed(QString* error, const QString& message)
{
    if (error) {
        *error = message;
    }
    return std::nullopt;
}

} // namespace

QString rawValue(TransferProtocol value)
{
    switch (value) {
    case TransferProtocol::ftp:
        return QStringLiteral("FTP");
    case TransferProtocol::sftp:
        return QStringLiteral("SFTP");
    case TransferProtocol::ftps:
        return QStringLiteral("FTPS");
    }
    return {};
}

QString rawValue(FTPMode value)
{
    return value == FTPMode::passive ? QStringLiteral("Passive") : QStringLiteral("Active");
}

QString rawValue(ConflictMode value)
{
    switch (value) {
    case ConflictMode::overwrite:
        return QStringLiteral("Overwrite");
    case ConflictMode::rename:
        return QStringLiteral("Rename");
    case ConflictMode::skip:
        return QStringLiteral("Skip");
    }
    return {};
}

QString displayName(TransferProtocol value)
{
    // Protocol names are the same in every language.
    return rawValue(value);
}

QString displayName(FTPMode value)
{
    return value == FTPMode::passive ? QCoreApplication::translate("PushConnection", "Passive (recommended)")
                                     : QCoreApplication::translate("PushConnection", "Active");
}

QString displayName(ConflictMode value)
{
    switch (value) {
    case ConflictMode::overwrite:
        return QCoreApplication::translate("PushConnection", "Overwrite");
    case ConflictMode::rename:
        return QCoreApplication::translate("PushConnection", "Rename (add suffix)");
    case ConflictMode::skip:
        return QCoreApplication::translate("PushConnection", "Skip (keep existing)");
    }
    return {};
}

QList<TransferProtocol> allTransferProtocols()
{
    return {TransferProtocol::ftp, TransferProtocol::sftp, TransferProtocol::ftps};
}

QList<FTPMode> allFTPModes()
{
    return {FTPMode::passive, FTPMode::active};
}

QList<ConflictMode> allConflictModes()
{
    return {ConflictMode::overwrite, ConflictMode::rename, ConflictMode::skip};
}

template <typename Enum>
static std::optional<Enum> fromRawIn(const QList<Enum>& cases, const QString& raw)
{
    for (Enum value : cases) {
        if (rawValue(value) == raw) {
            return value;
        }
    }
    return std::nullopt;
}

std::optional<TransferProtocol> transferProtocolFromRaw(const QString& raw)
{
    return fromRawIn(allTransferProtocols(), raw);
}

std::optional<FTPMode> ftpModeFromRaw(const QString& raw)
{
    return fromRawIn(allFTPModes(), raw);
}

std::optional<ConflictMode> conflictModeFromRaw(const QString& raw)
{
    return fromRawIn(allConflictModes(), raw);
}

QJsonObject PostUploadAction::toJson() const
{
    switch (m_kind) {
    case Kind::none:
        break;
    case Kind::moveToArchive:
        return {{QStringLiteral("type"), QStringLiteral("moveToArchive")}, {QStringLiteral("path"), m_path}};
    case Kind::runScript:
        return {{QStringLiteral("type"), QStringLiteral("runScript")}, {QStringLiteral("path"), m_path}};
    }
    return {{QStringLiteral("type"), QStringLiteral("none")}};
}

std::optional<PostUploadAction> PostUploadAction::fromJson(const QJsonObject& object, QString* error)
{
    StrictReader reader(object);
    const QString type = reader.string("type");
    if (type == QLatin1String("moveToArchive") || type == QLatin1String("runScript")) {
        const QString path = reader.string("path");
        if (reader.ok()) {
            return type == QLatin1String("runScript") ? runScript(path) : moveToArchive(path);
        }
    } else if (reader.ok()) {
        return none();
    }
    return failed<PostUploadAction>(error, QStringLiteral("postUploadAction: ") + reader.error());
}

QJsonObject IPTCKeywordEntry::toJson() const
{
    return {{QStringLiteral("id"), uuidText(id)},
            {QStringLiteral("name"), name},
            {QStringLiteral("keyword"), keyword}};
}

std::optional<IPTCKeywordEntry> IPTCKeywordEntry::fromJson(const QJsonObject& object, QString* error)
{
    StrictReader reader(object);
    IPTCKeywordEntry entry;
    entry.id = reader.uuid("id");
    entry.name = reader.string("name");
    entry.keyword = reader.string("keyword");
    if (!reader.ok()) {
        return failed<IPTCKeywordEntry>(error, QStringLiteral("iptcKeywords: ") + reader.error());
    }
    return entry;
}

QString PushConnection::defaultName()
{
    return QCoreApplication::translate("PushConnection", "New Connection");
}

std::optional<QString> PushConnection::effectiveIPTCKeyword() const
{
    if (!iptcEnabled || !selectedIPTCKeywordID) {
        return std::nullopt;
    }
    for (const IPTCKeywordEntry& entry : iptcKeywords) {
        if (entry.id == *selectedIPTCKeywordID) {
            return trimmed(entry.keyword);
        }
    }
    return std::nullopt;
}

QJsonObject PushConnection::toJson() const
{
    QJsonArray days;
    for (qint64 day : scheduleDays) {
        days.append(day);
    }
    QJsonArray keywords;
    for (const IPTCKeywordEntry& entry : iptcKeywords) {
        keywords.append(entry.toJson());
    }
    QJsonObject object{
        {QStringLiteral("id"), uuidText(id)},
        {QStringLiteral("name"), name},
        {QStringLiteral("isEnabled"), isEnabled},
        {QStringLiteral("transferProtocol"), rawValue(transferProtocol)},
        {QStringLiteral("host"), host},
        {QStringLiteral("port"), port},
        {QStringLiteral("username"), username},
        {QStringLiteral("password"), password},
        {QStringLiteral("sshKeyPath"), sshKeyPath},
        {QStringLiteral("ftpMode"), rawValue(ftpMode)},
        {QStringLiteral("localFolder"), localFolder},
        {QStringLiteral("remoteFolder"), remoteFolder},
        {QStringLiteral("preserveSubdirectories"), preserveSubdirectories},
        {QStringLiteral("monitorSubdirectories"), monitorSubdirectories},
        {QStringLiteral("deleteLocalAfterUpload"), deleteLocalAfterUpload},
        {QStringLiteral("conflictResolution"), rawValue(conflictResolution)},
        {QStringLiteral("simultaneousUploads"), simultaneousUploads},
        {QStringLiteral("stabilityCheckSeconds"), stabilityCheckSeconds},
        {QStringLiteral("maxBandwidthKBps"), maxBandwidthKBps},
        {QStringLiteral("extensionPreset"), extensionPreset},
        {QStringLiteral("includedExtensions"), includedExtensions},
        {QStringLiteral("excludedExtensions"), excludedExtensions},
        {QStringLiteral("minFileSizeBytes"), minFileSizeBytes},
        {QStringLiteral("downloadUnspecifiedExtensions"), downloadUnspecifiedExtensions},
        {QStringLiteral("scheduleEnabled"), scheduleEnabled},
        {QStringLiteral("scheduleStartHour"), scheduleStartHour},
        {QStringLiteral("scheduleEndHour"), scheduleEndHour},
        {QStringLiteral("scheduleDays"), days},
        {QStringLiteral("postUploadAction"), postUploadAction.toJson()},
        {QStringLiteral("iptcEnabled"), iptcEnabled},
        {QStringLiteral("iptcKeywords"), keywords},
        {QStringLiteral("finderTagsEnabled"), finderTagsEnabled},
        {QStringLiteral("useTemporaryName"), useTemporaryName},
    };
    if (selectedIPTCKeywordID) {
        object.insert(QStringLiteral("selectedIPTCKeywordID"), uuidText(*selectedIPTCKeywordID));
    }
    return object;
}

std::optional<PushConnection> PushConnection::fromJson(const QJsonObject& object, QString* error)
{
    StrictReader r(object);
    PushConnection c;
    c.id = r.uuid("id");
    c.name = r.string("name");
    c.isEnabled = r.boolean("isEnabled");
    c.transferProtocol = r.enumeration("transferProtocol", &transferProtocolFromRaw, TransferProtocol::ftp);
    c.host = r.string("host");
    c.port = r.integer("port");
    c.username = r.string("username");
    c.password = r.string("password");
    c.sshKeyPath = r.string("sshKeyPath");
    c.ftpMode = r.enumeration("ftpMode", &ftpModeFromRaw, FTPMode::passive);
    c.localFolder = r.string("localFolder");
    c.remoteFolder = r.string("remoteFolder");
    c.preserveSubdirectories = r.boolean("preserveSubdirectories");
    c.monitorSubdirectories = r.boolean("monitorSubdirectories");
    c.deleteLocalAfterUpload = r.boolean("deleteLocalAfterUpload");
    c.conflictResolution = r.enumeration("conflictResolution", &conflictModeFromRaw, ConflictMode::overwrite);
    c.simultaneousUploads = r.integer("simultaneousUploads");
    c.stabilityCheckSeconds = r.integer("stabilityCheckSeconds");
    c.maxBandwidthKBps = r.integer("maxBandwidthKBps");
    c.extensionPreset = r.string("extensionPreset");
    c.includedExtensions = r.string("includedExtensions");
    c.excludedExtensions = r.string("excludedExtensions");
    c.minFileSizeBytes = r.integer("minFileSizeBytes");
    c.downloadUnspecifiedExtensions = r.boolean("downloadUnspecifiedExtensions");
    c.scheduleEnabled = r.boolean("scheduleEnabled");
    c.scheduleStartHour = r.integer("scheduleStartHour");
    c.scheduleEndHour = r.integer("scheduleEndHour");
    c.scheduleDays = r.integers("scheduleDays");
    if (r.ok()) {
        QString actionError;
        const auto action = PostUploadAction::fromJson(r.object("postUploadAction"), &actionError);
        if (r.ok() && !action) {
            r.setError(actionError);
        }
        c.postUploadAction = action.value_or(PostUploadAction::none());
    }
    c.finderTagsEnabled = r.boolean("finderTagsEnabled");
    if (!r.ok()) {
        return failed<PushConnection>(error, r.error());
    }
    c.useTemporaryName = object.value(QLatin1String("useTemporaryName")).toBool(false);

    const QJsonValue enabled = object.value(QLatin1String("iptcEnabled"));
    if (enabled.isBool()) {
        // Keyword presets are optional: what cannot be read is simply absent.
        c.iptcEnabled = enabled.toBool();
        const QJsonValue keywords = object.value(QLatin1String("iptcKeywords"));
        if (keywords.isArray()) {
            QList<IPTCKeywordEntry> entries;
            bool allRead = true;
            for (const QJsonValue& value : keywords.toArray()) {
                const auto entry =
                    value.isObject() ? IPTCKeywordEntry::fromJson(value.toObject()) : std::nullopt;
                if (!entry) {
                    allRead = false;
                    break;
                }
                entries.append(*entry);
            }
            if (allRead) {
                c.iptcKeywords = entries;
            }
        }
        StrictReader optional(object);
        const QJsonValue selected = object.value(QLatin1String("selectedIPTCKeywordID"));
        const QUuid selectedId = optional.toUuid("selectedIPTCKeywordID", selected);
        if (optional.ok()) {
            c.selectedIPTCKeywordID = selectedId;
        }
    } else {
        // Written before keyword presets existed: one keyword becomes the one selected preset.
        const QString legacy = trimmed(object.value(QLatin1String("iptcKeyword")).toString());
        if (!legacy.isEmpty()) {
            IPTCKeywordEntry entry;
            entry.name = legacy;
            entry.keyword = legacy;
            c.iptcEnabled = true;
            c.iptcKeywords = {entry};
            c.selectedIPTCKeywordID = entry.id;
        }
    }
    return c;
}

QByteArray PushConnection::encodeList(const QList<PushConnection>& connections)
{
    QJsonArray array;
    for (const PushConnection& connection : connections) {
        array.append(connection.toJson());
    }
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

std::optional<QList<PushConnection>> PushConnection::decodeList(const QByteArray& data, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(data, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return failed<QList<PushConnection>>(error, parseError.errorString());
    }
    if (!document.isArray()) {
        return failed<QList<PushConnection>>(
            error, QCoreApplication::translate("PushConnection", "the connection list is not a JSON array"));
    }
    QList<PushConnection> connections;
    const QJsonArray array = document.array();
    for (qsizetype i = 0; i < array.size(); ++i) {
        QString recordError = QCoreApplication::translate("PushConnection", "not an object");
        const auto connection =
            array.at(i).isObject() ? fromJson(array.at(i).toObject(), &recordError) : std::nullopt;
        if (!connection) {
            return failed<QList<PushConnection>>(
                error, QCoreApplication::translate("PushConnection", "connection %1: %2")
                           .arg(i + 1)
                           .arg(recordError));
        }
        connections.append(*connection);
    }
    return connections;
}

} // namespace ondrix
