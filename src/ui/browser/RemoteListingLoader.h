#pragma once

#include "model/PushConnection.h"
#include "transfer/RemoteItem.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class QThreadPool;

namespace ondrix {

class FTPBrowserService;

// The browser's and the folder picker's way to one connection's server: listings and the remote commands,
// through an FTPBrowserService whose blocking work runs on the transfer pool. Nothing here waits.
//
// Only the newest listing counts. Asking for another folder makes every listing still on its way moot: its
// answer is dropped (answerDropped), so a late answer never replaces the folder the user has opened since.
// And a listing stuck on a slow server does not hold the next one up: when only listings are in flight, the
// stuck service is left to finish on its own and a fresh one takes the new request. At most one service is
// left behind at a time, so a user clicking "Retry" on a hanging server ties up at most two pool threads.
// Commands are never left behind: a listing asked for while one runs waits for it, as the user expects to
// see its effect.
//
// Main thread.
class RemoteListingLoader : public QObject {
    Q_OBJECT

public:
    // Nothing on success, else the error's description.
    using Done = std::function<void(const std::optional<QString>& error)>;

    // `pool` must outlive the loader.
    RemoteListingLoader(const PushConnection& connection, QThreadPool& pool, QObject* parent = nullptr);
    ~RemoteListingLoader() override;

    const PushConnection& connection() const { return m_connection; }

    // Asks for the listing of `folder`; listed or listingFailed follows, unless a newer request comes first.
    void list(const QString& folder);
    // True while the newest listing or any command is on its way.
    bool isLoading() const { return m_loading; }

    void createFolder(const QString& path, Done done);
    void rename(const QString& from, const QString& to, Done done);
    // Deletes the entries one after another and stops at the first failure. `deleted` gets every entry
    // that is gone, before `done`.
    void remove(const QList<RemoteItem>& items, std::function<void(const RemoteItem&)> deleted, Done done);

Q_SIGNALS:
    void loadingChanged(bool loading);
    void listed(const QString& folder, const QList<ondrix::RemoteItem>& items);
    void listingFailed(const QString& folder, const QString& message);
    // The answer to a listing the user no longer waits for arrived and was thrown away.
    void answerDropped(const QString& folder);

private:
    FTPBrowserService* makeService();
    void leaveStuckServiceBehind();
    void retire(FTPBrowserService* service);
    void removeNext(QList<RemoteItem> remaining, std::function<void(const RemoteItem&)> deleted, Done done);
    void commandStarted();
    void commandFinished();
    void updateLoading();

    const PushConnection m_connection;
    QThreadPool& m_pool;
    FTPBrowserService* m_service = nullptr;
    quint64 m_newestListing = 0;
    // Listings sent to m_service whose answers have not come back.
    int m_listingsInFlight = 0;
    int m_commandsInFlight = 0;
    // The service left to finish a stuck listing, and how many answers it still owes.
    QPointer<FTPBrowserService> m_leftBehind;
    int m_leftBehindInFlight = 0;
    bool m_loading = false;
};

} // namespace ondrix
