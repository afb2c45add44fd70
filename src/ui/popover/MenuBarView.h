#pragma once

#include "model/NextTurn.h"
#include "ui/popover/MenuBarActions.h"

#include <QColor>
#include <QList>
#include <QMetaObject>
#include <QTimer>
#include <QWidget>

class QPushButton;
class QToolButton;

namespace ondrix {

class ActivityList;
class AppSettings;
class ConnectionRow;
class ConnectionRowList;
class ConnectionsManager;
class HistoryService;
class PopoverControls;
class PopoverFooter;
class PopoverHeader;
class PopoverSummary;
class RecentUploadsList;
class StatsService;

// The content of the tray popover (360×500): the state of the whole application at a glance, one row per
// connection with quick controls, the transfers in progress, the last uploads, the counters, the network and
// disk situation, pause and sound switches, and the entries to the windows. Each of these is a section
// widget; this view lays them out and decides when each is brought up to date.
//
// Each change of the core marks only the sections it affects; the marked sections are brought up to date on
// the next turn of the event loop, and job progress (many reports a second) at most every
// kProgressRefreshMs, so a burst of reports costs one repaint. While hidden it only marks; showing it brings
// everything up to date, clears the unread count and measures the free disk space again.
//
// Main thread only; the core objects must outlive it.
class MenuBarView : public QWidget {
    Q_OBJECT

public:
    static constexpr int kProgressRefreshMs = 100;
    // Ages of recent uploads and the last-activity text move on while the popover stays open.
    static constexpr int kClockRefreshMs = 20000;

    MenuBarView(ConnectionsManager& manager, AppSettings& settings, StatsService& stats,
                HistoryService& history, MenuBarActions actions, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {360, 500}; }

    // The parts a test or a person looks at.
    QString headerStatusText() const;
    QColor headerDotColour() const;
    QString bannerText() const;
    QList<ConnectionRow*> connectionRows() const;
    bool showsNoConnections() const;
    // The activity lines as shown: "name  42%" per job, then the more-uploading line.
    QStringList activityLines() const;
    // "name|size|age" per recent upload.
    QStringList recentLines() const;
    QStringList statisticsLines() const;
    QString networkText() const;
    QString diskText() const;
    QPushButton* uploadNowButton() const;
    QPushButton* pauseButton() const;
    QPushButton* muteButton() const;
    QList<QPushButton*> footerButtons() const;
    QToolButton* addConnectionButton() const;
    // The counters and the network and disk line, below the scrolled list.
    QWidget* summaryArea() const;
    // How many times the job-dependent parts were brought up to date (for the progress-burst check).
    int jobRefreshCount() const { return m_jobRefreshes; }
    // Whether changes are marked but not shown yet.
    bool hasPendingRefresh() const { return m_soon.isPending() || m_progress.isActive(); }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    enum Part : unsigned {
        Header = 1u << 0,
        Banner = 1u << 1,
        Rows = 1u << 2,
        Jobs = 1u << 3,
        Recent = 1u << 4,
        Stats = 1u << 5,
        Environment = 1u << 6,
        Controls = 1u << 7,
        All = 0xffu,
        Palette = 1u << 8,
    };

    QWidget* buildContent();
    void observe();
    void observeEngines();
    template <typename Sender, typename Signal, typename Value>
    QMetaObject::Connection markOnChange(Sender* sender, Signal signal, Value current, unsigned parts);
    void mark(unsigned parts);
    void markProgress();
    void refresh();
    void refreshJobs();
    void restoreTabOrder();
    void recolour();

    ConnectionsManager& m_manager;
    AppSettings& m_settings;
    StatsService& m_stats;
    HistoryService& m_history;
    const MenuBarActions m_actions;

    unsigned m_dirty = All;
    NextTurn m_soon{this, [this] { refresh(); }};
    QTimer m_progress;
    QTimer m_clock;
    QList<QMetaObject::Connection> m_engineLinks;
    int m_jobRefreshes = 0;

    PopoverHeader* m_header = nullptr;
    ConnectionRowList* m_rows = nullptr;
    ActivityList* m_activity = nullptr;
    RecentUploadsList* m_recent = nullptr;
    PopoverSummary* m_summary = nullptr;
    PopoverControls* m_controls = nullptr;
    PopoverFooter* m_footer = nullptr;
};

} // namespace ondrix
