#pragma once

#include "model/PushConnection.h"
#include "transfer/RemoteItem.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QListView;
class QPushButton;
class QStackedWidget;
class QThreadPool;
class QToolButton;

namespace ondrix {

class BrowserStatePage;
class RemoteItemModel;
class RemoteListingLoader;

// A window-modal sheet that walks the folders of a connection's server and hands back the one the user
// chooses. Only folders are listed; a click on one opens it, "Go back" returns to the folder opened before,
// "Enclosing folder" goes one level up (so a start folder that does not exist is no dead end).
//
// Use from the connection editor, with the connection as edited (it need not be saved):
//
//     auto* picker = new RemoteFolderPickerView(connection, pool, remoteFolderField->text(), this);
//     picker->setAttribute(Qt::WA_DeleteOnClose);
//     connect(picker, &RemoteFolderPickerView::folderSelected, remoteFolderField, &QLineEdit::setText);
//     picker->open();
//
// "Select This Folder" emits folderSelected with the folder shown ("/" or "/a/b", no trailing "/") and
// accepts the dialog; "Cancel" (or Escape) rejects it and emits nothing. The listing runs on `pool`
// (which must outlive the picker); the window never waits for the server, a failure shows its text with
// "Retry", and an answer for a folder the user has already left is dropped.
class RemoteFolderPickerView : public QDialog {
    Q_OBJECT

public:
    // `startPath` empty means "/".
    RemoteFolderPickerView(const PushConnection& connection, QThreadPool& pool, const QString& startPath,
                           QWidget* parent = nullptr);
    ~RemoteFolderPickerView() override;

    QString currentPath() const { return m_currentPath; }
    QStringList history() const { return m_history; }

    // The navigation a person does with clicks.
    void openFolder(const QString& path);
    void goBack();
    void goUp();
    void retry();
    void selectCurrentFolder();

    // Parts, for tests.
    QListView* folderList() const { return m_list; }
    RemoteItemModel* listingModel() const { return m_model; }
    BrowserStatePage* statePage() const { return m_statePage; }
    QPushButton* selectButton() const { return m_select; }
    // True while the list (not a state page) shows the current folder.
    bool isShowingListing() const;
    QString notice() const;

Q_SIGNALS:
    void folderSelected(const QString& path);
    // The current folder's listing, or its failure, is shown.
    void listingShown();

private:
    void showFolder();
    void applyListing(const QString& folder, const QList<RemoteItem>& items);
    void applyFailure(const QString& folder, const QString& message);
    void openRow(const QModelIndex& index);

    RemoteListingLoader* m_loader;
    QString m_currentPath;
    QStringList m_history;

    QToolButton* m_back;
    QToolButton* m_up;
    QLabel* m_path;
    QStackedWidget* m_stack;
    QListView* m_list;
    RemoteItemModel* m_model;
    BrowserStatePage* m_statePage;
    QLabel* m_notice;
    QPushButton* m_cancel;
    QPushButton* m_select;
};

} // namespace ondrix
