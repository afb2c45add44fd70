#include "ui/browser/BrowserView.h"

#include "supervision/ConnectionsManager.h"
#include "ui/browser/BrowserFolderView.h"
#include "ui/browser/BrowserStatePage.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QStackedWidget>

namespace ondrix {

namespace {
constexpr int kSidebarWidth = 190;
} // namespace

BrowserView::BrowserView(ConnectionsManager& manager, PreferencesStore& store, QThreadPool& pool,
                         Dialogs& dialogs, LogService* log, QWidget* parent)
    : QWidget(parent)
    , m_manager(manager)
    , m_store(store)
    , m_pool(pool)
    , m_dialogs(dialogs)
    , m_log(log)
    , m_sidebar(new QListWidget(this))
    , m_detail(new QStackedWidget(this))
    , m_placeholder(new BrowserStatePage(this))
{
    m_sidebar->setAccessibleName(tr("Connections"));
    m_sidebar->setFixedWidth(kSidebarWidth);
    m_sidebar->setIconSize(QSize(20, 20));
    m_sidebar->setSpacing(1);
    m_detail->addWidget(m_placeholder);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_sidebar);
    layout->addWidget(m_detail, 1);

    connect(m_sidebar, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* current) {
        if (m_reloading) {
            return;
        }
        selectConnection(current ? std::optional<QUuid>(current->data(Qt::UserRole).toUuid()) : std::nullopt);
    });
    connect(&m_manager, &ConnectionsManager::connectionsChanged, this, &BrowserView::reloadSidebar);
    reloadSidebar();
}

BrowserView::~BrowserView() = default;

void BrowserView::reloadSidebar()
{
    m_reloading = true;
    m_sidebar->clear();
    const QList<PushConnection> connections = m_manager.connections();
    bool selectedExists = false;
    for (const PushConnection& connection : connections) {
        auto* item = new QListWidgetItem(style()->standardIcon(QStyle::SP_DriveNetIcon), connection.name);
        item->setData(Qt::UserRole, connection.id);
        item->setToolTip(
            QStringLiteral("%1 · %2@%3:%4")
                .arg(displayName(connection.transferProtocol), connection.username, connection.host.trimmed())
                .arg(connection.port));
        m_sidebar->addItem(item);
        if (m_selectedId == connection.id) {
            m_sidebar->setCurrentItem(item);
            selectedExists = true;
        }
    }
    m_reloading = false;
    if (!selectedExists) {
        m_selectedId.reset();
    }
    showSelection();
}

void BrowserView::selectConnection(const std::optional<QUuid>& id)
{
    if (id == m_selectedId) {
        return;
    }
    m_selectedId = id;
    m_reloading = true;
    m_sidebar->setCurrentItem(nullptr);
    for (int row = 0; id && row < m_sidebar->count(); ++row) {
        if (m_sidebar->item(row)->data(Qt::UserRole).toUuid() == *id) {
            m_sidebar->setCurrentRow(row);
        }
    }
    m_reloading = false;
    showSelection();
}

void BrowserView::showSelection()
{
    std::optional<PushConnection> selected;
    for (const PushConnection& connection : m_manager.connections()) {
        if (m_selectedId == connection.id) {
            selected = connection;
        }
    }
    if (m_folderView && (!selected || !opensTheSameServer(m_folderView->connection(), *selected))) {
        delete m_folderView;
        m_folderView = nullptr;
    }
    if (selected && !m_folderView) {
        m_folderView = new BrowserFolderView(*selected, m_pool, m_store, m_dialogs, m_log, this);
        m_detail->addWidget(m_folderView);
    }
    if (m_folderView) {
        m_detail->setCurrentWidget(m_folderView);
        return;
    }
    m_sidebar->setVisible(!m_manager.connections().isEmpty());
    if (m_manager.connections().isEmpty()) {
        m_placeholder->showMessage(QStyle::SP_DriveNetIcon, tr("No connections"),
                                   tr("Add a connection in the Connections tab first."));
    } else {
        m_placeholder->showMessage(QStyle::SP_ComputerIcon, tr("Select a connection"),
                                   tr("Choose a connection from the sidebar."));
    }
    m_detail->setCurrentWidget(m_placeholder);
}

bool BrowserView::opensTheSameServer(const PushConnection& a, const PushConnection& b)
{
    return a.id == b.id && a.transferProtocol == b.transferProtocol && a.host == b.host && a.port == b.port &&
           a.username == b.username && a.password == b.password && a.sshKeyPath == b.sshKeyPath &&
           a.ftpMode == b.ftpMode && a.maxBandwidthKBps == b.maxBandwidthKBps && a.name == b.name;
}

} // namespace ondrix
