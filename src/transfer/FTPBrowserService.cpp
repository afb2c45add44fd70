#include "transfer/FTPBrowserService.h"

#include "model/RemotePath.h"
#include "transfer/CurlTransferClient.h"
#include "transfer/RemoteListingParser.h"
#include "transfer/RemoteUrl.h"

#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>

namespace ondrix {

namespace {

// Runs `work` on `pool` and hands its result to `done` on `receiver`'s thread. A destroyed receiver drops
// the result; work that the pool discarded unrun reports itself cancelled, so a waiting operation always
// ends.
template <typename T>
void runOnPool(QThreadPool* pool, QObject* receiver, std::function<T()> work,
               std::function<void(const T&)> done)
{
    auto* watcher = new QFutureWatcher<T>(receiver);
    QObject::connect(watcher, &QFutureWatcherBase::finished, receiver, [watcher, done = std::move(done)] {
        watcher->deleteLater();
        if (watcher->future().resultCount() > 0) {
            done(watcher->result());
        } else {
            done(T(FTPError::cancelled()));
        }
    });
    auto promise = std::make_shared<QPromise<T>>();
    watcher->setFuture(promise->future());
    pool->start([promise, work = std::move(work)] {
        promise->start();
        promise->addResult(work());
        promise->finish();
    });
}

} // namespace

FTPBrowserService::FTPBrowserService(PushConnection connection, QThreadPool* pool, QObject* parent)
    : QObject(parent)
    , m_connection(std::move(connection))
    , m_pool(pool)
    , m_client(std::make_shared<const CurlTransferClient>(m_connection))
{
    Q_ASSERT(m_pool != nullptr);
}

FTPBrowserService::~FTPBrowserService() = default;

FTPBrowserService::ListingResult FTPBrowserService::entriesOf(const QString& directory, const Fetch& fetch)
{
    if (std::optional<FTPError> refusal = RemoteCommand::refuseUnsafePath(directory)) {
        return *refusal;
    }
    std::variant<QString, FTPError> listing = fetch(false);
    if (const FTPError* error = std::get_if<FTPError>(&listing)) {
        return *error;
    }
    QList<RemoteItem> items = RemoteListingParser::parseListing(std::get<QString>(listing), directory);
    if (items.isEmpty()) {
        // An empty folder, or a listing style the parser does not know: the names at least can be shown.
        std::variant<QString, FTPError> names = fetch(true);
        if (const FTPError* error = std::get_if<FTPError>(&names)) {
            return *error;
        }
        items = RemoteListingParser::parseNameList(std::get<QString>(names), directory);
    }
    RemoteItem::sort(items);
    return items;
}

QByteArray FTPBrowserService::listingUrl(const PushConnection& connection, const QString& path)
{
    // Percent-encoded as uploads are: libcurl refuses a URL with a space in it, and a "#", "?" or "%" in a
    // folder name would otherwise list some other folder.
    return serverUrl(connection, percentEncodePath(RemotePath::asDirectory(path)));
}

void FTPBrowserService::listDirectory(const QString& path, QObject* context, ListingCallback done)
{
    const QPointer<QObject> receiver(context);
    const bool hasContext = context != nullptr;
    enqueue([this, path, receiver, hasContext, done = std::move(done)] {
        setErrorMessage(QString());
        const QString directory = RemotePath::asDirectory(path);
        std::shared_ptr<const CurlTransferClient> client = m_client;
        runOnPool<ListingResult>(
            m_pool, this,
            [client, directory] {
                const QByteArray url = listingUrl(client->config(), directory);
                return entriesOf(directory, [&](bool namesOnly) {
                    return namesOnly ? client->fetchNameList(url) : client->fetchListing(url);
                });
            },
            [this, directory, receiver, hasContext, done](const ListingResult& result) {
                applyListing(directory, result);
                if (done && (!hasContext || receiver)) {
                    done(result);
                }
                finishOperation();
            });
    });
}

void FTPBrowserService::createFolder(const QString& path, QObject* context, CommandCallback done)
{
    runCommand([path](const CurlTransferClient& client) { return client.makeDirectory(path); }, context,
               context != nullptr, std::move(done));
}

void FTPBrowserService::deleteItem(const QString& path, bool isDirectory, QObject* context,
                                   CommandCallback done)
{
    runCommand(
        [path, isDirectory](const CurlTransferClient& client) {
            return isDirectory ? client.removeDirectory(path) : client.deleteFile(path);
        },
        context, context != nullptr, std::move(done));
}

void FTPBrowserService::renameItem(const QString& from, const QString& to, QObject* context,
                                   CommandCallback done)
{
    runCommand([from, to](const CurlTransferClient& client) { return client.rename(from, to); }, context,
               context != nullptr, std::move(done));
}

void FTPBrowserService::runCommand(std::function<std::optional<FTPError>(const CurlTransferClient&)> work,
                                   QPointer<QObject> context, bool hasContext, CommandCallback done)
{
    enqueue([this, work = std::move(work), context, hasContext, done = std::move(done)] {
        std::shared_ptr<const CurlTransferClient> client = m_client;
        runOnPool<std::optional<FTPError>>(
            m_pool, this, [client, work] { return work(*client); },
            [this, context, hasContext, done](const std::optional<FTPError>& error) {
                if (error) {
                    fail(*error);
                }
                if (done && (!hasContext || context)) {
                    done(error);
                }
                finishOperation();
            });
    });
}

void FTPBrowserService::applyListing(const QString& path, const ListingResult& result)
{
    if (const FTPError* error = std::get_if<FTPError>(&result)) {
        fail(*error);
        return;
    }
    setCurrentPath(path);
    setItems(std::get<QList<RemoteItem>>(result));
}

void FTPBrowserService::fail(const FTPError& error)
{
    setErrorMessage(error.description());
    Q_EMIT operationFailed(m_errorMessage);
}

void FTPBrowserService::enqueue(Operation operation)
{
    m_pending.push_back(std::move(operation));
    setLoading(true);
    if (!m_running) {
        startNext();
    }
}

void FTPBrowserService::startNext()
{
    m_running = true;
    Operation operation = std::move(m_pending.front());
    m_pending.pop_front();
    operation();
}

void FTPBrowserService::finishOperation()
{
    m_running = false;
    if (m_pending.empty()) {
        setLoading(false);
    } else {
        startNext();
    }
}

void FTPBrowserService::setCurrentPath(const QString& path)
{
    if (m_currentPath != path) {
        m_currentPath = path;
        Q_EMIT currentPathChanged();
    }
}

void FTPBrowserService::setItems(const QList<RemoteItem>& items)
{
    if (m_items != items) {
        m_items = items;
        Q_EMIT itemsChanged();
    }
}

void FTPBrowserService::setLoading(bool loading)
{
    if (m_isLoading != loading) {
        m_isLoading = loading;
        Q_EMIT isLoadingChanged();
    }
}

void FTPBrowserService::setErrorMessage(const QString& message)
{
    if (m_errorMessage != message) {
        m_errorMessage = message;
        Q_EMIT errorMessageChanged();
    }
}

} // namespace ondrix
