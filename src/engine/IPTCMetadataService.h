#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace ondrix {

// Writes a connection's keywords into the IPTC block of an image just before it is uploaded. The image is
// copied to a hidden temporary file beside it ("." + name + ".ondrix-iptc-tmp", with the original's
// permissions and extended attributes), the keywords are written into the copy with exiv2, and the copy is
// flushed and renamed over the original, so a reader sees either the old or the new file, never a
// half-written one. Pixels and all other metadata pass through untouched; a file whose keywords would not
// change is not rewritten at all. Types exiv2 cannot write IPTC into (HEIC and HEIF among them) are left
// alone.
//
// Stateless: injectKeywords runs synchronously on the caller's thread (the engine's background upload pool,
// several at once, each on its own file) and never throws. Problems end as system-log lines in the
// "ondrix.iptc" category; the original is then as it was and the temporary file is gone.
class IPTCMetadataService {
public:
    enum class Outcome {
        injected,  // the file was rewritten with the merged keywords
        unchanged, // the keywords were already there; the file was not touched
        skipped,   // no keywords, not one of the image types, or a file exiv2 cannot read or write
        failed,    // reading, writing or replacing failed; the original is as it was
    };

    // The caller has no use for the outcome; tests and diagnostics do.
    static Outcome injectKeywords(const QString& keywordText, const QString& filePath) noexcept;

    // Split at every ",", each piece trimmed, empty pieces dropped, order kept.
    static QStringList parseKeywords(const QString& keywordText);
    // jpg, jpeg, tif, tiff, png, heic, heif or dng, in any letter case.
    static bool hasImageExtension(const QString& filePath);
    // `existing` without entries that begin with "sp_", "opta_" or "gettymeid_", then every added keyword
    // (as UTF-8) that is not yet in the list, in order.
    static std::vector<std::string> mergeKeywords(const std::vector<std::string>& existing,
                                                  const QStringList& added);
    static QString temporaryPath(const QString& filePath);
};

} // namespace ondrix
