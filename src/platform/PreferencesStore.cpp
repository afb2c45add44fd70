#include "platform/PreferencesStore.h"

#include "platform/StoreRecovery.h"
#include "platform/StoreTransaction.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLoggingCategory>

#include <sqlite3.h>

#include <unordered_map>
#include <vector>

Q_LOGGING_CATEGORY(lcPreferences, "ondrix.preferences")

namespace ondrix {

// The connections of the threads other than the store's creator, one each, opened on a thread's first call.
struct PreferencesConnections {
    explicit PreferencesConnections(QString file)
        : path(std::move(file))
    {}

    const QString path;
    std::mutex mutex;
    // Null for a thread whose connection could not be opened: it uses the shared one.
    std::unordered_map<std::thread::id, std::unique_ptr<StoreConnection>> byThread;

    StoreConnection* forThisThread(const std::shared_ptr<PreferencesConnections>& self);
};

namespace {

// Closes the connections a thread holds when it ends, in every store still alive: pool threads come and go
// over a long run, and each connection holds a file descriptor and a page cache.
struct ThreadConnections {
    std::vector<std::weak_ptr<PreferencesConnections>> stores;
    ~ThreadConnections()
    {
        for (const auto& weak : stores) {
            if (const auto connections = weak.lock()) {
                std::unique_ptr<StoreConnection> own;
                {
                    std::lock_guard lock(connections->mutex);
                    const auto it = connections->byThread.find(std::this_thread::get_id());
                    if (it != connections->byThread.end()) {
                        own = std::move(it->second);
                        connections->byThread.erase(it);
                    }
                }
            }
        }
    }
};

thread_local ThreadConnections t_threadConnections;

} // namespace

StoreConnection* PreferencesConnections::forThisThread(const std::shared_ptr<PreferencesConnections>& self)
{
    const auto id = std::this_thread::get_id();
    std::lock_guard lock(mutex);
    if (const auto it = byThread.find(id); it != byThread.end()) {
        return it->second.get();
    }
    auto connection = std::make_unique<StoreConnection>(path);
    // The creator checked the file and its schema; this connection only joins it.
    if (connection->open(path, StoreConnection::Access::readWrite, false) != SQLITE_OK) {
        connection.reset();
    }
    // Stores gone since (a test's, a recovered one's) leave nothing behind on a thread that outlives them.
    std::erase_if(t_threadConnections.stores, [](const auto& weak) { return weak.expired(); });
    t_threadConnections.stores.push_back(self);
    return byThread.emplace(id, std::move(connection)).first->second.get();
}

PreferencesStore::PreferencesStore(const QString& path)
    : m_path(path)
    , m_creator(std::this_thread::get_id())
{
    StoreRecovery recovery(path);
    m_shared = recovery.takeConnection();
    m_movedAsidePath = recovery.movedAsidePath();
    m_openProblem = recovery.openProblem();
    m_persistent = recovery.access() == StoreConnection::Access::readWrite;
    if (m_persistent) {
        m_connections = std::make_shared<PreferencesConnections>(path);
    }
}

PreferencesStore::~PreferencesStore() = default;

PreferencesStore::Use PreferencesStore::use() const
{
    if (m_connections && std::this_thread::get_id() != m_creator) {
        if (StoreConnection* own = m_connections->forThisThread(m_connections)) {
            return {*own, std::unique_lock(own->mutex())};
        }
    }
    return {*m_shared, std::unique_lock(m_shared->mutex())};
}

std::optional<PreferenceValue> PreferencesStore::readRaw(const QString& key) const
{
    return use()->read(key);
}

bool PreferencesStore::contains(const QString& key) const
{
    return use()->contains(key);
}

bool PreferencesStore::boolValue(const QString& key) const
{
    const auto value = readRaw(key);
    return value && value->toBool();
}

qint64 PreferencesStore::integerValue(const QString& key) const
{
    const auto value = readRaw(key);
    return value ? value->toInteger() : 0;
}

double PreferencesStore::doubleValue(const QString& key) const
{
    const auto value = readRaw(key);
    return value ? value->toDouble() : 0.0;
}

QString PreferencesStore::stringValue(const QString& key) const
{
    const auto value = readRaw(key);
    return value ? value->toString() : QString();
}

QByteArray PreferencesStore::dataValue(const QString& key) const
{
    const auto value = readRaw(key);
    return value ? value->toData() : QByteArray();
}

QStringList PreferencesStore::stringListValue(const QString& key) const
{
    const auto value = readRaw(key);
    return value ? value->toStringList() : QStringList();
}

std::optional<PreferencesStore::RealDictionary>
PreferencesStore::realDictionaryValue(const QString& key) const
{
    const Use connection = use();
    const auto raw = connection->read(key);
    if (!raw || raw->type != QLatin1String("realDictionary")) {
        return std::nullopt;
    }
    return connection->entries(key);
}

void PreferencesStore::writeRaw(const QString& key, const char* type, const PreferenceValue& value)
{
    use()->write(key, type, value);
}

void PreferencesStore::setBool(const QString& key, bool value)
{
    writeRaw(key, "bool", {{}, PreferenceValue::Storage::integer, value ? 1 : 0, 0, {}});
}

void PreferencesStore::setInteger(const QString& key, qint64 value)
{
    writeRaw(key, "integer", {{}, PreferenceValue::Storage::integer, value, 0, {}});
}

void PreferencesStore::setDouble(const QString& key, double value)
{
    writeRaw(key, "double", {{}, PreferenceValue::Storage::real, 0, value, {}});
}

void PreferencesStore::setString(const QString& key, const QString& value)
{
    writeRaw(key, "string", {{}, PreferenceValue::Storage::text, 0, 0, value.toUtf8()});
}

void PreferencesStore::setData(const QString& key, const QByteArray& value)
{
    writeRaw(key, "data", {{}, PreferenceValue::Storage::blob, 0, 0, value});
}

void PreferencesStore::setStringList(const QString& key, const QStringList& value)
{
    const QByteArray json = QJsonDocument(QJsonArray::fromStringList(value)).toJson(QJsonDocument::Compact);
    writeRaw(key, "stringList", {{}, PreferenceValue::Storage::text, 0, 0, json});
}

void PreferencesStore::writeTogether(const std::function<void()>& writes)
{
    const Use connection = use();
    StoreTransaction transaction(connection.connection);
    writes();
    transaction.commit();
}

void PreferencesStore::eraseOverwritten()
{
    if (!use()->checkpoint()) {
        qCWarning(lcPreferences)
            << "The write-ahead log could not be emptied; values written over stay in it a while";
    }
}

void PreferencesStore::setRealDictionary(const QString& key, const RealDictionary& value)
{
    const Use connection = use();
    StoreTransaction transaction(connection.connection);
    if (transaction.began() && connection->writeDictionary(key, value)) {
        transaction.commit();
    }
}

void PreferencesStore::setRealDictionaryEntry(const QString& key, const QString& entry, double value)
{
    use()->writeEntry(key, entry, value);
}

void PreferencesStore::removeRealDictionaryEntry(const QString& key, const QString& entry)
{
    use()->removeEntry(key, entry);
}

void PreferencesStore::remove(const QString& key)
{
    use()->remove(key);
}

} // namespace ondrix
