#include "supervision/BookmarkManager.h"

#include "model/UuidText.h"
#include "platform/PreferencesStore.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

namespace ondrix::BookmarkManager {

namespace {
Q_LOGGING_CATEGORY(lcBookmarks, "ondrix.bookmarks")
}

QString keyFor(const QUuid& connectionId)
{
    return QStringLiteral("ondrix_bookmark_") + uuidText(connectionId);
}

void saveBookmark(PreferencesStore& store, const QUuid& connectionId, const QString& path)
{
    if (!QDir::isAbsolutePath(path)) {
        qCWarning(lcBookmarks).noquote()
            << QStringLiteral("[BookmarkManager] Failed to save bookmark for %1: %2")
                   .arg(path, QStringLiteral("not an absolute local folder path"));
        return;
    }
    store.setData(keyFor(connectionId), QDir::cleanPath(path).toUtf8());
}

std::optional<QString> resolveBookmark(PreferencesStore& store, const QUuid& connectionId)
{
    const QString key = keyFor(connectionId);
    if (!store.contains(key)) {
        return std::nullopt;
    }
    const QString path = QString::fromUtf8(store.dataValue(key));
    const QFileInfo info(path);
    if (path.isEmpty() || !QDir::isAbsolutePath(path) || !info.isDir()) {
        store.remove(key);
        return std::nullopt;
    }
    const QString canonical = info.canonicalFilePath();
    QString folder = path;
    if (!canonical.isEmpty() && canonical != path) {
        folder = canonical;
        saveBookmark(store, connectionId, folder);
    }
    if (!QFileInfo(folder).isReadable()) {
        return std::nullopt;
    }
    return folder;
}

QHash<QUuid, QString> restoreBookmarks(PreferencesStore& store, const QList<PushConnection>& connections)
{
    QHash<QUuid, QString> result;
    for (const PushConnection& connection : connections) {
        if (connection.localFolder.isEmpty()) {
            continue;
        }
        if (const std::optional<QString> folder = resolveBookmark(store, connection.id)) {
            result.insert(connection.id, *folder);
        }
    }
    return result;
}

} // namespace ondrix::BookmarkManager
