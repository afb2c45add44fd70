#include "ui/popover/MenuBarView.h"

#include "engine/ConnectionEngine.h"
#include "model/AppSettings.h"
#include "records/HistoryService.h"
#include "records/StatsService.h"
#include "supervision/ConnectionsManager.h"
#include "ui/popover/ClickableArea.h"
#include "ui/popover/ConnectionRow.h"
#include "ui/popover/ElidedLabel.h"
#include "ui/popover/InlineStepper.h"
#include "ui/popover/MenuBarPresentation.h"
#include "ui/popover/PopoverIcons.h"

#include <QDesktopServices>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace ondrix {

using P = MenuBarPresentation;

namespace {

constexpr int kSideMargin = 12;
const char* const kSymbolProperty = "popoverSymbol";

const char* const kToneProperty = "popoverTone";
const char* const kSymbolToneProperty = "popoverSymbolTone";
const char* const kSymbolSizeProperty = "popoverSymbolSize";

// Texts in a tone keep it when the palette changes: MenuBarView::changeEvent applies it again.
void setTone(QWidget* label, PopoverTone tone)
{
    label->setProperty(kToneProperty, int(tone));
    const QWidget* owner = label->parentWidget() ? label->parentWidget() : label;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, PopoverIcons::colour(tone, owner->palette()));
    label->setPalette(palette);
}

QLabel* symbolLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setFixedSize(16, 16);
    return label;
}

void showSymbol(QLabel* label, PopoverSymbol symbol, PopoverTone tone, int size = 16)
{
    label->setProperty(kSymbolProperty, int(symbol));
    label->setProperty(kSymbolToneProperty, int(tone));
    label->setProperty(kSymbolSizeProperty, size);
    const QWidget* owner = label->parentWidget() ? label->parentWidget() : label;
    label->setPixmap(PopoverIcons::pixmap(symbol, PopoverIcons::colour(tone, owner->palette()), size,
                                          label->devicePixelRatioF()));
}

QWidget* divider(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setFixedHeight(1);
    QPalette palette = line->palette();
    QColor colour = palette.color(QPalette::WindowText);
    colour.setAlphaF(0.15f);
    palette.setColor(QPalette::WindowText, colour);
    line->setPalette(palette);
    return line;
}

QLabel* sectionTitle(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.82);
    font.setWeight(QFont::DemiBold);
    font.setLetterSpacing(QFont::PercentageSpacing, 106);
    label->setFont(font);
    // Capitals with accents ("AKTIVITÄT", "ÉTAT") reach above the font's ascent at this size: room above them
    // keeps the marks from being cut off.
    label->setContentsMargins(0, 2, 0, 0);
    setTone(label, PopoverTone::secondary);
    return label;
}

QLabel* secondaryLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    setTone(label, PopoverTone::secondary);
    return label;
}

void setSymbolIcon(QAbstractButton* button, PopoverSymbol symbol)
{
    button->setProperty(kSymbolProperty, int(symbol));
    // The parent's palette: a button with a style sheet keeps the one it had when the sheet was applied.
    const QWidget* owner = button->parentWidget() ? button->parentWidget() : button;
    button->setIcon(PopoverIcons::icon(symbol, owner->palette(), 16));
}

// The footer's entries are flat; their text takes the normal text colour, which a style sheet does not follow
// by itself when the palette changes (MenuBarView::recolour sets it again).
QString footerStyle(const QPalette& palette)
{
    return QStringLiteral(
               "QPushButton { text-align: left; padding: 4px 6px; border: none; border-radius: 5px;"
               " color: %1; }"
               "QPushButton:hover, QPushButton:focus { background: palette(midlight); }"
               "QPushButton:pressed { background: palette(mid); }")
        .arg(palette.color(QPalette::WindowText).name(QColor::HexArgb));
}

QString fileNameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

struct MenuBarView::ActivityLine {
    QWidget* widget = nullptr;
    ElidedLabel* name = nullptr;
    QLabel* percent = nullptr;
};

struct MenuBarView::RecentLine {
    QWidget* widget = nullptr;
    QLabel* symbol = nullptr;
    PopoverSymbol shown = PopoverSymbol::logo;
    ElidedLabel* name = nullptr;
    QLabel* size = nullptr;
    QLabel* age = nullptr;
};

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
    buildHeader(layout);
    layout->addWidget(divider(this));
    layout->addWidget(buildContent(), 1);
    layout->addWidget(divider(this));
    buildSummary(layout);
    layout->addWidget(divider(this));
    buildControls(layout);
    layout->addWidget(divider(this));
    buildFooter(layout);

    m_soon.setSingleShot(true);
    m_soon.setInterval(0);
    m_progress.setSingleShot(true);
    m_progress.setInterval(kProgressRefreshMs);
    m_clock.setInterval(kClockRefreshMs);
    connect(&m_soon, &QTimer::timeout, this, &MenuBarView::refresh);
    connect(&m_progress, &QTimer::timeout, this, &MenuBarView::refresh);
    connect(&m_clock, &QTimer::timeout, this, [this] { mark(Recent | Stats); });
    observe();
    observeEngines();
}

MenuBarView::~MenuBarView()
{
    qDeleteAll(m_activity);
    qDeleteAll(m_recent);
}

// ---- building ----

void MenuBarView::buildHeader(QVBoxLayout* layout)
{
    auto* header = new QWidget(this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(kSideMargin, 10, kSideMargin, 8);
    row->setSpacing(6);
    auto* logo = new QLabel(header);
    logo->setFixedSize(20, 20);
    logo->setPixmap(PopoverIcons::pixmap(
        PopoverSymbol::logo, PopoverIcons::colour(PopoverTone::blue, palette()), 20, devicePixelRatioF()));
    row->addWidget(logo);
    auto* title = new QLabel(tr("Ondrix"), header);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.1);
    title->setFont(bold);
    row->addWidget(title);
    row->addStretch(1);
    m_dot = new QLabel(header);
    m_dot->setFixedSize(8, 8);
    row->addWidget(m_dot);
    m_status = secondaryLabel(QString(), header);
    row->addWidget(m_status);
    layout->addWidget(header);

    m_banner = new QWidget(this);
    auto* banner = new QHBoxLayout(m_banner);
    banner->setContentsMargins(kSideMargin, 0, kSideMargin, 8);
    banner->setSpacing(6);
    m_bannerIcon = symbolLabel(m_banner);
    banner->addWidget(m_bannerIcon);
    m_bannerText = new QLabel(m_banner);
    m_bannerText->setWordWrap(true);
    banner->addWidget(m_bannerText, 1);
    m_banner->setVisible(false);
    layout->addWidget(m_banner);
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

    // Connections
    column->addWidget(sectionTitle(tr("CONNECTIONS"), content));
    m_rowsLayout = new QVBoxLayout;
    m_rowsLayout->setSpacing(2);
    column->addLayout(m_rowsLayout);
    m_noConnections = secondaryLabel(tr("No connections configured"), content);
    column->addWidget(m_noConnections);
    if (m_actions.onAddConnection) {
        m_addConnection = new QToolButton(content);
        m_addConnection->setText(tr("Add Connection"));
        m_addConnection->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        m_addConnection->setAutoRaise(true);
        setSymbolIcon(m_addConnection, PopoverSymbol::addConnection);
        connect(m_addConnection, &QToolButton::clicked, this, [this] { m_actions.onAddConnection(); });
        column->addWidget(m_addConnection, 0, Qt::AlignLeft);
    }
    column->addSpacing(4);
    column->addWidget(divider(content));

    // Activity
    column->addWidget(sectionTitle(tr("ACTIVITY"), content));
    for (int i = 0; i < P::kActivityRows; ++i) {
        auto* line = new ActivityLine;
        line->widget = new QWidget(content);
        auto* row = new QHBoxLayout(line->widget);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(6);
        auto* symbol = symbolLabel(line->widget);
        showSymbol(symbol, PopoverSymbol::upload, PopoverTone::blue);
        row->addWidget(symbol);
        line->name = new ElidedLabel(Qt::ElideMiddle, line->widget);
        row->addWidget(line->name, 1);
        line->percent = secondaryLabel(QString(), line->widget);
        line->percent->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("100%")));
        line->percent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row->addWidget(line->percent);
        line->widget->setVisible(false);
        column->addWidget(line->widget);
        m_activity.append(line);
    }
    m_moreUploading = secondaryLabel(QString(), content);
    m_moreUploading->setIndent(22);
    m_moreUploading->setVisible(false);
    column->addWidget(m_moreUploading);
    m_noActivity = secondaryLabel(tr("Monitoring — no transfers in progress"), content);
    column->addWidget(m_noActivity);
    column->addSpacing(4);
    column->addWidget(divider(content));

    // Recent
    column->addWidget(sectionTitle(tr("RECENT"), content));
    for (int i = 0; i < P::kRecentRows; ++i) {
        auto* line = new RecentLine;
        line->widget = new QWidget(content);
        auto* row = new QHBoxLayout(line->widget);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(6);
        line->symbol = symbolLabel(line->widget);
        row->addWidget(line->symbol);
        line->name = new ElidedLabel(Qt::ElideMiddle, line->widget);
        row->addWidget(line->name, 1);
        line->size = secondaryLabel(QString(), line->widget);
        row->addWidget(line->size);
        line->age = secondaryLabel(QString(), line->widget);
        line->age->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("23h")) + 4);
        line->age->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row->addWidget(line->age);
        line->widget->setVisible(false);
        column->addWidget(line->widget);
        m_recent.append(line);
    }
    m_noRecent = secondaryLabel(tr("No recent uploads"), content);
    column->addWidget(m_noRecent);
    column->addStretch(1);

    scroll->setWidget(content);
    return scroll;
}

void MenuBarView::buildSummary(QVBoxLayout* layout)
{
    // Below the scrolled part, so the counters and the network and disk line stay in sight with any number
    // of connections.
    auto* summary = new QWidget(this);
    m_summary = summary;
    auto* column = new QVBoxLayout(summary);
    column->setContentsMargins(kSideMargin, 6, kSideMargin, 6);
    column->setSpacing(2);
    column->addWidget(sectionTitle(tr("STATISTICS"), summary));
    const auto statLine = [&](PopoverSymbol symbol, const QString& title, QLabel** value) {
        auto* line = new QWidget(summary);
        auto* row = new QHBoxLayout(line);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(6);
        auto* icon = symbolLabel(line);
        showSymbol(icon, symbol, PopoverTone::secondary);
        row->addWidget(icon);
        row->addWidget(new QLabel(title, line));
        row->addStretch(1);
        *value = secondaryLabel(QString(), line);
        row->addWidget(*value);
        column->addWidget(line);
        return line;
    };
    statLine(PopoverSymbol::calendar, tr("Today"), &m_today);
    statLine(PopoverSymbol::upload, tr("All time"), &m_total);
    m_lastActivityRow = statLine(PopoverSymbol::clock, tr("Last activity: "), &m_lastActivity);
    auto* status = new QWidget(summary);
    auto* statusRow = new QHBoxLayout(status);
    statusRow->setContentsMargins(0, 2, 0, 0);
    statusRow->setSpacing(6);
    m_networkIcon = symbolLabel(status);
    statusRow->addWidget(m_networkIcon);
    m_network = new QLabel(status);
    statusRow->addWidget(m_network);
    statusRow->addStretch(1);
    m_diskIcon = symbolLabel(status);
    statusRow->addWidget(m_diskIcon);
    m_disk = new QLabel(status);
    statusRow->addWidget(m_disk);
    column->addWidget(status);
    layout->addWidget(summary);
}

void MenuBarView::buildControls(QVBoxLayout* layout)
{
    auto* controls = new QWidget(this);
    auto* row = new QHBoxLayout(controls);
    row->setContentsMargins(kSideMargin, 8, kSideMargin, 8);
    row->setSpacing(6);
    const auto button = [&](const QString& text, PopoverSymbol symbol) {
        auto* b = new QPushButton(text, controls);
        setSymbolIcon(b, symbol);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        row->addWidget(b);
        return b;
    };
    m_uploadNow = button(tr("Upload Now"), PopoverSymbol::upload);
    m_uploadNow->setToolTip(tr("Rescan every running connection now and retry failed files at once"));
    m_uploadNow->setAccessibleDescription(m_uploadNow->toolTip());
    connect(m_uploadNow, &QPushButton::clicked, this, [this] { m_manager.uploadNow(); });
    m_pause = button(tr("Pause"), PopoverSymbol::pause);
    connect(m_pause, &QPushButton::clicked, this, [this] {
        if (m_manager.pauseReasons().holds(PauseReasons::Reason::user)) {
            m_manager.resumeAll();
        } else {
            m_manager.pauseAll();
        }
    });
    m_mute = button(tr("Mute"), PopoverSymbol::soundOn);
    connect(m_mute, &QPushButton::clicked, this,
            [this] { m_settings.setPlaySoundOnDownload(!m_settings.playSoundOnDownload()); });
    layout->addWidget(controls);
}

void MenuBarView::buildFooter(QVBoxLayout* layout)
{
    auto* footer = new QWidget(this);
    auto* grid = new QGridLayout(footer);
    grid->setContentsMargins(kSideMargin - 4, 4, kSideMargin - 4, 6);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(0);
    const auto entry = [&](const QString& text, PopoverSymbol symbol, const std::function<void()>& action) {
        auto* b = new QPushButton(text, footer);
        setSymbolIcon(b, symbol);
        b->setFlat(true);
        b->setStyleSheet(footerStyle(palette()));
        connect(b, &QPushButton::clicked, this, [action] {
            if (action) {
                action();
            }
        });
        m_footer.append(b);
        return b;
    };
    QList<QPushButton*> entries;
    entries << entry(tr("History..."), PopoverSymbol::history, m_actions.onViewHistory);
    entries << entry(tr("Log..."), PopoverSymbol::text, m_actions.onViewLog);
    entries << entry(tr("Settings..."), PopoverSymbol::settings, m_actions.onSettings);
    if (m_actions.onCheckForUpdates) {
        entries << entry(tr("Check for Updates..."), PopoverSymbol::checkForUpdates,
                         m_actions.onCheckForUpdates);
    }
    entries << entry(tr("About Ondrix"), PopoverSymbol::about, m_actions.onAbout);
    for (int i = 0; i < entries.size(); ++i) {
        grid->addWidget(entries[i], i / 2, i % 2);
    }
    // Quit stands apart, on the right below the others.
    QPushButton* quit = entry(tr("Quit"), PopoverSymbol::quit, m_actions.onQuit);
    const int lastRow = int(entries.size() - 1) / 2;
    grid->addWidget(quit, entries.size() % 2 == 1 ? lastRow : lastRow + 1, 1);
    layout->addWidget(footer);
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
    if (isVisible() && !m_soon.isActive()) {
        m_soon.start();
    }
}

void MenuBarView::markProgress()
{
    if (isVisible() && !m_progress.isActive() && !m_soon.isActive()) {
        m_progress.start();
    }
}

void MenuBarView::refresh()
{
    const unsigned dirty = m_dirty;
    m_dirty = 0;
    if (dirty & Palette) {
        recolour();
    }
    if (dirty & Header) {
        refreshHeader();
    }
    if (dirty & Banner) {
        refreshBanner();
    }
    if (dirty & Rows) {
        refreshRows();
    }
    if (dirty & (Rows | Jobs)) {
        refreshJobs();
    }
    if (dirty & Recent) {
        refreshRecent();
    }
    if (dirty & Stats) {
        refreshStats();
    }
    if (dirty & Environment) {
        refreshEnvironment();
    }
    if (dirty & Controls) {
        refreshControls();
    }
}

// ---- the parts ----

void MenuBarView::refreshHeader()
{
    int enabled = 0;
    for (const PushConnection& connection : m_manager.connections()) {
        enabled += connection.isEnabled ? 1 : 0;
    }
    int failing = 0;
    for (ConnectionEngine* engine : m_manager.engines()) {
        failing += engine->connection().isEnabled && engine->state().isError() ? 1 : 0;
    }
    const bool anyError = failing > 0;
    QColor colour;
    switch (P::headerDot(m_manager.hasActiveEngines(), m_manager.aggregatePaused(), anyError)) {
    case P::Dot::inactive:
        colour = PopoverIcons::colour(PopoverTone::grey, palette());
        colour.setAlphaF(0.5f);
        break;
    case P::Dot::paused:
        colour = PopoverIcons::colour(PopoverTone::orange, palette());
        break;
    case P::Dot::running:
        colour = PopoverIcons::colour(PopoverTone::green, palette());
        break;
    case P::Dot::error:
        colour = PopoverIcons::colour(PopoverTone::red, palette());
        colour.setAlphaF(0.6f);
        break;
    }
    if (colour != m_dotColour) {
        m_dotColour = colour;
        const qreal ratio = devicePixelRatioF();
        QPixmap dot(QSize(8, 8) * ratio);
        dot.setDevicePixelRatio(ratio);
        dot.fill(Qt::transparent);
        QPainter painter(&dot);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(QRectF(0, 0, 8, 8));
        painter.end();
        m_dot->setPixmap(dot);
    }
    // The reasons in words: a colour or "Paused" alone does not say what lifts the pause.
    const QString pausedFor = PauseReasons::describe(m_manager.pauseReasons().reasons());
    m_status->setText(pausedFor.isEmpty() ? P::headerStatusText(false, false, enabled, failing) : pausedFor);
}

void MenuBarView::refreshBanner()
{
    const P::Banner banner =
        P::environmentBanner(m_manager.isPausedForNetwork(), m_manager.isOnHotspot(),
                             m_settings.preventSleepDuringDownloads(), m_manager.isPreventingSleep());
    m_banner->setVisible(!banner.text.isEmpty());
    if (banner.text.isEmpty()) {
        return;
    }
    showSymbol(m_bannerIcon, banner.symbol, banner.tone);
    m_bannerText->setText(banner.text);
    setTone(m_bannerText, banner.tone);
}

void MenuBarView::refreshRows()
{
    QList<PushConnection> shown;
    for (const PushConnection& connection : m_manager.connections()) {
        if (!connection.host.isEmpty()) {
            shown.append(connection);
        }
    }
    bool sameRows = shown.size() == m_rows.size();
    for (int i = 0; sameRows && i < shown.size(); ++i) {
        sameRows = shown[i].id == m_rows[i]->connectionId();
    }
    if (sameRows) {
        for (int i = 0; i < shown.size(); ++i) {
            m_rows[i]->setConnection(shown[i]);
        }
    } else {
        qDeleteAll(m_rows);
        m_rows.clear();
        QWidget* content = m_noConnections->parentWidget();
        for (const PushConnection& connection : shown) {
            auto* row = new ConnectionRow(connection, content);
            const QUuid id = connection.id;
            connect(row, &ConnectionRow::powerToggled, this, [this, id] {
                editConnection(id, [](PushConnection& c) { c.isEnabled = !c.isEnabled; });
            });
            connect(row, &ConnectionRow::uploadsStepped, this, [this, id](int step) {
                editConnection(id, [step](PushConnection& c) {
                    c.simultaneousUploads = P::steppedSimultaneousUploads(c.simultaneousUploads, step);
                });
            });
            connect(row, &ConnectionRow::stabilityStepped, this, [this, id](int step) {
                editConnection(id, [step](PushConnection& c) {
                    c.stabilityCheckSeconds = P::steppedStabilitySeconds(c.stabilityCheckSeconds, step);
                });
            });
            connect(row, &ConnectionRow::keywordChosen, this, [this, id](const std::optional<QUuid>& entry) {
                editConnection(id, [entry](PushConnection& c) { c.selectedIPTCKeywordID = entry; });
            });
            connect(row, &ConnectionRow::openRequested, this, [this, id] {
                if (m_actions.onOpenConnection) {
                    m_actions.onOpenConnection(id);
                }
            });
            connect(row, &ConnectionRow::openFolderRequested, this,
                    [this, row] { openFolder(row->connection().localFolder); });
            m_rowsLayout->addWidget(row);
            row->show();
            m_rows.append(row);
        }
        // New rows join the keyboard order where they are shown, before the controls below them.
        QList<QWidget*> order;
        for (ConnectionRow* row : std::as_const(m_rows)) {
            order << row->powerButton() << row->mainArea() << row->folderButton()
                  << row->uploadsStepper()->decreaseButton() << row->uploadsStepper()->increaseButton()
                  << row->stabilityStepper()->decreaseButton() << row->stabilityStepper()->increaseButton()
                  << row->keywordButton();
        }
        if (m_addConnection) {
            order << m_addConnection;
        }
        order << m_uploadNow << m_pause << m_mute;
        for (QPushButton* entry : std::as_const(m_footer)) {
            order << entry;
        }
        for (int i = 1; i < order.size(); ++i) {
            setTabOrder(order[i - 1], order[i]);
        }
    }
    m_noConnections->setVisible(shown.isEmpty());
}

void MenuBarView::refreshJobs()
{
    ++m_jobRefreshes;
    for (ConnectionRow* row : std::as_const(m_rows)) {
        if (ConnectionEngine* engine = m_manager.engine(row->connectionId())) {
            row->setEngine(engine->state(), int(engine->activeJobs().size()), engine->isStabilityChecking(),
                           PauseReasons::describe(m_manager.pauseReasons().reasons(row->connectionId())));
        } else {
            row->setEngine(std::nullopt, 0, false);
            row->showProblem(m_manager.passwordProblem(row->connectionId()));
        }
    }
    QList<UploadJob> jobs;
    for (const PushConnection& connection : m_manager.connections()) {
        if (ConnectionEngine* engine = m_manager.engine(connection.id)) {
            jobs += engine->activeJobs();
        }
    }
    for (int i = 0; i < m_activity.size(); ++i) {
        ActivityLine* line = m_activity[i];
        const bool shown = i < jobs.size();
        if (shown) {
            line->name->setText(fileNameOf(jobs[i].localPath));
            line->percent->setText(P::progressText(jobs[i].status));
        }
        line->widget->setVisible(shown);
    }
    const QString more = P::moreUploadingText(int(jobs.size()));
    m_moreUploading->setText(more);
    m_moreUploading->setVisible(!more.isEmpty());
    m_noActivity->setVisible(jobs.isEmpty());
}

void MenuBarView::refreshRecent()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    int shown = 0;
    for (const HistoryEntry& entry : m_history.entries()) {
        if (shown >= m_recent.size()) {
            break;
        }
        if (entry.error) {
            continue;
        }
        RecentLine* line = m_recent[shown++];
        const PopoverSymbol symbol = P::fileSymbol(entry.filename);
        if (symbol != line->shown) {
            line->shown = symbol;
            showSymbol(line->symbol, symbol, PopoverTone::secondary);
        }
        line->name->setText(entry.filename);
        line->size->setText(P::sizeText(entry.bytes));
        line->age->setText(P::ageText(entry.timestamp.secsTo(now)));
        line->widget->setVisible(true);
    }
    for (int i = shown; i < m_recent.size(); ++i) {
        m_recent[i]->widget->setVisible(false);
    }
    m_noRecent->setVisible(shown == 0);
}

void MenuBarView::refreshStats()
{
    m_today->setText(m_stats.todaySummary());
    m_total->setText(m_stats.totalSummary());
    const std::optional<QString> last = m_stats.lastActivityText();
    m_lastActivity->setText(last.value_or(QString()));
    m_lastActivityRow->setVisible(last.has_value());
}

void MenuBarView::refreshEnvironment()
{
    const QString type = m_manager.networkType();
    const PopoverTone networkTone = m_manager.isNetworkAvailable() ? PopoverTone::green : PopoverTone::red;
    showSymbol(m_networkIcon, P::networkSymbol(type), networkTone);
    m_network->setText(P::networkText(type));
    const double free = m_manager.freeDiskSpaceGB();
    const PopoverTone diskTone = P::diskTone(free);
    showSymbol(m_diskIcon, P::diskSymbol(free), diskTone);
    m_disk->setText(P::diskText(free));
    setTone(m_disk, diskTone);
}

void MenuBarView::refreshControls()
{
    const bool paused = m_manager.pauseReasons().holds(PauseReasons::Reason::user);
    m_pause->setText(paused ? tr("Resume") : tr("Pause"));
    setSymbolIcon(m_pause, paused ? PopoverSymbol::play : PopoverSymbol::pause);
    const bool sound = m_settings.playSoundOnDownload();
    m_mute->setText(sound ? tr("Mute") : tr("Unmute"));
    setSymbolIcon(m_mute, sound ? PopoverSymbol::soundOn : PopoverSymbol::soundOff);
}

// ---- actions ----

void MenuBarView::editConnection(const QUuid& id, const std::function<void(PushConnection&)>& edit)
{
    // The manager's copy, not the row's: an edit made elsewhere a moment ago is kept.
    for (PushConnection connection : m_manager.connections()) {
        if (connection.id == id) {
            const PushConnection before = connection;
            edit(connection);
            if (!(connection == before)) {
                m_manager.updateConnection(connection);
            }
            return;
        }
    }
}

void MenuBarView::openFolder(const QString& folder) const
{
    if (!folder.isEmpty()) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
    }
}

// ---- showing ----

void MenuBarView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_manager.setUnreadCount(0);
    m_manager.refreshFreeDiskSpace();
    m_dirty = All;
    m_soon.stop();
    m_progress.stop();
    refresh();
    m_clock.start();
}

void MenuBarView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_clock.stop();
    m_soon.stop();
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

void MenuBarView::recolour()
{
    // Symbols and toned texts are drawn in the palette's colours: draw them again, rows included.
    const QList<QWidget*> widgets = findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        const QVariant tone = widget->property(kToneProperty);
        if (tone.isValid()) {
            setTone(widget, PopoverTone(tone.toInt()));
        }
        auto* label = qobject_cast<QLabel*>(widget);
        const QVariant symbolTone = widget->property(kSymbolToneProperty);
        if (label && symbolTone.isValid()) {
            showSymbol(label, PopoverSymbol(widget->property(kSymbolProperty).toInt()),
                       PopoverTone(symbolTone.toInt()), widget->property(kSymbolSizeProperty).toInt());
        }
        auto* button = qobject_cast<QAbstractButton*>(widget);
        const QVariant symbol = widget->property(kSymbolProperty);
        if (button && symbol.isValid()) {
            setSymbolIcon(button, PopoverSymbol(symbol.toInt()));
        }
    }
    for (QPushButton* entry : std::as_const(m_footer)) {
        entry->setStyleSheet(footerStyle(palette()));
    }
    qDeleteAll(m_rows);
    m_rows.clear();
    m_dotColour = QColor();
}

// ---- what is shown ----

QString MenuBarView::headerStatusText() const
{
    return m_status->text();
}

QColor MenuBarView::headerDotColour() const
{
    return m_dotColour;
}

QString MenuBarView::bannerText() const
{
    return m_banner->isVisibleTo(this) ? m_bannerText->text() : QString();
}

QList<ConnectionRow*> MenuBarView::connectionRows() const
{
    return m_rows;
}

bool MenuBarView::showsNoConnections() const
{
    return m_noConnections->isVisibleTo(this);
}

QStringList MenuBarView::activityLines() const
{
    QStringList lines;
    for (const ActivityLine* line : m_activity) {
        if (line->widget->isVisibleTo(this)) {
            lines << QString(line->name->text() + QStringLiteral("  ") + line->percent->text()).trimmed();
        }
    }
    if (m_moreUploading->isVisibleTo(this)) {
        lines << m_moreUploading->text();
    }
    return lines;
}

QStringList MenuBarView::recentLines() const
{
    QStringList lines;
    for (const RecentLine* line : m_recent) {
        if (line->widget->isVisibleTo(this)) {
            lines << line->name->text() + QLatin1Char('|') + line->size->text() + QLatin1Char('|') +
                         line->age->text();
        }
    }
    return lines;
}

QStringList MenuBarView::statisticsLines() const
{
    QStringList lines{m_today->text(), m_total->text()};
    if (m_lastActivityRow->isVisibleTo(this)) {
        lines << m_lastActivity->text();
    }
    return lines;
}

QString MenuBarView::networkText() const
{
    return m_network->text();
}

QString MenuBarView::diskText() const
{
    return m_disk->text();
}

} // namespace ondrix
