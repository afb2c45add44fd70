#pragma once

#include "model/PushConnection.h"
#include "transfer/RemoteItem.h"
#include "ui/browser/BrowserTag.h"

#include <QStringList>
#include <QWidget>

#include <memory>
#include <optional>

class QLabel;
class QMenu;
class QProgressBar;
class QStackedWidget;
class QThreadPool;
class QToolButton;
class QTreeView;

namespace ondrix {

class BrowserStatePage;
class BrowserTagStore;
class Dialogs;
class LogService;
class NamePromptBar;
class PreferencesStore;
class RemoteItemModel;
class RemoteItemSortModel;
class RemoteListingLoader;
class RemotePathBar;

// One connection's server in the browser: the folder shown, the way back to the folders opened before it,
// and what the user can do there (open, create a folder, rename, delete, tag).
//
// The folders opened form a stack: opening a folder (double click, "Open", "Up", a level of the path bar
// that is not on the stack) pushes it, "Go back" pops the last one, and a click on a level of the path bar
// that is on the stack returns to it. The listing comes from the server through a RemoteListingLoader; the
// window stays responsive while it is on its way, a refresh of the folder shown keeps the old rows until the
// new ones arrive, and an answer for a folder the user has left is dropped.
//
// Names come from the server and are only shown: an entry whose name could make a command act elsewhere
// (see RemoteNames::isSafe) is listed, but opening, renaming, deleting or tagging it is refused with a
// message. Names the user types are trimmed of white space and newlines; an empty one does nothing.
// Deletions ask first through `dialogs`. Failed operations are shown above the listing and written to the
// activity log (when `log` is given) with the connection's name.
//
// Main thread.
class BrowserFolderView : public QWidget {
    Q_OBJECT

public:
    BrowserFolderView(const PushConnection& connection, QThreadPool& pool, PreferencesStore& store,
                      Dialogs& dialogs, LogService* log, QWidget* parent = nullptr);
    ~BrowserFolderView() override;

    const PushConnection& connection() const { return m_connection; }
    QString currentPath() const { return m_navStack.last(); }
    QStringList navStack() const { return m_navStack; }
    QList<RemoteItem> selectedItems() const;

    void navigateInto(const QString& path);
    void navigateBack();
    void navigateUp();
    // A level of the path bar: back to it when it is on the stack, else into it.
    void navigateTo(const QString& path);
    void refresh();

    // The actions of the toolbar and the context menu.
    void openSelected();
    void startNewFolder();
    void startRename();
    void deleteSelected();
    void tagSelected(std::optional<BrowserTag> tag);
    // Selects the entries with these paths (e.g. from a test or after a rename).
    void selectPaths(const QStringList& paths);

    // Parts, for tests and the host.
    RemoteItemModel* listingModel() const { return m_model; }
    QTreeView* table() const { return m_table; }
    NamePromptBar* prompt() const { return m_prompt; }
    BrowserStatePage* statePage() const { return m_statePage; }
    RemoteListingLoader* loader() const { return m_loader; }
    // The text of the failed-operation banner, empty when none shows.
    QString operationError() const;
    QString summaryText() const;
    // True while the listing (not a state page) shows the folder on top of the stack.
    bool isShowingListing() const;

Q_SIGNALS:
    // The listing of the current folder arrived and is shown, or its failure is.
    void listingShown();
    void listingFailed(const QString& message);
    // A command (create, rename, delete) finished, with its error text when it failed.
    void commandFinished(const QString& error);

private:
    void buildToolbar();
    void buildTable();
    void buildFooter();
    void buildActions();
    void showContextMenu(const QPoint& position);
    void showFolder();
    void applyListing(const QString& folder, const QList<RemoteItem>& items);
    void applyFailure(const QString& folder, const QString& message);
    void updateActions();
    void updateLoading(bool loading);
    void createFolder(const QString& typed);
    void renameTo(const RemoteItem& item, const QString& typed);
    // False (after telling the user) when one of `items` has a name no operation may use.
    bool refuseUnsafe(const QList<RemoteItem>& items, const QString& title);
    bool typedNameAccepted(const QString& name, const QString& title);
    void reportCommandFailure(const QString& message);
    void clearOperationError();
    void finishCommand(const std::optional<QString>& error, const QString& failureText);

    const PushConnection m_connection;
    Dialogs& m_dialogs;
    LogService* m_log;
    std::unique_ptr<BrowserTagStore> m_tags;
    RemoteListingLoader* m_loader;
    QStringList m_navStack{QStringLiteral("/")};
    // Paths to select once the next listing is shown (a created or renamed entry).
    QStringList m_selectAfterListing;

    QToolButton* m_back = nullptr;
    QToolButton* m_up = nullptr;
    QToolButton* m_refresh = nullptr;
    RemotePathBar* m_pathBar = nullptr;
    NamePromptBar* m_prompt = nullptr;
    QLabel* m_errorBanner = nullptr;
    QStackedWidget* m_stack = nullptr;
    QTreeView* m_table = nullptr;
    BrowserStatePage* m_statePage = nullptr;
    RemoteItemModel* m_model = nullptr;
    RemoteItemSortModel* m_sorted = nullptr;
    QLabel* m_summary = nullptr;
    QProgressBar* m_busy = nullptr;
    QToolButton* m_newFolder = nullptr;
    QToolButton* m_rename = nullptr;
    QToolButton* m_delete = nullptr;
    QAction* m_openAction = nullptr;
    QAction* m_newFolderAction = nullptr;
    QAction* m_renameAction = nullptr;
    QAction* m_deleteAction = nullptr;
    QAction* m_refreshAction = nullptr;
    QAction* m_backAction = nullptr;
};

} // namespace ondrix
