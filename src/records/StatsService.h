#pragma once

#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

namespace ondrix {

class PreferencesStore;

// Counts successful uploads: files and bytes of the current day, of the last earlier day the counters were in
// use ("yesterday") and in total, plus the time of the last upload. The counters are kept in the preferences
// store after every change; during a burst of uploads at most once every `kMinSaveIntervalMs` (the last
// change of a burst follows by then, and at destruction), so a crash mid-burst loses at most that much
// counting. A new local calendar day is noticed at the next upload or `todaySummary`, not by a timer.
//
// Lives on the main thread; the counters notify there.
class StatsService : public QObject {
    Q_OBJECT
    Q_PROPERTY(qint64 todayFiles READ todayFiles NOTIFY todayFilesChanged)
    Q_PROPERTY(qint64 todayBytes READ todayBytes NOTIFY todayBytesChanged)
    Q_PROPERTY(qint64 totalFiles READ totalFiles NOTIFY totalFilesChanged)
    Q_PROPERTY(qint64 totalBytes READ totalBytes NOTIFY totalBytesChanged)
    Q_PROPERTY(QDateTime lastActivityDate READ lastActivityDate NOTIFY lastActivityDateChanged)
    Q_PROPERTY(qint64 yesterdayFiles READ yesterdayFiles NOTIFY yesterdayFilesChanged)
    Q_PROPERTY(qint64 yesterdayBytes READ yesterdayBytes NOTIFY yesterdayBytesChanged)

public:
    using Clock = std::function<QDateTime()>;

    static constexpr int kMinSaveIntervalMs = 1000;

    static const QString kTodayFiles;
    static const QString kTodayBytes;
    static const QString kTotalFiles;
    static const QString kTotalBytes;
    static const QString kLastActivity;
    static const QString kYesterdayFiles;
    static const QString kYesterdayBytes;
    static const QString kCurrentDay;

    // Loads the counters and rolls them over when the stored day is not today. `clock` is the wall clock when
    // empty. The store must outlive the service.
    explicit StatsService(PreferencesStore& store, Clock clock = {}, QObject* parent = nullptr);
    // Saves counters still waiting for the store.
    ~StatsService() override;

    qint64 todayFiles() const { return m_todayFiles; }
    qint64 todayBytes() const { return m_todayBytes; }
    qint64 totalFiles() const { return m_totalFiles; }
    qint64 totalBytes() const { return m_totalBytes; }
    // Invalid when nothing was ever uploaded.
    QDateTime lastActivityDate() const { return m_lastActivityDate; }
    qint64 yesterdayFiles() const { return m_yesterdayFiles; }
    qint64 yesterdayBytes() const { return m_yesterdayBytes; }
    // The local date ("yyyy-MM-dd") the today counters belong to.
    QString currentDay() const { return m_currentDay; }

    void recordUpload(qint64 bytes);
    // Counts `files` uploads of `bytes` together, with one notification per counter.
    void recordUploads(qint64 files, qint64 bytes);
    void checkDayRollover();
    void load();
    // Writes the counters now (one commit).
    void save();

    // "1 file (1.5 KB)" or "<n> files (<size>)" for today, after a rollover check.
    QString todaySummary();
    // The same for all uploads ever counted.
    QString totalSummary() const;
    // "just now", "<n>s ago", "<n> min ago", "<n>h ago" or "<n>d ago"; none before the first upload.
    std::optional<QString> lastActivityText() const;

    // "<n> B" up to 1023, then binary steps with "%.1f KB", "%.1f MB" and "%.2f GB".
    static QString formatBytes(qint64 bytes);

Q_SIGNALS:
    void todayFilesChanged(qint64 value);
    void todayBytesChanged(qint64 value);
    void totalFilesChanged(qint64 value);
    void totalBytesChanged(qint64 value);
    void lastActivityDateChanged(const QDateTime& value);
    void yesterdayFilesChanged(qint64 value);
    void yesterdayBytesChanged(qint64 value);

private:
    // save() now, or when the interval since the last save has passed.
    void scheduleSave();
    QString today() const;
    static QString dayOf(const QDateTime& time);
    // The rollover check for a clock reading the caller already has.
    void rollOverAt(const QDateTime& time);
    qint64 loadBytes(const QString& key) const;
    static QString summary(qint64 files, qint64 bytes);
    void setTodayFiles(qint64 value);
    void setTodayBytes(qint64 value);
    void setTotalFiles(qint64 value);
    void setTotalBytes(qint64 value);
    void setLastActivityDate(const QDateTime& value);
    void setYesterdayFiles(qint64 value);
    void setYesterdayBytes(qint64 value);

    PreferencesStore& m_store;
    const Clock m_clock;
    qint64 m_todayFiles = 0;
    qint64 m_todayBytes = 0;
    qint64 m_totalFiles = 0;
    qint64 m_totalBytes = 0;
    QDateTime m_lastActivityDate;
    qint64 m_yesterdayFiles = 0;
    qint64 m_yesterdayBytes = 0;
    // The local day of m_currentDay as instants, [start, end), once a rollover check has seen it.
    qint64 m_dayStartMs = 0;
    qint64 m_dayEndMs = 0;
    QString m_currentDay;
    QElapsedTimer m_sinceSave;
    QTimer m_saveTimer;
};

} // namespace ondrix
