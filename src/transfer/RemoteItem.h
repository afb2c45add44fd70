#pragma once

#include <QDateTime>
#include <QList>
#include <QMetaType>
#include <QString>

namespace ondrix {

// One entry of a remote directory listing. `id` is the entry's full remote path, which also identifies it
// in selections and in the browser's tag store.
struct RemoteItem {
    QString id;
    QString name;
    bool isDirectory = false;
    qint64 size = 0;         // 0 for directories and when the listing gives none
    QDateTime modified = {}; // UTC; invalid when the listing gives no date

    QString path() const { return id; }

    bool operator==(const RemoteItem&) const = default;

    // Directories first; within each group by name, case-insensitively in the user's locale. Stable, so
    // names that compare equal keep the server's order.
    static void sort(QList<RemoteItem>& items);
};

} // namespace ondrix

Q_DECLARE_METATYPE(ondrix::RemoteItem)
