#pragma once

#include "model/PushConnection.h"

#include <QHash>
#include <QString>
#include <QUuid>

#include <optional>

namespace ondrix {

class PreferencesStore;

// Remembers the folder the user picked for each connection so the choice survives restarts. On Linux a
// folder needs no access grant, so the stored token is the folder's absolute path (UTF-8) under
// "ondrix_bookmark_" + the connection id. A token whose folder is gone is removed; one whose path is no
// longer the folder's canonical path (a symbolic link in it was changed) is refreshed.
//
// Stateless; used on the main thread.
namespace BookmarkManager {

QString keyFor(const QUuid& connectionId);
void saveBookmark(PreferencesStore& store, const QUuid& connectionId, const QString& folder);
std::optional<QString> resolveBookmark(PreferencesStore& store, const QUuid& connectionId);
// The resolved folder of every connection with a local folder, keyed by connection id.
QHash<QUuid, QString> restoreBookmarks(PreferencesStore& store, const QList<PushConnection>& connections);

} // namespace BookmarkManager

} // namespace ondrix
