#pragma once

#include "model/PushConnection.h"
#include "ui/popover/MenuBarActions.h"

#include <QList>
#include <QMetaObject>
#include <QTimer>
#include <QWidget>

class QGridLayout;
class QLabel;
class QPushButton;
class QToolButton;
class QVBoxLayout;

namespace ondrix {

class AppSettings;
class ConnectionRow;
class ConnectionsManager;
class ElidedLabel;
class HistoryService;
class StatsService;

// The content of the tray popover (360×500): the state of the whole application at a glance, one row per
// connection with quick controls, the transfers in progress, the last uploads, the counters, the network and
// disk situation, pause and sound switches, and the entries to the windows.
//
// It reads the core's observables and calls the manager's and the settings' operations; every navigation
// goes back to the shell through `actions`. Each change marks only the parts it affects; the marked parts
// are brought up to date on the next turn of the event loop, and job progress (many reports a second) at
// most every kProgressRefreshMs, so a burst of reports costs one repaint. While hidden it only marks; showing
// it brings everything up to date, clears the unread count and measures the free disk space again.
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
    ~MenuBarView() override;

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
    QPushButton* uploadNowButton() const { return m_uploadNow; }
    QPushButton* pauseButton() const { return m_pause; }
    QPushButton* muteButton() const { return m_mute; }
    QList<QPushButton*> footerButtons() const { return m_footer; }
    QToolButton* addConnectionButton() const { return m_addConnection; }
    // The counters and the network and disk line, below the scrolled list.
    QWidget* summaryArea() const { return m_summary; }
    // How many times the job-dependent parts were brought up to date (for the progress-burst check).
    int jobRefreshCount() const { return m_jobRefreshes; }
    // Whether changes are marked but not shown yet.
    bool hasPendingRefresh() const { return m_soon.isActive() || m_progress.isActive(); }

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

    struct ActivityLine;
    struct RecentLine;

    void buildHeader(QVBoxLayout* layout);
    QWidget* buildContent();
    void buildSummary(QVBoxLayout* layout);
    void buildControls(QVBoxLayout* layout);
    void buildFooter(QVBoxLayout* layout);
    void observe();
    void observeEngines();
    template <typename Sender, typename Signal, typename Value>
    QMetaObject::Connection markOnChange(Sender* sender, Signal signal, Value current, unsigned parts);
    void mark(unsigned parts);
    void markProgress();
    void refresh();
    void recolour();
    void refreshHeader();
    void refreshBanner();
    void refreshRows();
    void refreshJobs();
    void refreshRecent();
    void refreshStats();
    void refreshEnvironment();
    void refreshControls();

    void editConnection(const QUuid& id, const std::function<void(PushConnection&)>& edit);
    void openFolder(const QString& folder) const;

    ConnectionsManager& m_manager;
    AppSettings& m_settings;
    StatsService& m_stats;
    HistoryService& m_history;
    const MenuBarActions m_actions;

    unsigned m_dirty = All;
    QTimer m_soon;
    QTimer m_progress;
    QTimer m_clock;
    QList<QMetaObject::Connection> m_engineLinks;
    int m_jobRefreshes = 0;

    QLabel* m_dot = nullptr;
    QColor m_dotColour;
    QLabel* m_status = nullptr;
    QWidget* m_banner = nullptr;
    QLabel* m_bannerIcon = nullptr;
    QLabel* m_bannerText = nullptr;

    QVBoxLayout* m_rowsLayout = nullptr;
    QList<ConnectionRow*> m_rows;
    QLabel* m_noConnections = nullptr;
    QToolButton* m_addConnection = nullptr;

    QList<ActivityLine*> m_activity;
    QLabel* m_moreUploading = nullptr;
    QLabel* m_noActivity = nullptr;
    QList<RecentLine*> m_recent;
    QLabel* m_noRecent = nullptr;

    QWidget* m_summary = nullptr;
    QLabel* m_today = nullptr;
    QLabel* m_total = nullptr;
    QWidget* m_lastActivityRow = nullptr;
    QLabel* m_lastActivity = nullptr;
    QLabel* m_networkIcon = nullptr;
    QLabel* m_network = nullptr;
    QLabel* m_diskIcon = nullptr;
    QLabel* m_disk = nullptr;

    QPushButton* m_uploadNow = nullptr;
    QPushButton* m_pause = nullptr;
    QPushButton* m_mute = nullptr;
    QList<QPushButton*> m_footer;
};

} // namespace ondrix
