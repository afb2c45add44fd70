#pragma once

#include <QByteArray>
#include <QString>

namespace ondrix {

// File names as Linux keeps them (bytes, usually but not always UTF-8) in a QString without losing any.
// Valid UTF-8 decodes as usual; each byte of an invalid sequence (a Latin-1 "café" is 63 61 66 E9) becomes
// the lone surrogate U+DC00 + byte, which decoded text never holds, and encodes back to that byte. A path
// read from a folder therefore opens the same file again and an upload can send the name's exact bytes;
// QFile::decodeName turns such bytes into U+FFFD and the file can never be opened again. Pure functions,
// any thread.
class FileName {
public:
    static QString decode(QByteArrayView bytes);
    static QByteArray encode(QStringView name);
    // Whether `name` holds bytes that were not UTF-8.
    static bool hasUndecodableBytes(QStringView name);
    // QFileInfo::exists for any name: Qt's own encoding cannot find a name that is not UTF-8.
    static bool exists(const QString& path);
    // `name` for people: each byte that was not UTF-8 shown as \xNN.
    static QString displayName(const QString& name);
};

} // namespace ondrix
