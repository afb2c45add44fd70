#include "transfer/CurlTransferClient.h"

#include "platform/FileName.h"
#include "transfer/CurlConnectionCache.h"
#include "transfer/CurlGlobal.h"
#include "transfer/CurlHandle.h"

#include <QCoreApplication>
#include <QLocale>

namespace ondrix {

namespace {

// A listing as it arrives, up to a limit: a server that sends without end must not use up the memory.
struct ListingBuffer {
    QByteArray bytes;
    qint64 limit = 0;
    bool overflowed = false;
};

size_t appendToBuffer(char* data, size_t size, size_t count, void* target)
{
    const size_t bytes = size * count;
    auto* buffer = static_cast<ListingBuffer*>(target);
    if (data == nullptr || buffer == nullptr || bytes == 0) {
        return 0;
    }
    if (qint64(buffer->bytes.size()) + qint64(bytes) > buffer->limit) {
        buffer->overflowed = true;
        return 0; // libcurl ends the transfer
    }
    buffer->bytes.append(data, static_cast<qsizetype>(bytes));
    return bytes;
}

size_t discard(char*, size_t size, size_t count, void*)
{
    return size * count;
}

} // namespace

CurlTransferClient::CurlTransferClient(PushConnection config)
    : m_config(std::move(config))
    , m_cache(std::make_shared<CurlConnectionCache>())
{
    ensureCurlInitialized();
}

void CurlTransferClient::setUp(CurlHandle& handle) const
{
    handle.set(CURLOPT_CONNECTTIMEOUT, 10L);
    handle.set(CURLOPT_TIMEOUT, 300L);
    handle.set(CURLOPT_NOSIGNAL, 1L);
    handle.applyProtocolOptions(m_config);
    // Browsing downloads listings, so the connection's cap limits receiving here.
    if (m_config.maxBandwidthKBps >= 1) {
        handle.set(CURLOPT_MAX_RECV_SPEED_LARGE, CurlHandle::bytesPerSecond(m_config.maxBandwidthKBps));
    }
}

std::variant<QString, FTPError> CurlTransferClient::fetch(const QByteArray& url, ListingKind kind) const
{
    if (url.contains('\r') || url.contains('\n') || url.contains('\0')) {
        return *RemoteCommand::refuseUnsafePath(QString::fromUtf8(url));
    }
    CurlHandle handle(m_cache);
    if (!handle.isValid()) {
        return CurlHandle::initializationFailure();
    }
    ListingBuffer buffer;
    buffer.limit = m_maxListingBytes;
    handle.set(CURLOPT_URL, url);
    handle.setLogin(m_config.username, m_config.password);
    setUp(handle);
    if (kind == ListingKind::namesOnly) {
        handle.set(CURLOPT_DIRLISTONLY, 1L);
    } else if (kind == ListingKind::facts) {
        handle.set(CURLOPT_CUSTOMREQUEST, "MLSD");
    }
    handle.set(CURLOPT_WRITEFUNCTION, &appendToBuffer);
    handle.set(CURLOPT_WRITEDATA, static_cast<void*>(&buffer));
    if (m_inspector) {
        m_inspector(handle);
    }
    const CURLcode result = handle.perform();
    if (buffer.overflowed) {
        return FTPError::transferFailed(
            QCoreApplication::translate("CurlTransferClient",
                                        "The server's listing of this folder is larger than %1, so it is not "
                                        "shown; open a sub-folder, or tidy this folder on the server")
                .arg(QLocale::c().formattedDataSize(m_maxListingBytes, 0, QLocale::DataSizeIecFormat)));
    }
    if (result != CURLE_OK) {
        return handle.errorFor(result);
    }
    // Names are bytes on the server too: one that is not UTF-8 keeps its bytes (and stays usable for rename
    // and delete) instead of spoiling the whole listing.
    return FileName::decode(buffer.bytes);
}

std::variant<QString, FTPError> CurlTransferClient::fetchListing(const QByteArray& url) const
{
    if (m_config.transferProtocol == TransferProtocol::sftp || m_factsRefused->load()) {
        return fetch(url, ListingKind::full);
    }
    std::variant<QString, FTPError> facts = fetch(url, ListingKind::facts);
    const FTPError* error = std::get_if<FTPError>(&facts);
    // The folder was entered, but the listing command was refused: a server without MLSD.
    if (error == nullptr || error->kind() != FTPError::Kind::curlExitCode ||
        error->code() != CURLE_FTP_COULDNT_RETR_FILE) {
        return facts;
    }
    std::variant<QString, FTPError> listing = fetch(url, ListingKind::full);
    if (std::holds_alternative<QString>(listing)) {
        m_factsRefused->store(true);
    }
    return listing;
}

std::variant<QString, FTPError> CurlTransferClient::fetchNameList(const QByteArray& url) const
{
    return fetch(url, ListingKind::namesOnly);
}

std::optional<FTPError> CurlTransferClient::run(Command command, const QString& path, const QString& to) const
{
    std::variant<QList<QByteArray>, FTPError> lines =
        RemoteCommand::lines(m_config.transferProtocol, command, path, to);
    if (const FTPError* refusal = std::get_if<FTPError>(&lines)) {
        return *refusal;
    }
    CurlHandle handle(m_cache);
    if (!handle.isValid()) {
        return CurlHandle::initializationFailure();
    }
    curl_slist* commands = nullptr;
    for (const QByteArray& line : std::get<QList<QByteArray>>(lines)) {
        commands = curl_slist_append(commands, line.constData());
    }
    // The host is trimmed here as everywhere else: with a stray space or newline libcurl refuses the URL.
    handle.setServer(m_config, QByteArrayLiteral("/"));
    setUp(handle);
    handle.set(CURLOPT_QUOTE, commands);
    handle.set(CURLOPT_WRITEFUNCTION, &discard);
    // Only the commands are wanted, not the listing of "/" that would follow them.
    handle.set(CURLOPT_NOBODY, 1L);
    if (m_inspector) {
        m_inspector(handle);
    }
    const CURLcode result = handle.perform();
    curl_slist_free_all(commands);
    if (result != CURLE_OK && command != Command::makeDirectory) {
        return handle.errorFor(result);
    }
    return std::nullopt;
}

std::optional<FTPError> CurlTransferClient::makeDirectory(const QString& path) const
{
    return run(Command::makeDirectory, path);
}

std::optional<FTPError> CurlTransferClient::removeDirectory(const QString& path) const
{
    return run(Command::removeDirectory, path);
}

std::optional<FTPError> CurlTransferClient::deleteFile(const QString& path) const
{
    return run(Command::deleteFile, path);
}

std::optional<FTPError> CurlTransferClient::rename(const QString& from, const QString& to) const
{
    return run(Command::rename, from, to);
}

} // namespace ondrix
