#include "transfer/CurlConnectionCache.h"

#include "transfer/CurlGlobal.h"

#include <sys/socket.h>
#include <unistd.h>

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

void CurlConnectionCache::trackSockets(CURL* easy)
{
    curl_easy_setopt(easy, CURLOPT_OPENSOCKETFUNCTION, &CurlConnectionCache::openSocket);
    curl_easy_setopt(easy, CURLOPT_OPENSOCKETDATA, static_cast<void*>(this));
    curl_easy_setopt(easy, CURLOPT_CLOSESOCKETFUNCTION, &CurlConnectionCache::closeSocket);
    curl_easy_setopt(easy, CURLOPT_CLOSESOCKETDATA, static_cast<void*>(this));
}

void CurlConnectionCache::cutConnections()
{
    // Under the lock, so that no socket is closed (and its number given to another file) meanwhile.
    std::lock_guard guard(m_socketMutex);
    for (const curl_socket_t socket : m_sockets) {
        ::shutdown(socket, SHUT_RDWR);
    }
}

curl_socket_t CurlConnectionCache::openSocket(void* cache, curlsocktype, curl_sockaddr* address)
{
    const int socket = ::socket(address->family, address->socktype | SOCK_CLOEXEC, address->protocol);
    if (socket < 0) {
        return CURL_SOCKET_BAD;
    }
    auto* self = static_cast<CurlConnectionCache*>(cache);
    std::lock_guard guard(self->m_socketMutex);
    self->m_sockets.insert(socket);
    return socket;
}

int CurlConnectionCache::closeSocket(void* cache, curl_socket_t socket)
{
    auto* self = static_cast<CurlConnectionCache*>(cache);
    std::lock_guard guard(self->m_socketMutex);
    self->m_sockets.erase(socket);
    return ::close(socket);
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
