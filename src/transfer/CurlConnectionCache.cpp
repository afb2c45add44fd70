#include "transfer/CurlConnectionCache.h"

#include "transfer/CurlGlobal.h"

namespace ondrix {

CurlConnectionCache::CurlConnectionCache() = default;

CURLSH* CurlConnectionCache::acquire()
{
    std::lock_guard guard(m_mutex);
    if (!m_free.empty()) {
        CURLSH* share = m_free.back();
        m_free.pop_back();
        return share;
    }
    ensureCurlInitialized();
    auto share = std::make_unique<Share>();
    share->handle = curl_share_init();
    if (share->handle == nullptr) {
        return nullptr;
    }
    curl_share_setopt(share->handle, CURLSHOPT_LOCKFUNC, &CurlConnectionCache::lock);
    curl_share_setopt(share->handle, CURLSHOPT_UNLOCKFUNC, &CurlConnectionCache::unlock);
    curl_share_setopt(share->handle, CURLSHOPT_USERDATA, share.get());
    curl_share_setopt(share->handle, CURLSHOPT_SHARE, CURL_LOCK_DATA_CONNECT);
    curl_share_setopt(share->handle, CURLSHOPT_SHARE, CURL_LOCK_DATA_DNS);
    // Every FTPS data connection starts a TLS session; resuming the one of its control connection spares
    // the full handshake for each file (and some servers insist on it).
    curl_share_setopt(share->handle, CURLSHOPT_SHARE, CURL_LOCK_DATA_SSL_SESSION);
    m_shares.push_back(std::move(share));
    return m_shares.back()->handle;
}

void CurlConnectionCache::release(CURLSH* share)
{
    if (share == nullptr) {
        return;
    }
    std::lock_guard guard(m_mutex);
    m_free.push_back(share);
}

std::size_t CurlConnectionCache::shareCount() const
{
    std::lock_guard guard(m_mutex);
    return m_shares.size();
}

CurlConnectionCache::~CurlConnectionCache()
{
    for (const std::unique_ptr<Share>& share : m_shares) {
        // Closes the cached connections (QUIT / SSH disconnect) through the share's own internal handle.
        curl_share_cleanup(share->handle);
    }
}

void CurlConnectionCache::lock(CURL*, curl_lock_data data, curl_lock_access, void* share)
{
    static_cast<Share*>(share)->locks.at(static_cast<std::size_t>(data)).lock();
}

void CurlConnectionCache::unlock(CURL*, curl_lock_data data, void* share)
{
    static_cast<Share*>(share)->locks.at(static_cast<std::size_t>(data)).unlock();
}

} // namespace ondrix
