#pragma once

#include <curl/curl.h>

#include <array>
#include <mutex>

namespace ondrix {

// A libcurl connection cache (and DNS cache) that easy handles on several threads share, so consecutive and
// parallel operations of one uploader or client reuse logged-in FTP, FTPS and SFTP connections instead of
// paying a TCP, TLS or SSH handshake and a login per file. Each kind of shared data has its own mutex, as
// libcurl asks. Must outlive every easy handle that uses it; hold it by shared_ptr for that.
class CurlConnectionCache {
public:
    CurlConnectionCache();
    ~CurlConnectionCache();
    CurlConnectionCache(const CurlConnectionCache&) = delete;
    CurlConnectionCache& operator=(const CurlConnectionCache&) = delete;

    // For CURLOPT_SHARE; null when libcurl could not make the share (handles then work unshared). Made by
    // the first transfer: libcurl's start-up loads the TLS and SSH libraries, megabytes an engine that
    // watches an idle folder never needs.
    CURLSH* share() const;

private:
    static void lock(CURL* handle, curl_lock_data data, curl_lock_access access, void* self);
    static void unlock(CURL* handle, curl_lock_data data, void* self);

    void make();

    mutable std::once_flag m_made;
    CURLSH* m_share = nullptr;
    std::array<std::mutex, CURL_LOCK_DATA_LAST> m_locks;
};

} // namespace ondrix
