#include "platform/InotifyFileEventSource.h"

#include "platform/FileName.h"

#include <QFile>
#include <QLoggingCategory>
#include <QMetaObject>

#include <dirent.h>
#include <poll.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

Q_LOGGING_CATEGORY(lcInotify, "ondrix.inotify", QtWarningMsg)

namespace ondrix {

namespace {

// Attribute changes (IN_ATTRIB: chmod, touch, tag writes) and deletions of files are of no interest, so they
// are not asked for at all; a folder's own removal or move matters for the root only.
constexpr uint32_t kWatchMask = IN_CREATE | IN_MODIFY | IN_CLOSE_WRITE | IN_MOVED_FROM | IN_MOVED_TO |
                                IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR | IN_DONT_FOLLOW | IN_EXCL_UNLINK;

constexpr std::size_t kReadBufferSize = 256 * 1024;

QString readProcSetting(const char* path)
{
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("?");
    }
    return QString::fromLatin1(file.readAll().trimmed());
}

// The watches of every source of the process together: at most half of the user's inotify watches, so a
// huge tree leaves the rest to the desktop and other programs; the folders beyond are found by the scans.
std::atomic_int s_processWatches{0};
std::atomic_int s_processWatchBudget{-1};

int processWatchBudget()
{
    int budget = s_processWatchBudget.load();
    if (budget < 0) {
        bool ok = false;
        const int max = readProcSetting("/proc/sys/fs/inotify/max_user_watches").toInt(&ok);
        budget = ok && max > 1 ? max / 2 : 0;
        s_processWatchBudget = budget;
    }
    return budget;
}

void wake(int fd)
{
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(fd, &one, sizeof one);
}

} // namespace

InotifyFileEventSource::InotifyFileEventSource(QObject* parent)
    : FileEventSource(parent)
{}

InotifyFileEventSource::~InotifyFileEventSource()
{
    stop();
}

bool InotifyFileEventSource::start(const QString& rootPath)
{
    if (isWatching()) {
        return true;
    }
    const quint64 generation = m_generation;
    m_fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_fd < 0) {
        const int error = errno;
        qCWarning(lcInotify, "[InotifyFileEventSource] inotify_init1 failed (errno %d)", error);
        if (error == EMFILE) {
            QMetaObject::invokeMethod(
                this,
                [this,
                 message = tr("Ondrix cannot watch %1 for new files: the system's limit of inotify "
                              "instances per user (fs.inotify.max_user_instances = %2) is reached. "
                              "New files are found by the periodic folder scan only. To raise the "
                              "limit, run: sudo sysctl fs.inotify.max_user_instances=1024 (to keep it, "
                              "add that setting to a file in /etc/sysctl.d/).")
                               .arg(rootPath, readProcSetting("/proc/sys/fs/inotify/max_user_instances"))] {
                    Q_EMIT becameUnreliable(message);
                },
                Qt::QueuedConnection);
        }
        return false;
    }
    m_wakeFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (m_wakeFd < 0) {
        ::close(m_fd);
        m_fd = -1;
        return false;
    }
    m_root = rootPath;
    m_limitReported = false;
    m_currentGeneration = generation;
    m_stopRequested = false;
    m_initialTreeWatched = false;
    if (!addWatch(rootPath)) {
        release();
        return false;
    }
    m_rootWatch = m_watchByPath.value(rootPath, -1);
    m_rootLost = false;
    // The folders below are watched by the reader before it reads: listing a big tree would hold the main
    // thread up. Files that change there before their folder is watched are found by the engine's scans.
    m_reader = std::thread([this, generation] {
        addTree(m_root, {}, nullptr);
        m_initialTreeWatched = true;
        run(generation);
    });
    return true;
}

void InotifyFileEventSource::stop()
{
    if (!isWatching()) {
        return;
    }
    ++m_generation;
    if (m_reader.joinable()) {
        m_stopRequested = true;
        wake(m_wakeFd);
        m_reader.join();
    }
    release();
}

void InotifyFileEventSource::release()
{
    ::close(m_fd);
    ::close(m_wakeFd);
    m_fd = -1;
    m_wakeFd = -1;
    m_pathByWatch.clear();
    m_watchByPath.clear();
    s_processWatches -= m_watchCount.exchange(0);
}

void InotifyFileEventSource::setProcessWatchBudget(int maxWatches)
{
    s_processWatchBudget = maxWatches;
}

void InotifyFileEventSource::setReadingSuspended(bool suspended)
{
    m_suspended = suspended;
    if (m_wakeFd >= 0) {
        wake(m_wakeFd);
    }
}

void InotifyFileEventSource::run(quint64 generation)
{
    ::pthread_setname_np(::pthread_self(), "ondrix-fswatch");
    std::vector<char> buffer(kReadBufferSize);
    while (!m_stopRequested) {
        pollfd fds[2] = {{m_wakeFd, POLLIN, 0}, {m_fd, POLLIN, 0}};
        const nfds_t count = m_suspended ? 1 : 2;
        if (::poll(fds, count, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            qCWarning(lcInotify, "[InotifyFileEventSource] poll failed (errno %d)", errno);
            return;
        }
        if (fds[0].revents & POLLIN) {
            uint64_t ignored = 0;
            [[maybe_unused]] const ssize_t drained = ::read(m_wakeFd, &ignored, sizeof ignored);
            continue;
        }
        if (count < 2 || !(fds[1].revents & POLLIN)) {
            continue;
        }
        QList<FileEvent> batch;
        // Drain what is there now, so one post carries as many events as possible.
        for (;;) {
            const ssize_t length = ::read(m_fd, buffer.data(), buffer.size());
            if (length <= 0) {
                break;
            }
            handleBuffer(buffer.data(), length, batch, generation);
            if (m_suspended || m_stopRequested) {
                break;
            }
        }
        postBatch(std::move(batch), generation);
    }
}

void InotifyFileEventSource::handleBuffer(const char* data, qsizetype length, QList<FileEvent>& batch,
                                          quint64 generation)
{
    for (qsizetype offset = 0; offset + qsizetype(sizeof(inotify_event)) <= length;) {
        inotify_event event;
        std::memcpy(&event, data + offset, sizeof event);
        const char* name = data + offset + sizeof(inotify_event);
        offset += qsizetype(sizeof(inotify_event) + event.len);

        if (event.mask & IN_Q_OVERFLOW) {
            postBatch(std::move(batch), generation);
            batch.clear();
            postEventsLost(generation);
            // Folders created while events were lost have no watch yet.
            addTree(m_root, {}, nullptr);
            continue;
        }
        if (event.wd == m_rootWatch && (event.mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED)) &&
            !m_rootLost) {
            // A folder created again under the same name is another folder: the owner watches it anew.
            m_rootLost = true;
            postBatch(std::move(batch), generation);
            batch.clear();
            QMetaObject::invokeMethod(
                this,
                [this, generation] {
                    if (generation == m_generation) {
                        Q_EMIT rootLost();
                    }
                },
                Qt::QueuedConnection);
        }
        if (event.mask & IN_IGNORED) {
            forgetWatch(event.wd);
            continue;
        }
        const auto dir = m_pathByWatch.find(event.wd);
        if (dir == m_pathByWatch.end() || event.len == 0) {
            continue;
        }
        const QString path = dir->second + QLatin1Char('/') + FileName::decode(name);
        FileEvent::Flags flags;
        if (event.mask & IN_CREATE) {
            flags |= FileEvent::Created;
        }
        if (event.mask & IN_MODIFY) {
            flags |= FileEvent::Modified;
        }
        if (event.mask & IN_CLOSE_WRITE) {
            flags |= FileEvent::WriteClosed;
        }
        if (event.mask & IN_MOVED_TO) {
            flags |= FileEvent::Renamed;
        }
        if (event.mask & IN_MOVED_FROM) {
            flags |= FileEvent::Removed;
        }
        if (event.mask & IN_ISDIR) {
            batch.append({path, flags | FileEvent::IsDirectory});
            if (event.mask & IN_CREATE) {
                addTree(path, FileEvent::IsFile | FileEvent::Created | FileEvent::Discovered, &batch);
            } else if (event.mask & IN_MOVED_TO) {
                addTree(path, FileEvent::IsFile | FileEvent::Renamed | FileEvent::Discovered, &batch);
            } else if (event.mask & IN_MOVED_FROM) {
                // Its watches would go on reporting under the old path.
                removeTree(path);
            }
        } else {
            batch.append({path, flags | FileEvent::IsFile});
        }
    }
}

void InotifyFileEventSource::addTree(const QString& root, FileEvent::Flags fileFlags, QList<FileEvent>* found)
{
    QStringList stack{root};
    while (!stack.isEmpty() && !m_stopRequested) {
        const QString dir = stack.takeLast();
        if (dir != root || !m_watchByPath.contains(dir)) {
            addWatch(dir);
        }
        const QByteArray encoded = FileName::encode(dir);
        DIR* handle = ::opendir(encoded.constData());
        if (!handle) {
            continue;
        }
        while (const dirent* entry = ::readdir(handle)) {
            if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) {
                continue;
            }
            unsigned char type = entry->d_type;
            const QByteArray child = encoded + '/' + entry->d_name;
            if (type == DT_UNKNOWN) {
                struct stat info {};
                if (::lstat(child.constData(), &info) != 0) {
                    continue;
                }
                type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
            }
            if (type == DT_DIR) {
                stack.append(FileName::decode(child));
            } else if (type == DT_REG && found && fileFlags) {
                found->append({FileName::decode(child), fileFlags});
            }
        }
        ::closedir(handle);
    }
}

bool InotifyFileEventSource::addWatch(const QString& dir)
{
    int wd = -1;
    int error = ENOSPC;
    const int budget = processWatchBudget();
    if (m_watchByPath.contains(dir) || ((m_watchLimit <= 0 || m_watchCount.load() < m_watchLimit) &&
                                        (budget <= 0 || s_processWatches.load() < budget))) {
        wd = ::inotify_add_watch(m_fd, FileName::encode(dir).constData(), kWatchMask);
        error = errno;
    }
    if (wd < 0) {
        if (error == ENOSPC || error == ENOMEM) {
            reportWatchLimit(m_currentGeneration);
        } else {
            // The folder vanished or cannot be read; nothing below it can be watched either.
            qCDebug(lcInotify, "[InotifyFileEventSource] inotify_add_watch failed (errno %d)", error);
        }
        return false;
    }
    const auto known = m_pathByWatch.find(wd);
    if (known != m_pathByWatch.end()) {
        m_watchByPath.remove(known->second);
        known->second = dir;
    } else {
        m_pathByWatch.emplace(wd, dir);
        ++m_watchCount;
        ++s_processWatches;
    }
    m_watchByPath.insert(dir, wd);
    return true;
}

void InotifyFileEventSource::removeTree(const QString& dir)
{
    const QString prefix = dir + QLatin1Char('/');
    QList<int> gone;
    for (auto it = m_watchByPath.cbegin(); it != m_watchByPath.cend(); ++it) {
        if (it.key() == dir || it.key().startsWith(prefix)) {
            gone.append(it.value());
        }
    }
    for (const int wd : std::as_const(gone)) {
        ::inotify_rm_watch(m_fd, wd);
        forgetWatch(wd);
    }
}

void InotifyFileEventSource::forgetWatch(int wd)
{
    const auto it = m_pathByWatch.find(wd);
    if (it == m_pathByWatch.end()) {
        return;
    }
    m_watchByPath.remove(it->second);
    m_pathByWatch.erase(it);
    --m_watchCount;
    --s_processWatches;
}

void InotifyFileEventSource::postBatch(QList<FileEvent>&& batch, quint64 generation)
{
    if (batch.isEmpty()) {
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this, batch = std::move(batch), generation] {
            if (generation == m_generation) {
                Q_EMIT eventsArrived(batch);
            }
        },
        Qt::QueuedConnection);
}

void InotifyFileEventSource::postEventsLost(quint64 generation)
{
    qCWarning(lcInotify, "[InotifyFileEventSource] kernel event queue overflowed");
    const QString message =
        tr("Some file changes below %1 were missed because the system's queue of file events overflowed "
           "(fs.inotify.max_queued_events = %2); the periodic folder scan picks them up. If this happens "
           "often, raise the limit: sudo sysctl fs.inotify.max_queued_events=65536 (to keep it, add that "
           "setting to a file in /etc/sysctl.d/).")
            .arg(m_root, readProcSetting("/proc/sys/fs/inotify/max_queued_events"));
    QMetaObject::invokeMethod(
        this,
        [this, message, generation] {
            if (generation == m_generation) {
                Q_EMIT eventsLost(message);
            }
        },
        Qt::QueuedConnection);
}

void InotifyFileEventSource::reportWatchLimit(quint64 generation)
{
    if (m_limitReported) {
        return;
    }
    m_limitReported = true;
    qCWarning(lcInotify, "[InotifyFileEventSource] inotify watch limit reached after %d watches",
              m_watchCount.load());
    QMetaObject::invokeMethod(
        this,
        [this, message = watchLimitMessage(), generation] {
            if (generation == m_generation) {
                Q_EMIT becameUnreliable(message);
            }
        },
        Qt::QueuedConnection);
}

QString InotifyFileEventSource::watchLimitMessage() const
{
    const QString limit = m_watchLimit > 0 ? QString::number(m_watchLimit)
                                           : readProcSetting("/proc/sys/fs/inotify/max_user_watches");
    return tr("Not every folder below %1 can be watched: the limit of %2 inotify watches per user "
              "(fs.inotify.max_user_watches) is reached. New files in the folders without a watch are found "
              "by the periodic folder scan only. To raise the limit, run: sudo sysctl "
              "fs.inotify.max_user_watches=524288 (to keep it, add that setting to a file in "
              "/etc/sysctl.d/).")
        .arg(m_root, limit);
}

} // namespace ondrix
