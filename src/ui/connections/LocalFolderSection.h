#pragma once

#include <QGroupBox>
#include <QTimer>
#include <QUuid>

#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QThreadPool;

namespace ondrix {

class ConnectionForm;
class Dialogs;

// The "Local Folder" block of the connection editor: the watched folder with its chooser, what is wrong with
// it, the note on a folder another connection watches too, and the subfolder switch. The folder is looked at
// on the pool once edits pause, never on the main thread, so a stalled network mount cannot freeze the form.
//
// Main thread only.
class LocalFolderSection : public QGroupBox {
    Q_OBJECT

public:
    static constexpr int kFolderCheckDelayMs = 300;
    // Remembers a folder the user picked, before the record naming it is saved.
    using SaveBookmark = std::function<void(const QString& folder, const QUuid& connectionId)>;

    LocalFolderSection(ConnectionForm& form, Dialogs& dialogs, QThreadPool& pool, SaveBookmark saveBookmark,
                       QWidget* parent = nullptr);

    void refresh();
    void setFolderCheckDelayMs(int ms) { m_checkTimer.setInterval(ms); }
    // Replaces the look at the folder (ConnectionForm::localFolderProblem), e.g. by one that stalls.
    void setFolderCheck(std::function<QString(const QString&)> check) { m_check = std::move(check); }

private:
    void chooseFolder();
    void checkFolder();

    ConnectionForm& m_form;
    Dialogs& m_dialogs;
    QThreadPool& m_pool;
    SaveBookmark m_saveBookmark;
    QTimer m_checkTimer;
    std::function<QString(const QString&)> m_check;
    // The folder last looked at and what is wrong with it (empty: nothing).
    std::optional<QString> m_checkedFolder;
    QString m_problem;
    // The folder being looked at: a stalled look is not joined by more.
    std::optional<QString> m_checkingFolder;

    QLabel* m_path = nullptr;
    QLabel* m_error = nullptr;
    QLabel* m_sharedNote = nullptr;
    QCheckBox* m_monitorSubfolders = nullptr;
};

} // namespace ondrix
