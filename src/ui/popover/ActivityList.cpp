#include "ui/popover/ActivityList.h"

#include "ui/popover/ElidedLabel.h"
#include "ui/popover/MenuBarPresentation.h"
#include "ui/popover/PopoverStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace ondrix {

using P = MenuBarPresentation;
using namespace PopoverStyle;

namespace {

QString fileNameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

ActivityList::ActivityList(QWidget* parent)
    : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addWidget(sectionTitle(tr("ACTIVITY"), this));
    for (int i = 0; i < P::kActivityRows; ++i) {
        Line line;
        line.widget = new QWidget(this);
        auto* row = new QHBoxLayout(line.widget);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(6);
        auto* symbol = symbolLabel(line.widget);
        showSymbol(symbol, PopoverSymbol::upload, PopoverTone::blue);
        row->addWidget(symbol);
        line.name = new ElidedLabel(Qt::ElideMiddle, line.widget);
        row->addWidget(line.name, 1);
        line.percent = secondaryLabel(QString(), line.widget);
        line.percent->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("100%")));
        line.percent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row->addWidget(line.percent);
        line.widget->setVisible(false);
        column->addWidget(line.widget);
        m_lines.append(line);
    }
    m_more = secondaryLabel(QString(), this);
    m_more->setIndent(22);
    m_more->setVisible(false);
    column->addWidget(m_more);
    m_none = secondaryLabel(tr("Monitoring — no transfers in progress"), this);
    column->addWidget(m_none);
}

void ActivityList::showJobs(const QList<UploadJob>& jobs)
{
    for (int i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        const bool shown = i < jobs.size();
        if (shown) {
            line.name->setText(fileNameOf(jobs[i].localPath));
            line.percent->setText(P::progressText(jobs[i].status));
        }
        line.widget->setVisible(shown);
    }
    const QString more = P::moreUploadingText(int(jobs.size()));
    m_more->setText(more);
    m_more->setVisible(!more.isEmpty());
    m_none->setVisible(jobs.isEmpty());
}

QStringList ActivityList::lines() const
{
    QStringList lines;
    for (const Line& line : m_lines) {
        if (line.widget->isVisibleTo(this)) {
            lines << QString(line.name->text() + QStringLiteral("  ") + line.percent->text()).trimmed();
        }
    }
    if (m_more->isVisibleTo(this)) {
        lines << m_more->text();
    }
    return lines;
}

} // namespace ondrix
