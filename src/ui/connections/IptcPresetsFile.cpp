#include "ui/connections/IptcPresetsFile.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

namespace ondrix::IptcPresetsFile {

QString defaultFileName()
{
    return QStringLiteral("iptc-keywords.ondrix-keywords");
}

QByteArray encode(const QList<IPTCKeywordEntry>& entries)
{
    QJsonArray array;
    for (const IPTCKeywordEntry& entry : entries) {
        array.append(entry.toJson());
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

std::optional<QList<IPTCKeywordEntry>> decode(const QByteArray& data, QString* error)
{
    const auto fail = [error](const QString& reason) -> std::optional<QList<IPTCKeywordEntry>> {
        if (error) {
            *error = reason;
        }
        return std::nullopt;
    };
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(data, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return fail(
            QCoreApplication::translate("IptcPresetsFile", "The file is not valid JSON (%1 at byte %2).")
                .arg(parseError.errorString())
                .arg(parseError.offset));
    }
    if (!document.isArray()) {
        return fail(
            QCoreApplication::translate("IptcPresetsFile", "The file does not hold a list of presets."));
    }
    QList<IPTCKeywordEntry> entries;
    const QJsonArray array = document.array();
    for (qsizetype i = 0; i < array.size(); ++i) {
        QString reason;
        const auto entry = array.at(i).isObject()
                               ? IPTCKeywordEntry::fromJson(array.at(i).toObject(), &reason)
                               : std::nullopt;
        if (!entry) {
            return fail(QCoreApplication::translate("IptcPresetsFile",
                                                    "Preset %1 of the file is not an object with the text "
                                                    "fields \"id\", \"name\" and \"keyword\".")
                            .arg(i + 1));
        }
        entries.append(*entry);
    }
    return entries;
}

QList<IPTCKeywordEntry> merge(const QList<IPTCKeywordEntry>& existing,
                              const QList<IPTCKeywordEntry>& imported)
{
    QSet<QString> known;
    for (const IPTCKeywordEntry& entry : existing) {
        known.insert(entry.keyword);
    }
    QList<IPTCKeywordEntry> merged = existing;
    for (IPTCKeywordEntry entry : imported) {
        if (known.contains(entry.keyword)) {
            continue;
        }
        entry.id = QUuid::createUuid();
        merged.append(entry);
    }
    return merged;
}

} // namespace ondrix::IptcPresetsFile
