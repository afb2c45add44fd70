#pragma once

#include "model/PushConnection.h"
#include "transfer/FTPError.h"
#include "transfer/SshKnownHosts.h"

#include <QByteArray>

#include <curl/curl.h>

#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

namespace ondrix {

class CurlConnectionCache;

// One libcurl easy handle for one operation, with what every operation on a server has in common: the
// protocol options of a connection (SFTP key, authentication and host-key trust; FTP data-connection mode;
// FTPS TLS with verification and the CA bundle from the environment), an optional shared connection cache,
// a perform that does not stall, and the translation of a result code into an FTPError. The options set are
// recorded, so tests and diagnostics can see what a handle was given. Used by one thread at a time.
class CurlHandle {
public:
    explicit CurlHandle(std::shared_ptr<CurlConnectionCache> cache = {});
    ~CurlHandle();
    CurlHandle(const CurlHandle&) = delete;
    CurlHandle& operator=(const CurlHandle&) = delete;

    // False when curl_easy_init gave no handle; nothing else may be called then.
    bool isValid() const { return m_easy != nullptr; }
    CURL* get() const { return m_easy; }

    // curl_easy_setopt, remembering the option (and its value for numbers and texts).
    template <typename T>
    void set(CURLoption option, T value)
    {
        Record record{option, {}, {}};
        if constexpr (std::is_integral_v<T>) {
            record.number = static_cast<qint64>(value);
        } else if constexpr (std::is_same_v<T, const char*>) {
            record.text = QByteArray(value);
        }
        m_options.push_back(std::move(record));
        curl_easy_setopt(m_easy, option, value);
    }
    void set(CURLoption option, const QByteArray& text) { set(option, text.constData()); }

    // CURLOPT_URL for the connection's server with `encodedPath`, and the connection's login.
    void setServer(const PushConnection& connection, const QByteArray& encodedPath);
    // CURLOPT_USERNAME and CURLOPT_PASSWORD, each whole (a user name may hold ':'). The password is not
    // recorded with the options.
    void setLogin(const QString& username, const QString& password);
    // The protocol options every operation applies before it performs.
    void applyProtocolOptions(const PushConnection& connection);

    // Runs the transfer to its end. Drives the handle through a multi handle instead of curl_easy_perform,
    // which sleeps up to a second where libcurl has work left but names neither a socket nor a timer.
    CURLcode perform();

    // curlExitCode(code, libcurl's text), or the host-key, SSH-handshake or active-FTPS explanation where
    // that applies.
    FTPError errorFor(CURLcode code) const;
    // curlExitCode(-1, "Failed to initialize libcurl").
    static FTPError initializationFailure();
    // A KiB-per-second cap in bytes per second for libcurl's speed limits; a cap too large to multiply
    // (up to 9e18 can be stored) is the largest libcurl takes, which is no limit in practice.
    static curl_off_t bytesPerSecond(qint64 kibPerSecond);

    bool hasOption(CURLoption option) const;
    std::optional<qint64> numberOption(CURLoption option) const;
    std::optional<QByteArray> textOption(CURLoption option) const;
    // Every option in the order it was set.
    std::vector<CURLoption> optionsSet() const;

    // Longest wait for socket activity inside perform() when libcurl's own timer is not due sooner: what
    // a socket event libcurl misses could cost at most.
    static constexpr int kMaxWaitMs = 100;
    // Runs in a row without a wait while libcurl names no socket to wait on.
    static constexpr int kMaxIdleReruns = 4;
    // The whole-operation limit an SFTP handle gets when none was set: 20 days (libcurl refuses more than
    // INT_MAX milliseconds).
    static constexpr long kUnlimitedSftpTimeoutSeconds = 20L * 24 * 3600;
    // Idle connections a shared cache keeps: the most parallel uploads of a connection and a browser beside.
    static constexpr long kMaxCachedConnections = 8;

private:
    struct Record {
        CURLoption option;
        std::optional<qint64> number;
        std::optional<QByteArray> text;
    };

    CURL* m_easy = nullptr;
    std::shared_ptr<CurlConnectionCache> m_cache;
    // The cache's share this handle holds until it is destroyed; null when it works unshared.
    CURLSH* m_share = nullptr;
    SshHostKeyCheck m_hostKeyCheck;
    bool m_activeFtps = false;
    bool m_sftp = false;
    // libcurl's own words for the last failure, which say more than its result code's text.
    char m_errorBuffer[CURL_ERROR_SIZE] = {};
    std::vector<Record> m_options;
};

} // namespace ondrix
