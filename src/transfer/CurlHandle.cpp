#include "transfer/CurlHandle.h"

#include "transfer/CaBundle.h"
#include "transfer/CurlConnectionCache.h"
#include "transfer/CurlGlobal.h"
#include "transfer/RemoteUrl.h"

#include <QCoreApplication>

#include <sys/select.h>

#include <algorithm>
#include <limits>

namespace ondrix {

CurlHandle::CurlHandle(std::shared_ptr<CurlConnectionCache> cache)
    : m_cache(std::move(cache))
{
    ensureCurlInitialized();
    m_easy = curl_easy_init();
    if (m_easy != nullptr) {
        curl_easy_setopt(m_easy, CURLOPT_ERRORBUFFER, m_errorBuffer);
    }
    if (m_easy != nullptr && m_cache) {
        m_cache->trackSockets(m_easy);
        m_share = m_cache->acquire();
        if (m_share != nullptr) {
            curl_easy_setopt(m_easy, CURLOPT_SHARE, m_share);
        }
    }
}

CurlHandle::~CurlHandle()
{
    if (m_easy != nullptr) {
        curl_easy_cleanup(m_easy);
    }
    if (m_cache) {
        m_cache->release(m_share);
    }
}

void CurlHandle::setServer(const PushConnection& connection, const QByteArray& encodedPath)
{
    set(CURLOPT_URL, serverUrl(connection, encodedPath));
    setLogin(connection.username, connection.password);
}

void CurlHandle::setLogin(const QString& username, const QString& password)
{
    set(CURLOPT_USERNAME, username.toUtf8());
    // libcurl copies it; the copy made here is wiped before it is let go.
    QByteArray secret = password.toUtf8();
    m_options.push_back(Record{CURLOPT_PASSWORD, {}, {}});
    curl_easy_setopt(m_easy, CURLOPT_PASSWORD, secret.constData());
    secret.fill('\0');
}

void CurlHandle::applyProtocolOptions(const PushConnection& connection)
{
    if (connection.transferProtocol == TransferProtocol::sftp) {
        m_sftp = true;
        if (!connection.sshKeyPath.isEmpty()) {
            set(CURLOPT_SSH_PRIVATE_KEYFILE, connection.sshKeyPath.toUtf8());
        }
        set(CURLOPT_SSH_AUTH_TYPES, long(CURLSSH_AUTH_ANY));
        // Trust on first use in our own known_hosts instead of "/dev/null", with which libssh2 refuses every
        // server; the callback decides, so a host is written with its port.
        m_hostKeyCheck.file = SshKnownHosts::defaultPath();
        m_hostKeyCheck.host = connection.host;
        m_hostKeyCheck.port = connection.port;
        set(CURLOPT_SSH_KNOWNHOSTS, m_hostKeyCheck.file.toUtf8());
        set(CURLOPT_SSH_HOSTKEYFUNCTION, &SshHostKeyCheck::hostKeyCallback);
        set(CURLOPT_SSH_HOSTKEYDATA, static_cast<void*>(&m_hostKeyCheck));
        // libcurl 7.88 waits for the server's SFTP replies after a transfer (closing the remote file) in a
        // loop that polls for the time left of the whole operation: with no limit that is 0 ms, a busy loop
        // that burned a core for every reply (about 1 ms of CPU per small file). A limit beyond any real
        // transfer makes it wait in the poll instead.
        if (numberOption(CURLOPT_TIMEOUT).value_or(0) == 0) {
            set(CURLOPT_TIMEOUT, kUnlimitedSftpTimeoutSeconds);
        }
        return;
    }
    if (connection.ftpMode == FTPMode::active) {
        set(CURLOPT_FTPPORT, "-");
    } else {
        set(CURLOPT_FTP_USE_EPSV, 1L);
        // libcurl looks up "address:port" of every passive data connection and keeps the answer in its name
        // cache for a minute, which it walks in full at every look-up: with a new port per file, a burst of
        // files made each look-up walk the entries of all files before it. A reused connection is found
        // without a look-up, so only a new control connection asks the resolver again.
        set(CURLOPT_DNS_CACHE_TIMEOUT, 0L);
    }
    if (connection.transferProtocol == TransferProtocol::ftps) {
        set(CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
        set(CURLOPT_SSL_VERIFYPEER, 1L);
        set(CURLOPT_SSL_VERIFYHOST, 2L);
        // A private CA named by the environment, as the curl tool honours it, else the system bundle. With
        // one CA file and no CA folder libcurl keeps the parsed store on the thread's multi handle; with the
        // built-in folder beside it, it reads and parses the whole bundle again for every TLS connection
        // (some 20 ms of CPU for Debian's 140 certificates), and FTPS opens one per file.
        const QByteArray bundle = caBundleFor(m_easy);
        if (!bundle.isEmpty()) {
            set(CURLOPT_CAINFO, bundle);
            set(CURLOPT_CAPATH, static_cast<const char*>(nullptr));
        }
        // At most TLS 1.2. libcurl (7.88) never reads on an upload's data connection, so it misses the
        // session ticket a TLS 1.3 server sends there after the handshake, and offers the next data
        // connection a ticket already spent: the server negotiates in full, or, when it demands that data
        // connections resume the control connection's session (vsftpd by default), refuses every file after
        // the first on a connection. TLS 1.2 sessions resume any number of times, without a key exchange.
        set(CURLOPT_SSLVERSION, long(CURL_SSLVERSION_DEFAULT) | long(CURL_SSLVERSION_MAX_TLSv1_2));
        m_activeFtps = connection.ftpMode == FTPMode::active;
    }
}

namespace {

// Whether libcurl waits for activity on any socket of `multi` it can name in an fd_set.
bool waitsOnAnySocket(CURLM* multi)
{
    fd_set reads;
    fd_set writes;
    fd_set errors;
    FD_ZERO(&reads);
    FD_ZERO(&writes);
    FD_ZERO(&errors);
    int highest = -1;
    return curl_multi_fdset(multi, &reads, &writes, &errors, &highest) == CURLM_OK && highest >= 0;
}

// A multi handle that drives one transfer at a time. A connection handed back to the shared cache is closed
// when the cache holds more than `kMaxCachedConnections`; libcurl's default for a multi handle with one
// transfer is 4, which would close one connection of every burst of five parallel uploads after each file.
CURLM* newMulti()
{
    CURLM* multi = curl_multi_init();
    if (multi != nullptr) {
        curl_multi_setopt(multi, CURLMOPT_MAXCONNECTS, CurlHandle::kMaxCachedConnections);
    }
    return multi;
}

// The calling thread's multi handle, kept for the thread's life: a new one per transfer costs a socket pair
// (its wake-up channel) each time. Only for transfers whose connections live in a shared cache, so that
// nothing of a transfer stays behind in it.
CURLM* threadMulti()
{
    struct Owner {
        CURLM* multi = newMulti();
        ~Owner()
        {
            if (multi != nullptr) {
                curl_multi_cleanup(multi);
            }
        }
    };
    thread_local Owner owner;
    return owner.multi;
}

} // namespace

CURLcode CurlHandle::perform()
{
    ensureCurlInitialized();
    const bool shared = m_share != nullptr;
    CURLM* multi = shared ? threadMulti() : newMulti();
    if (multi == nullptr) {
        return curl_easy_perform(m_easy);
    }
    const auto release = [&] {
        curl_multi_remove_handle(multi, m_easy);
        if (!shared) {
            curl_multi_cleanup(multi);
        }
    };
    if (curl_multi_add_handle(multi, m_easy) != CURLM_OK) {
        if (!shared) {
            curl_multi_cleanup(multi);
        }
        return curl_easy_perform(m_easy);
    }
    CURLcode result = CURLE_OK;
    bool done = false;
    int idleReruns = 0;
    while (!done) {
        int running = 0;
        const CURLMcode code = curl_multi_perform(multi, &running);
        if (code != CURLM_OK) {
            result = code == CURLM_OUT_OF_MEMORY ? CURLE_OUT_OF_MEMORY : CURLE_FAILED_INIT;
            break;
        }
        int queued = 0;
        while (CURLMsg* message = curl_multi_info_read(multi, &queued)) {
            if (message->msg == CURLMSG_DONE && message->easy_handle == m_easy) {
                result = message->data.result;
                done = true;
            }
        }
        if (done || running == 0) {
            break;
        }
        // libcurl shortens the wait to its own next timeout, but it does not always have one: after the
        // reply to EPSV on a reused FTP connection it starts the data connection only on its next run,
        // without a socket or a timer to wake it (curl_easy_perform then sleeps its full second). When it
        // names no socket at all it is run again at once (a few times in a row: sockets above the fd_set
        // range are not named either, and must not make this a busy loop). Otherwise it sleeps until one of
        // its sockets is ready or its timer is due: every run that finds nothing to do costs a round of
        // reads that fail with EAGAIN, and a short wait that expires before a reply comes costs a wake-up.
        if (idleReruns < kMaxIdleReruns && !waitsOnAnySocket(multi)) {
            ++idleReruns;
            continue;
        }
        idleReruns = 0;
        curl_multi_poll(multi, nullptr, 0, kMaxWaitMs, nullptr);
    }
    release();
    return result;
}

FTPError CurlHandle::errorFor(CURLcode code) const
{
    const int number = static_cast<int>(code);
    if (code == CURLE_PEER_FAILED_VERIFICATION && m_hostKeyCheck.refusedUnusableFile) {
        return FTPError::curlExitCode(number, SshKnownHosts::unusableFileMessage(m_hostKeyCheck.file));
    }
    if (code == CURLE_PEER_FAILED_VERIFICATION && m_hostKeyCheck.refusedChangedKey) {
        return FTPError::curlExitCode(
            number,
            SshKnownHosts::changedKeyMessage(m_hostKeyCheck.file, m_hostKeyCheck.host, m_hostKeyCheck.port));
    }
    QString text = QString::fromUtf8(curl_easy_strerror(code));
    const QString detail = QString::fromUtf8(m_errorBuffer).trimmed();
    if (m_sftp && code == CURLE_FAILED_INIT && detail.contains(QLatin1String("exchange encryption keys"))) {
        // libssh2 1.10 knows RSA host keys only with SHA-1 signatures, which OpenSSH 8.8 and later no longer
        // offer: such a server cannot be reached at all, and libcurl's text says only "Failed
        // initialization".
        const curl_version_info_data* version = curl_version_info(CURLVERSION_NOW);
        const QString library = version != nullptr && version->libssh_version != nullptr
                                    ? QString::fromUtf8(version->libssh_version)
                                    : QStringLiteral("libssh2");
        return FTPError::curlExitCode(
            number, text + QCoreApplication::translate(
                               "CurlHandle",
                               ": the SSH handshake failed because the server offers no key exchange or host "
                               "key type that %1 supports. The usual cause is a server with only an RSA host "
                               "key: %1 cannot check its SHA-2 signatures. Give the server an Ed25519 or "
                               "ECDSA host key (ssh-keygen -A on the server) and connect again.")
                               .arg(library));
    }
    const bool beforeDataConnection = code == CURLE_COULDNT_RESOLVE_HOST || code == CURLE_COULDNT_CONNECT ||
                                      code == CURLE_LOGIN_DENIED || code == CURLE_PEER_FAILED_VERIFICATION ||
                                      code == CURLE_SSL_CONNECT_ERROR || code == CURLE_USE_SSL_FAILED;
    if (m_activeFtps && !beforeDataConnection) {
        // libcurl 7.88 does not start TLS on an accepted (active) data connection, so every FTPS transfer in
        // active mode fails; say what to do instead of leaving only libcurl's text.
        text += QCoreApplication::translate("CurlHandle",
                                            " (active mode does not work with FTPS; use passive mode)");
    }
    return FTPError::curlExitCode(number, text);
}

FTPError CurlHandle::initializationFailure()
{
    return FTPError::curlExitCode(-1,
                                  QCoreApplication::translate("CurlHandle", "Failed to initialize libcurl"));
}

curl_off_t CurlHandle::bytesPerSecond(qint64 kibPerSecond)
{
    constexpr curl_off_t kLargest = std::numeric_limits<curl_off_t>::max();
    return kibPerSecond > kLargest / 1024 ? kLargest : curl_off_t(kibPerSecond) * 1024;
}

bool CurlHandle::hasOption(CURLoption option) const
{
    return std::any_of(m_options.begin(), m_options.end(),
                       [option](const Record& r) { return r.option == option; });
}

std::optional<qint64> CurlHandle::numberOption(CURLoption option) const
{
    for (auto it = m_options.rbegin(); it != m_options.rend(); ++it) {
        if (it->option == option) {
            return it->number;
        }
    }
    return std::nullopt;
}

std::optional<QByteArray> CurlHandle::textOption(CURLoption option) const
{
    for (auto it = m_options.rbegin(); it != m_options.rend(); ++it) {
        if (it->option == option) {
            return it->text;
        }
    }
    return std::nullopt;
}

std::vector<CURLoption> CurlHandle::optionsSet() const
{
    std::vector<CURLoption> options;
    options.reserve(m_options.size());
    for (const Record& record : m_options) {
        options.push_back(record.option);
    }
    return options;
}

} // namespace ondrix
