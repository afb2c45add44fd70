#include "transfer/TransferDigest.h"

#include <openssl/evp.h>
#include <zlib.h>

#include <algorithm>
#include <climits>

namespace ondrix {

namespace {

// OpenSSL's digests use the processor's SHA instructions where it has them: hashing keeps up with a
// loopback transfer, which Qt's portable implementation does not.
const EVP_MD* evpFor(ChecksumAlgorithm algorithm)
{
    switch (algorithm) {
    case ChecksumAlgorithm::sha256:
        return EVP_sha256();
    case ChecksumAlgorithm::sha1:
        return EVP_sha1();
    case ChecksumAlgorithm::md5:
        return EVP_md5();
    case ChecksumAlgorithm::crc32:
        break;
    }
    return nullptr;
}

EVP_MD_CTX* newContext(ChecksumAlgorithm algorithm)
{
    EVP_MD_CTX* context = EVP_MD_CTX_new();
    if (context != nullptr && EVP_DigestInit_ex(context, evpFor(algorithm), nullptr) != 1) {
        EVP_MD_CTX_free(context);
        return nullptr;
    }
    return context;
}

QString finalHex(const EVP_MD_CTX* context)
{
    if (context == nullptr) {
        return {};
    }
    // Finished on a copy, so more bytes may still be added to the original.
    EVP_MD_CTX* copy = EVP_MD_CTX_new();
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    const bool done = copy != nullptr && EVP_MD_CTX_copy_ex(copy, context) == 1 &&
                      EVP_DigestFinal_ex(copy, digest, &length) == 1;
    EVP_MD_CTX_free(copy);
    return done ? QString::fromLatin1(
                      QByteArray(reinterpret_cast<const char*>(digest), qsizetype(length)).toHex())
                : QString();
}

} // namespace

TransferDigest::TransferDigest(std::optional<ChecksumAlgorithm> serverAlgorithm)
    : m_crc32(serverAlgorithm == ChecksumAlgorithm::crc32)
{
    if (serverAlgorithm == ChecksumAlgorithm::sha1 || serverAlgorithm == ChecksumAlgorithm::md5) {
        m_otherAlgorithm = serverAlgorithm;
    }
    reset();
}

TransferDigest::~TransferDigest()
{
    EVP_MD_CTX_free(m_sha256);
    EVP_MD_CTX_free(m_other);
}

void TransferDigest::reset()
{
    EVP_MD_CTX_free(m_sha256);
    EVP_MD_CTX_free(m_other);
    m_sha256 = newContext(ChecksumAlgorithm::sha256);
    m_other = m_otherAlgorithm ? newContext(*m_otherAlgorithm) : nullptr;
    m_crc = crc32(0L, Z_NULL, 0);
}

void TransferDigest::add(const char* data, qint64 size)
{
    if (size <= 0) {
        return;
    }
    if (m_sha256 != nullptr) {
        EVP_DigestUpdate(m_sha256, data, size_t(size));
    }
    if (m_other != nullptr) {
        EVP_DigestUpdate(m_other, data, size_t(size));
    }
    if (m_crc32) {
        // zlib takes at most an unsigned int at a time.
        for (qint64 done = 0; done < size;) {
            const auto step = uInt(std::min<qint64>(size - done, UINT_MAX));
            m_crc = crc32(m_crc, reinterpret_cast<const Bytef*>(data + done), step);
            done += step;
        }
    }
}

QString TransferDigest::hex(ChecksumAlgorithm algorithm) const
{
    if (algorithm == ChecksumAlgorithm::sha256) {
        return finalHex(m_sha256);
    }
    if (algorithm == ChecksumAlgorithm::crc32) {
        return m_crc32 ? QStringLiteral("%1").arg(m_crc, 8, 16, QLatin1Char('0')) : QString();
    }
    return algorithm == m_otherAlgorithm ? finalHex(m_other) : QString();
}

QString TransferDigest::name(ChecksumAlgorithm algorithm)
{
    switch (algorithm) {
    case ChecksumAlgorithm::sha256:
        return QStringLiteral("SHA-256");
    case ChecksumAlgorithm::sha1:
        return QStringLiteral("SHA-1");
    case ChecksumAlgorithm::md5:
        return QStringLiteral("MD5");
    case ChecksumAlgorithm::crc32:
        return QStringLiteral("CRC32");
    }
    return {};
}

std::optional<ChecksumAlgorithm> TransferDigest::fromName(const QString& name)
{
    for (const ChecksumAlgorithm algorithm : {ChecksumAlgorithm::crc32, ChecksumAlgorithm::md5,
                                              ChecksumAlgorithm::sha1, ChecksumAlgorithm::sha256}) {
        if (name.compare(TransferDigest::name(algorithm), Qt::CaseInsensitive) == 0) {
            return algorithm;
        }
    }
    return std::nullopt;
}

int TransferDigest::hexLength(ChecksumAlgorithm algorithm)
{
    switch (algorithm) {
    case ChecksumAlgorithm::sha256:
        return 64;
    case ChecksumAlgorithm::sha1:
        return 40;
    case ChecksumAlgorithm::md5:
        return 32;
    case ChecksumAlgorithm::crc32:
        return 8;
    }
    return 0;
}

} // namespace ondrix
