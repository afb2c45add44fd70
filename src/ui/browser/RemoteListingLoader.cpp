#include "ui/browser/RemoteListingLoader.h"

#include "transfer/FTPBrowserService.h"
#include "transfer/FailureAdvice.h"

#include <QThreadPool>
#include <QTimer>

namespace ondrix {

RemoteListingLoader::RemoteListingLoader(const PushConnection& connection, QThreadPool& pool, QObject* parent)
    : QObject(parent)
    , m_connection(connection)
    , m_pool(pool)
{
    m_service = makeService();
}

RemoteListingLoader::~RemoteListingLoader()
{
    retire(m_service);
    retire(m_leftBehind);
}

FTPBrowserService* RemoteListingLoader::makeService()
{
    return new FTPBrowserService(m_connection, &m_pool, this);
}

void RemoteListingLoader::list(const QString& folder)
{
    if (m_listingsInFlight > 0 && m_commandsInFlight == 0 && !m_leftBehind) {
        leaveStuckServiceBehind();
    }
    const quint64 request = ++m_newestListing;
    ++m_listingsInFlight;
    FTPBrowserService* service = m_service;
    updateLoading();
    service->listDirectory(folder, this, [this, service, request, folder](const auto& result) {
        if (service != m_service) {
            // Only the service left behind answers for a service that is no longer current.
            if (--m_leftBehindInFlight == 0 && m_leftBehind) {
                // Not from inside the service's own callback: it still has to finish the operation.
                QTimer::singleShot(0, this, [this, service] {
                    if (m_leftBehind == service) {
                        m_leftBehind = nullptr;
                        retire(service);
                    }
                });
            }
            Q_EMIT answerDropped(folder);
            return;
        }
        --m_listingsInFlight;
        updateLoading();
        if (request != m_newestListing) {
            Q_EMIT answerDropped(folder);
            return;
        }
        if (const FTPError* error = std::get_if<FTPError>(&result)) {
            Q_EMIT listingFailed(folder, FailureAdvice::explained(m_connection, *error));
        } else {
            Q_EMIT listed(folder, std::get<QList<RemoteItem>>(result));
        }
    });
}

void RemoteListingLoader::retire(FTPBrowserService* service)
{
    // Destroying a service closes its cached server connections, and libcurl says goodbye (FTP's QUIT, the
    // SSH disconnect) and waits for the answer: on a stuck server that is a long wait, so it happens on the
    // pool, never on the main thread. Detached from every thread first, the service may be deleted there;
    // work of it still running holds only shared state and its result finds no receiver.
    if (service == nullptr) {
        return;
    }
    service->disconnect();
    service->setParent(nullptr);
    service->moveToThread(nullptr);
    m_pool.start([service] { delete service; });
}

void RemoteListingLoader::leaveStuckServiceBehind()
{
    m_leftBehind = m_service;
    m_leftBehindInFlight = m_listingsInFlight;
    m_listingsInFlight = 0;
    m_service = makeService();
}

void RemoteListingLoader::createFolder(const QString& path, Done done)
{
    commandStarted();
    m_service->createFolder(path, this, [this, done = std::move(done)](const std::optional<FTPError>& error) {
        commandFinished();
        done(error ? std::optional<QString>(FailureAdvice::explained(m_connection, *error)) : std::nullopt);
    });
}

void RemoteListingLoader::rename(const QString& from, const QString& to, Done done)
{
    commandStarted();
    m_service->renameItem(
        from, to, this, [this, done = std::move(done)](const std::optional<FTPError>& error) {
            commandFinished();
            done(error ? std::optional<QString>(FailureAdvice::explained(m_connection, *error))
                       : std::nullopt);
        });
}

void RemoteListingLoader::remove(const QList<RemoteItem>& items,
                                 std::function<void(const RemoteItem&)> deleted, Done done)
{
    commandStarted();
    removeNext(items, std::move(deleted), std::move(done));
}

void RemoteListingLoader::removeNext(QList<RemoteItem> remaining,
                                     std::function<void(const RemoteItem&)> deleted, Done done)
{
    if (remaining.isEmpty()) {
        commandFinished();
        done(std::nullopt);
        return;
    }
    const RemoteItem item = remaining.takeFirst();
    m_service->deleteItem(item.id, item.isDirectory, this,
                          [this, item, remaining, deleted = std::move(deleted),
                           done = std::move(done)](const std::optional<FTPError>& error) mutable {
                              if (error) {
                                  commandFinished();
                                  done(FailureAdvice::explained(m_connection, *error));
                                  return;
                              }
                              deleted(item);
                              removeNext(std::move(remaining), std::move(deleted), std::move(done));
                          });
}

void RemoteListingLoader::commandStarted()
{
    ++m_commandsInFlight;
    updateLoading();
}

void RemoteListingLoader::commandFinished()
{
    --m_commandsInFlight;
    updateLoading();
}

void RemoteListingLoader::updateLoading()
{
    const bool loading = m_listingsInFlight > 0 || m_commandsInFlight > 0;
    if (loading != m_loading) {
        m_loading = loading;
        Q_EMIT loadingChanged(loading);
    }
}

} // namespace ondrix
