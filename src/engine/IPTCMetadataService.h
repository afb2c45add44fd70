#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

namespace ondrix {

class WatchedTree;

// Writes a connection's keywords into the IPTC block of an image just before it is uploaded. The image is
// copied to a hidden temporary file beside it ("." + name + ".ondrix-iptc-tmp", with the original's
// permissions and extended attributes), the keywords are written into the copy with exiv2 (in a module loaded
// with the first keyword written), and the copy is flushed and renamed over the original, so a reader sees
// either the old or the new file, never a half-written one. Pixels and all other metadata pass through
// untouched; a file whose keywords would not change is not rewritten at all. Types exiv2 cannot write IPTC
// into (HEIC and HEIF among them) are left alone.
//
// An image that may still be growing is never replaced, because the replacement would cut off whatever its
// writer adds later (the writer keeps writing into the unlinked old file): the file is left alone while
// another process has it open for writing (a read lease, which the kernel grants only then and breaks when
// someone opens the file for writing meanwhile), when its image data is not all there (every strip and tile
// of a TIFF or DNG, a PNG's end chunk, a JPEG's end marker), and when its size, modification time or inode
// changed while the copy was made. Only types whose completeness can be checked are rewritten.
//
// Stateless: injectKeywords runs synchronously on the caller's thread (the engine's background upload pool,
// several at once, each on its own file) and never throws. Problems end as system-log lines in the
// "ondrix.iptc" category; the original is then as it was and the temporary file is gone.
class IPTCMetadataService {
public:
    enum class Outcome {
        injected,  // the file was rewritten with the merged keywords
        unchanged, // the keywords were already there; the file was not touched
        skipped,   // no keywords, not one of the image types, a file exiv2 cannot read or write, or no module
        // The next two leave the file alone because it may still be written; it is worth another try once it
        // is stable again.
        incomplete, // its image data is not all there (cut short, or its writer has not finished)
        inUse,      // another process has it open for writing, or it changed while the copy was made
        failed,     // reading, writing or replacing failed; the original is as it was
    };

    // Larger images go up without keywords (said in the log). A JPEG is rewritten without being read whole
    // (only its segments before the image data are), but PNG and TIFF images are rewritten in memory.
    static constexpr qint64 kMaxImageBytes = 2LL * 1024 * 1024 * 1024;

    // `beforeReplace` runs after the rewritten copy is on disk, just before the last checks and the swap
    // (tests use it to change the file at the worst moment). With `within`, the file is reached through
    // that tree: a link anywhere on its way leaves it alone.
    static Outcome injectKeywords(const QString& keywordText, const QString& filePath,
                                  const std::function<void()>& beforeReplace = {},
                                  const WatchedTree* within = nullptr) noexcept;

    // Where a problem the user can act on is said (the keyword module cannot be loaded, once per process,
    // and images then go up without their keywords; an image too large for them), besides the system log. Any
    // thread may call it; an empty function stops it.
    static void setProblemReporter(std::function<void(const QString&)> reporter);

    // Whether an image's bytes hold all of its image data: for a JPEG the end-of-image marker after the scan,
    // for a PNG the end chunk, for a TIFF (DNG included) every strip and tile of every image and every
    // directory inside the file. Other types are never complete: nothing is known about them.
    static bool isComplete(const QByteArray& bytes);

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
