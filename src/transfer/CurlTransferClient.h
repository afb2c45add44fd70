#pragma once

#include "model/PushConnection.h"
#include "transfer/FTPError.h"
#include "transfer/RemoteCommand.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <variant>

namespace ondrix {

class CurlConnectionCache;
class CurlHandle;

// Single blocking operations on one connection's server for the remote browser: directory listings and the
// create, remove, delete and rename commands. Meant for a worker thread; calls may run at once from several
// threads. Each call uses its own libcurl handle; all calls of one client share a connection cache, so
// browsing a server does not log in again for every folder.
class CurlTransferClient {
public:
    using Command = RemoteCommand::Kind;

    // Called with each operation's handle just before it performs: for diagnostics and tests.
    using HandleInspector = std::function<void(const CurlHandle& handle)>;

    explicit CurlTransferClient(PushConnection config);

    const PushConnection& config() const { return m_config; }

    // The full listing the server returns for `url` (a directory URL ending in "/"), decoded as file names
    // are (FileName): bytes that are not UTF-8 are kept, not lost. An FTP server is asked for MLSD, whose
    // lines carry exact dates, and for LIST when it does not know MLSD (from then on).
    [[nodiscard]] std::variant<QString, FTPError> fetchListing(const QByteArray& url) const;
    // The same as names only.
    [[nodiscard]] std::variant<QString, FTPError> fetchNameList(const QByteArray& url) const;

    // The command operations send what RemoteCommand builds, and nothing for a path it refuses. A refusal of
    // MKD (for instance because the folder exists) is not reported; the next listing shows
    // whether the folder is there.
    [[nodiscard]] std::optional<FTPError> makeDirectory(const QString& path) const;
    [[nodiscard]] std::optional<FTPError> removeDirectory(const QString& path) const;
    [[nodiscard]] std::optional<FTPError> deleteFile(const QString& path) const;
    [[nodiscard]] std::optional<FTPError> rename(const QString& from, const QString& to) const;

    void setHandleInspector(HandleInspector inspector) { m_inspector = std::move(inspector); }

    // A listing larger than this fails with an error that says so.
    static constexpr qint64 kMaxListingBytes = 64LL * 1024 * 1024;
    void setMaxListingBytes(qint64 bytes) { m_maxListingBytes = bytes; }

private:
    enum class ListingKind { full, namesOnly, facts };
    std::variant<QString, FTPError> fetch(const QByteArray& url, ListingKind kind) const;
    std::optional<FTPError> run(Command command, const QString& path, const QString& to = {}) const;
    void setUp(CurlHandle& handle) const;

    PushConnection m_config;
    std::shared_ptr<CurlConnectionCache> m_cache;
    HandleInspector m_inspector;
    qint64 m_maxListingBytes = kMaxListingBytes;
    // Set once the server turned MLSD down; shared by copies, read and written on pool threads.
    std::shared_ptr<std::atomic_bool> m_factsRefused = std::make_shared<std::atomic_bool>(false);
};

} // namespace ondrix
