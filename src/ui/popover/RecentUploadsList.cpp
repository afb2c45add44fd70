#include "ui/popover/RecentUploadsList.h"

#include "model/ByteSize.h"
#include "records/HistoryEntry.h"
#include "ui/popover/ElidedLabel.h"
#include "ui/popover/MenuBarPresentation.h"
#include "ui/popover/PopoverStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace ondrix {

using P = MenuBarPresentation;
using namespace PopoverStyle;

RecentUploadsList::RecentUploadsList(QWidget* parent)
    : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addWidget(sectionTitle(tr("RECENT"), this));
    for (int i = 0; i < P::kRecentRows; ++i) {
        Line line;
        line.widget = new QWidget(this);
        auto* row = new QHBoxLayout(line.widget);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(6);
        line.symbol = symbolLabel(line.widget);
        row->addWidget(line.symbol);
        line.name = new ElidedLabel(Qt::ElideMiddle, line.widget);
        row->addWidget(line.name, 1);
        line.size = secondaryLabel(QString(), line.widget);
        row->addWidget(line.size);
        line.age = secondaryLabel(QString(), line.widget);
        line.age->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("23h")) + 4);
        line.age->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row->addWidget(line.age);
        line.widget->setVisible(false);
        column->addWidget(line.widget);
        m_lines.append(line);
    }
    m_none = secondaryLabel(tr("No recent uploads"), this);
    column->addWidget(m_none);
}

void RecentUploadsList::showEntries(const QList<HistoryEntry>& entries, const QDateTime& now)
{
    int shown = 0;
    for (const HistoryEntry& entry : entries) {
        if (shown >= m_lines.size()) {
            break;
        }
        if (entry.error) {
            continue;
        }
        Line& line = m_lines[shown++];
        const PopoverSymbol symbol = P::fileSymbol(entry.filename);
        if (symbol != line.shown) {
            line.shown = symbol;
            showSymbol(line.symbol, symbol, PopoverTone::secondary);
        }
        line.name->setText(entry.filename);
        line.size->setText(ByteSize::text(entry.bytes));
        line.age->setText(P::ageText(entry.timestamp.secsTo(now)));
        line.widget->setVisible(true);
    }
    for (int i = shown; i < m_lines.size(); ++i) {
        m_lines[i].widget->setVisible(false);
    }
    m_none->setVisible(shown == 0);
}

QStringList RecentUploadsList::lines() const
{
    QStringList lines;
    for (const Line& line : m_lines) {
        if (line.widget->isVisibleTo(this)) {
            lines << line.name->text() + QLatin1Char('|') + line.size->text() + QLatin1Char('|') +
                         line.age->text();
        }
    }
    return lines;
}

} // namespace ondrix
