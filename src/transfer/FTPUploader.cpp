#include "transfer/FTPUploader.h"

#include "transfer/CurlConnectionCache.h"
#include "transfer/CurlGlobal.h"
#include "transfer/CurlHandle.h"
#include "transfer/RemoteUrl.h"

#include <QFile>

#include <sys/stat.h>

#include <cstdio>

namespace ondrix {

namespace {

// What libcurl's transfer-info callback gets for one upload; lives until the transfer returns.
struct UploadProgressContext {
    FTPUploader::ProgressFunction callback;
    qint64 totalBytes = 0;
};

// Bytes libcurl reads from the file at a time for an uncapped upload.
constexpr long kUploadBufferSize = 512 * 1024;

size_t readFromFile(char* buffer, size_t size, size_t count, void* file)
{
    if (buffer == nullptr || file == nullptr) {
        return 0;
    }
    return std::fread(buffer, size, count, static_cast<std::FILE*>(file));
}

size_t discard(char*, size_t size, size_t count, void*)
{
    return size * count;
}

int reportProgress(void* context, curl_off_t, curl_off_t, curl_off_t uploadTotal, curl_off_t uploadNow)
{
    const auto* progress = static_cast<const UploadProgressContext*>(context);
    if (progress == nullptr) {
        return 0;
    }
    progress->callback(qint64(uploadNow), uploadTotal > 0 ? qint64(uploadTotal) : progress->totalBytes);
    return 0;
}

// The quote-command argument for a path. libcurl's SFTP command parser splits at blanks unless the path is
// quoted, so a folder name with a space is quoted there; FTP sends the line as it is.
QByteArray quoteCommand(TransferProtocol protocol, const QString& path)
{
    const QByteArray bytes = path.toUtf8();
    if (protocol != TransferProtocol::sftp) {
        return QByteArrayLiteral("MKD ") + bytes;
    }
    if (!bytes.contains(' ') && !bytes.contains('"') && !bytes.contains('\t')) {
        return QByteArrayLiteral("mkdir ") + bytes;
    }
    QByteArray quoted = bytes;
    quoted.replace('\\', "\\\\").replace('"', "\\\"");
    return QByteArrayLiteral("mkdir \"") + quoted + '"';
}

} // namespace

FTPUploader::FTPUploader(PushConnection connection, ConnectionReuse reuse)
    : m_connection(std::move(connection))
{
    ensureCurlInitialized();
    if (reuse == ConnectionReuse::shared) {
        m_cache = std::make_shared<CurlConnectionCache>();
    }
}

std::optional<FTPError> FTPUploader::upload(const QString& localPath, const QString& remotePath,
                                            const ProgressFunction& progress, LocalFileVersion* opened) const
{
    CurlHandle handle(m_cache);
    if (!handle.isValid()) {
        return CurlHandle::initializationFailure();
    }
    std::FILE* file = std::fopen(QFile::encodeName(localPath).constData(), "rb");
    if (file == nullptr) {
        return FTPError::localFileNotReadable(localPath);
    }
    // A directory opens for reading on Linux, but there is nothing to read.
    struct stat status {};
    const bool isDirectory = fstat(fileno(file), &status) == 0 && S_ISDIR(status.st_mode);
    if (opened != nullptr && !isDirectory) {
        opened->size = qint64(status.st_size);
        opened->modifiedNs = qint64(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec;
        opened->device = quint64(status.st_dev);
        opened->inode = quint64(status.st_ino);
    }
    qint64 size = -1;
    if (!isDirectory && std::fseek(file, 0, SEEK_END) == 0) {
        size = ftello(file);
    }
    if (size < 0 || std::fseek(file, 0, SEEK_SET) != 0) {
        std::fclose(file);
        return FTPError::localFileNotReadable(localPath);
    }

    handle.setServer(m_connection, percentEncodePath(remotePath));
    handle.set(CURLOPT_UPLOAD, 1L);
    handle.set(CURLOPT_INFILESIZE_LARGE, curl_off_t(size));
    handle.set(CURLOPT_CONNECTTIMEOUT, 10L);
    handle.set(CURLOPT_NOSIGNAL, 1L);
    handle.set(CURLOPT_TIMEOUT, 0L);
    handle.set(CURLOPT_LOW_SPEED_LIMIT, 10L);
    handle.set(CURLOPT_LOW_SPEED_TIME, 60L);
    handle.set(CURLOPT_READFUNCTION, &readFromFile);
    handle.set(CURLOPT_READDATA, static_cast<void*>(file));
    handle.set(CURLOPT_WRITEFUNCTION, &discard);
    handle.applyProtocolOptions(m_connection);
    // A single MKD of the last level cannot create nested folders whose middle levels are missing; without
    // this such a file would fail on every retry.
    handle.set(CURLOPT_FTP_CREATE_MISSING_DIRS, long(CURLFTP_CREATE_DIR_RETRY));

    if (m_connection.maxBandwidthKBps > 0) {
        handle.set(CURLOPT_MAX_SEND_SPEED_LARGE, curl_off_t(m_connection.maxBandwidthKBps) * 1024);
    } else {
        // libcurl's 64 KiB default makes SFTP send small packets and wait for each; larger reads keep
        // libssh2's window full and FTP's system calls few. A capped transfer keeps the default so that its
        // steps stay fine.
        handle.set(CURLOPT_UPLOAD_BUFFERSIZE, kUploadBufferSize);
    }
    std::unique_ptr<UploadProgressContext> context;
    if (progress) {
        context = std::make_unique<UploadProgressContext>(UploadProgressContext{progress, size});
        handle.set(CURLOPT_NOPROGRESS, 0L);
        handle.set(CURLOPT_XFERINFODATA, static_cast<void*>(context.get()));
        handle.set(CURLOPT_XFERINFOFUNCTION, &reportProgress);
    }
    if (m_inspector) {
        m_inspector(handle);
    }
    const CURLcode result = handle.perform();
    std::fclose(file);
    if (result != CURLE_OK) {
        return handle.errorFor(result);
    }
    return std::nullopt;
}

std::optional<FTPError> FTPUploader::createDirectory(const QString& remotePath) const
{
    CurlHandle handle(m_cache);
    if (!handle.isValid()) {
        return CurlHandle::initializationFailure();
    }
    curl_slist* commands =
        curl_slist_append(nullptr, quoteCommand(m_connection.transferProtocol, remotePath).constData());
    handle.setServer(m_connection, QByteArrayLiteral("/"));
    handle.set(CURLOPT_CONNECTTIMEOUT, 10L);
    handle.set(CURLOPT_NOSIGNAL, 1L);
    handle.set(CURLOPT_WRITEFUNCTION, &discard);
    handle.set(CURLOPT_QUOTE, commands);
    // Only the command is wanted, not the listing of "/" that would follow it.
    handle.set(CURLOPT_NOBODY, 1L);
    handle.applyProtocolOptions(m_connection);
    if (m_inspector) {
        m_inspector(handle);
    }
    handle.perform();
    curl_slist_free_all(commands);
    return std::nullopt;
}

std::optional<FTPError> FTPUploader::testConnection() const
{
    CurlHandle handle(m_cache);
    if (!handle.isValid()) {
        return CurlHandle::initializationFailure();
    }
    handle.setServer(m_connection, QByteArrayLiteral("/"));
    handle.set(CURLOPT_CONNECTTIMEOUT, 10L);
    handle.set(CURLOPT_TIMEOUT, 15L);
    handle.set(CURLOPT_NOSIGNAL, 1L);
    handle.set(CURLOPT_WRITEFUNCTION, &discard);
    handle.applyProtocolOptions(m_connection);
    if (m_inspector) {
        m_inspector(handle);
    }
    const CURLcode result = handle.perform();
    if (result != CURLE_OK && result != CURLE_LOGIN_DENIED) {
        return handle.errorFor(result);
    }
    return std::nullopt;
}

} // namespace ondrix
