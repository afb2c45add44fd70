#include "ui/popover/ConnectionRow.h"

#include "ui/common/StatusPalette.h"
#include "ui/popover/ClickableArea.h"
#include "ui/popover/ElidedLabel.h"
#include "ui/popover/InlineStepper.h"
#include "ui/popover/MenuBarPresentation.h"
#include "ui/popover/PopoverIcons.h"

#include <QActionGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

namespace ondrix {

namespace {

QToolButton* iconButton(PopoverSymbol symbol, const QString& name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setIconSize(QSize(18, 18));
    button->setIcon(PopoverIcons::icon(symbol, parent->palette(), 18));
    button->setAccessibleName(name);
    button->setToolTip(name);
    return button;
}

} // namespace

ConnectionRow::ConnectionRow(const PushConnection& connection, QWidget* parent)
    : QFrame(parent)
    , m_connection(connection)
{
    // A row keeps its height when the list is longer than the popover: the list scrolls instead.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 2, 0, 2);
    outer->setSpacing(1);

    auto* top = new QHBoxLayout;
    top->setSpacing(4);
    m_power = iconButton(PopoverSymbol::powerOff, tr("Enable connection"), this);
    m_power->setIconSize(QSize(20, 20));
    connect(m_power, &QToolButton::clicked, this, &ConnectionRow::powerToggled);
    top->addWidget(m_power, 0, Qt::AlignTop);

    m_main = new ClickableArea(this);
    auto* mainLayout = new QVBoxLayout(m_main);
    mainLayout->setContentsMargins(4, 2, 4, 2);
    mainLayout->setSpacing(0);
    auto* nameLine = new QHBoxLayout;
    nameLine->setSpacing(4);
    m_name = new ElidedLabel(Qt::ElideRight, m_main);
    QFont bold = m_name->font();
    bold.setWeight(QFont::DemiBold);
    m_name->setFont(bold);
    nameLine->addWidget(m_name, 1);
    m_schedule = new QLabel(m_main);
    m_schedule->setPixmap(PopoverIcons::pixmap(PopoverSymbol::clock,
                                               PopoverIcons::colour(PopoverTone::secondary, palette()), 12,
                                               devicePixelRatioF()));
    m_schedule->setToolTip(tr("Schedule enabled"));
    nameLine->addWidget(m_schedule);
    mainLayout->addLayout(nameLine);
    auto* statusLine = new QHBoxLayout;
    statusLine->setSpacing(4);
    m_indicator = new UploadIndicator(m_main);
    statusLine->addWidget(m_indicator);
    m_status = new ElidedLabel(Qt::ElideRight, m_main);
    QFont small = m_status->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    m_status->setFont(small);
    statusLine->addWidget(m_status, 1);
    mainLayout->addLayout(statusLine);
    connect(m_main, &ClickableArea::clicked, this, &ConnectionRow::openRequested);
    top->addWidget(m_main, 1);

    m_badge = new QLabel(this);
    m_badge->setAlignment(Qt::AlignCenter);
    m_badge->setMinimumWidth(18);
    m_badge->setStyleSheet(QStringLiteral("QLabel { color: white; background: %1;"
                                          " border-radius: 8px; padding: 0px 5px; font-weight: 600; }")
                               .arg(StatusPalette::symbol(StatusTone::info).name()));
    m_badge->setFixedHeight(16);
    m_badge->setVisible(false);
    top->addWidget(m_badge, 0, Qt::AlignVCenter);

    m_folder = iconButton(PopoverSymbol::folder, tr("Open watched folder"), this);
    connect(m_folder, &QToolButton::clicked, this, &ConnectionRow::openFolderRequested);
    top->addWidget(m_folder, 0, Qt::AlignVCenter);
    outer->addLayout(top);

    auto* controls = new QHBoxLayout;
    controls->setContentsMargins(30, 0, 4, 0);
    controls->setSpacing(6);
    m_uploads = new InlineStepper(PopoverSymbol::uploadLimit, tr("simultaneous uploads"), this);
    connect(m_uploads, &InlineStepper::stepped, this, &ConnectionRow::uploadsStepped);
    controls->addWidget(m_uploads);
    auto* separator = new QLabel(QStringLiteral("|"), this);
    separator->setEnabled(false);
    controls->addWidget(separator);
    m_stability = new InlineStepper(PopoverSymbol::clock, tr("stability check"), this);
    connect(m_stability, &InlineStepper::stepped, this, &ConnectionRow::stabilityStepped);
    controls->addWidget(m_stability);
    controls->addStretch(1);
    m_keyword = new QToolButton(this);
    m_keyword->setAutoRaise(true);
    m_keyword->setPopupMode(QToolButton::InstantPopup);
    m_keyword->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_keyword->setIcon(PopoverIcons::icon(PopoverSymbol::tag, palette(), 12));
    m_keyword->setIconSize(QSize(12, 12));
    m_keyword->setMaximumWidth(130);
    m_keyword->setAccessibleName(tr("Keyword preset"));
    m_keywordMenu = new QMenu(m_keyword);
    m_keyword->setMenu(m_keywordMenu);
    controls->addWidget(m_keyword);
    outer->addLayout(controls);

    updateConnectionParts();
    setEngine(std::nullopt, 0, false);
}

void ConnectionRow::setConnection(const PushConnection& connection)
{
    if (connection == m_connection) {
        return;
    }
    m_connection = connection;
    updateConnectionParts();
    setEngine(m_state, m_badgeCount, m_indicator->mode() == UploadIndicator::Mode::stabilityChecking);
}

void ConnectionRow::updateConnectionParts()
{
    const PushConnection& c = m_connection;
    // The icon's own colour carries the state: green when on, grey when off.
    QIcon power;
    power.addPixmap(PopoverIcons::pixmap(
        c.isEnabled ? PopoverSymbol::powerOn : PopoverSymbol::powerOff,
        PopoverIcons::colour(c.isEnabled ? PopoverTone::green : PopoverTone::grey, palette()), 20,
        devicePixelRatioF()));
    m_power->setIcon(power);
    const QString powerText = c.isEnabled ? tr("Disable connection") : tr("Enable connection");
    m_power->setToolTip(powerText);
    m_power->setAccessibleName(powerText + QStringLiteral(": ") + c.name);

    m_name->setText(c.name);
    m_schedule->setVisible(c.scheduleEnabled);
    m_folder->setVisible(!c.localFolder.isEmpty());
    m_folder->setAccessibleName(tr("Open watched folder") + QStringLiteral(": ") + c.name);

    m_uploads->setValue(QString::number(c.simultaneousUploads),
                        tr("Simultaneous uploads: ") + QString::number(c.simultaneousUploads));
    const QString seconds = tr("%1s").arg(c.stabilityCheckSeconds);
    m_stability->setValue(seconds, tr("Stability check: ") + seconds);

    const bool keywords = MenuBarPresentation::showsKeywordMenu(c);
    m_keyword->setVisible(keywords);
    if (keywords) {
        const QString title = MenuBarPresentation::keywordMenuTitle(c);
        m_keyword->setText(title);
        m_keyword->setAccessibleName(tr("Keyword preset: ") + title);
        m_keyword->setToolTip(tr("Keyword preset: ") + title);
        rebuildKeywordMenu();
    }
}

void ConnectionRow::rebuildKeywordMenu()
{
    m_keywordMenu->clear();
    auto* group = new QActionGroup(m_keywordMenu);
    const auto addItem = [&](const QString& title, const std::optional<QUuid>& id, bool checked) {
        QAction* action = m_keywordMenu->addAction(title);
        action->setCheckable(true);
        action->setChecked(checked);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, id] { Q_EMIT keywordChosen(id); });
    };
    bool anySelected = false;
    for (const IPTCKeywordEntry& entry : m_connection.iptcKeywords) {
        anySelected = anySelected || m_connection.selectedIPTCKeywordID == entry.id;
    }
    addItem(tr("None"), std::nullopt, !anySelected);
    for (const IPTCKeywordEntry& entry : m_connection.iptcKeywords) {
        addItem(MenuBarPresentation::keywordEntryTitle(entry), entry.id,
                m_connection.selectedIPTCKeywordID == entry.id);
    }
}

void ConnectionRow::setEngine(const std::optional<EngineState>& state, int activeJobs, bool stabilityChecking,
                              const QString& pausedFor)
{
    m_state = state;
    const int jobs = state ? std::max(activeJobs, 0) : 0;
    const bool paused = m_connection.isEnabled && state && state->kind() == EngineState::Kind::paused;
    const QString status = paused && !pausedFor.isEmpty()
                               ? pausedFor
                               : MenuBarPresentation::connectionStatusText(m_connection, state, jobs);
    m_status->setText(status);
    const bool error = m_connection.isEnabled && state && state->isError();
    m_status->setColour(
        PopoverIcons::textColour(error ? PopoverTone::red : PopoverTone::secondary, palette()));

    UploadIndicator::Mode mode = UploadIndicator::Mode::none;
    if (m_connection.isEnabled && state) {
        if (jobs > 0) {
            mode = UploadIndicator::Mode::uploading;
        } else if (stabilityChecking) {
            mode = UploadIndicator::Mode::stabilityChecking;
        }
    }
    m_indicator->setMode(mode);

    if (jobs != m_badgeCount) {
        m_badgeCount = jobs;
        m_badge->setText(QString::number(jobs));
        m_badge->setVisible(jobs > 0);
        m_badge->setToolTip(MenuBarPresentation::uploadingText(jobs));
    }
    updateMainAccessibleName();
}

void ConnectionRow::showProblem(const QString& problem)
{
    if (problem.isEmpty() || !m_connection.isEnabled) {
        return;
    }
    m_status->setText(problem);
    m_status->setColour(PopoverIcons::textColour(PopoverTone::red, palette()));
    updateMainAccessibleName();
}

void ConnectionRow::updateMainAccessibleName()
{
    const QString name = m_connection.name + QStringLiteral(", ") + m_status->text();
    if (m_main->accessibleName() != name) {
        m_main->setAccessibleName(name);
        m_main->setToolTip(tr("Edit connection"));
    }
}

QString ConnectionRow::statusText() const
{
    return m_status->text();
}

UploadIndicator::Mode ConnectionRow::indicatorMode() const
{
    return m_indicator->mode();
}

} // namespace ondrix
