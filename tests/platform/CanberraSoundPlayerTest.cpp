#include "platform/CanberraSoundPlayer.h"

#include "support/MessageCapture.h"
#include "support/TestEnvironment.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSet>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace ondrix;
using ondrix::test::MessageCapture;

namespace {

// Seconds of sound in a PCM WAV file with the usual 44-byte header; negative when the file is not one.
double wavSeconds(const QByteArray& bytes)
{
    const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    const bool pcm = bytes.size() >= 44 && bytes.startsWith("RIFF") && bytes.mid(8, 8) == "WAVEfmt " &&
                     qFromLittleEndian<quint16>(bytes.constData() + 20) == 1 && bytes.mid(36, 4) == "data" &&
                     u32(28) > 0;
    return pcm ? double(u32(40)) / u32(28) : -1;
}

bool canberraIsMapped()
{
    QFile maps(u"/proc/self/maps"_s);
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libcanberra");
}

TEST(CanberraSoundPlayer, EveryNamedSoundIsAShortFileOfItsOwnAndOthersPlayNothing)
{
    const QString directory = CanberraSoundPlayer::findSoundDirectory();
    ASSERT_FALSE(directory.isEmpty());
    CanberraSoundPlayer player(directory);
    QSet<QByteArray> digests;
    for (const QString& name : SoundPlayer::soundNames()) {
        const QByteArray bytes = test::readFile(player.soundFile(name));
        EXPECT_TRUE(wavSeconds(bytes) > 0.05 && wavSeconds(bytes) < 1.0) << name.toStdString();
        digests.insert(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256));
    }
    EXPECT_EQ(digests.size(), SoundPlayer::soundNames().size()) << "five different sounds";

    // Unknown names and a missing sound folder play nothing, say nothing, load no libcanberra; without an
    // audio device (as here) playing returns and costs at most one log line.
    MessageCapture capture;
    CanberraSoundPlayer nowhere(u"/nonexistent/sounds"_s);
    for (const QString& name : {u"glass"_s, u"Basso"_s, QString(), u"../sounds/Glass"_s, u"Glass.wav"_s}) {
        EXPECT_TRUE(player.soundFile(name).isEmpty()) << name.toStdString();
        player.play(name);
    }
    EXPECT_TRUE(nowhere.soundFile(u"Glass"_s).isEmpty());
    nowhere.play(u"Glass"_s);
    EXPECT_TRUE(capture.matching(u"[CanberraSoundPlayer]"_s).isEmpty());
    EXPECT_FALSE(canberraIsMapped());

    for (const QString& name : SoundPlayer::soundNames())
        player.play(name);
    EXPECT_TRUE(canberraIsMapped());
    EXPECT_LE(capture.matching(u"[CanberraSoundPlayer] Cannot play"_s).size(), 1);
    EXPECT_TRUE(capture.matching(u"[CanberraSoundPlayer] Cannot load"_s).isEmpty());
}

} // namespace
