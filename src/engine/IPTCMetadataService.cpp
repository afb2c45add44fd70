#include "engine/IPTCMetadataService.h"

#include "engine/ImageCompleteness.h"
#include "engine/ImageReader.h"
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
    const size_t fileSize = size_t(status.st_size);
    const ImageReader::Rewrite rewrite = ImageReader::read(original.get(), fileSize);
    const std::vector<unsigned char>& bytes = rewrite.bytes;
    if (bytes.empty()) {
        return rewrite.completeness == ImageCompleteness::Verdict::incomplete ? Outcome::incomplete
                                                                              : Outcome::skipped;
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
    case ImageCompleteness::Verdict::complete:
        break;
    case ImageCompleteness::Verdict::incomplete:
        qCDebug(lcIptc).noquote() << "[IPTCMetadataService] Image data incomplete, left alone:"
                                  << fileName(filePath);
        return Outcome::incomplete;
    case ImageCompleteness::Verdict::unjudgeable:
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
    return ImageCompleteness::of(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                 size_t(bytes.size())) == ImageCompleteness::Verdict::complete;
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