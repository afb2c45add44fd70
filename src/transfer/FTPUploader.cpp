#include "transfer/FTPUploader.h"

#include "model/RemotePath.h"
#include "platform/FileName.h"
#include "platform/WatchedTree.h"
#include "transfer/CurlConnectionCache.h"
#include "transfer/CurlHandle.h"
#include "transfer/RemoteCommand.h"
#include "transfer/RemoteUrl.h"
#include "transfer/TransferDigest.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <variant>

namespace ondrix {

namespace {

Q_LOGGING_CATEGORY(lcUploader, "ondrix.transfer.uploader")

// What libcurl's transfer-info callback gets for one upload; lives until the transfer returns.
struct UploadProgressContext {
    FTPUploader::ProgressFunction callback;
    qint64 totalBytes = 0;
    const std::atomic_bool* abort = nullptr;
    // Bytes the server held before this transfer: counted as sent.
    qint64 alreadySent = 0;
};

// Bytes libcurl reads from the file at a time for an uncapped upload.
constexpr long kUploadBufferSize = 512 * 1024;
// The same for an SFTP file larger than that: libcurl's largest. libssh2 sends what libcurl hands it as a
// train of write requests and returns once the first is answered, so a larger buffer keeps more requests
// in flight and makes fewer calls (for four files of 256 MiB over loopback, about a quarter less CPU time).
constexpr long kLargeSftpUploadBufferSize = 2 * 1024 * 1024;

// Once armed, hands freed memory back to the system when it goes. glibc serves a large block again from the
// thread's heap once one was freed, and keeps it there: without this every upload thread that sent a large
// SFTP file would carry libcurl's 2 MiB buffer for good.
struct FreedMemoryReturn {
    bool armed = false;
    ~FreedMemoryReturn()
    {
#ifdef __GLIBC__
        if (armed) {
            ::malloc_trim(0);
        }
#endif
    }
};

// The opened local file and how much of it is still to be sent: no more than the size announced to the
// server, so bytes appended during the transfer do not go out beyond it.
struct OpenedFile {
    int fd = -1;
    qint64 size = 0;
    qint64 remaining = 0;
    // Fed every byte read; none when no digest is wanted.
    TransferDigest* digest = nullptr;
    const std::atomic_bool* abort = nullptr;
};

// Bytes read at a time for the digest of a resumed upload's head.
constexpr qint64 kHeadReadSize = 1024 * 1024;

// Feeds the digest the bytes of the file before `offset`, which a resumed upload does not send. This is the
// one case in which a byte is read for the digest alone: without it the digest would cover only the tail,
// and the server's checksum of the whole file could not be compared (the bytes the cut attempt left there
// are checked with the rest). False when the file cannot be read that far or the upload is being stopped.
bool digestHead(const OpenedFile& opened, qint64 offset)
{
    opened.digest->reset();
    QByteArray buffer(qsizetype(std::min(offset, kHeadReadSize)), Qt::Uninitialized);
    for (qint64 done = 0; done < offset;) {
        if (opened.abort != nullptr && opened.abort->load()) {
            return false;
        }
        const ssize_t n = ::pread(opened.fd, buffer.data(),
                                  size_t(std::min<qint64>(buffer.size(), offset - done)), off_t(done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        opened.digest->add(buffer.constData(), n);
        done += n;
    }
    return true;
}

// libcurl's seek to the offset a resumed upload goes on from; without it libcurl would read the bytes
// before it and throw them away.
int seekInFile(void* data, curl_off_t offset, int origin)
{
    auto* opened = static_cast<OpenedFile*>(data);
    if (opened == nullptr || origin != SEEK_SET || offset < 0 || offset > opened->size ||
        ::lseek(opened->fd, off_t(offset), SEEK_SET) != off_t(offset)) {
        return CURL_SEEKFUNC_CANTSEEK;
    }
    if (opened->digest != nullptr && !digestHead(*opened, qint64(offset))) {
        return CURL_SEEKFUNC_FAIL;
    }
    opened->remaining = opened->size - qint64(offset);
    return CURL_SEEKFUNC_OK;
}

// Reads straight from the descriptor into libcurl's buffer (a stdio stream passes reads of whole buffers
// through anyway, after a stat and a buffer of its own). Fills what libcurl asks for unless the file ends
// first; a read error ends it early, as with a stream.
size_t readFromFile(char* buffer, size_t size, size_t count, void* data)
{
    auto* opened = static_cast<OpenedFile*>(data);
    if (buffer == nullptr || opened == nullptr || opened->fd < 0) {
        return 0;
    }
    const size_t wanted =
        size_t(std::min<qint64>(qint64(size * count), std::max<qint64>(opened->remaining, 0)));
    size_t filled = 0;
    while (filled < wanted) {
        const ssize_t n = ::read(opened->fd, buffer + filled, wanted - filled);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        filled += size_t(n);
    }
    opened->remaining -= qint64(filled);
    if (opened->digest != nullptr) {
        opened->digest->add(buffer, qint64(filled));
    }
    return filled;
}

// Why a path that opened is not sent: only regular files are.
QString notRegularReason(mode_t mode)
{
    if (S_ISDIR(mode)) {
        return QCoreApplication::translate("FTPUploader", "it is a folder");
    }
    if (S_ISFIFO(mode)) {
        return QCoreApplication::translate("FTPUploader", "it is a named pipe, not a regular file");
    }
    if (S_ISSOCK(mode)) {
        return QCoreApplication::translate("FTPUploader", "it is a socket, not a regular file");
    }
    return QCoreApplication::translate("FTPUploader", "it is a device, not a regular file");
}

// Opens `path` for reading the way an upload must: a symbolic link is not followed (a link swapped in for a
// queued file would send its target from anywhere outside the watched folder), the open does not wait (a
// named pipe swapped in would block it until a writer comes, for ever, and a stop with it), and what was
// opened must be a regular file, checked on the descriptor itself so that nothing can be swapped in
// between; `status` receives what that check saw. The descriptor is blocking again afterwards. The error
// names the path, and why when a reason beyond "cannot be opened" helps a person; bytes of the name that are
// not UTF-8 show as \xNN there.
std::variant<int, FTPError> openRegularFile(const QString& localPath, struct stat& status,
                                            const WatchedTree* within)
{
    const int fd = within != nullptr ? within->open(localPath, O_RDONLY | O_NONBLOCK).release()
                                     : ::open(FileName::encode(localPath).constData(),
                                              O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    const int openError = errno;
    const QString path = FileName::displayName(localPath);
    if (fd < 0) {
        if (openError == ELOOP) {
            return FTPError::localFileNotReadable(
                path + QCoreApplication::translate(
                           "FTPUploader",
                           " (it is a symbolic link; links are not followed, only regular files "
                           "inside the folder are uploaded)"));
        }
        if (openError == EXDEV) {
            return FTPError::localFileNotReadable(
                path + QCoreApplication::translate("FTPUploader", " (it is not inside the watched folder)"));
        }
        return FTPError::localFileNotReadable(path);
    }
    if (::fstat(fd, &status) != 0) {
        ::close(fd);
        return FTPError::localFileNotReadable(path);
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(fd);
        return FTPError::localFileNotReadable(path + QStringLiteral(" (") + notRegularReason(status.st_mode) +
                                              QLatin1Char(')'));
    }
    // Of the flags F_SETFL changes, O_NONBLOCK is the only one the open gave.
    if (::fcntl(fd, F_SETFL, 0) != 0) {
        ::close(fd);
        return FTPError::localFileNotReadable(path);
    }
    return fd;
}

size_t discard(char*, size_t size, size_t count, void*)
{
    return size * count;
}

// The reply lines of one exchange of commands, up to FTPUploader::kMaxReplyBytes.
struct Replies {
    QByteArray bytes;
    bool overflowed = false;
};

size_t appendReply(char* data, size_t size, size_t count, void* target)
{
    auto* replies = static_cast<Replies*>(target);
    const size_t bytes = size * count;
    if (qint64(replies->bytes.size()) + qint64(bytes) > FTPUploader::kMaxReplyBytes) {
        // Any other count than the one given ends the transfer with a write error.
        replies->overflowed = true;
        return 0;
    }
    replies->bytes.append(data, qsizetype(bytes));
    return bytes;
}

FTPError replyTooLong()
{
    return FTPError::transferFailed(
        QCoreApplication::translate("FTPUploader",
                                    "The server's reply was longer than %1 bytes and was cut off; the server "
                                    "does not answer as an FTP server should")
            .arg(FTPUploader::kMaxReplyBytes));
}

int reportProgress(void* context, curl_off_t, curl_off_t, curl_off_t uploadTotal, curl_off_t uploadNow)
{
    const auto* progress = static_cast<const UploadProgressContext*>(context);
    if (progress == nullptr) {
        return 0;
    }
    // libcurl calls this at least once a second, also while the server does not answer.
    if (progress->abort != nullptr && progress->abort->load()) {
        return 1;
    }
    if (progress->callback) {
        progress->callback(progress->alreadySent + qint64(uploadNow),
                           uploadTotal > 0 ? progress->alreadySent + qint64(uploadTotal)
                                           : progress->totalBytes);
    }
    return 0;
}

} // namespace

std::shared_ptr<Uploader> FTPUploader::reconnected(const PushConnection& connection) const
{
    return std::make_shared<FTPUploader>(connection);
}

FTPUploader::FTPUploader(PushConnection connection, ConnectionReuse reuse)
    : m_connection(std::move(connection))
{
    if (reuse == ConnectionReuse::shared) {
        m_cache = std::make_shared<CurlConnectionCache>();
    }
}

std::optional<FTPError> FTPUploader::upload(const QString& localPath, const QString& remotePath,
                                            const ProgressFunction& progress, FileVersion* opened,
                                            const std::atomic_bool* abort, const WatchedTree* within,
                                            const Resume* resume, TransferDigest* digest) const
{
    // Made before the handle, so it acts after the handle and libcurl's upload buffer are gone.
    FreedMemoryReturn freedMemoryReturn;
    CurlHandle handle(m_cache);
    if (!handle.isValid()) {
        return CurlHandle::initializationFailure();
    }
    if (std::optional<FTPError> refusal =
            RemoteCommand::refuseUncarriableName(m_connection.transferProtocol, remotePath)) {
        return refusal;
    }
    struct stat status {};
    std::variant<int, FTPError> descriptor = openRegularFile(localPath, status, within);
    if (const FTPError* error = std::get_if<FTPError>(&descriptor)) {
        return *error;
    }
    const int fd = std::get<int>(descriptor);
    const FileVersion version = FileVersion::of(status);
    if (opened != nullptr) {
        *opened = version;
    }
    const qint64 size = qint64(status.st_size);
    OpenedFile source{fd, size, size, digest, abort};
    if (digest != nullptr) {
        digest->reset();
    }
    // Only onto bytes of this very version, and only where some are left to send.
    const qint64 resumeAt =
        resume != nullptr && resume->offset > 0 && resume->offset < size && resume->version == version
            ? resume->offset
            : 0;

    handle.setServer(m_connection, percentEncodePath(remotePath));
    handle.set(CURLOPT_UPLOAD, 1L);
    handle.set(CURLOPT_INFILESIZE_LARGE, curl_off_t(size));
    handle.set(CURLOPT_CONNECTTIMEOUT, 10L);
    handle.set(CURLOPT_NOSIGNAL, 1L);
    handle.set(CURLOPT_TIMEOUT, 0L);
    handle.set(CURLOPT_LOW_SPEED_LIMIT, 10L);
    handle.set(CURLOPT_LOW_SPEED_TIME, 60L);
    handle.set(CURLOPT_READFUNCTION, &readFromFile);
    handle.set(CURLOPT_READDATA, static_cast<void*>(&source));
    handle.set(CURLOPT_WRITEFUNCTION, &discard);
    if (resumeAt > 0) {
        handle.set(CURLOPT_SEEKFUNCTION, &seekInFile);
        handle.set(CURLOPT_SEEKDATA, static_cast<void*>(&source));
        handle.set(CURLOPT_RESUME_FROM_LARGE, curl_off_t(resumeAt));
    }
    handle.applyProtocolOptions(m_connection);
    // A single MKD of the last level cannot create nested folders whose middle levels are missing; without
    // this such a file would fail on every retry.
    handle.set(CURLOPT_FTP_CREATE_MISSING_DIRS, long(CURLFTP_CREATE_DIR_RETRY));

    if (m_connection.maxBandwidthKBps > 0) {
        handle.set(CURLOPT_MAX_SEND_SPEED_LARGE, CurlHandle::bytesPerSecond(m_connection.maxBandwidthKBps));
    } else {
        // libcurl's 64 KiB default makes SFTP send small packets and wait for each; larger reads keep
        // libssh2's window full and FTP's system calls few. A capped transfer keeps the default so that its
        // steps stay fine.
        const bool largeSftp =
            m_connection.transferProtocol == TransferProtocol::sftp && size > kUploadBufferSize;
        handle.set(CURLOPT_UPLOAD_BUFFERSIZE, largeSftp ? kLargeSftpUploadBufferSize : kUploadBufferSize);
        freedMemoryReturn.armed = largeSftp;
    }
    std::unique_ptr<UploadProgressContext> context;
    if (progress || abort != nullptr) {
        context =
            std::make_unique<UploadProgressContext>(UploadProgressContext{progress, size, abort, resumeAt});
        handle.set(CURLOPT_NOPROGRESS, 0L);
        handle.set(CURLOPT_XFERINFODATA, static_cast<void*>(context.get()));
        handle.set(CURLOPT_XFERINFOFUNCTION, &reportProgress);
    }
    if (m_inspector) {
        m_inspector(handle);
    }
    const CURLcode result = handle.perform();
    ::close(fd);
    if (result != CURLE_OK) {
        return handle.errorFor(result);
    }
    return std::nullopt;
}

void FTPUploader::cutConnections() const
{
    if (m_cache) {
        m_cache->cutConnections();
    }
}

CURLcode FTPUploader::runCommands(const QList<QByteArray>& lines, CurlHandle& handle,
                                  long timeoutSeconds) const
{
    curl_slist* commands = nullptr;
    for (const QByteArray& line : lines) {
        commands = curl_slist_append(commands, line.constData());
    }
    handle.setServer(m_connection, QByteArrayLiteral("/"));
    handle.set(CURLOPT_CONNECTTIMEOUT, 10L);
    // A stalled server must not hold a transfer thread (and a stop) for the upload's limit of days.
    handle.set(CURLOPT_TIMEOUT, timeoutSeconds);
    handle.set(CURLOPT_NOSIGNAL, 1L);
    handle.set(CURLOPT_WRITEFUNCTION, &discard);
    handle.set(CURLOPT_QUOTE, commands);
    // Only the commands are wanted, not the listing of "/" that would follow them.
    handle.set(CURLOPT_NOBODY, 1L);
    handle.applyProtocolOptions(m_connection);
    if (m_inspector) {
        m_inspector(handle);
    }
    const CURLcode result = handle.perform();
    curl_slist_free_all(commands);
    return result;
}

std::optional<FTPError> FTPUploader::createDirectory(const QString& remotePath) const
{
    CurlHandle handle(m_cache);
    if (!handle.isValid()) {
        return CurlHandle::initializationFailure();
    }
    // The path comes from local folder names, which may hold a line break and a command after it.
    std::variant<QList<QByteArray>, FTPError> lines =
        RemoteCommand::lines(m_connection.transferProtocol, RemoteCommand::Kind::makeDirectory, remotePath);
    if (const FTPError* refusal = std::get_if<FTPError>(&lines)) {
        // Nothing is sent; the upload that follows creates what it can or fails with its own reason.
        return *refusal;
    }
    // "*": a refusal (mostly because the folder exists) is no failure to libcurl, which would otherwise
    // drop the logged-in FTP connection and make the next operation connect and log in again.
    QList<QByteArray> quiet = std::get<QList<QByteArray>>(lines);
    for (QByteArray& line : quiet) {
        line.prepend('*');
    }
    runCommands(quiet, handle);
    return std::nullopt;
}

std::variant<std::optional<qint64>, FTPError> FTPUploader::remoteFileSize(const QString& remotePath) const
{
    if (std::optional<FTPError> refusal = RemoteCommand::refuseUnsafePath(remotePath)) {
        return *refusal;
    }
    CurlHandle handle(m_cache);
    if (!handle.isValid()) {
        return CurlHandle::initializationFailure();
    }
    handle.setServer(m_connection, percentEncodePath(remotePath));
    handle.set(CURLOPT_NOBODY, 1L);
    handle.set(CURLOPT_CONNECTTIMEOUT, 10L);
    handle.set(CURLOPT_TIMEOUT, kCommandTimeoutSeconds);
    handle.set(CURLOPT_NOSIGNAL, 1L);
    handle.set(CURLOPT_WRITEFUNCTION, &discard);
    handle.applyProtocolOptions(m_connection);
    if (m_inspector) {
        m_inspector(handle);
    }
    const CURLcode result = handle.perform();
    // SIZE answered 550 (FTP) or the open failed (SFTP); over FTP a folder that cannot be entered holds
    // no such file either.
    if (result == CURLE_REMOTE_FILE_NOT_FOUND ||
        (result == CURLE_REMOTE_ACCESS_DENIED && m_connection.transferProtocol != TransferProtocol::sftp)) {
        return std::optional<qint64>();
    }
    if (result != CURLE_OK) {
        return handle.errorFor(result);
    }
    curl_off_t length = -1;
    if (curl_easy_getinfo(handle.get(), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length) != CURLE_OK ||
        length < 0) {
        return FTPError::transferFailed(
            QCoreApplication::translate("FTPUploader",
                                        "The server does not tell the size of %1, so whether it holds "
                                        "the file cannot be checked")
                .arg(remotePath));
    }
    return std::optional<qint64>(qint64(length));
}

std::optional<FTPError> FTPUploader::renameReplacing(const QString& from, const QString& to) const
{
    std::variant<QList<QByteArray>, FTPError> lines =
        RemoteCommand::lines(m_connection.transferProtocol, RemoteCommand::Kind::rename, from, to);
    if (const FTPError* refusal = std::get_if<FTPError>(&lines)) {
        return *refusal;
    }
    CURLcode result = CURLE_FAILED_INIT;
    {
        CurlHandle handle(m_cache);
        if (!handle.isValid()) {
            return CurlHandle::initializationFailure();
        }
        result = runCommands(std::get<QList<QByteArray>>(lines), handle);
        if (result == CURLE_OK || m_connection.transferProtocol != TransferProtocol::sftp) {
            return result == CURLE_OK ? std::nullopt : std::optional<FTPError>(handle.errorFor(result));
        }
    }
    // SFTP version 3 has no replacing rename: the old file goes first ("*": its absence is fine).
    const auto removal =
        RemoteCommand::lines(m_connection.transferProtocol, RemoteCommand::Kind::deleteFile, to);
    QList<QByteArray> retry{'*' + std::get<QList<QByteArray>>(removal).constFirst()};
    retry += std::get<QList<QByteArray>>(lines);
    CurlHandle handle(m_cache);
    if (!handle.isValid()) {
        return CurlHandle::initializationFailure();
    }
    result = runCommands(retry, handle);
    if (result != CURLE_OK) {
        return handle.errorFor(result);
    }
    return std::nullopt;
}

QStringList FTPUploader::features() const
{
    if (m_connection.transferProtocol == TransferProtocol::sftp) {
        return {};
    }
    std::lock_guard guard(m_features->mutex);
    if (m_features->lines) {
        return *m_features->lines;
    }
    CurlHandle handle(m_cache);
    if (!handle.isValid()) {
        return {};
    }
    // The server's replies reach the header function, the banner and the login's among them; the features
    // are the lines of the 211 reply between its first and its last line.
    Replies replies;
    handle.set(CURLOPT_HEADERFUNCTION, &appendReply);
    handle.set(CURLOPT_HEADERDATA, static_cast<void*>(&replies));
    const CURLcode result = runCommands({QByteArrayLiteral("*FEAT")}, handle);
    if (replies.overflowed) {
        // Not kept: the server offers nothing this time, and is asked again next time.
        qCWarning(lcUploader).noquote() << replyTooLong().description();
        return {};
    }
    QStringList lines;
    bool inFeatures = false;
    for (const QByteArray& line : replies.bytes.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith("211-")) {
            inFeatures = true;
        } else if (trimmed.startsWith("211 ")) {
            inFeatures = false;
        } else if (inFeatures && !trimmed.isEmpty()) {
            lines.append(QString::fromUtf8(trimmed));
        }
    }
    // A connection that failed says nothing about the server: asked again next time.
    if (result == CURLE_OK) {
        m_features->lines = lines;
    }
    return lines;
}

std::optional<ServerChecksum> FTPUploader::checksumCommand() const
{
    if (m_connection.transferProtocol == TransferProtocol::sftp) {
        return std::nullopt;
    }
    return ServerChecksum::strongestOffered(features());
}

std::variant<std::optional<QString>, FTPError>
FTPUploader::remoteChecksum(const QString& remotePath, const ServerChecksum& checksum, qint64 size) const
{
    if (std::optional<FTPError> refusal = RemoteCommand::refuseUnsafePath(remotePath)) {
        return *refusal;
    }
    CurlHandle handle(m_cache);
    if (!handle.isValid()) {
        return CurlHandle::initializationFailure();
    }
    Replies replies;
    handle.set(CURLOPT_HEADERFUNCTION, &appendReply);
    handle.set(CURLOPT_HEADERDATA, static_cast<void*>(&replies));
    const CURLcode result =
        runCommands(checksum.commandLines(FileName::encode(RemotePath::absolute(remotePath))), handle,
                    checksumTimeoutSeconds(size));
    if (replies.overflowed) {
        return replyTooLong();
    }
    // Refused (a file too large for the server to hash, an algorithm it turned off): no proof either way.
    if (result == CURLE_QUOTE_ERROR) {
        return std::optional<QString>();
    }
    if (result != CURLE_OK) {
        return handle.errorFor(result);
    }
    return checksum.digestIn(replies.bytes);
}

long FTPUploader::checksumTimeoutSeconds(qint64 size)
{
    constexpr qint64 kSlowHashBytesPerSecond = 10'000'000;
    return kCommandTimeoutSeconds + long(std::min<qint64>(std::max<qint64>(size, 0) / kSlowHashBytesPerSecond,
                                                          CurlHandle::kUnlimitedSftpTimeoutSeconds));
}

bool FTPUploader::canResume() const
{
    if (m_connection.transferProtocol == TransferProtocol::sftp) {
        return true;
    }
    for (const QString& feature : features()) {
        if (feature.compare(QLatin1String("REST STREAM"), Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

std::optional<FTPError> FTPUploader::testConnection(bool refusedLoginFails) const
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
    if (result != CURLE_OK && (result != CURLE_LOGIN_DENIED || refusedLoginFails)) {
        return handle.errorFor(result);
    }
    return std::nullopt;
}

} // namespace ondrix
