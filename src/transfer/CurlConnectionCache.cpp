#include "transfer/CurlConnectionCache.h"

#include "transfer/CurlGlobal.h"

namespace ondrix {

CurlConnectionCache::CurlConnectionCache() = default;

CURLSH* CurlConnectionCache::share() const
{
    std::call_once(m_made, [this] { const_cast<CurlConnectionCache*>(this)->make(); });
    return m_share;
}

void CurlConnectionCache::make()
{
    ensureCurlInitialized();
    m_share = curl_share_init();
    if (m_share == nullptr) {
        return;
    }
    curl_share_setopt(m_share, CURLSHOPT_LOCKFUNC, &CurlConnectionCache::lock);
    curl_share_setopt(m_share, CURLSHOPT_UNLOCKFUNC, &CurlConnectionCache::unlock);
    curl_share_setopt(m_share, CURLSHOPT_USERDATA, this);
    curl_share_setopt(m_share, CURLSHOPT_SHARE, CURL_LOCK_DATA_CONNECT);
    curl_share_setopt(m_share, CURLSHOPT_SHARE, CURL_LOCK_DATA_DNS);
    // Every FTPS data connection starts a TLS session; resuming the one of an earlier transfer spares the
    // full handshake for each file.
    curl_share_setopt(m_share, CURLSHOPT_SHARE, CURL_LOCK_DATA_SSL_SESSION);
}

CurlConnectionCache::~CurlConnectionCache()
{
    if (m_share != nullptr) {
        // Closes the cached connections (QUIT / SSH disconnect) through the share's own internal handle.
        curl_share_cleanup(m_share);
    }
}

void CurlConnectionCache::lock(CURL*, curl_lock_data data, curl_lock_access, void* self)
{
    static_cast<CurlConnectionCache*>(self)->m_locks.at(static_cast<std::size_t>(data)).lock();
}

void CurlConnectionCache::unlock(CURL*, curl_lock_data data, void* self)
{
    static_cast<CurlConnectionCache*>(self)->m_locks.at(static_cast<std::size_t>(data)).unlock();
}

} // namespace ondrix
