#pragma once

#include <QWidget>

class QLabel;

namespace ondrix {

class ConnectionsManager;
class StatsService;

// The counters of the popover (today, all time, last activity) and the network and free-disk line. It stays
// below the scrolled list, so it is in sight with any number of connections.
//
// Main thread only; the core objects must outlive it.
class PopoverSummary : public QWidget {
    Q_OBJECT

public:
    PopoverSummary(ConnectionsManager& manager, StatsService& stats, QWidget* parent = nullptr);

    void refreshStats();
    void refreshEnvironment();

    QStringList statisticsLines() const;
    QString networkText() const;
    QString diskText() const;

private:
    ConnectionsManager& m_manager;
    StatsService& m_stats;
    QLabel* m_today = nullptr;
    QLabel* m_total = nullptr;
    QWidget* m_lastActivityRow = nullptr;
    QLabel* m_lastActivity = nullptr;
    QLabel* m_networkIcon = nullptr;
    QLabel* m_network = nullptr;
    QLabel* m_diskIcon = nullptr;
    QLabel* m_disk = nullptr;
};

} // namespace ondrix
