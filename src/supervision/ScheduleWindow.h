#pragma once

#include "model/PushConnection.h"

#include <QDateTime>

namespace ondrix {

// A connection's daily upload window in local time: the hours from start up to (not including) end on the
// selected weekdays (1 = Monday ... 7 = Sunday). A window whose end hour is before its start runs past
// midnight, and the hours after midnight belong to the day it opened on (Friday 22-6 covers Saturday
// morning). Start equal to end is never open. A connection without a schedule is always inside.
class ScheduleWindow {
public:
    explicit ScheduleWindow(const PushConnection& connection);

    // `local` is a wall-clock date and time; only its own date and hour are read, whatever its time zone.
    bool contains(const QDateTime& local) const;

    // The next moment the answer can change: the start of the next hour after `now`, however long that hour
    // is on the clock (a daylight-saving change makes one hour's wall-clock span two hours or none).
    static QDateTime nextHourBoundary(const QDateTime& now);

    // "9:00–18:00", for log lines and notifications.
    QString hoursText() const;

private:
    bool m_enabled;
    int m_start;
    int m_end;
    QList<qint64> m_days;
};

} // namespace ondrix
