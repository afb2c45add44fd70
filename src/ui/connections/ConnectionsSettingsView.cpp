#include "ui/connections/ConnectionsSettingsView.h"

#include "supervision/ConnectionsManager.h"
#include "ui/common/Dialogs.h"
#include "ui/common/SettingsNavigation.h"
#include "ui/connections/ConnectionForm.h"
#include "ui/connections/ConnectionRowView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace ondrix {

namespace {

constexpr int kSidebarWidth = 230;
constexpr int kIdRole = Qt::UserRole + 1;

} // namespace

ConnectionsSettingsView::ConnectionsSettingsView(ConnectionsManager& manager, Dialogs& dialogs,
                                                 QThreadPool& pool, SettingsNavigation* navigation,
                                                 QWidget* parent)
    : QWidget(parent)
    , m_manager(manager)
    , m_dialogs(dialogs)
    , m_pool(pool)
    , m_navigation(navigation)
    , m_list(new QListWidget)
    , m_addButton(new QToolButton)
    , m_removeButton(new QToolButton)
    , m_detail(new QStackedWidget)
    , m_placeholder(new QLabel(tr("Select a connection or add a new one.")))
{
    auto* layout = new QHBoxLayout(this);
    auto* sidebar = new QVBoxLayout;
    m_list->setObjectName(QStringLiteral("connectionList"));
    m_list->setAccessibleName(tr("Connections"));
    m_list->setFixedWidth(kSidebarWidth);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    sidebar->addWidget(m_list, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    m_addButton->setObjectName(QStringLiteral("addConnection"));
    m_addButton->setText(QStringLiteral("+"));
    m_addButton->setAccessibleName(tr("Add connection"));
    m_addButton->setToolTip(tr("Add connection"));
    m_removeButton->setObjectName(QStringLiteral("removeConnection"));
    m_removeButton->setText(QStringLiteral("−"));
    m_removeButton->setAccessibleName(tr("Delete connection"));
    m_removeButton->setToolTip(tr("Delete connection"));
    buttons->addWidget(m_addButton);
    buttons->addWidget(m_removeButton);
    buttons->addStretch();
    sidebar->addLayout(buttons);
    layout->addLayout(sidebar);

    m_placeholder->setAlignment(Qt::AlignCenter);
    m_placeholder->setForegroundRole(QPalette::PlaceholderText);
    m_detail->addWidget(m_placeholder);
    layout->addWidget(m_detail, 1);

    connect(m_addButton, &QToolButton::clicked, this, &ConnectionsSettingsView::addConnection);
    connect(m_removeButton, &QToolButton::clicked, this, [this] {
        if (m_selectedId) {
            requestDelete(*m_selectedId);
        }
    });
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        selectConnection(row >= 0 && row < m_rowIds.size() ? std::optional<QUuid>(m_rowIds[row])
                                                           : std::nullopt);
    });
    connect(m_list, &QListWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        QListWidgetItem* item = m_list->itemAt(position);
        if (!item) {
            return;
        }
        QMenu* menu = contextMenuFor(item->data(kIdRole).toUuid(), this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(m_list->viewport()->mapToGlobal(position));
    });
    connect(&m_manager, &ConnectionsManager::connectionsChanged, this, &ConnectionsSettingsView::refreshList);
    connect(&m_manager, &ConnectionsManager::lockedConnectionIdsChanged, this,
            &ConnectionsSettingsView::refreshList);
    connect(&m_manager, &ConnectionsManager::passwordProblemsChanged, this, [this] {
        if (m_editor) {
            m_editor->setPasswordProblem(m_manager.passwordProblem(m_editor->connection().id));
        }
    });
    if (m_navigation) {
        connect(m_navigation, &SettingsNavigation::connectionIdChanged, this,
                &ConnectionsSettingsView::followNavigation);
        connect(m_navigation, &SettingsNavigation::navigated, this,
                &ConnectionsSettingsView::followNavigation);
    }

    refreshList();
    // Opened without a connection to show (the tray menu, Ctrl+,): nothing is selected until the user picks
    // one.
    if (m_navigation && m_navigation->connectionId() && connectionById(*m_navigation->connectionId())) {
        selectConnection(m_navigation->connectionId());
    }
}

ConnectionsSettingsView::~ConnectionsSettingsView()
{
    // The editor saves what is still being typed, while the manager is certainly there; this view no longer
    // listens to the answer.
    disconnect(&m_manager, nullptr, this, nullptr);
    delete m_editor;
}

QString ConnectionsSettingsView::placeholderText() const
{
    return m_detail->currentWidget() == m_placeholder ? m_placeholder->text() : QString();
}

std::optional<PushConnection> ConnectionsSettingsView::connectionById(const QUuid& id) const
{
    for (const PushConnection& connection : m_manager.connections()) {
        if (connection.id == id) {
            return connection;
        }
    }
    return std::nullopt;
}

void ConnectionsSettingsView::followNavigation()
{
    const std::optional<QUuid> id = m_navigation ? m_navigation->connectionId() : std::nullopt;
    if (id && connectionById(*id)) {
        selectConnection(id);
    }
}

void ConnectionsSettingsView::refreshList()
{
    const QList<PushConnection> connections = m_manager.connections();
    const QSet<QUuid> locked = m_manager.lockedConnectionIds();
    QList<QUuid> ids;
    for (const PushConnection& connection : connections) {
        ids << connection.id;
    }
    const int previousRow = m_selectedId ? int(m_rowIds.indexOf(*m_selectedId)) : -1;
    if (ids != m_rowIds) {
        const QSignalBlocker block(m_list);
        m_list->clear();
        for (const PushConnection& connection : connections) {
            auto* item = new QListWidgetItem(m_list);
            item->setData(kIdRole, connection.id);
            auto* row = new ConnectionRowView;
            const QUuid id = connection.id;
            connect(row, &ConnectionRowView::powerClicked, this, [this, id] {
                if (auto current = connectionById(id)) {
                    current->isEnabled = !current->isEnabled;
                    m_manager.updateConnection(*current);
                }
            });
            connect(row, &ConnectionRowView::lockClicked, this, [this, id] { m_manager.toggleLock(id); });
            item->setSizeHint(row->sizeHint());
            m_list->setItemWidget(item, row);
        }
        m_rowIds = ids;
    }
    for (int i = 0; i < connections.size(); ++i) {
        auto* row = static_cast<ConnectionRowView*>(m_list->itemWidget(m_list->item(i)));
        row->display(connections[i], locked.contains(connections[i].id));
        m_list->item(i)->setData(Qt::AccessibleTextRole, connections[i].name);
    }

    // A selection lives while its id does; a deleted one moves to its neighbour.
    std::optional<QUuid> selection = m_selectedId;
    if (selection && !ids.contains(*selection)) {
        selection = ids.isEmpty()
                        ? std::nullopt
                        : std::optional<QUuid>(ids[std::clamp(previousRow, 0, int(ids.size()) - 1)]);
    }
    if (selection != m_selectedId || (selection && !m_editor)) {
        selectConnection(selection);
    } else {
        const QSignalBlocker block(m_list);
        m_list->setCurrentRow(selection ? int(ids.indexOf(*selection)) : -1);
        if (m_editor && selection && m_editor->connection().id == *selection) {
            m_editor->setLocked(locked.contains(*selection));
            if (auto stored = connectionById(*selection)) {
                m_editor->rebase(*stored);
            }
            m_editor->setOtherConnections(connections);
        }
    }
    m_removeButton->setEnabled(m_selectedId.has_value());
}

void ConnectionsSettingsView::selectConnection(const std::optional<QUuid>& id)
{
    const std::optional<QUuid> target = id && connectionById(*id) ? id : std::nullopt;
    if (target == m_selectedId && (m_editor || !target)) {
        return;
    }
    m_selectedId = target;
    {
        const QSignalBlocker block(m_list);
        m_list->setCurrentRow(target ? int(m_rowIds.indexOf(*target)) : -1);
    }
    m_removeButton->setEnabled(target.has_value());
    showEditor();
}

void ConnectionsSettingsView::showEditor()
{
    if (m_editor) {
        // Typing not yet saved goes to the manager before the editor is replaced.
        if (m_editor->form().hasPendingText()) {
            m_editor->saveNow();
        }
        m_detail->removeWidget(m_editor);
        delete m_editor;
        m_editor = nullptr;
    }
    const std::optional<PushConnection> connection =
        m_selectedId ? connectionById(*m_selectedId) : std::nullopt;
    if (!connection) {
        m_detail->setCurrentWidget(m_placeholder);
        return;
    }
    const QUuid id = connection->id;
    ConnectionEditActions actions;
    actions.save = [this](const PushConnection& edited) { m_manager.updateConnection(edited); };
    actions.toggleLock = [this, id] { m_manager.toggleLock(id); };
    actions.saveBookmark = [this](const QString& folder, const QUuid& connectionId) {
        m_manager.setFolderBookmark(folder, connectionId);
    };
    m_editor = new ConnectionEditView(*connection, m_manager.lockedConnectionIds().contains(id), m_dialogs,
                                      m_pool, std::move(actions));
    m_editor->setPasswordProblem(m_manager.passwordProblem(id));
    m_editor->setOtherConnections(m_manager.connections());
    m_detail->addWidget(m_editor);
    m_detail->setCurrentWidget(m_editor);
}

void ConnectionsSettingsView::addConnection()
{
    PushConnection connection;
    connection.isEnabled = false;
    m_manager.addConnection(connection);
    selectConnection(connection.id);
    if (m_editor) {
        m_editor->focusName();
    }
}

void ConnectionsSettingsView::duplicateConnection(const QUuid& id)
{
    if (m_editor && m_selectedId == id && m_editor->form().hasPendingText()) {
        m_editor->saveNow();
    }
    std::optional<PushConnection> copy = connectionById(id);
    if (!copy) {
        return;
    }
    copy->id = QUuid::createUuid();
    copy->name += tr(" Copy");
    copy->isEnabled = false;
    m_manager.addConnection(*copy);
}

void ConnectionsSettingsView::requestDelete(const QUuid& id)
{
    const std::optional<PushConnection> connection = connectionById(id);
    Confirmation question;
    question.title = connection ? tr("Delete '%1'?").arg(connection->name) : tr("Delete this connection?");
    question.text = question.title;
    question.informativeText = tr("This action cannot be undone.");
    question.acceptLabel = tr("Delete");
    question.destructive = true;
    if (!m_dialogs.confirm(this, question)) {
        return;
    }
    if (m_editor && m_selectedId == id) {
        // What the editor still holds belongs to a connection that is going away.
        m_detail->removeWidget(m_editor);
        m_editor->form().markSaved();
        delete m_editor;
        m_editor = nullptr;
    }
    m_manager.deleteConnection(id);
}

QMenu* ConnectionsSettingsView::contextMenuFor(const QUuid& id, QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->addAction(tr("Duplicate"), this, [this, id] { duplicateConnection(id); });
    menu->addAction(tr("Delete"), this, [this, id] { requestDelete(id); });
    return menu;
}

} // namespace ondrix
