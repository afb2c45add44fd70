#include "platform/FileName.h"

#include <sys/stat.h>

namespace ondrix {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// Only bytes 0x80-0xFF can be part of an invalid sequence, so only U+DC80-U+DCFF are escapes; a low
// surrogate right after a high one is half of a real character.
bool isEscapeAt(QStringView name, qsizetype i)
{
    const char16_t unit = name[i].unicode();
    return unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF &&
           (i == 0 || !name[i - 1].isHighSurrogate());
}

// The length of the valid UTF-8 sequence that starts at `i`, or 0 when none does: no overlong forms, no
// encoded surrogates, nothing above U+10FFFF.
qsizetype validSequenceLength(QByteArrayView bytes, qsizetype i)
{
    const auto byte = [&](qsizetype at) { return static_cast<unsigned char>(bytes[at]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        return 1;
    }
    qsizetype length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > bytes.size() || byte(i + 1) < low || byte(i + 1) > high) {
        return 0;
    }
    for (qsizetype k = 2; k < length; ++k) {
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) {
            return 0;
        }
    }
    return length;
}

} // namespace

QString FileName::decode(QByteArrayView bytes)
{
    if (bytes.isValidUtf8()) {
        return QString::fromUtf8(bytes);
    }
    QString name;
    name.reserve(bytes.size());
    qsizetype runStart = 0;
    qsizetype i = 0;
    while (i < bytes.size()) {
        if (const qsizetype length = validSequenceLength(bytes, i); length > 0) {
            i += length;
            continue;
        }
        name += QString::fromUtf8(bytes.sliced(runStart, i - runStart));
        name += QChar(char16_t(kEscapeBase + static_cast<unsigned char>(bytes[i])));
        runStart = ++i;
    }
    name += QString::fromUtf8(bytes.sliced(runStart));
    return name;
}

QByteArray FileName::encode(QStringView name)
{
    if (!hasUndecodableBytes(name)) {
        return name.toUtf8();
    }
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (isEscapeAt(name, i)) {
            bytes += name.sliced(runStart, i - runStart).toUtf8();
            bytes += char(name[i].unicode() - kEscapeBase);
            runStart = i + 1;
        }
    }
    bytes += name.sliced(runStart).toUtf8();
    return bytes;
}

bool FileName::hasUndecodableBytes(QStringView name)
{
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (isEscapeAt(name, i)) {
            return true;
        }
    }
    return false;
}

bool FileName::exists(const QString& path)
{
    struct stat info {};
    return !path.isEmpty() && ::stat(encode(path).constData(), &info) == 0;
}

QString FileName::displayName(const QString& name)
{
    if (!hasUndecodableBytes(name)) {
        return name;
    }
    QString shown;
    shown.reserve(name.size() + 8);
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (isEscapeAt(name, i)) {
            shown += QStringLiteral("\\x") + QString::number(name[i].unicode() - kEscapeBase, 16).toUpper();
        } else {
            shown += name[i];
        }
    }
    return shown;
}

} // namespace ondrix
