#include "engine/FolderWatcher.h"

#include "engine/MonotonicClock.h"
#include "platform/FileName.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <optional>

namespace ondrix {

namespace {

constexpr FileEvent::Flags kContentFlags = FileEvent::Created | FileEvent::Modified | FileEvent::WriteClosed;

// Renamed takes precedence over created, created over modified, when one delivery merges several.
std::optional<FolderWatcher::FSEventKind> kindOf(FileEvent::Flags flags)
{
    if (flags & FileEvent::Renamed) {
        return FolderWatcher::FSEventKind::Renamed;
    }
    if (flags & FileEvent::Created) {
        return FolderWatcher::FSEventKind::Created;
    }
    if (flags & (FileEvent::Modified | FileEvent::WriteClosed)) {
        return FolderWatcher::FSEventKind::Modified;
    }
    return std::nullopt;
}

bool isRegularFile(const QString& path)
{
    struct stat info {};
    return ::lstat(FileName::encode(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

FolderWatcher::FolderWatcher(const QString& folder, std::unique_ptr<FileEventSource> source, QObject* parent)
    : QObject(parent)
    , m_watchedFolder(folder)
    , m_source(source.release())
{
    Q_ASSERT(m_source);
    m_source->setParent(this);
    connect(m_source, &FileEventSource::eventsArrived, this, &FolderWatcher::handleEvents);
    connect(m_source, &FileEventSource::eventsLost, this, &FolderWatcher::eventsLost);
    connect(m_source, &FileEventSource::becameUnreliable, this, [this](const QString& message) {
        setReliable(false);
        Q_EMIT becameUnreliable(message);
    });
    connect(m_source, &FileEventSource::rootLost, this, &FolderWatcher::folderLost);
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &FolderWatcher::closeDueWindows);
    setClock(new MonotonicClock(this));
}

FolderWatcher::~FolderWatcher()
{
    stop();
}

bool FolderWatcher::isIgnoredFileName(const QString& fileName)
{
    if (fileName == QLatin1String(".DS_Store") || fileName == QLatin1String(".localized")) {
        return true;
    }
    if (fileName.startsWith(QLatin1Char('.')) || fileName.startsWith(QLatin1String("~$"))) {
        return true;
    }
    static const QLatin1String kTemporarySuffixes[] = {
        QLatin1String(".tmp"), QLatin1String(".part"), QLatin1String(".crdownload"),
        QLatin1String(".downloading"), QLatin1String(".ondrix-partial")};
    const QString lower = fileName.toLower();
    for (const QLatin1String suffix : kTemporarySuffixes) {
        if (lower.endsWith(suffix)) {
            return true;
        }
    }
    return false;
}

bool FolderWatcher::isIgnoredFolderName(QStringView folderName)
{
    // Hidden folders: a desktop's trash (".Trash-1000"), a repository (".git"), caches.
    return folderName.startsWith(QLatin1Char('.'));
}

bool FolderWatcher::isIgnoredPath(QStringView relativePath)
{
    const qsizetype slash = relativePath.lastIndexOf(QLatin1Char('/'));
    if (isIgnoredFileName(relativePath.mid(slash + 1).toString())) {
        return true;
    }
    for (const QStringView folder :
         relativePath.left(std::max<qsizetype>(slash, 0)).split(QLatin1Char('/'))) {
        if (isIgnoredFolderName(folder)) {
            return true;
        }
    }
    return false;
}

void FolderWatcher::start()
{
    if (m_isWatching) {
        return;
    }
    setWatching(m_source->start(m_watchedFolder));
}

void FolderWatcher::stop()
{
    m_source->stop();
    m_timer.stop();
    m_paths.clear();
    m_windows.clear();
    setWatching(false);
}

void FolderWatcher::setLatency(double seconds)
{
    m_latencyMs = std::isfinite(seconds) && seconds > 0.0 ? int(std::lround(seconds * 1000.0)) : 0;
}

void FolderWatcher::setClock(MonotonicClock* clock)
{
    if (m_clock != nullptr) {
        disconnect(m_clock, nullptr, this, nullptr);
    }
    m_clock = clock;
    connect(m_clock, &MonotonicClock::advanced, this, &FolderWatcher::closeDueWindows);
}

void FolderWatcher::handleEvents(const QList<FileEvent>& events)
{
    for (const FileEvent& event : events) {
        // The owner may stop the watcher from inside onFileEvent.
        if (!m_isWatching) {
            return;
        }
        handleEvent(event);
    }
}

void FolderWatcher::handleEvent(const FileEvent& event)
{
    if (!(event.flags & FileEvent::IsFile) || (event.flags & FileEvent::Removed)) {
        return;
    }
    // Below the watched folder, by the scan's rule: a file in a hidden folder is never taken either.
    const QStringView relative =
        event.path.startsWith(m_watchedFolder + QLatin1Char('/'))
            ? QStringView(event.path).mid(m_watchedFolder.size() + 1)
            : QStringView(event.path).mid(event.path.lastIndexOf(QLatin1Char('/')) + 1);
    if (isIgnoredPath(relative) || !kindOf(event.flags)) {
        return;
    }
    const bool writes = event.flags & (FileEvent::Created | FileEvent::Modified);
    const bool closes = event.flags & (FileEvent::WriteClosed | FileEvent::Renamed);

    const auto it = m_paths.find(event.path);
    if (it == m_paths.end()) {
        PathState state;
        state.writeOpen = writes && !closes && !(event.flags & FileEvent::Discovered);
        state.closedSinceDelivery = closes;
        openWindow(event.path, m_paths.insert(event.path, state).value());
        deliver(event.path, event.flags);
        return;
    }
    it->pending |= event.flags & (kContentFlags | FileEvent::Renamed);
    if (writes && it->closedSinceDelivery && !(event.flags & FileEvent::Discovered)) {
        it->newBurst = true;
    }
    if (closes) {
        it->writeOpen = false;
        it->closedSinceDelivery = true;
    } else if (writes && !(event.flags & FileEvent::Discovered)) {
        it->writeOpen = true;
    }
}

void FolderWatcher::openWindow(const QString& path, PathState& state)
{
    state.window = m_nextWindow++;
    m_windows.push_back({m_clock->nowMs() + m_latencyMs, path, state.window});
    if (!m_timer.isActive()) {
        armTimer();
    }
}

void FolderWatcher::closeDueWindows()
{
    const qint64 now = m_clock->nowMs();
    while (m_isWatching && !m_windows.empty() && m_windows.front().deadlineMs <= now) {
        const Window window = std::move(m_windows.front());
        m_windows.pop_front();
        const auto it = m_paths.find(window.path);
        if (it == m_paths.end() || it->window != window.window) {
            continue;
        }
        const FileEvent::Flags pending = it->pending;
        // The writes that complete the burst an immediate delivery announced are part of it.
        const bool sameBurst =
            it->openedByLeading && !it->writeOpen && !it->newBurst && !(pending & FileEvent::Renamed);
        if (!pending || sameBurst) {
            m_paths.erase(it);
            continue;
        }
        it->pending = {};
        it->openedByLeading = false;
        it->closedSinceDelivery = false;
        it->newBurst = false;
        openWindow(window.path, *it);
        deliver(window.path, pending);
    }
    armTimer();
}

void FolderWatcher::armTimer()
{
    if (m_windows.empty()) {
        m_timer.stop();
        return;
    }
    m_timer.start(int(std::max<qint64>(0, m_windows.front().deadlineMs - m_clock->nowMs())));
}

void FolderWatcher::deliver(const QString& path, FileEvent::Flags flags)
{
    const auto kind = kindOf(flags);
    // The old name of a renamed file and files deleted since the event end here.
    if (!kind || !m_onFileEvent || !isRegularFile(path)) {
        return;
    }
    m_onFileEvent(path, *kind);
}

void FolderWatcher::setWatching(bool watching)
{
    if (m_isWatching != watching) {
        m_isWatching = watching;
        Q_EMIT isWatchingChanged(watching);
    }
}

void FolderWatcher::setReliable(bool reliable)
{
    if (m_isReliable != reliable) {
        m_isReliable = reliable;
        Q_EMIT isReliableChanged(reliable);
    }
}

} // namespace ondrix
