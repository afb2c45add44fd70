#pragma once

#include "model/PushConnection.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace ondrix {

// The file a connection's keyword presets are exported to and imported from: UTF-8 JSON, one array of
// objects with the keys "id" (upper-case hyphenated UUID), "name" and "keyword". Widget-free.
namespace IptcPresetsFile {

// The name proposed when exporting.
QString defaultFileName();

QByteArray encode(const QList<IPTCKeywordEntry>& entries);
// Strict: anything but an array of objects that each have the three keys as strings (and a UUID) fails the
// whole file, with a reason in `error`.
std::optional<QList<IPTCKeywordEntry>> decode(const QByteArray& data, QString* error = nullptr);

// `existing` followed by every imported entry whose keyword text is not exactly one of the existing
// entries' keywords, each under a fresh id. Keywords repeated inside the file are all added.
QList<IPTCKeywordEntry> merge(const QList<IPTCKeywordEntry>& existing,
                              const QList<IPTCKeywordEntry>& imported);

} // namespace IptcPresetsFile

} // namespace ondrix
