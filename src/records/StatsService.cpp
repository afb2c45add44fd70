#include "records/StatsService.h"

#include "platform/PreferencesStore.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace ondrix {

const QString StatsService::kTodayFiles = QStringLiteral("stats_today_files");
const QString StatsService::kTodayBytes = QStringLiteral("stats_today_bytes");
const QString StatsService::kTotalFiles = QStringLiteral("stats_total_files");
const QString StatsService::kTotalBytes = QStringLiteral("stats_total_bytes");
const QString StatsService::kLastActivity = QStringLiteral("stats_last_activity");
const QString StatsService::kYesterdayFiles = QStringLiteral("stats_yesterday_files");
const QString StatsService::kYesterdayBytes = QStringLiteral("stats_yesterday_bytes");
const QString StatsService::kCurrentDay = QStringLiteral("stats_current_day");

StatsService::StatsService(PreferencesStore& store, Clock clock, QObject* parent)
    : QObject(parent)
    , m_store(store)
    // UTC: reading the local time costs a look at the time zone, and only the day needs it.
    , m_clock(clock ? std::move(clock) : Clock([] { return QDateTime::currentDateTimeUtc(); }))
{
    m_saveTimer.setSingleShot(true);
    connect(&m_saveTimer, &QTimer::timeout, this, &StatsService::save);
    load();
}

StatsService::~StatsService()
{
    if (m_saveTimer.isActive()) {
        save();
    }
}

QString StatsService::today() const
{
    return dayOf(m_clock());
}

QString StatsService::dayOf(const QDateTime& time)
{
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd"));
}

qint64 StatsService::loadBytes(const QString& key) const
{
    // Byte counts are read back as doubles; anything but a whole number within 64 bits counts as 0.
    const double value = m_store.doubleValue(key);
    if (!std::isfinite(value) || value != std::trunc(value) || value < -9223372036854775808.0 ||
        value >= 9223372036854775808.0) {
        return 0;
    }
    return static_cast<qint64>(value);
}

void StatsService::load()
{
    const QString storedDay = m_store.stringValue(kCurrentDay);
    m_currentDay = storedDay.isNull() ? today() : storedDay;
    m_dayStartMs = m_dayEndMs = 0;
    setTodayFiles(m_store.integerValue(kTodayFiles));
    setTotalFiles(m_store.integerValue(kTotalFiles));
    setYesterdayFiles(m_store.integerValue(kYesterdayFiles));
    setTodayBytes(loadBytes(kTodayBytes));
    setTotalBytes(loadBytes(kTotalBytes));
    setYesterdayBytes(loadBytes(kYesterdayBytes));
    const double lastActivity = m_store.doubleValue(kLastActivity);
    setLastActivityDate(lastActivity > 0 ? QDateTime::fromMSecsSinceEpoch(std::llround(lastActivity * 1000.0))
                                         : QDateTime());
    checkDayRollover();
}

void StatsService::scheduleSave()
{
    if (m_saveTimer.isActive()) {
        return;
    }
    const qint64 since = m_sinceSave.isValid() ? m_sinceSave.elapsed() : kMinSaveIntervalMs;
    if (since >= kMinSaveIntervalMs) {
        save();
    } else {
        m_saveTimer.start(int(kMinSaveIntervalMs - since));
    }
}

void StatsService::save()
{
    m_saveTimer.stop();
    m_sinceSave.start();
    // One commit for all counters.
    m_store.writeTogether([this] {
        m_store.setInteger(kTodayFiles, m_todayFiles);
        m_store.setInteger(kTodayBytes, m_todayBytes);
        m_store.setInteger(kTotalFiles, m_totalFiles);
        m_store.setInteger(kTotalBytes, m_totalBytes);
        m_store.setString(kCurrentDay, m_currentDay);
        m_store.setInteger(kYesterdayFiles, m_yesterdayFiles);
        m_store.setInteger(kYesterdayBytes, m_yesterdayBytes);
        if (m_lastActivityDate.isValid()) {
            m_store.setDouble(kLastActivity, double(m_lastActivityDate.toMSecsSinceEpoch()) / 1000.0);
        }
    });
}

void StatsService::checkDayRollover()
{
    rollOverAt(m_clock());
}

void StatsService::rollOverAt(const QDateTime& time)
{
    // Within the local day seen last, nothing to do and no time-zone lookup.
    const qint64 ms = time.toMSecsSinceEpoch();
    if (ms >= m_dayStartMs && ms < m_dayEndMs) {
        return;
    }
    const QString now = dayOf(time);
    const QDate date = time.toLocalTime().date();
    m_dayStartMs = QDateTime(date, QTime(0, 0)).toMSecsSinceEpoch();
    m_dayEndMs = QDateTime(date.addDays(1), QTime(0, 0)).toMSecsSinceEpoch();
    if (m_currentDay == now) {
        return;
    }
    // "Yesterday" is the last day the counters were used, however long ago that was.
    setYesterdayFiles(m_todayFiles);
    setYesterdayBytes(m_todayBytes);
    setTodayFiles(0);
    setTodayBytes(0);
    m_currentDay = now;
    save();
}

void StatsService::recordUpload(qint64 bytes)
{
    recordUploads(1, bytes);
}

void StatsService::recordUploads(qint64 files, qint64 bytes)
{
    if (files < 1) {
        return;
    }
    // One reading of the clock: each costs a look at the time zone.
    const QDateTime now = m_clock();
    rollOverAt(now);
    setTodayFiles(m_todayFiles + files);
    setTodayBytes(m_todayBytes + bytes);
    setTotalFiles(m_totalFiles + files);
    setTotalBytes(m_totalBytes + bytes);
    setLastActivityDate(now);
    scheduleSave();
}

QString StatsService::summary(qint64 files, qint64 bytes)
{
    if (files == 1) {
        return tr("1 file (%1)").arg(formatBytes(bytes));
    }
    const int formsCount = int(std::min<qint64>(files, INT_MAX));
    return tr("%n files (%1)", nullptr, formsCount).arg(formatBytes(bytes));
}

QString StatsService::todaySummary()
{
    checkDayRollover();
    return summary(m_todayFiles, m_todayBytes);
}

QString StatsService::totalSummary() const
{
    return summary(m_totalFiles, m_totalBytes);
}

std::optional<QString> StatsService::lastActivityText() const
{
    if (!m_lastActivityDate.isValid()) {
        return std::nullopt;
    }
    // Whole seconds, the fraction dropped toward zero; a date in the future gives a negative count.
    const qint64 s = (m_clock().toMSecsSinceEpoch() - m_lastActivityDate.toMSecsSinceEpoch()) / 1000;
    if (s <= 4) {
        return tr("just now");
    }
    if (s < 60) {
        return tr("%1s ago").arg(s);
    }
    if (s < 3600) {
        return tr("%1 min ago").arg(s / 60);
    }
    if (s < 86400) {
        return tr("%1h ago").arg(s / 3600);
    }
    return tr("%1d ago").arg(s / 86400);
}

QString StatsService::formatBytes(qint64 bytes)
{
    if (bytes <= 1023) {
        return tr("%1 B").arg(bytes);
    }
    const double k = double(bytes) / 1024.0;
    if (k < 1024) {
        return tr("%1 KB").arg(QString::number(k, 'f', 1));
    }
    const double m = k / 1024.0;
    if (m < 1024) {
        return tr("%1 MB").arg(QString::number(m, 'f', 1));
    }
    return tr("%1 GB").arg(QString::number(m / 1024.0, 'f', 2));
}

namespace {

template <typename T, typename Signal>
void assign(StatsService* self, T& member, const T& value, Signal signal)
{
    if (member != value) {
        member = value;
        Q_EMIT(self->*signal)(value);
    }
}

} // namespace

void StatsService::setTodayFiles(qint64 value)
{
    assign(this, m_todayFiles, value, &StatsService::todayFilesChanged);
}

void StatsService::setTodayBytes(qint64 value)
{
    assign(this, m_todayBytes, value, &StatsService::todayBytesChanged);
}

void StatsService::setTotalFiles(qint64 value)
{
    assign(this, m_totalFiles, value, &StatsService::totalFilesChanged);
}

void StatsService::setTotalBytes(qint64 value)
{
    assign(this, m_totalBytes, value, &StatsService::totalBytesChanged);
}

void StatsService::setLastActivityDate(const QDateTime& value)
{
    assign(this, m_lastActivityDate, value, &StatsService::lastActivityDateChanged);
}

void StatsService::setYesterdayFiles(qint64 value)
{
    assign(this, m_yesterdayFiles, value, &StatsService::yesterdayFilesChanged);
}

void StatsService::setYesterdayBytes(qint64 value)
{
    assign(this, m_yesterdayBytes, value, &StatsService::yesterdayBytesChanged);
}

} // namespace ondrix
