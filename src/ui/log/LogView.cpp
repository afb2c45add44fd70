#include "ui/log/LogView.h"

#include "records/LogService.h"
#include "ui/log/LogListModel.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace ondrix {

LogView::LogView(LogService& log, QWidget* parent)
    : QWidget(parent)
    , m_log(log)
    , m_model(new LogListModel(log, this))
    , m_clear(new QPushButton(tr("Clear"), this))
    , m_copyAll(new QPushButton(tr("Copy All"), this))
    , m_body(new QStackedWidget(this))
    , m_empty(new QLabel(tr("No log entries yet."), this))
    , m_list(new QTreeView(this))
{
    auto* title = new QLabel(tr("Sync Log"), this);
    QFont headline = title->font();
    headline.setBold(true);
    headline.setPointSizeF(headline.pointSizeF() * 1.15);
    title->setFont(headline);
    m_clear->setAccessibleName(tr("Clear the log"));
    m_copyAll->setAccessibleName(tr("Copy the whole log"));

    auto* header = new QHBoxLayout;
    header->addWidget(title);
    header->addStretch(1);
    header->addWidget(m_clear);
    header->addWidget(m_copyAll);

    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setForegroundRole(QPalette::PlaceholderText);

    m_list->setModel(m_model);
    m_list->setAccessibleName(tr("Log entries"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true); // rows need not be measured one by one
    m_list->setHeaderHidden(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setTextElideMode(Qt::ElideRight);
    m_list->setAlternatingRowColors(true);
    QHeaderView* columns = m_list->header();
    columns->setStretchLastSection(true);
    columns->setSectionResizeMode(LogListModel::TimeColumn, QHeaderView::ResizeToContents);
    columns->setSectionResizeMode(LogListModel::LevelColumn, QHeaderView::Fixed);
    columns->resizeSection(LogListModel::LevelColumn, 26);

    m_body->addWidget(m_empty);
    m_body->addWidget(m_list);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(m_body, 1);

    connect(m_clear, &QPushButton::clicked, this, [this] { m_log.clear(); });
    connect(m_copyAll, &QPushButton::clicked, this, &LogView::copyAll);
    // New entries arrive at the bottom; the list follows them.
    connect(m_model, &QAbstractItemModel::rowsInserted, this, [this] {
        updateBody();
        m_list->scrollToBottom();
    });
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &LogView::updateBody);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        updateBody();
        m_list->scrollToBottom();
    });
    updateBody();
    m_list->scrollToBottom();
}

bool LogView::isShowingList() const
{
    return m_body->currentWidget() == m_list;
}

QSize LogView::minimumSizeHint() const
{
    return QSize(500, 300);
}

void LogView::copyAll()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(LogListModel::copyText(m_log.entries()));
}

void LogView::updateBody()
{
    m_body->setCurrentWidget(m_model->rowCount() > 0 ? static_cast<QWidget*>(m_list) : m_empty);
}

} // namespace ondrix
