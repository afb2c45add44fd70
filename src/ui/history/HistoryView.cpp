#include "ui/history/HistoryView.h"

#include "records/HistoryService.h"
#include "ui/history/HistoryFilterModel.h"
#include "ui/history/HistoryListModel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace ondrix {

HistoryView::HistoryView(HistoryService& history, QWidget* parent)
    : QWidget(parent)
    , m_history(history)
    , m_model(new HistoryListModel(history, this))
    , m_filter(new HistoryFilterModel(this))
    , m_search(new QLineEdit(this))
    , m_clearAll(new QPushButton(tr("Clear All"), this))
    , m_body(new QStackedWidget(this))
    , m_empty(new QLabel(tr("No upload history."), this))
    , m_table(new QTableView(this))
{
    auto* title = new QLabel(tr("Upload History"), this);
    QFont headline = title->font();
    headline.setBold(true);
    headline.setPointSizeF(headline.pointSizeF() * 1.15);
    title->setFont(headline);

    m_search->setPlaceholderText(tr("Search..."));
    m_search->setAccessibleName(tr("Search the history"));
    m_search->setClearButtonEnabled(true);
    for (QToolButton* button : m_search->findChildren<QToolButton*>()) {
        button->setAccessibleName(tr("Clear the search"));
    }
    m_search->setFixedWidth(150);
    m_clearAll->setAccessibleName(tr("Clear the whole history"));

    auto* header = new QHBoxLayout;
    header->addWidget(title);
    header->addStretch(1);
    header->addWidget(m_search);
    header->addWidget(m_clearAll);

    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setForegroundRole(QPalette::PlaceholderText);

    m_filter->setSourceModel(m_model);
    m_table->setModel(m_filter);
    m_table->setAccessibleName(tr("Uploads"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setAlternatingRowColors(true);
    m_table->setShowGrid(false);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    // Rows of one height, so a burst of new rows does not measure each one.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    QHeaderView* columns = m_table->horizontalHeader();
    columns->setHighlightSections(false);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    // File names and error messages share the room left: an error reads whole at the window's usual width,
    // and its tool tip holds all of it when the window is narrower.
    columns->setSectionResizeMode(HistoryListModel::FileColumn, QHeaderView::Stretch);
    columns->setSectionResizeMode(HistoryListModel::ErrorColumn, QHeaderView::Stretch);
    columns->resizeSection(HistoryListModel::TimeColumn, 70);
    columns->resizeSection(HistoryListModel::StatusColumn, 70);
    columns->resizeSection(HistoryListModel::ConnectionColumn, 120);
    columns->resizeSection(HistoryListModel::SizeColumn, 70);
    columns->setMinimumSectionSize(50);

    m_body->addWidget(m_empty);
    m_body->addWidget(m_table);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(m_body, 1);

    connect(m_search, &QLineEdit::textChanged, m_filter, &HistoryFilterModel::setFilterText);
    connect(m_clearAll, &QPushButton::clicked, this, [this] { m_history.clear(); });
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved}) {
        connect(m_filter, signal, this, &HistoryView::updateBody);
    }
    connect(m_filter, &QAbstractItemModel::modelReset, this, &HistoryView::updateBody);
    connect(m_filter, &QAbstractItemModel::layoutChanged, this, &HistoryView::updateBody);
    updateBody();
}

bool HistoryView::isShowingTable() const
{
    return m_body->currentWidget() == m_table;
}

void HistoryView::updateBody()
{
    m_body->setCurrentWidget(m_filter->rowCount() > 0 ? static_cast<QWidget*>(m_table) : m_empty);
}

} // namespace ondrix
