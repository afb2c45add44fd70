#include "ui/popover/ConnectionRowList.h"

#include "engine/ConnectionEngine.h"
#include "supervision/ConnectionsManager.h"
#include "ui/popover/ClickableArea.h"
#include "ui/popover/ConnectionRow.h"
#include "ui/popover/InlineStepper.h"
#include "ui/popover/MenuBarPresentation.h"
#include "ui/popover/PopoverStyle.h"

#include <QDesktopServices>
#include <QLabel>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace ondrix {

using P = MenuBarPresentation;
using namespace PopoverStyle;

ConnectionRowList::ConnectionRowList(ConnectionsManager& manager, const MenuBarActions& actions,
                                     QWidget* parent)
    : QWidget(parent)
    , m_manager(manager)
    , m_actions(actions)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addWidget(sectionTitle(tr("CONNECTIONS"), this));
    m_rowsLayout = new QVBoxLayout;
    m_rowsLayout->setSpacing(2);
    column->addLayout(m_rowsLayout);
    m_noConnections = secondaryLabel(tr("No connections configured"), this);
    column->addWidget(m_noConnections);
    if (m_actions.onAddConnection) {
        m_add = new QToolButton(this);
        m_add->setText(tr("Add Connection"));
        m_add->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        m_add->setAutoRaise(true);
        setSymbolIcon(m_add, PopoverSymbol::addConnection);
        connect(m_add, &QToolButton::clicked, this, [this] { m_actions.onAddConnection(); });
        column->addWidget(m_add, 0, Qt::AlignLeft);
    }
}

bool ConnectionRowList::refreshRows()
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
    m_noConnections->setVisible(shown.isEmpty());
    if (sameRows) {
        for (int i = 0; i < shown.size(); ++i) {
            m_rows[i]->setConnection(shown[i]);
        }
        return false;
    }
    clearRows();
    for (const PushConnection& connection : shown) {
        ConnectionRow* row = makeRow(connection);
        m_rowsLayout->addWidget(row);
        row->show();
        m_rows.append(row);
    }
    return true;
}

ConnectionRow* ConnectionRowList::makeRow(const PushConnection& connection)
{
    auto* row = new ConnectionRow(connection, this);
    const QUuid id = connection.id;
    connect(row, &ConnectionRow::powerToggled, this,
            [this, id] { editConnection(id, [](PushConnection& c) { c.isEnabled = !c.isEnabled; }); });
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
    connect(row, &ConnectionRow::openFolderRequested, this, [row] {
        const QString folder = row->connection().localFolder;
        if (!folder.isEmpty()) {
            QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
        }
    });
    return row;
}

void ConnectionRowList::refreshEngines()
{
    for (ConnectionRow* row : std::as_const(m_rows)) {
        if (ConnectionEngine* engine = m_manager.engine(row->connectionId())) {
            row->setEngine(engine->state(), int(engine->activeJobs().size()), engine->isStabilityChecking(),
                           PauseReasons::describe(m_manager.pauseReasons().reasons(row->connectionId())));
        } else {
            row->setEngine(std::nullopt, 0, false);
            row->showProblem(m_manager.passwordProblem(row->connectionId()));
        }
    }
}

void ConnectionRowList::clearRows()
{
    qDeleteAll(m_rows);
    m_rows.clear();
}

bool ConnectionRowList::showsNoConnections() const
{
    return m_noConnections->isVisibleTo(this);
}

QList<QWidget*> ConnectionRowList::focusOrder() const
{
    QList<QWidget*> order;
    for (ConnectionRow* row : m_rows) {
        order << row->powerButton() << row->mainArea() << row->folderButton()
              << row->uploadsStepper()->decreaseButton() << row->uploadsStepper()->increaseButton()
              << row->stabilityStepper()->decreaseButton() << row->stabilityStepper()->increaseButton()
              << row->keywordButton();
    }
    if (m_add) {
        order << m_add;
    }
    return order;
}

void ConnectionRowList::editConnection(const QUuid& id, const std::function<void(PushConnection&)>& edit)
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

} // namespace ondrix
