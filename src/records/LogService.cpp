#include "records/LogService.h"

#include "platform/FileName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <memory>
#include <random>
#include <utility>

namespace ondrix {

QLatin1String fileLabel(LogEntry::LogLevel level)
{
    switch (level) {
    case LogEntry::LogLevel::info:
        return QLatin1String("INFO");
    case LogEntry::LogLevel::success:
        return QLatin1String("OK  ");
    case LogEntry::LogLevel::warning:
        return QLatin1String("WARN");
    case LogEntry::LogLevel::error:
        return QLatin1String("ERR ");
    }
    return QLatin1String("INFO");
}

namespace {

// A version 4 UUID from a per-thread generator seeded by the system: QUuid::createUuid asks the kernel for
// every identifier, which costs more than the rest of a log call together.
QUuid randomUuid()
{
    thread_local std::mt19937_64 generator(QRandomGenerator::system()->generate64());
    const quint64 high = generator();
    const quint64 low = generator();
    const quint32 data1 = quint32(high >> 32);
    const quint16 data2 = quint16(high >> 16);
    const quint16 data3 = quint16((high & 0x0fff) | 0x4000);
    uchar data4[8];
    for (int i = 0; i < 8; ++i) {
        data4[i] = uchar(low >> (56 - 8 * i));
    }
    data4[0] = uchar((data4[0] & 0x3f) | 0x80);
    return QUuid(data1, data2, data3, data4[0], data4[1], data4[2], data4[3], data4[4], data4[5], data4[6],
                 data4[7]);
}

// UTF-8 cannot encode a surrogate that is not part of a pair; such a line is not written.
bool isEncodable(const QString& text)
{
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate()) {
            if (i + 1 >= size || !text[i + 1].isLowSurrogate()) {
                return false;
            }
            ++i;
        } else if (c.isLowSurrogate()) {
            return false;
        }
    }
    return true;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += n;
    }
    return true;
}

} // namespace

LogService::LogService(const QString& logFilePath, Clock clock, QObject* parent)
    : QObject(parent)
    , m_logFilePath(logFilePath)
    , m_encodedLogFilePath(QFile::encodeName(logFilePath))
    , m_clock(clock ? std::move(clock) : Clock([] { return QDateTime::currentDateTimeUtc(); }))
    , m_writer([this] { return takeLines(); }, "ondrix-log")
{
    QDir().mkpath(QFileInfo(logFilePath).absolutePath());
}

LogService::~LogService()
{
    m_writer.stop();
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

namespace {

// Characters a log line shows by a name instead: line breaks and other controls (a name with a line feed
// would forge a line of its own, an escape sequence would rewrite the terminal that shows the file), lone
// surrogates (no UTF-8 exists for them) and the marks that reverse the direction of the text after them.
bool needsEscape(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0) || QChar::isSurrogate(c) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

} // namespace

QString LogService::escaped(const QString& message)
{
    // Bytes of a file name that are not UTF-8 as \xNN, as everywhere names are shown.
    const QString text = FileName::displayName(message);
    const auto plain = [](QChar c) { return !needsEscape(c.unicode()); };
    if (std::all_of(text.cbegin(), text.cend(), plain)) {
        return text;
    }
    QString out;
    out.reserve(text.size() + 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += text[i];
            out += text[++i];
        } else if (c == u'\n') {
            out += QLatin1String("\\n");
        } else if (c == u'\r') {
            out += QLatin1String("\\r");
        } else if (c == u'\t') {
            out += QLatin1String("\\t");
        } else if (c < 0xA0 && needsEscape(c)) {
            out += QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
        } else if (needsEscape(c)) {
            out += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
        } else {
            out += text[i];
        }
    }
    return out;
}

void LogService::logFor(const QUuid& connectionId, const QString& connectionName, const QString& detail,
                        LogEntry::LogLevel level, const QString& file)
{
    add({randomUuid(), m_clock(), level,
         escaped(QLatin1Char('[') + connectionName + QLatin1String("] ") + detail), connectionId, file,
         escaped(detail)});
}

void LogService::log(const QString& message, LogEntry::LogLevel level, const QUuid& connectionId,
                     const QString& file)
{
    add({randomUuid(), m_clock(), level, escaped(message), connectionId, file, {}});
}

void LogService::add(LogEntry entry)
{
    m_writer.submit([&] {
        m_toWrite.push_back(entry);
        m_toAnnounce.append(entry);
        m_toDeliver.push_back(std::move(entry));
        if (m_toDeliver.size() > std::size_t(maxEntries)) {
            m_toDeliver.pop_front();
        }
    });
    m_delivery.request();
}

void LogService::clear()
{
    m_writer.withLock([this] {
        // Entries logged before the clear are dropped with it; those logged after it survive.
        m_toDeliver.clear();
        m_clearPending = true;
    });
    m_delivery.request();
}

void LogService::deliverPending()
{
    std::deque<LogEntry> arrived;
    QList<LogEntry> added;
    const bool clearFirst = m_writer.withLock([&] {
        arrived.swap(m_toDeliver);
        added.swap(m_toAnnounce);
        return std::exchange(m_clearPending, false);
    });
    if (clearFirst) {
        m_entries.clear();
    }
    for (auto& entry : arrived) {
        m_entries.append(std::move(entry));
    }
    if (m_entries.size() > maxEntries) {
        m_entries.remove(0, m_entries.size() - maxEntries);
    }
    if (!added.isEmpty()) {
        Q_EMIT entriesAdded(added);
    }
    Q_EMIT entriesChanged();
}

void LogService::waitForFileWrites()
{
    m_writer.flush();
}

QString LogService::formatTimestamp(const QDateTime& timestamp)
{
    return timestamp.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

BackgroundWriter::Job LogService::takeLines()
{
    if (m_toWrite.empty()) {
        return {};
    }
    auto batch = std::make_shared<std::vector<LogEntry>>();
    batch->swap(m_toWrite);
    return [this, batch] { writeBatch(*batch); };
}

// Appends the batch's lines with one write; lines that arrive while a batch is written form the next batch,
// so under load the file is not written per line.
void LogService::writeBatch(const std::vector<LogEntry>& batch)
{
    QByteArray bytes;
    // Converting to local time is most of the cost of a line; lines of the same second share the text.
    qint64 cachedSecond = std::numeric_limits<qint64>::min();
    QByteArray cachedStamp;
    for (const LogEntry& entry : batch) {
        if (!isEncodable(entry.message)) {
            continue;
        }
        const qint64 second = entry.timestamp.toSecsSinceEpoch();
        if (second != cachedSecond) {
            cachedSecond = second;
            cachedStamp = formatTimestamp(entry.timestamp).toLatin1();
        }
        bytes += '[' + cachedStamp + "] [" + fileLabel(entry.level).latin1() + "] " + entry.message.toUtf8() +
                 '\n';
    }
    if (bytes.isEmpty() || !openFile()) {
        return;
    }
    writeAll(m_fd, bytes);
}

// The file stays open between batches. Before each batch one look at the name tells whether the file is
// still the one open: a log moved away (rotated) or deleted is created again under its name.
bool LogService::openFile()
{
    if (m_fd >= 0) {
        struct stat named {};
        if (::stat(m_encodedLogFilePath.constData(), &named) == 0 && quint64(named.st_dev) == m_fileDevice &&
            quint64(named.st_ino) == m_fileInode) {
            return true;
        }
        ::close(m_fd);
        m_fd = -1;
    }
    const int fd = ::open(m_encodedLogFilePath.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0) {
        ::close(fd);
        return false;
    }
    // The log names the user's files and servers: owner-only, also for a file an older version made.
    ::fchmod(fd, 0600);
    m_fd = fd;
    m_fileDevice = quint64(opened.st_dev);
    m_fileInode = quint64(opened.st_ino);
    return true;
}

} // namespace ondrix
