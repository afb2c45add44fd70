#include "model/StoredConnectionList.h"

#include "platform/PreferencesStore.h"

#include <QCoreApplication>

namespace ondrix {

namespace {

// A stored value of any type, to be copied to another key.
struct Copy {
    enum class Kind { data, text, list, dictionary } kind = Kind::data;
    QByteArray data;
    QString text;
    QStringList list;
    PreferencesStore::RealDictionary dictionary;

    bool isIn(const PreferencesStore& store, const QString& key) const
    {
        switch (kind) {
        case Kind::data:
            return !store.dataValue(key).isNull() && store.dataValue(key) == data;
        case Kind::text:
            return store.stringValue(key) == text;
        case Kind::list:
            return store.stringListValue(key) == list;
        case Kind::dictionary:
            return store.realDictionaryValue(key) == dictionary;
        }
        return false;
    }
    void writeTo(PreferencesStore& store, const QString& key) const
    {
        switch (kind) {
        case Kind::data:
            store.setData(key, data);
            break;
        case Kind::text:
            store.setString(key, text);
            break;
        case Kind::list:
            store.setStringList(key, list);
            break;
        case Kind::dictionary:
            store.setRealDictionary(key, dictionary);
            break;
        }
    }
};

// The stored value, whatever its type; `why` says why it is not a connection list when it is not data.
Copy copyOf(const PreferencesStore& store, const QString& key, QString* why)
{
    Copy copy;
    copy.data = store.dataValue(key);
    if (!copy.data.isNull()) {
        return copy;
    }
    if (const auto dictionary = store.realDictionaryValue(key)) {
        copy.kind = Copy::Kind::dictionary;
        copy.dictionary = *dictionary;
        *why = StoredConnectionList::tr("it holds a dictionary of numbers, not data");
    } else if (const QStringList list = store.stringListValue(key); !list.isEmpty()) {
        copy.kind = Copy::Kind::list;
        copy.list = list;
        *why = StoredConnectionList::tr("it holds a list of texts, not data");
    } else {
        copy.kind = Copy::Kind::text;
        copy.text = store.stringValue(key); // numbers and booleans read as their text
        *why = StoredConnectionList::tr("it holds a text or a number, not data");
    }
    return copy;
}

} // namespace

StoredConnectionList StoredConnectionList::read(PreferencesStore& store, const QString& key)
{
    StoredConnectionList result;
    if (!store.contains(key)) {
        return result;
    }
    QString why;
    const Copy copy = copyOf(store, key, &why);
    if (copy.kind == Copy::Kind::data) {
        if (auto decoded = PushConnection::decodeList(copy.data, &why)) {
            result.connections = std::move(*decoded);
            return result;
        }
    }

    // Never overwrite an earlier copy of a different value.
    for (int n = 1;; ++n) {
        const QString candidate =
            key + QStringLiteral("_unreadable") + (n == 1 ? QString() : QStringLiteral("_%1").arg(n));
        if (!store.contains(candidate)) {
            copy.writeTo(store, candidate);
            result.backupKey = candidate;
            break;
        }
        if (copy.isIn(store, candidate)) {
            result.backupKey = candidate;
            break;
        }
    }
    result.problem =
        tr("The connection list stored under \"%1\" cannot be read (%2), so no "
           "connections were loaded. A copy of it is kept under \"%3\" in %4; fix it there, or add the "
           "connections again.")
            .arg(key, why, result.backupKey, store.path());
    return result;
}

} // namespace ondrix
