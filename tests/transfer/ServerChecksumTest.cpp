#include "transfer/ServerChecksum.h"

#include <gtest/gtest.h>

using namespace ondrix;
using Command = ServerChecksum::Command;

// FEAT lines as servers write them: the strongest algorithm wins, HASH where it offers as strong a one.
TEST(ServerChecksum, TheStrongestOfferedIsChosen)
{
    struct Case {
        QStringList features;
        std::optional<ServerChecksum> chosen;
    };
    for (const Case& c : {
             Case{{"UTF8", "REST STREAM", "SIZE"}, std::nullopt},
             Case{{"HASH SHA-1;SHA-256*;MD5;CRC32"},
                  ServerChecksum{Command::hash, ChecksumAlgorithm::sha256}},
             Case{{"hash crc32*;md5"}, ServerChecksum{Command::hash, ChecksumAlgorithm::md5}},
             Case{{"HASH SHA-512*;BLAKE2"}, std::nullopt},
             Case{{"XCRC filename;start;end", "XMD5 filename;start;end", "XSHA1 filename;start;end"},
                  ServerChecksum{Command::single, ChecksumAlgorithm::sha1}},
             Case{{"XSHA256", "HASH SHA-256;MD5"}, ServerChecksum{Command::hash, ChecksumAlgorithm::sha256}},
             Case{{"XSHA256", "HASH MD5"}, ServerChecksum{Command::single, ChecksumAlgorithm::sha256}},
             Case{{"XSHA", "HASHES SHA-256"}, std::nullopt},
         }) {
        SCOPED_TRACE(c.features.join(" | ").toStdString());
        EXPECT_EQ(ServerChecksum::strongestOffered(c.features), c.chosen);
    }
}

// Only the digest of the algorithm asked for, in a positive reply, counts; other and malformed replies do
// not.
TEST(ServerChecksum, TheDigestIsReadFromItsReplyOnly)
{
    const QByteArray sha256(64, 'a');
    const ServerChecksum hash{Command::hash, ChecksumAlgorithm::sha256};
    const ServerChecksum xmd5{Command::single, ChecksumAlgorithm::md5};
    EXPECT_EQ(hash.commandLines("/in/a b.jpg"), (QList<QByteArray>{"OPTS HASH SHA-256", "HASH /in/a b.jpg"}));
    EXPECT_EQ(xmd5.commandLines("/a.jpg"), QList<QByteArray>{"XMD5 /a.jpg"});
    EXPECT_EQ(hash.digestIn("230 Login successful.\r\n200 SHA-256\r\n213 SHA-256 0-12 " + sha256.toUpper() +
                            " /a.jpg\r\n250 \"/\" is the current directory.\r\n"),
              QString::fromLatin1(sha256));
    EXPECT_EQ(hash.digestIn("213 MD5 0-12 " + QByteArray(32, 'b') + " /a.jpg\r\n"), std::nullopt);
    EXPECT_EQ(hash.digestIn("550 SHA-256 0-12 " + sha256 + " /a.jpg\r\n"), std::nullopt);
    EXPECT_EQ(hash.digestIn("213 SHA-256 0-12 " + sha256.left(63) + "g /a.jpg\r\n"), std::nullopt);
    EXPECT_EQ(xmd5.digestIn("250 CWD ok.\r\n250 " + QByteArray(32, 'C') + "\r\n"), QString(32, u'c'));
    EXPECT_EQ(xmd5.digestIn("250 " + QByteArray(31, 'c') + "\r\n"), std::nullopt);
}
