#include "engine/FolderScan.h"

#include "engine/FolderWatcher.h"
#include "engine/UploadedRecord.h"
#include "platform/FileName.h"
#include "platform/WatchedTree.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThreadPool>

#include <dirent.h>
#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <mutex>

namespace ondrix {

namespace {

// Appends the regular files of the open folder `dirFd` (its sub-folders too when `recursive`) in the order
// the folder lists them, descending into each sub-folder where it is listed. Hidden entries, symbolic links
// and ignored names are left out, and each sub-folder is opened from its parent without following a link,
// so a folder swapped for a link while it is listed leads nowhere. Plain readdir and one stat per file.
// `folderText` is the folder's path, so that each file's path decodes only its own name. Takes `dirFd`.
bool enumerateFolder(int dirFd, const QString& folderText, bool recursive, QList<FolderScan::File>& files)
{
    DIR* dir = ::fdopendir(dirFd);
    if (dir == nullptr) {
        ::close(dirFd);
        return false;
    }
    const QString prefix = folderText + QLatin1Char('/');
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) {
            continue;
        }
        struct stat info {};
        if (::fstatat(dirFd, name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
            continue;
        }
        if (S_ISDIR(info.st_mode)) {
            if (recursive && !FolderWatcher::isIgnoredFolderName(FileName::decode(name))) {
                const int child = ::openat(dirFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
                if (child >= 0) {
                    enumerateFolder(child, prefix + FileName::decode(name), true, files);
                }
            }
            continue;
        }
        if (!S_ISREG(info.st_mode)) {
            continue;
        }
        const QString fileName = FileName::decode(name);
        if (FolderWatcher::isIgnoredFileName(fileName)) {
            continue;
        }
        files.append({prefix + fileName, FileVersion::of(info)});
    }
    ::closedir(dir);
    return true;
}

// A listing of this many files leaves megabytes of freed memory behind.
constexpr qsizetype kManyFiles = 10000;

// Hands memory freed after a big listing back to the system: the allocator keeps it otherwise, and an idle
// watcher of a big tree would carry the peak of its scans for good.
void returnFreedMemory()
{
#ifdef __GLIBC__
    ::malloc_trim(0);
#endif
}

} // namespace

// Hands a listing back to the scan on the main thread; cleared when the scan goes, so a listing still
// running on the pool then drops its findings.
struct FolderScan::Link {
    std::mutex mutex;
    FolderScan* scan = nullptr;
};

FolderScan::FolderScan(std::shared_ptr<UploadedRecord> record, QThreadPool* pool, QObject* parent)
    : QObject(parent)
    , m_record(std::move(record))
    , m_pool(pool)
    , m_link(std::make_shared<Link>())
{
    m_link->scan = this;
    m_timer.setSingleShot(true);
}

FolderScan::~FolderScan()
{
    std::lock_guard lock(m_link->mutex);
    m_link->scan = nullptr;
}

void FolderScan::setHandlers(Gate gate, Delivery delivery)
{
    m_gate = std::move(gate);
    m_delivery = std::move(delivery);
}

void FolderScan::setFolder(const QString& folder, bool recursive)
{
    m_folder = QDir::cleanPath(folder);
    m_recursive = recursive;
}

void FolderScan::setTree(std::shared_ptr<const WatchedTree> tree)
{
    m_tree = std::move(tree);
}

std::optional<FolderScan::File> FolderScan::stat(const QString& path, const WatchedTree* tree)
{
    // Straight from stat: QFileInfo's date goes through the local time zone, which costs two more system
    // calls for every file of every scan.
    struct stat info {};
    if (tree != nullptr) {
        if (tree->stat(path, info) != 0 || !S_ISREG(info.st_mode)) {
            return std::nullopt;
        }
    } else if (::stat(FileName::encode(path).constData(), &info) != 0) {
        return std::nullopt;
    }
    return File{path, FileVersion::of(info)};
}

void FolderScan::setIntervalMs(qint64 ms)
{
    const bool sooner = ms < m_intervalMs;
    m_intervalMs = ms;
    if (sooner && m_active && !m_running && m_timer.isActive()) {
        const qint64 rest = std::clamp<qint64>(ms - m_waitingSince.elapsed(), 0, INT_MAX);
        if (rest < m_timer.remainingTime()) {
            m_timer.start(int(rest));
        }
    }
}

bool FolderScan::isOnRemoteFileSystem(const QString& path)
{
    struct statfs info {};
    if (::statfs(FileName::encode(path).constData(), &info) != 0) {
        return false;
    }
    switch (static_cast<unsigned long>(info.f_type)) {
    case 0x6969UL:     // NFS
    case 0x517BUL:     // SMB
    case 0xFF534D42UL: // CIFS
    case 0xFE534D42UL: // SMB2
    case 0x65735546UL: // FUSE (sshfs, rclone and the like)
    case 0x01021997UL: // 9P
    case 0x00C36400UL: // Ceph
    case 0x5346414FUL: // AFS
    case 0x73757245UL: // Coda
        return true;
    default:
        return false;
    }
}

void FolderScan::start(bool immediately)
{
    ++m_generation;
    m_active = true;
    m_running = false;
    m_requested = false;
    scheduleNext(immediately);
}

void FolderScan::stop()
{
    ++m_generation;
    m_active = false;
    m_running = false;
    m_requested = false;
    m_timer.stop();
}

void FolderScan::requestNow()
{
    if (!m_active) {
        return;
    }
    if (m_running) {
        m_requested = true;
    } else {
        scheduleNext(true);
    }
}

void FolderScan::scheduleNext(bool immediately)
{
    m_running = false;
    if (m_requested) {
        m_requested = false;
        immediately = true;
    }
    m_timer.disconnect();
    connect(&m_timer, &QTimer::timeout, this, [this, generation = m_generation] { run(generation); });
    m_waitingSince.start();
    m_timer.start(immediately ? 0 : int(std::clamp<qint64>(m_intervalMs, 0, INT_MAX)));
}

void FolderScan::run(quint64 generation)
{
    if (generation != m_generation) {
        return;
    }
    if (m_gate && !m_gate()) {
        finish(generation);
        return;
    }
    m_running = true;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    // Files the record holds with the date the listing reads are passed over there, as the owner would pass
    // them over silently, so a big uploaded tree costs the main thread nothing. An entry that changes
    // meanwhile is settled by the owner (or, if passed over, by the next scan).
    const bool prune = !m_pruned;
    m_pruned = true;
    auto list = [link = m_link, root = m_folder, tree = m_tree, recursive = m_recursive, generation, clock,
                 record = m_record, prune] {
        auto files = std::make_shared<QList<File>>();
        // Listed from the folder that was opened when watching began, never again by its name.
        const int rootFd = tree && tree->rootPath() == root
                               ? ::openat(tree->rootDescriptor(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)
                               : -1;
        const bool readable = rootFd >= 0 && enumerateFolder(rootFd, root, recursive, *files);
        if (readable && prune) {
            record->forgetMissingBelow(root);
        }
        const qsizetype listed = files->size();
        files->removeIf([&record](const File& file) { return record->contains(file.path, file.version); });
        files->squeeze();
        if (listed >= kManyFiles) {
            returnFreedMemory();
        }
        std::lock_guard lock(link->mutex);
        if (link->scan != nullptr) {
            FolderScan* scan = link->scan;
            QMetaObject::invokeMethod(
                scan,
                [scan, generation, clock, files, readable] {
                    scan->listed(generation, clock->elapsed(), files, readable);
                },
                Qt::QueuedConnection);
        }
    };
    if (m_pool != nullptr) {
        m_pool->start(list, 1);
    } else {
        list();
    }
}

void FolderScan::finish(quint64 generation)
{
    m_running = false;
    Q_EMIT finished();
    // A handler may have stopped or restarted the scans meanwhile.
    if (generation == m_generation) {
        scheduleNext(false);
    }
}

void FolderScan::listed(quint64 generation, qint64 elapsedMs, const std::shared_ptr<QList<File>>& files,
                        bool readable)
{
    if (generation != m_generation) {
        return;
    }
    const qint64 rest = std::max<qint64>(0, m_minDurationMs - elapsedMs);
    QTimer::singleShot(rest, this, [this, generation, files, readable] {
        if (generation != m_generation) {
            return;
        }
        if (m_delivery) {
            m_delivery(*files, readable);
        }
        finish(generation);
    });
}

} // namespace ondrix
