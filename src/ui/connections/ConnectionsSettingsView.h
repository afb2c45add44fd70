#pragma once

#include "ui/connections/ConnectionEditView.h"

#include <QPointer>
#include <QUuid>
#include <QWidget>

#include <optional>

class QLabel;
class QListWidget;
class QMenu;
class QStackedWidget;
class QThreadPool;
class QToolButton;

namespace ondrix {

class ConnectionsManager;
class Dialogs;
class SettingsNavigation;

// The "Connections" tab of the settings window: the list of connections with their power switches and
// locks, the buttons and menu that add, duplicate and delete them, and the editor of the selected one.
// Every change goes through the connections manager; the selection follows the settings navigation.
class ConnectionsSettingsView : public QWidget {
    Q_OBJECT

public:
    // `navigation` may be null. `pool` runs the connection tests.
    ConnectionsSettingsView(ConnectionsManager& manager, Dialogs& dialogs, QThreadPool& pool,
                            SettingsNavigation* navigation, QWidget* parent = nullptr);
    ~ConnectionsSettingsView() override;

    std::optional<QUuid> selectedConnectionId() const { return m_selectedId; }
    void selectConnection(const std::optional<QUuid>& id);
    // The editor of the selected connection; null while nothing is selected.
    ConnectionEditView* editor() const { return m_editor; }
    QListWidget* list() const { return m_list; }
    QString placeholderText() const;

    // The plus button: a new disabled connection, selected, with the keyboard in its name.
    void addConnection();
    // A copy under a new id, named with " Copy", disabled.
    void duplicateConnection(const QUuid& id);
    // Asks, then deletes and moves the selection.
    void requestDelete(const QUuid& id);
    // The row's context menu ("Duplicate", "Delete").
    QMenu* contextMenuFor(const QUuid& id, QWidget* parent);

private:
    void refreshList();
    void showEditor();
    std::optional<PushConnection> connectionById(const QUuid& id) const;
    void followNavigation();

    ConnectionsManager& m_manager;
    Dialogs& m_dialogs;
    QThreadPool& m_pool;
    QPointer<SettingsNavigation> m_navigation;

    QListWidget* m_list;
    QToolButton* m_addButton;
    QToolButton* m_removeButton;
    QStackedWidget* m_detail;
    QLabel* m_placeholder;
    ConnectionEditView* m_editor = nullptr;
    std::optional<QUuid> m_selectedId;
    QList<QUuid> m_rowIds;
};

} // namespace ondrix
