#include "ui/browser/BrowserTagStore.h"

#include "model/UuidText.h"
#include "platform/PreferencesStore.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace ondrix {

namespace {

// The paths at or below `path` that carry a tag.
QStringList taggedAtOrBelow(const QHash<QString, BrowserTag>& tags, const QString& path)
{
    const QString prefix = path.endsWith(u'/') ? path : path + u'/';
    QStringList result;
    for (auto it = tags.cbegin(); it != tags.cend(); ++it) {
        if (it.key() == path || it.key().startsWith(prefix)) {
            result << it.key();
        }
    }
    return result;
}

} // namespace

BrowserTagStore::BrowserTagStore(PreferencesStore& store, const QUuid& connectionId)
    : m_store(store)
    , m_key(storeKey(connectionId))
{
    const QJsonDocument document = QJsonDocument::fromJson(m_store.dataValue(m_key));
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (std::optional<BrowserTag> tag = browserTagFromStoredName(it.value().toString())) {
            m_tags.insert(it.key(), *tag);
        }
    }
}

QString BrowserTagStore::storeKey(const QUuid& connectionId)
{
    return QStringLiteral("BrowserTags_") + uuidText(connectionId);
}

std::optional<BrowserTag> BrowserTagStore::tag(const QString& path) const
{
    const auto it = m_tags.constFind(path);
    if (it == m_tags.cend()) {
        return std::nullopt;
    }
    return *it;
}

void BrowserTagStore::setTag(const QStringList& paths, std::optional<BrowserTag> tag)
{
    bool changed = false;
    for (const QString& path : paths) {
        if (this->tag(path) == tag) {
            continue;
        }
        if (tag) {
            m_tags.insert(path, *tag);
        } else {
            m_tags.remove(path);
        }
        changed = true;
    }
    if (changed) {
        save();
    }
}

void BrowserTagStore::moveEntry(const QString& from, const QString& to)
{
    const QStringList moved = taggedAtOrBelow(m_tags, from);
    if (moved.isEmpty()) {
        return;
    }
    for (const QString& path : moved) {
        const BrowserTag tag = m_tags.take(path);
        m_tags.insert(to + path.mid(from.size()), tag);
    }
    save();
}

void BrowserTagStore::removeEntry(const QString& path)
{
    const QStringList removed = taggedAtOrBelow(m_tags, path);
    if (removed.isEmpty()) {
        return;
    }
    for (const QString& each : removed) {
        m_tags.remove(each);
    }
    save();
}

void BrowserTagStore::save()
{
    QJsonObject object;
    for (auto it = m_tags.cbegin(); it != m_tags.cend(); ++it) {
        object.insert(it.key(), storedName(it.value()));
    }
    m_store.setData(m_key, QJsonDocument(object).toJson(QJsonDocument::Compact));
}

} // namespace ondrix
