#pragma once

#include "platform/FileVersion.h"

#include <QString>
#include <QUuid>

#include <optional>

namespace ondrix {

class PreferencesStore;

// What the uploads of one connection need to go on where a cut one stopped: for each file whose upload
// began and did not end, where its bytes went on the server and which version of the local file they came
// from. Kept in the preferences store, so a crash, a kill or a power cut loses none of it; small files are
// not worth the writes and are sent again whole.
//
// Any thread (the store locks itself).
class PartialUploads {
public:
    struct Entry {
        // Where the bytes go (the temporary name when one is used) and the name the file gets at the end.
        QString sentTo;
        QString target;
        FileVersion version;

        bool operator==(const Entry&) const = default;
    };

    // Files smaller than this are not remembered: sending them again costs less than the record.
    static constexpr qint64 kDefaultMinimumSize = 4 * 1024 * 1024;

    // Without a store nothing is remembered.
    PartialUploads(PreferencesStore* store, const QUuid& connectionId);

    void setMinimumSize(qint64 bytes) { m_minimumSize = bytes; }
    qint64 minimumSize() const { return m_minimumSize; }

    std::optional<Entry> find(const QString& localPath) const;
    // Remembered when the file is large enough to be worth it.
    void remember(const QString& localPath, const Entry& entry);
    void forget(const QString& localPath);

private:
    QString keyFor(const QString& localPath) const;

    PreferencesStore* const m_store;
    const QString m_prefix;
    qint64 m_minimumSize = kDefaultMinimumSize;
};

} // namespace ondrix
