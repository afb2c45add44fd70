#pragma once

#include "model/PushConnection.h"
#include "transfer/FTPError.h"
#include "transfer/RemoteItem.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <variant>

class QThreadPool;

namespace ondrix {

class CurlTransferClient;

// The asynchronous front of one connection's server for the remote browser and the folder picker: lists
// folders and creates, renames and deletes entries. Lives on the main thread and runs its operations one at
// a time in the order they were asked for; the blocking libcurl work of each runs on the transfer pool, so
// the main thread stays free while an operation waits for the network. Results come back on the main
// thread, to the caller's callback (dropped when its context object is gone) and into the observable state a
// browser view shows.
class FTPBrowserService : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString currentPath READ currentPath NOTIFY currentPathChanged)
    Q_PROPERTY(QList<ondrix::RemoteItem> items READ items NOTIFY itemsChanged)
    Q_PROPERTY(bool isLoading READ isLoading NOTIFY isLoadingChanged)
    Q_PROPERTY(QString errorMessage READ errorMessage NOTIFY errorMessageChanged)

public:
    using ListingResult = std::variant<QList<RemoteItem>, FTPError>;
    using ListingCallback = std::function<void(const ListingResult& result)>;
    // Nothing on success.
    using CommandCallback = std::function<void(const std::optional<FTPError>& error)>;

    // `pool` runs the blocking work and must outlive the service.
    FTPBrowserService(PushConnection connection, QThreadPool* pool, QObject* parent = nullptr);
    ~FTPBrowserService() override;

    const PushConnection& connection() const { return m_connection; }

    // The folder of the last successful listing ("/"-framed) and its entries, folders first.
    QString currentPath() const { return m_currentPath; }
    QList<RemoteItem> items() const { return m_items; }
    // True while an operation runs or waits.
    bool isLoading() const { return m_isLoading; }
    // The description of the last failure; cleared when a listing starts.
    QString errorMessage() const { return m_errorMessage; }

    // Lists `path` (a leading and a trailing "/" are added when missing). When the long listing gives no
    // entries, the names-only listing is used and all its entries are files.
    void listDirectory(const QString& path, QObject* context = nullptr, ListingCallback done = {});
    // Sends the create-folder command; a refusal by the server is not reported.
    void createFolder(const QString& path, QObject* context = nullptr, CommandCallback done = {});
    // Removes a folder (which must be empty) when `isDirectory`, a file otherwise.
    void deleteItem(const QString& path, bool isDirectory, QObject* context = nullptr,
                    CommandCallback done = {});
    void renameItem(const QString& from, const QString& to, QObject* context = nullptr,
                    CommandCallback done = {});

    // The listing step on its own: the long listing of `directory` parsed and sorted, or, when that gives no
    // entries, the names-only listing. `fetch` returns the listing text (names only when asked).
    using Fetch = std::function<std::variant<QString, FTPError>(bool namesOnly)>;
    static ListingResult entriesOf(const QString& directory, const Fetch& fetch);

    // The URL whose listing is the folder `path`.
    static QByteArray listingUrl(const PushConnection& connection, const QString& path);

Q_SIGNALS:
    void currentPathChanged();
    void itemsChanged();
    void isLoadingChanged();
    void errorMessageChanged();
    // Every failed operation, with the error's description, after errorMessage was set.
    void operationFailed(const QString& description);

private:
    using Operation = std::function<void()>;

    void enqueue(Operation operation);
    void finishOperation();
    void startNext();
    void runCommand(std::function<std::optional<FTPError>(const CurlTransferClient&)> work,
                    QPointer<QObject> context, bool hasContext, CommandCallback done);
    void applyListing(const QString& path, const ListingResult& result);
    void fail(const FTPError& error);

    void setCurrentPath(const QString& path);
    void setItems(const QList<RemoteItem>& items);
    void setLoading(bool loading);
    void setErrorMessage(const QString& message);

    PushConnection m_connection;
    QThreadPool* m_pool;
    std::shared_ptr<const CurlTransferClient> m_client;
    std::deque<Operation> m_pending;
    bool m_running = false;

    QString m_currentPath;
    QList<RemoteItem> m_items;
    bool m_isLoading = false;
    QString m_errorMessage;
};

} // namespace ondrix
