#pragma once

#include <QString>

#include <optional>

struct evp_md_ctx_st;

namespace ondrix {

// The checksum algorithms servers offer, weakest first, so that the strongest of several is the greatest.
enum class ChecksumAlgorithm { crc32, md5, sha1, sha256 };

// The digests of the bytes of one upload, fed by the transfer as it reads them: SHA-256 always, and the
// one algorithm the server will be asked for when that is another. Used by one thread at a time.
class TransferDigest {
public:
    explicit TransferDigest(std::optional<ChecksumAlgorithm> serverAlgorithm = std::nullopt);
    ~TransferDigest();
    TransferDigest(const TransferDigest&) = delete;
    TransferDigest& operator=(const TransferDigest&) = delete;

    void add(const char* data, qint64 size);
    // Starts over, as for a transfer that reads the file again from its first byte.
    void reset();
    // The digest of what was added so far, in lower-case hexadecimal; empty for an algorithm not kept.
    QString hex(ChecksumAlgorithm algorithm) const;

    // "SHA-256", "SHA-1", "MD5", "CRC32": the names the FTP HASH command uses.
    static QString name(ChecksumAlgorithm algorithm);
    static std::optional<ChecksumAlgorithm> fromName(const QString& name);
    // Hexadecimal digits of a digest.
    static int hexLength(ChecksumAlgorithm algorithm);

private:
    evp_md_ctx_st* m_sha256 = nullptr;
    // SHA-1 or MD5 when the server is asked for one of them.
    evp_md_ctx_st* m_other = nullptr;
    std::optional<ChecksumAlgorithm> m_otherAlgorithm;
    bool m_crc32 = false;
    unsigned long m_crc = 0;
};

} // namespace ondrix
