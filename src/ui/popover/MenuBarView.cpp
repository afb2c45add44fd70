#include "ui/popover/MenuBarView.h"

#include "engine/ConnectionEngine.h"
#include "model/AppSettings.h"
#include "records/HistoryService.h"
#include "records/StatsService.h"
#include "supervision/ConnectionsManager.h"
#include "ui/popover/ActivityList.h"
#include "ui/popover/ConnectionRowList.h"
#include "ui/popover/PopoverControls.h"
#include "ui/popover/PopoverFooter.h"
#include "ui/popover/PopoverHeader.h"
#include "ui/popover/PopoverStyle.h"
#include "ui/popover/PopoverSummary.h"
#include "ui/popover/RecentUploadsList.h"

#include <QEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace ondrix {

using namespace PopoverStyle;

MenuBarView::MenuBarView(ConnectionsManager& manager, AppSettings& settings, StatsService& stats,
                         HistoryService& history, MenuBarActions actions, QWidget* parent)
    : QWidget(parent)
    , m_manager(manager)
    , m_settings(settings)
    , m_stats(stats)
    , m_history(history)
    , m_actions(std::move(actions))
{
    setObjectName(QStringLiteral("MenuBarView"));
    setAccessibleName(tr("Ondrix"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_header = new PopoverHeader(m_manager, m_settings, this);
    layout->addWidget(m_header);
    layout->addWidget(divider(this));
    layout->addWidget(buildContent(), 1);
    layout->addWidget(divider(this));
    m_summary = new PopoverSummary(m_manager, m_stats, this);
    layout->addWidget(m_summary);
    layout->addWidget(divider(this));
    m_controls = new PopoverControls(m_manager, m_settings, this);
    layout->addWidget(m_controls);
    layout->addWidget(divider(this));
    m_footer = new PopoverFooter(m_actions, this);
    layout->addWidget(m_footer);

    m_progress.setSingleShot(true);
    m_progress.setInterval(kProgressRefreshMs);
    m_clock.setInterval(kClockRefreshMs);
    connect(&m_progress, &QTimer::timeout, this, &MenuBarView::refresh);
    connect(&m_clock, &QTimer::timeout, this, [this] { mark(Recent | Stats); });
    observe();
    observeEngines();
}

QWidget* MenuBarView::buildContent()
{
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->viewport()->setAutoFillBackground(false);
    scroll->verticalScrollBar()->setAccessibleName(tr("Scroll the overview"));
    scroll->horizontalScrollBar()->setAccessibleName(tr("Scroll the overview sideways"));
    auto* content = new QWidget(scroll);
    content->setAutoFillBackground(false);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(kSideMargin, 8, kSideMargin, 8);
    column->setSpacing(4);
    m_rows = new ConnectionRowList(m_manager, m_actions, content);
    m_activity = new ActivityList(content);
    m_recent = new RecentUploadsList(content);
    column->addWidget(m_rows);
    column->addSpacing(4);
    column->addWidget(divider(content));
    column->addWidget(m_activity);
    column->addSpacing(4);
    column->addWidget(divider(content));
    column->addWidget(m_recent);
    column->addStretch(1);
    scroll->setWidget(content);
    return scroll;
}

// ---- observing ----

// The core notifies some values on every assignment (the engines' state with each progress report, the
// manager's summary with each engine change): only a real change marks anything.
template <typename Sender, typename Signal, typename Value>
QMetaObject::Connection MenuBarView::markOnChange(Sender* sender, Signal signal, Value current,
                                                  unsigned parts)
{
    auto seen = std::make_shared<Value>(std::move(current));
    return connect(sender, signal, this, [this, seen, parts](const Value& value) {
        if (!(value == *seen)) {
            *seen = value;
            mark(parts);
        }
    });
}

void MenuBarView::observe()
{
    ConnectionsManager* m = &m_manager;
    connect(m, &ConnectionsManager::connectionsChanged, this, [this] { mark(Header | Rows | Jobs); });
    connect(m, &ConnectionsManager::passwordProblemsChanged, this, [this] { mark(Jobs); });
    connect(m, &ConnectionsManager::enginesChanged, this, [this] {
        observeEngines();
        mark(Header | Rows | Jobs);
    });
    markOnChange(m, &ConnectionsManager::hasActiveEnginesChanged, m->hasActiveEngines(), Header);
    markOnChange(m, &ConnectionsManager::aggregatePausedChanged, m->aggregatePaused(), Header | Controls);
    connect(&m->pauseReasons(), &PauseReasons::changed, this, [this] { mark(Header | Controls | Jobs); });
    markOnChange(m, &ConnectionsManager::aggregateStateChanged, m->aggregateState(), Header);
    markOnChange(m, &ConnectionsManager::isPausedForNetworkChanged, m->isPausedForNetwork(), Header | Banner);
    markOnChange(m, &ConnectionsManager::isOnHotspotChanged, m->isOnHotspot(), Banner);
    markOnChange(m, &ConnectionsManager::isPreventingSleepChanged, m->isPreventingSleep(), Banner);
    markOnChange(m, &ConnectionsManager::isNetworkAvailableChanged, m->isNetworkAvailable(), Environment);
    markOnChange(m, &ConnectionsManager::networkTypeChanged, m->networkType(), Environment);
    markOnChange(m, &ConnectionsManager::freeDiskSpaceGBChanged, m->freeDiskSpaceGB(), Environment);
    connect(&m_settings, &AppSettings::preventSleepDuringDownloadsChanged, this, [this] { mark(Banner); });
    connect(&m_settings, &AppSettings::playSoundOnDownloadChanged, this, [this] { mark(Controls); });
    for (auto signal : {&StatsService::todayFilesChanged, &StatsService::todayBytesChanged,
                        &StatsService::totalFilesChanged, &StatsService::totalBytesChanged}) {
        connect(&m_stats, signal, this, [this] { mark(Stats); });
    }
    connect(&m_stats, &StatsService::lastActivityDateChanged, this, [this] { mark(Stats); });
    // A burst of uploads changes the history many times a second: one update per progress interval.
    connect(&m_history, &HistoryService::entriesChanged, this, [this] {
        m_dirty |= Recent;
        markProgress();
    });
}

void MenuBarView::observeEngines()
{
    for (const QMetaObject::Connection& link : std::as_const(m_engineLinks)) {
        disconnect(link);
    }
    m_engineLinks.clear();
    for (ConnectionEngine* engine : m_manager.engines()) {
        m_engineLinks << markOnChange(engine, &ConnectionEngine::stateChanged, engine->state(),
                                      Header | Jobs);
        m_engineLinks << markOnChange(engine, &ConnectionEngine::isStabilityCheckingChanged,
                                      engine->isStabilityChecking(), Jobs);
        // Progress: many reports a second, folded into one refresh per interval.
        m_engineLinks << connect(engine, &ConnectionEngine::activeJobsChanged, this, [this] {
            m_dirty |= Jobs;
            markProgress();
        });
    }
}

void MenuBarView::mark(unsigned parts)
{
    m_dirty |= parts;
    if (isVisible()) {
        m_soon.request();
    }
}

void MenuBarView::markProgress()
{
    if (isVisible() && !m_progress.isActive() && !m_soon.isPending()) {
        m_progress.start();
    }
}

// ---- bringing the sections up to date ----

void MenuBarView::refresh()
{
    const unsigned dirty = m_dirty;
    m_dirty = 0;
    if (dirty & Palette) {
        recolour();
    }
    if (dirty & Header) {
        m_header->refreshStatus();
    }
    if (dirty & Banner) {
        m_header->refreshBanner();
    }
    if ((dirty & Rows) && m_rows->refreshRows()) {
        restoreTabOrder();
    }
    if (dirty & (Rows | Jobs)) {
        refreshJobs();
    }
    if (dirty & Recent) {
        m_recent->showEntries(m_history.entries(), QDateTime::currentDateTimeUtc());
    }
    if (dirty & Stats) {
        m_summary->refreshStats();
    }
    if (dirty & Environment) {
        m_summary->refreshEnvironment();
    }
    if (dirty & Controls) {
        m_controls->refresh();
    }
}

void MenuBarView::refreshJobs()
{
    ++m_jobRefreshes;
    m_rows->refreshEngines();
    QList<UploadJob> jobs;
    for (const PushConnection& connection : m_manager.connections()) {
        if (ConnectionEngine* engine = m_manager.engine(connection.id)) {
            jobs += engine->activeJobs();
        }
    }
    m_activity->showJobs(jobs);
}

void MenuBarView::restoreTabOrder()
{
    // New rows join the keyboard order where they are shown, before the controls below them.
    QList<QWidget*> order = m_rows->focusOrder();
    order << m_controls->uploadNowButton() << m_controls->pauseButton() << m_controls->muteButton();
    for (QPushButton* entry : m_footer->buttons()) {
        order << entry;
    }
    for (int i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void MenuBarView::recolour()
{
    // Symbols and toned texts are drawn in the palette's colours: draw them again, rows included.
    restyle(this);
    m_footer->restyle();
    m_rows->clearRows();
    m_header->forgetDot();
}

// ---- showing ----

void MenuBarView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_manager.setUnreadCount(0);
    m_manager.refreshFreeDiskSpace();
    m_dirty = All;
    m_soon.cancel();
    m_progress.stop();
    refresh();
    m_clock.start();
}

void MenuBarView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_clock.stop();
    m_soon.cancel();
    m_progress.stop();
}

void MenuBarView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        // The children receive the new palette after this: draw again once they have it.
        mark(All | Palette);
    }
}

// ---- what is shown ----

QString MenuBarView::headerStatusText() const
{
    return m_header->statusText();
}

QColor MenuBarView::headerDotColour() const
{
    return m_header->dotColour();
}

QString MenuBarView::bannerText() const
{
    return m_header->bannerText();
}

QList<ConnectionRow*> MenuBarView::connectionRows() const
{
    return m_rows->rows();
}

bool MenuBarView::showsNoConnections() const
{
    return m_rows->showsNoConnections();
}

QStringList MenuBarView::activityLines() const
{
    return m_activity->lines();
}

QStringList MenuBarView::recentLines() const
{
    return m_recent->lines();
}

QStringList MenuBarView::statisticsLines() const
{
    return m_summary->statisticsLines();
}

QString MenuBarView::networkText() const
{
    return m_summary->networkText();
}

QString MenuBarView::diskText() const
{
    return m_summary->diskText();
}

QPushButton* MenuBarView::uploadNowButton() const
{
    return m_controls->uploadNowButton();
}

QPushButton* MenuBarView::pauseButton() const
{
    return m_controls->pauseButton();
}

QPushButton* MenuBarView::muteButton() const
{
    return m_controls->muteButton();
}

QList<QPushButton*> MenuBarView::footerButtons() const
{
    return m_footer->buttons();
}

QToolButton* MenuBarView::addConnectionButton() const
{
    return m_rows->addButton();
}

QWidget* MenuBarView::summaryArea() const
{
    return m_summary;
}

} // namespace ondrix
