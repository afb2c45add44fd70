#pragma once

#include "model/PushConnection.h"
#include "ui/popover/MenuBarActions.h"

#include <QList>
#include <QWidget>

#include <functional>

class QLabel;
class QToolButton;
class QVBoxLayout;

namespace ondrix {

class ConnectionRow;
class ConnectionsManager;

// The "Connections" part of the popover: one ConnectionRow per connection that has a host, the note when
// there is none, and "Add Connection". The rows' quick controls edit the manager's copy of the connection.
//
// Main thread only; the manager must outlive it.
class ConnectionRowList : public QWidget {
    Q_OBJECT

public:
    ConnectionRowList(ConnectionsManager& manager, const MenuBarActions& actions, QWidget* parent = nullptr);

    // Follows the manager's connections; true when the rows were made anew (the keyboard order changes).
    bool refreshRows();
    // Each row's engine state, job count and pause reasons, or why it runs no engine.
    void refreshEngines();
    // Drops the rows, so the next refresh makes them in the current palette.
    void clearRows();

    QList<ConnectionRow*> rows() const { return m_rows; }
    bool showsNoConnections() const;
    // Null when the shell offers no way to add one.
    QToolButton* addButton() const { return m_add; }
    // The rows' controls and "Add Connection" in keyboard order.
    QList<QWidget*> focusOrder() const;

private:
    void editConnection(const QUuid& id, const std::function<void(PushConnection&)>& edit);
    ConnectionRow* makeRow(const PushConnection& connection);

    ConnectionsManager& m_manager;
    const MenuBarActions m_actions;
    QVBoxLayout* m_rowsLayout = nullptr;
    QList<ConnectionRow*> m_rows;
    QLabel* m_noConnections = nullptr;
    QToolButton* m_add = nullptr;
};

} // namespace ondrix
