#include "engine/IPTCMetadataService.h"

#include "iptc/KeywordModule.h"
#include "platform/FileDescriptor.h"
#include "platform/FileName.h"
#include "platform/ReadLease.h"
#include "platform/WatchedTree.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace ondrix {

Q_LOGGING_CATEGORY(lcIptc, "ondrix.iptc")

namespace {

constexpr std::array<const char*, 3> removedPrefixes{"sp_", "opta_", "gettymeid_"};
constexpr std::array<QLatin1StringView, 8> imageExtensions{
    QLatin1StringView("jpg"), QLatin1StringView("jpeg"), QLatin1StringView("tif"),  QLatin1StringView("tiff"),
    QLatin1StringView("png"), QLatin1StringView("heic"), QLatin1StringView("heif"), QLatin1StringView("dng")};

std::mutex problemReporterMutex;
std::function<void(const QString&)> problemReporter;

void reportProblem(const QString& message)
{
    qCWarning(lcIptc).noquote() << "[IPTCMetadataService]" << message;
    const std::lock_guard lock(problemReporterMutex);
    if (problemReporter) {
        problemReporter(message);
    }
}

// The keyword module, loaded with the first keyword written; null when it cannot be loaded, which is said
// once (in the activity log when there is one).
const KeywordModuleEntry* keywordModule()
{
    QString error;
    const KeywordModuleEntry* entry = KeywordModule::entry(&error);
    if (!entry) {
        static std::once_flag once;
        std::call_once(once, [&error] {
            const QString message = QCoreApplication::translate(
                                        "IPTCMetadataService",
                                        "Keywords cannot be written into images, so images are uploaded "
                                        "without them: %1. Reinstall Ondrix to restore its keyword module.")
                                        .arg(error);
            qCWarning(lcIptc).noquote() << "[IPTCMetadataService]" << message;
            const std::lock_guard lock(problemReporterMutex);
            if (problemReporter) {
                problemReporter(message);
            }
        });
    }
    return entry;
}

QString fileName(const QString& filePath)
{
    return QFileInfo(filePath).fileName();
}

// Removes the temporary file when it goes out of scope, on every path but the successful rename.
class TemporaryFile {
public:
    TemporaryFile(int folder, QByteArray name)
        : m_folder(folder)
        , m_name(std::move(name))
    {}
    ~TemporaryFile()
    {
        if (m_armed) {
            ::unlinkat(m_folder, m_name.constData(), 0);
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    void release() { m_armed = false; }

private:
    int m_folder;
    QByteArray m_name;
    bool m_armed = true;
};

// Reads the whole regular file behind `in`.
int readAll(int in, std::vector<unsigned char>& bytes)
{
    struct stat status {};
    if (::fstat(in, &status) != 0) {
        return errno;
    }
    bytes.resize(static_cast<size_t>(status.st_size));
    size_t filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            bytes.resize(bytes.size() + 4096); // the file grew since fstat
        }
        const ssize_t read = ::read(in, bytes.data() + filled, bytes.size() - filled);
        if (read < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (read == 0) {
            bytes.resize(filled);
            return 0;
        }
        filled += static_cast<size_t>(read);
    }
}

int writeAll(int out, const unsigned char* data, size_t size)
{
    for (size_t written = 0; written < size;) {
        const ssize_t n = ::write(out, data + written, size - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        written += static_cast<size_t>(n);
    }
    return 0;
}

// Reads exactly `length` bytes at `offset`; false on an error or when the file ends before.
bool readAt(int in, size_t offset, unsigned char* into, size_t length)
{
    while (length > 0) {
        const ssize_t n = ::pread(in, into, length, off_t(offset));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        into += n;
        offset += size_t(n);
        length -= size_t(n);
    }
    return true;
}

// Copies the bytes [from, to) of `in` to the end of `out`, in the kernel where it can. A file that got
// shorter meanwhile ends the copy early (the caller sees the change in its size). Returns 0 or an errno.
int copyRange(int in, int out, size_t from, size_t to)
{
    loff_t position = loff_t(from);
    while (size_t(position) < to) {
        const ssize_t n = ::copy_file_range(in, &position, out, nullptr, to - size_t(position), 0);
        if (n > 0) {
            continue;
        }
        if (n == 0) {
            return 0;
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) {
            return errno;
        }
        // Not between these two files: through a buffer.
        std::vector<unsigned char> buffer(size_t(1) << 20);
        while (size_t(position) < to) {
            const ssize_t read =
                ::pread(in, buffer.data(), std::min(buffer.size(), to - size_t(position)), position);
            if (read < 0 && errno == EINTR) {
                continue;
            }
            if (read <= 0) {
                return read < 0 ? errno : 0;
            }
            if (const int error = writeAll(out, buffer.data(), size_t(read)); error != 0) {
                return error;
            }
            position += read;
        }
    }
    return 0;
}

// Extended attributes (the file's colour tags among them) travel with the content; attributes the target
// refuses (security labels, for instance) are left behind.
void copyExtendedAttributes(int in, int out)
{
    const ssize_t listSize = ::flistxattr(in, nullptr, 0);
    if (listSize <= 0) {
        return;
    }
    QByteArray names(listSize, Qt::Uninitialized);
    const ssize_t listed = ::flistxattr(in, names.data(), static_cast<size_t>(names.size()));
    if (listed <= 0) {
        return;
    }
    names.truncate(listed);
    for (const QByteArray& name : names.split('\0')) {
        if (name.isEmpty()) {
            continue;
        }
        const ssize_t valueSize = ::fgetxattr(in, name.constData(), nullptr, 0);
        if (valueSize < 0) {
            continue;
        }
        QByteArray value(valueSize, Qt::Uninitialized);
        const ssize_t read =
            ::fgetxattr(in, name.constData(), value.data(), static_cast<size_t>(value.size()));
        if (read < 0) {
            continue;
        }
        ::fsetxattr(out, name.constData(), value.constData(), static_cast<size_t>(read), 0);
    }
}

// The part of the original that goes into the new file unchanged, after what exiv2 wrote: [from, to).
struct KeptRange {
    size_t from = 0;
    size_t to = 0;
};

// Writes the rewritten image (`data`, then `kept` of the original) to `target` with the original's owner
// (where allowed), permission bits and extended attributes, and flushes it to the disk. Every write error is
// seen here (exiv2's own file writer loses buffered write errors, which would let a cut-off file replace the
// original). Returns 0 or an errno.
int writeReplacement(int original, int folder, const QByteArray& target, const unsigned char* data,
                     size_t size, KeptRange kept)
{
    struct stat status {};
    if (::fstat(original, &status) != 0) {
        return errno;
    }
    ::unlinkat(folder, target.constData(), 0); // a leftover of an interrupted run
    FileDescriptor out(
        ::openat(folder, target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!out.isValid()) {
        return errno;
    }
    if (const int error = writeAll(out.get(), data, size); error != 0) {
        return error;
    }
    if (const int error = copyRange(original, out.get(), kept.from, kept.to); error != 0) {
        return error;
    }
    [[maybe_unused]] const int ignored = ::fchown(out.get(), status.st_uid, status.st_gid);
    ::fchmod(out.get(), status.st_mode & 07777);
    copyExtendedAttributes(original, out.get());
    if (::fsync(out.get()) != 0) {
        return errno;
    }
    // Delayed write errors surface at the close.
    return ::close(out.release()) == 0 ? 0 : errno;
}

// Where a JPEG's first scan starts: the marker segments before it are walked by their lengths (an embedded
// thumbnail carries an end marker of its own). `needMore` when the bytes end before it.
struct JpegScan {
    enum class State { found, needMore, invalid };
    State state = State::invalid;
    size_t at = 0; // the start-of-scan marker
};

JpegScan findJpegScan(const unsigned char* bytes, size_t size)
{
    size_t position = 2; // after start-of-image
    while (position + 4 <= size) {
        if (bytes[position] != 0xFF) {
            return {};
        }
        const unsigned char marker = bytes[position + 1];
        if (marker == 0xFF) { // fill byte
            ++position;
            continue;
        }
        if (marker == 0xDA) { // start of scan
            return {JpegScan::State::found, position};
        }
        position += 2 + ((size_t{bytes[position + 2]} << 8) | bytes[position + 3]);
    }
    return {JpegScan::State::needMore, 0};
}

size_t jpegSegmentEnd(const unsigned char* bytes, size_t at)
{
    return at + 2 + ((size_t{bytes[at + 2]} << 8) | bytes[at + 3]);
}

constexpr std::array<unsigned char, 2> jpegEndOfImage{0xFF, 0xD9};

// Whether a JPEG's compressed data ends with its end-of-image marker. A file cut short (an interrupted copy
// from a card, or one still being written) has none, and rewriting it would only freeze the damage. Inside
// scan data a 0xFF byte is always stuffed or a restart marker, so 0xFF 0xD9 there is the end.
bool jpegIsComplete(const unsigned char* bytes, size_t size)
{
    const JpegScan scan = findJpegScan(bytes, size);
    return scan.state == JpegScan::State::found &&
           std::search(bytes + scan.at + 2, bytes + size, jpegEndOfImage.begin(), jpegEndOfImage.end()) !=
               bytes + size;
}

quint32 bigEndian32(const unsigned char* p)
{
    return (quint32{p[0]} << 24) | (quint32{p[1]} << 16) | (quint32{p[2]} << 8) | quint32{p[3]};
}

// Whether a PNG's chunks, walked by their lengths from the signature, reach the end chunk inside the file.
bool pngIsComplete(const unsigned char* bytes, size_t size)
{
    size_t position = 8; // after the signature
    bool first = true;
    while (position + 12 <= size) {
        const size_t length = bigEndian32(bytes + position);
        const unsigned char* type = bytes + position + 4;
        if (first && std::memcmp(type, "IHDR", 4) != 0) {
            return false;
        }
        first = false;
        if (length > size - position - 12) {
            return false; // the chunk runs past the end of the file
        }
        if (std::memcmp(type, "IEND", 4) == 0) {
            return true;
        }
        position += 12 + length;
    }
    return false;
}

// Whether an image's data is all there, missing (cut short, or its writer is not done), or cannot be told
// because the structure is not one a writer makes.
enum class Completeness { complete, incomplete, unjudgeable };

// Whether every directory of a TIFF (a DNG is one) and everything it points to lies inside the file, and
// there is image data at all. Writers put the directory first and the pixels after it (exiv2, most raw
// converters) or the pixels first and the directory last (libtiff): a file still being written then has
// strips past its end, or a header pointing past its end. Directories are followed along the chain and into
// sub-images (where a DNG keeps its raw data).
Completeness tiffCompleteness(const unsigned char* bytes, size_t size)
{
    if (size < 8) {
        return Completeness::incomplete;
    }
    const bool little = bytes[0] == 'I';
    const auto read16 = [&](size_t at) -> quint32 {
        return little ? quint32(bytes[at]) | quint32(bytes[at + 1]) << 8
                      : quint32(bytes[at]) << 8 | quint32(bytes[at + 1]);
    };
    const auto read32 = [&](size_t at) -> quint32 {
        return little ? read16(at) | read16(at + 2) << 16 : read16(at) << 16 | read16(at + 2);
    };
    if (read16(2) != 42) {
        return Completeness::unjudgeable; // BigTIFF or not a TIFF
    }
    // Every entry, pointer and strip looked at costs one step; a crafted file whose directories share
    // their arrays or point at each other runs out of steps long before the walk outgrows the file, and is
    // not judged at all (it goes up without keywords instead of waiting for ever as "still being written").
    size_t steps = size + 4096;
    const auto step = [&steps](size_t n) {
        if (n > steps) {
            steps = 0;
            return false;
        }
        steps -= n;
        return true;
    };
    const auto typeSize = [](quint32 type) -> size_t {
        switch (type) {
        case 1:
        case 2:
        case 6:
        case 7:
            return 1; // byte, ascii, signed byte, undefined
        case 3:
        case 8:
            return 2; // short, signed short
        case 4:
        case 9:
        case 11:
        case 13:
            return 4; // long, signed long, float, sub-directory
        case 5:
        case 10:
        case 12:
            return 8; // rationals, double
        default:
            return 0;
        }
    };
    std::vector<size_t> pending{read32(4)};
    std::vector<size_t> visited;
    bool hasImageData = false;
    while (!pending.empty()) {
        const size_t directory = pending.back();
        pending.pop_back();
        if (directory == 0 || std::find(visited.begin(), visited.end(), directory) != visited.end()) {
            continue;
        }
        if (visited.size() >= 256) {
            return Completeness::unjudgeable;
        }
        if (directory > size - 2) {
            return Completeness::incomplete;
        }
        visited.push_back(directory);
        const size_t count = read16(directory);
        if (count == 0 || count > (size - directory - 2) / 12 || directory + 2 + count * 12 + 4 > size) {
            return Completeness::incomplete;
        }
        if (!step(count + visited.size())) {
            return Completeness::unjudgeable;
        }
        // Offsets and byte counts of strips, tiles and an embedded JPEG, by tag, as (value position, count,
        // element size).
        struct Array {
            size_t at = 0;
            size_t count = 0;
            size_t width = 0;
        };
        std::map<quint32, Array> arrays;
        for (size_t i = 0; i < count; ++i) {
            const size_t entry = directory + 2 + i * 12;
            const quint32 tag = read16(entry);
            const size_t width = typeSize(read16(entry + 2));
            const size_t elements = read32(entry + 4);
            if (width == 0) {
                continue; // a type this walk does not know; its value is not followed
            }
            if (elements > size / width) {
                return Completeness::incomplete;
            }
            const size_t length = elements * width;
            size_t at = entry + 8;
            if (length > 4) {
                at = read32(entry + 8);
                if (at > size || length > size - at) {
                    return Completeness::incomplete; // the value lies (partly) past the end of the file
                }
            }
            switch (tag) {
            case 273:
            case 279:
            case 324:
            case 325:
            case 513:
            case 514:
                arrays[tag] = {at, elements, width};
                break;
            case 330: // sub-image directories
                if (width == 4 && !step(elements)) {
                    return Completeness::unjudgeable;
                }
                for (size_t k = 0; k < elements && (width == 4); ++k) {
                    pending.push_back(read32(at + 4 * k));
                }
                break;
            default:
                break;
            }
        }
        const auto valueAt = [&](const Array& array, size_t k) -> size_t {
            return array.width == 2 ? read16(array.at + 2 * k) : read32(array.at + 4 * k);
        };
        for (const auto& [offsets, lengths] : {std::pair{273U, 279U}, {324U, 325U}, {513U, 514U}}) {
            const auto o = arrays.find(offsets);
            const auto l = arrays.find(lengths);
            if (o == arrays.end() && l == arrays.end()) {
                continue;
            }
            if (o == arrays.end() || l == arrays.end() || o->second.count != l->second.count ||
                (o->second.width != 2 && o->second.width != 4) ||
                (l->second.width != 2 && l->second.width != 4)) {
                return Completeness::incomplete;
            }
            if (!step(o->second.count)) {
                return Completeness::unjudgeable;
            }
            for (size_t k = 0; k < o->second.count; ++k) {
                const size_t start = valueAt(o->second, k);
                const size_t length = valueAt(l->second, k);
                if (start > size || length > size - start) {
                    return Completeness::incomplete;
                }
                hasImageData = hasImageData || length > 0;
            }
        }
        pending.push_back(read32(directory + 2 + count * 12));
    }
    return hasImageData ? Completeness::complete : Completeness::incomplete;
}

// Dispatches on the file's signature, not its name or exiv2's guess, so the check always fits the bytes.
Completeness imageCompleteness(const unsigned char* bytes, size_t size)
{
    const auto judged = [](bool complete) {
        return complete ? Completeness::complete : Completeness::incomplete;
    };
    if (size >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF) {
        return judged(jpegIsComplete(bytes, size));
    }
    if (size >= 8 && std::memcmp(bytes, "\x89PNG\r\n\x1a\n", 8) == 0) {
        return judged(pngIsComplete(bytes, size));
    }
    if (size >= 4 && (std::memcmp(bytes, "II*\0", 4) == 0 || std::memcmp(bytes, "MM\0*", 4) == 0)) {
        return tiffCompleteness(bytes, size);
    }
    return Completeness::unjudgeable;
}

// Whether the bytes [from, to) of `in` hold an end-of-image marker; searched from the end, where it usually
// is, a piece at a time.
bool hasJpegEndOfImage(int in, size_t from, size_t to)
{
    std::vector<unsigned char> buffer(std::min<size_t>(to - from, size_t(1) << 20) + 1);
    for (size_t end = to; end > from;) {
        const size_t begin = end - std::min(end - from, buffer.size() - 1);
        const size_t length = std::min(end + 1, to) - begin; // one byte more: a marker across the cut
        if (!readAt(in, begin, buffer.data(), length)) {
            return false;
        }
        if (std::search(buffer.data(), buffer.data() + length, jpegEndOfImage.begin(),
                        jpegEndOfImage.end()) != buffer.data() + length) {
            return true;
        }
        end = begin;
    }
    return false;
}

// What exiv2 is given to rewrite, and what of the original follows its output unchanged.
struct Rewrite {
    Completeness completeness = Completeness::incomplete;
    std::vector<unsigned char> bytes;
    // The original from here to its end follows exiv2's output, in place of the last `standIn` bytes of it.
    size_t keptFrom = 0;
    size_t standIn = 0;
};

// A JPEG's metadata all lies before its first scan, and exiv2 passes everything from the scan on through as
// it is. So a JPEG is never read whole: exiv2 gets the segments before the scan, the scan's header and an end
// marker standing in for the rest, and the rest is copied from the original into the new file. A header
// larger than any camera writes is not judged.
constexpr size_t kMaxJpegHeadBytes = size_t(64) << 20;

Rewrite readJpegHead(int in, size_t fileSize)
{
    Rewrite rewrite;
    std::vector<unsigned char>& bytes = rewrite.bytes;
    size_t want = std::min<size_t>(fileSize, size_t(64) << 10);
    for (;;) {
        const size_t had = bytes.size();
        bytes.resize(want);
        if (!readAt(in, had, bytes.data() + had, want - had)) {
            bytes.clear(); // shorter than it was a moment ago
            return rewrite;
        }
        const JpegScan scan = findJpegScan(bytes.data(), bytes.size());
        if (scan.state == JpegScan::State::invalid) {
            return rewrite;
        }
        if (scan.state == JpegScan::State::found) {
            const size_t headerEnd = jpegSegmentEnd(bytes.data(), scan.at);
            if (headerEnd > fileSize) {
                return rewrite;
            }
            if (headerEnd > bytes.size()) {
                want = headerEnd;
                continue;
            }
            bytes.resize(headerEnd);
            bytes.insert(bytes.end(), jpegEndOfImage.begin(), jpegEndOfImage.end());
            rewrite.keptFrom = scan.at;
            rewrite.standIn = bytes.size() - scan.at;
            rewrite.completeness = hasJpegEndOfImage(in, scan.at + 2, fileSize) ? Completeness::complete
                                                                                : Completeness::incomplete;
            return rewrite;
        }
        if (want == fileSize) {
            return rewrite;
        }
        if (want >= kMaxJpegHeadBytes) {
            rewrite.completeness = Completeness::unjudgeable;
            return rewrite;
        }
        want = std::min({fileSize, want * 4, kMaxJpegHeadBytes});
    }
}

// PNG and TIFF are read whole: exiv2 rewrites them in memory anyway.
Rewrite readWhole(int in)
{
    Rewrite rewrite;
    if (readAll(in, rewrite.bytes) != 0 || rewrite.bytes.empty()) {
        rewrite.completeness = Completeness::unjudgeable;
        rewrite.bytes.clear();
        return rewrite;
    }
    rewrite.completeness = imageCompleteness(rewrite.bytes.data(), rewrite.bytes.size());
    rewrite.keptFrom = rewrite.bytes.size();
    return rewrite;
}

bool sameFileState(const struct stat& a, const struct stat& b)
{
    return a.st_ino == b.st_ino && a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec &&
           a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

IPTCMetadataService::Outcome inject(const QString& keywordText, const QString& filePath,
                                    const std::function<void()>& beforeReplace, const WatchedTree* within)
{
    using Outcome = IPTCMetadataService::Outcome;
    const QStringList keywords = IPTCMetadataService::parseKeywords(keywordText);
    if (keywords.isEmpty() || !IPTCMetadataService::hasImageExtension(filePath)) {
        return Outcome::skipped;
    }
    // Everything happens in the folder that holds the file, opened once (through the watched tree when
    // there is one, so no link on the way is followed): the read, the copy beside it and the swap.
    WatchedTree::Parent parent;
    if (within != nullptr) {
        parent = within->openParent(filePath);
    } else {
        const QFileInfo info(filePath);
        parent.folder.reset(
            ::open(FileName::encode(info.path()).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        parent.name = FileName::encode(info.fileName());
    }
    if (!parent.folder.isValid()) {
        return Outcome::skipped;
    }
    const int folder = parent.folder.get();
    const QByteArray& name = parent.name;
    // Only a regular file is rewritten: not a directory, a device, or a symbolic link (whose target may lie
    // outside the watched folder).
    const FileDescriptor original(
        ::openat(folder, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (!original.isValid() || ::fstat(original.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return Outcome::skipped;
    }
    // The image is rewritten in memory: a huge (or sparse) file would take all of it.
    if (qint64(status.st_size) > IPTCMetadataService::kMaxImageBytes) {
        reportProblem(QCoreApplication::translate("IPTCMetadataService",
                                                  "%1 is larger than 2 GiB, so it goes up without the "
                                                  "connection's keywords")
                          .arg(FileName::displayName(fileName(filePath))));
        return Outcome::skipped;
    }
    // Taken before the file is read, so a writer that opens it afterwards is noticed before the swap.
    const ReadLease lease(original.get());
    if (lease.state() == ReadLease::State::openForWriting) {
        qCDebug(lcIptc).noquote() << "[IPTCMetadataService] Still open for writing, left alone:"
                                  << fileName(filePath);
        return Outcome::inUse;
    }
    if (lease.state() == ReadLease::State::unavailable) {
        qCDebug(lcIptc).noquote() << QStringLiteral("[IPTCMetadataService] No lease on %1 (%2); relying on "
                                                    "the size, time and completeness checks")
                                         .arg(fileName(filePath), qt_error_string(lease.error()));
    }
    // The original file is only ever read.
    std::array<unsigned char, 3> signature{};
    const size_t fileSize = size_t(status.st_size);
    const bool jpeg = readAt(original.get(), 0, signature.data(), signature.size()) &&
                      signature == std::array<unsigned char, 3>{0xFF, 0xD8, 0xFF};
    const Rewrite rewrite = jpeg ? readJpegHead(original.get(), fileSize) : readWhole(original.get());
    const std::vector<unsigned char>& bytes = rewrite.bytes;
    if (bytes.empty()) {
        return rewrite.completeness == Completeness::incomplete ? Outcome::incomplete : Outcome::skipped;
    }
    const KeywordModuleEntry* module = keywordModule();
    if (!module) {
        return Outcome::skipped;
    }

    std::string error;
    const std::unique_ptr<KeywordImage> image = module->open(bytes.data(), bytes.size(), error);
    if (!image) {
        if (!error.empty()) {
            qCDebug(lcIptc).noquote() << QStringLiteral("[IPTCMetadataService] Cannot read %1: %2")
                                             .arg(fileName(filePath), QString::fromStdString(error));
        }
        return Outcome::skipped;
    }
    // exiv2 rewrites what it understood of a cut-off file and drops the rest (strips past the end of a TIFF
    // vanish), so an image that is not all there is never handed to it for writing.
    switch (rewrite.completeness) {
    case Completeness::complete:
        break;
    case Completeness::incomplete:
        qCDebug(lcIptc).noquote() << "[IPTCMetadataService] Image data incomplete, left alone:"
                                  << fileName(filePath);
        return Outcome::incomplete;
    case Completeness::unjudgeable:
        qCDebug(lcIptc).noquote() << "[IPTCMetadataService] Image structure not judged, no keywords:"
                                  << fileName(filePath);
        return Outcome::skipped;
    }
    std::vector<std::string> existing;
    if (!image->readKeywords(existing, error)) {
        qCDebug(lcIptc).noquote() << QStringLiteral("[IPTCMetadataService] Cannot read %1: %2")
                                         .arg(fileName(filePath), QString::fromStdString(error));
        return Outcome::skipped;
    }

    const std::vector<std::string> merged = IPTCMetadataService::mergeKeywords(existing, keywords);
    if (merged == existing) {
        return Outcome::unchanged;
    }

    const QByteArray temporary = '.' + name + ".ondrix-iptc-tmp";
    TemporaryFile temporaryGuard(folder, temporary);
    const unsigned char* data = nullptr;
    size_t size = 0;
    if (!image->writeKeywords(merged, data, size, error)) {
        qCDebug(lcIptc).noquote() << QStringLiteral("[IPTCMetadataService] Cannot write keywords into %1: %2")
                                         .arg(fileName(filePath), QString::fromStdString(error));
        return Outcome::failed;
    }
    // The stand-in for the rest of the original must have come through as it went in.
    if (size < rewrite.standIn || !std::equal(bytes.end() - std::ptrdiff_t(rewrite.standIn), bytes.end(),
                                              data + size - rewrite.standIn)) {
        qCDebug(lcIptc).noquote() << "[IPTCMetadataService] Image data rearranged by exiv2, no keywords:"
                                  << fileName(filePath);
        return Outcome::failed;
    }
    if (const int writeError = writeReplacement(original.get(), folder, temporary, data,
                                                size - rewrite.standIn, {rewrite.keptFrom, fileSize});
        writeError != 0) {
        qCDebug(lcIptc).noquote() << QStringLiteral("[IPTCMetadataService] Cannot write %1: %2")
                                         .arg(IPTCMetadataService::temporaryPath(filePath),
                                              qt_error_string(writeError));
        return Outcome::failed;
    }
    if (beforeReplace) {
        beforeReplace();
    }
    // A file that changed while we worked (written, touched, or replaced by another file) is not replaced by
    // our copy of its older state; neither is one that someone has opened for writing meanwhile (the opener
    // waits for the lease, and then writes into the file it expects).
    struct stat current {};
    struct stat opened {};
    if (!lease.isIntact() || ::fstatat(folder, name.constData(), &current, AT_SYMLINK_NOFOLLOW) != 0 ||
        !sameFileState(current, status) || ::fstat(original.get(), &opened) != 0 ||
        !sameFileState(opened, status)) {
        qCDebug(lcIptc).noquote() << "[IPTCMetadataService] Changed while keywords were written:"
                                  << fileName(filePath);
        return Outcome::inUse;
    }
    if (::renameat(folder, temporary.constData(), folder, name.constData()) != 0) {
        qCWarning(lcIptc).noquote() << QStringLiteral("[IPTCMetadataService] Failed to replace file %1: %2")
                                           .arg(fileName(filePath), qt_error_string(errno));
        return Outcome::failed;
    }
    temporaryGuard.release();
    return Outcome::injected;
}

} // namespace

IPTCMetadataService::Outcome IPTCMetadataService::injectKeywords(const QString& keywordText,
                                                                 const QString& filePath,
                                                                 const std::function<void()>& beforeReplace,
                                                                 const WatchedTree* within) noexcept
{
    try {
        return inject(keywordText, filePath, beforeReplace, within);
    } catch (const std::exception& error) {
        qCDebug(lcIptc).noquote() << QStringLiteral("[IPTCMetadataService] Keywords not written to %1: %2")
                                         .arg(fileName(filePath), QString::fromUtf8(error.what()));
    } catch (...) {
        qCDebug(lcIptc).noquote() << "[IPTCMetadataService] Keywords not written to" << fileName(filePath);
    }
    return Outcome::failed;
}

void IPTCMetadataService::setProblemReporter(std::function<void(const QString&)> reporter)
{
    const std::lock_guard lock(problemReporterMutex);
    problemReporter = std::move(reporter);
}

bool IPTCMetadataService::isComplete(const QByteArray& bytes)
{
    return imageCompleteness(reinterpret_cast<const unsigned char*>(bytes.constData()),
                             size_t(bytes.size())) == Completeness::complete;
}

QStringList IPTCMetadataService::parseKeywords(const QString& keywordText)
{
    QStringList keywords;
    for (const QString& piece : keywordText.split(u',', Qt::SkipEmptyParts)) {
        const QString keyword = piece.trimmed();
        if (!keyword.isEmpty()) {
            keywords.append(keyword);
        }
    }
    return keywords;
}

bool IPTCMetadataService::hasImageExtension(const QString& filePath)
{
    const QString extension = QFileInfo(filePath).suffix().toLower();
    return std::find(imageExtensions.begin(), imageExtensions.end(), extension) != imageExtensions.end();
}

std::vector<std::string> IPTCMetadataService::mergeKeywords(const std::vector<std::string>& existing,
                                                            const QStringList& added)
{
    std::vector<std::string> merged;
    merged.reserve(existing.size() + static_cast<size_t>(added.size()));
    for (const std::string& keyword : existing) {
        const bool removed = std::any_of(removedPrefixes.begin(), removedPrefixes.end(),
                                         [&](const char* prefix) { return keyword.starts_with(prefix); });
        if (!removed) {
            merged.push_back(keyword);
        }
    }
    for (const QString& keyword : added) {
        std::string utf8 = keyword.toStdString();
        if (std::find(merged.begin(), merged.end(), utf8) == merged.end()) {
            merged.push_back(std::move(utf8));
        }
    }
    return merged;
}

QString IPTCMetadataService::temporaryPath(const QString& filePath)
{
    const QFileInfo info(filePath);
    return info.dir().filePath(QLatin1Char('.') + info.fileName() + QLatin1String(".ondrix-iptc-tmp"));
}

} // namespace ondrix
