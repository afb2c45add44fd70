#pragma once

#include <curl/curl.h>

#include <array>
#include <memory>
#include <mutex>
#include <set>
#include <vector>

namespace ondrix {

// Logged-in FTP, FTPS and SFTP connections (with their TLS sessions and DNS answers) that the operations of
// one uploader or client reuse, on any thread, instead of paying a TCP, TLS or SSH handshake and a login per
// file. They are kept in libcurl shares, and an operation holds one share for itself while it runs: the
// share's connections and the TLS sessions they negotiated stay together. An FTPS data connection resumes
// the session libcurl last stored for the server, and with one share for all parallel operations that is
// often the session of another control connection: a server that runs each login in its own process (its
// own ticket keys) cannot resume it and negotiates in full, or, when it demands that the data connection
// reuse the control connection's session, refuses the transfer. Must outlive every easy handle that uses a
// share; hold it by shared_ptr for that.
class CurlConnectionCache {
public:
    CurlConnectionCache();
    ~CurlConnectionCache();
    CurlConnectionCache(const CurlConnectionCache&) = delete;
    CurlConnectionCache& operator=(const CurlConnectionCache&) = delete;

    // A share for CURLOPT_SHARE that no other operation holds until it is given back with release(): the one
    // given back last (its connections are the most likely to be still open), else a new one. Null when
    // libcurl cannot make a share (the handle then works unshared). Shares are made on first use: libcurl's
    // start-up loads the TLS and SSH libraries, megabytes an engine that watches an idle folder never needs.
    CURLSH* acquire();
    // Gives back a share from acquire() once the easy handles that used it are cleaned up.
    void release(CURLSH* share);
    // Shares made so far: the most operations that ran at once.
    std::size_t shareCount() const;

    // Lets the cache know every socket the handle opens, for cutConnections().
    void trackSockets(CURL* easy);
    // Shuts every socket of the cache's connections down at once: operations waiting on a server that
    // stopped answering (a reply, a data connection, an SFTP open or close) fail at once instead of
    // waiting for it. Idle connections are dropped at their next use. Any thread.
    void cutConnections();

private:
    struct Share {
        CURLSH* handle = nullptr;
        std::array<std::mutex, CURL_LOCK_DATA_LAST> locks;
    };

    static void lock(CURL* handle, curl_lock_data data, curl_lock_access access, void* share);
    static void unlock(CURL* handle, curl_lock_data data, void* share);
    static curl_socket_t openSocket(void* cache, curlsocktype purpose, curl_sockaddr* address);
    static int closeSocket(void* cache, curl_socket_t socket);

    mutable std::mutex m_mutex;
    std::vector<std::unique_ptr<Share>> m_shares;
    // Shares no operation holds, the one given back last at the end.
    std::vector<CURLSH*> m_free;
    std::mutex m_socketMutex;
    std::set<curl_socket_t> m_sockets;
};

} // namespace ondrix
