#include "supervision/ScheduleWindow.h"

namespace ondrix {

ScheduleWindow::ScheduleWindow(const PushConnection& connection)
    : m_enabled(connection.scheduleEnabled)
    , m_start(int(connection.scheduleStartHour))
    , m_end(int(connection.scheduleEndHour))
    , m_days(connection.scheduleDays)
{}

bool ScheduleWindow::contains(const QDateTime& local) const
{
    if (!m_enabled) {
        return true;
    }
    const int hour = local.time().hour();
    QDate day = local.date();
    if (m_end >= m_start) {
        if (hour < m_start || hour >= m_end) {
            return false;
        }
    } else if (hour < m_end) {
        // After midnight in a window that opened the evening before.
        day = day.addDays(-1);
    } else if (hour < m_start) {
        return false;
    }
    return m_days.contains(day.dayOfWeek());
}

QDateTime ScheduleWindow::nextHourBoundary(const QDateTime& now)
{
    // Counted back from `now` in elapsed time, not rebuilt from the wall clock: a wall-clock hour may not
    // exist (spring forward) or exist twice (fall back).
    const QTime time = now.time();
    const qint64 intoHourMs = qint64(time.minute()) * 60000 + qint64(time.second()) * 1000 + time.msec();
    return now.addMSecs(3600000 - intoHourMs);
}

QString ScheduleWindow::hoursText() const
{
    return QStringLiteral("%1:00–%2:00").arg(m_start).arg(m_end);
}

} // namespace ondrix
