#pragma once

#include "ui/browser/BrowserTag.h"

#include <QHash>
#include <QString>
#include <QUuid>

namespace ondrix {

class PreferencesStore;

// The colour tags of one connection's remote entries, keyed by the entry's full remote path. Read from the
// preferences store when made; every change writes the whole map back at once under "BrowserTags_" + the
// connection id (upper-case, no braces), as JSON data mapping path to stored tag name. Data that cannot be
// read, and names of unknown tags, count as no tags.
//
// Main thread.
class BrowserTagStore {
public:
    BrowserTagStore(PreferencesStore& store, const QUuid& connectionId);

    static QString storeKey(const QUuid& connectionId);

    const QHash<QString, BrowserTag>& tags() const { return m_tags; }
    std::optional<BrowserTag> tag(const QString& path) const;

    // Sets or (with no tag) removes the tag of some entries (one write).
    void setTag(const QStringList& paths, std::optional<BrowserTag> tag);
    // An entry was renamed or deleted on the server: its tag, and those of everything below it, follow it
    // or go.
    void moveEntry(const QString& from, const QString& to);
    void removeEntry(const QString& path);

private:
    void save();

    PreferencesStore& m_store;
    QString m_key;
    QHash<QString, BrowserTag> m_tags;
};

} // namespace ondrix
