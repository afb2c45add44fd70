#pragma once

#include "model/PushConnection.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

namespace ondrix {

class PreferencesStore;

// Reads the connection list from the preferences store. A value that cannot be read is not silently taken
// for "no connections": before anyone can write over it, the value is copied to a backup key beside it
// ("push_connections_unreadable", or "_2", "_3"... when that one holds another unreadable value), and
// `problem` says which key, why, and where the copy is.
struct StoredConnectionList {
    Q_DECLARE_TR_FUNCTIONS(StoredConnectionList)

public:
    QList<PushConnection> connections;
    // Empty when the list was read or is absent; otherwise one sentence for the activity log.
    QString problem;
    // The key the unreadable value was copied to; empty when nothing was copied.
    QString backupKey;

    static StoredConnectionList read(PreferencesStore& store, const QString& key);
};

} // namespace ondrix
