#include "platform/FileName.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using ondrix::FileName;

// Names a Latin-1 system, a damaged archive or a camera left behind: every byte sequence comes back as it
// was, valid UTF-8 decodes as text, and only the bytes that are not UTF-8 are escaped.
TEST(FileName, AnyBytesSurviveTheRoundTrip)
{
    const QByteArray latin1("caf\xe9.jpg");
    const QString decoded = FileName::decode(latin1);
    EXPECT_TRUE(FileName::hasUndecodableBytes(decoded));
    EXPECT_EQ(FileName::encode(decoded), latin1);
    EXPECT_EQ(FileName::displayName(decoded), u"caf\\xE9.jpg"_s);

    const QByteArray utf8 = u"Zürich 😀 čšž.nef"_s.toUtf8();
    EXPECT_EQ(FileName::decode(utf8), u"Zürich 😀 čšž.nef"_s);
    EXPECT_FALSE(FileName::hasUndecodableBytes(FileName::decode(utf8)));

    // Overlong forms, encoded surrogates, code points past U+10FFFF, cut sequences and stray continuation
    // bytes are not UTF-8; mixed with valid text they keep their places.
    for (const QByteArray& bytes :
         {QByteArray("\xc0\xaf"), QByteArray("\xed\xa0\x80"), QByteArray("\xf4\x90\x80\x80"),
          QByteArray("ab\xe2\x82"), QByteArray("\x80x\xbf"), QByteArray("\xff\xfe"),
          QByteArray("\xf0\x9f\x98\x80\xe9\xc3\xa9")}) {
        EXPECT_EQ(FileName::encode(FileName::decode(bytes)), bytes) << bytes.toHex().constData();
    }
    for (int b = 0; b < 256; ++b) {
        const QByteArray one(1, char(b));
        EXPECT_EQ(FileName::encode(FileName::decode(one)), one) << b;
    }
}
