#include "ui/popover/PopoverSummary.h"

#include "records/StatsService.h"
#include "supervision/ConnectionsManager.h"
#include "ui/popover/MenuBarPresentation.h"
#include "ui/popover/PopoverStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace ondrix {

using P = MenuBarPresentation;
using namespace PopoverStyle;

PopoverSummary::PopoverSummary(ConnectionsManager& manager, StatsService& stats, QWidget* parent)
    : QWidget(parent)
    , m_manager(manager)
    , m_stats(stats)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kSideMargin, 6, kSideMargin, 6);
    column->setSpacing(2);
    column->addWidget(sectionTitle(tr("STATISTICS"), this));
    const auto statLine = [&](PopoverSymbol symbol, const QString& title, QLabel** value) {
        auto* line = new QWidget(this);
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
    auto* status = new QWidget(this);
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
}

void PopoverSummary::refreshStats()
{
    m_today->setText(m_stats.todaySummary());
    m_total->setText(m_stats.totalSummary());
    const std::optional<QString> last = m_stats.lastActivityText();
    m_lastActivity->setText(last.value_or(QString()));
    m_lastActivityRow->setVisible(last.has_value());
}

void PopoverSummary::refreshEnvironment()
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

QStringList PopoverSummary::statisticsLines() const
{
    QStringList lines{m_today->text(), m_total->text()};
    if (m_lastActivityRow->isVisibleTo(this)) {
        lines << m_lastActivity->text();
    }
    return lines;
}

QString PopoverSummary::networkText() const
{
    return m_network->text();
}

QString PopoverSummary::diskText() const
{
    return m_disk->text();
}

} // namespace ondrix
