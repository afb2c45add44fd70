#pragma once

#include "model/PushConnection.h"

#include <QUuid>
#include <QWidget>

#include <optional>

class QListWidget;
class QStackedWidget;
class QThreadPool;

namespace ondrix {

class BrowserFolderView;
class BrowserStatePage;
class ConnectionsManager;
class Dialogs;
class LogService;
class PreferencesStore;

// The "Browser" tab of the settings window: the connections in a sidebar and, for the one selected, its
// server's folders (a BrowserFolderView). Selecting a connection opens its top folder "/". The sidebar
// follows the manager's list: a connection that goes away is deselected, and one whose server settings change
// is opened afresh at the top.
//
// `pool` runs the blocking transfers (the application's transfer pool); `store` keeps the colour tags;
// `dialogs` asks before deleting and tells why an operation was refused; `log` (may be null) receives
// failed operations. All must outlive the view.
//
// Main thread.
class BrowserView : public QWidget {
    Q_OBJECT

public:
    BrowserView(ConnectionsManager& manager, PreferencesStore& store, QThreadPool& pool, Dialogs& dialogs,
                LogService* log = nullptr, QWidget* parent = nullptr);
    ~BrowserView() override;

    std::optional<QUuid> selectedConnectionId() const { return m_selectedId; }
    void selectConnection(const std::optional<QUuid>& id);

    // The folder view of the selected connection, or null.
    BrowserFolderView* folderView() const { return m_folderView; }
    QListWidget* sidebar() const { return m_sidebar; }
    BrowserStatePage* placeholder() const { return m_placeholder; }

private:
    void reloadSidebar();
    void showSelection();
    static bool opensTheSameServer(const PushConnection& a, const PushConnection& b);

    ConnectionsManager& m_manager;
    PreferencesStore& m_store;
    QThreadPool& m_pool;
    Dialogs& m_dialogs;
    LogService* m_log;
    std::optional<QUuid> m_selectedId;

    QListWidget* m_sidebar;
    QStackedWidget* m_detail;
    BrowserStatePage* m_placeholder;
    BrowserFolderView* m_folderView = nullptr;
    bool m_reloading = false;
};

} // namespace ondrix
