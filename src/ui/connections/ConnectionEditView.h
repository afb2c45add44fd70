#pragma once

#include "model/PushConnection.h"

#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSpinBox;
class QThreadPool;
class QToolButton;
class QVBoxLayout;

namespace ondrix {

class ConnectionForm;
class Dialogs;
class ExtensionFilterView;

// What the editor hands its changes to.
struct ConnectionEditActions {
    // Stores the edited record (and restarts its engine).
    std::function<void(const PushConnection&)> save;
    std::function<void()> toggleLock;
    // Remembers a folder the user picked for the connection, before the record naming it is saved.
    std::function<void(const QString& folder, const QUuid& connectionId)> saveBookmark;
};

// The form of one connection: every field a user sets, in sections, under a lock banner and above the
// connection test. Shows a ConnectionForm and hands every change to it; switches are saved at once, typing
// after a short pause (and whenever the editor goes away), so nothing typed is lost and a running engine is
// not restarted for every key.
class ConnectionEditView : public QWidget {
    Q_OBJECT

public:
    static constexpr int kDefaultSaveDelayMs = 800;
    static constexpr int kFolderCheckDelayMs = 300;

    ConnectionEditView(const PushConnection& connection, bool locked, Dialogs& dialogs, QThreadPool& pool,
                       ConnectionEditActions actions, QWidget* parent = nullptr);
    ~ConnectionEditView() override;

    ConnectionForm& form() const { return *m_form; }
    const PushConnection& connection() const;

    bool isLocked() const { return m_locked; }
    void setLocked(bool locked);
    // The stored record changed elsewhere.
    void rebase(const PushConnection& stored);
    void focusName();
    // Why the stored password is not available yet (it waits for the keyring); empty hides the note.
    void setPasswordProblem(const QString& problem);
    // Every stored connection (this one among them), for the note on a folder another one watches too.
    void setOtherConnections(const QList<PushConnection>& connections);

    // Saves typing that waits for its pause.
    void saveNow();
    void setSaveDelayMs(int ms) { m_saveTimer.setInterval(ms); }

    // The local folder is looked at on the pool once edits pause for this long, never on the main thread.
    void setFolderCheckDelayMs(int ms) { m_folderCheckTimer.setInterval(ms); }
    // Replaces the look at the folder (ConnectionForm::localFolderProblem), e.g. by one that stalls.
    void setFolderCheck(std::function<QString(const QString&)> check) { m_folderCheck = std::move(check); }

    void testConnection();
    bool isTesting() const { return m_testing; }
    QString testResult() const { return m_testResult; }

    void exportIptcPresets();
    void importIptcPresets();

    // The part the lock disables, and the whole scrolled content (for pictures of the form).
    QWidget* formArea() const { return m_formArea; }
    QWidget* content() const { return m_content; }

Q_SIGNALS:
    void testFinished(const QString& result);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void build();
    QWidget* buildConnectionSection();
    QWidget* buildLocalFolderSection();
    QWidget* buildRemoteFolderSection();
    QWidget* buildTagsSection();
    QWidget* buildTransferSection();
    QWidget* buildIptcSection();
    QWidget* buildPostUploadSection();
    QWidget* buildScheduleSection();
    QWidget* buildTestArea();

    void onFormChanged(bool typing);
    void checkLocalFolder();
    void refresh();
    void refreshIptcRows();
    void chooseLocalFolder();
    void chooseSshKey();
    void choosePostUploadPath();
    void chooseRemoteFolder();

    ConnectionForm* m_form;
    Dialogs& m_dialogs;
    QThreadPool& m_pool;
    ConnectionEditActions m_actions;
    bool m_locked;
    QTimer m_saveTimer;
    QTimer m_folderCheckTimer;
    std::function<QString(const QString&)> m_folderCheck;
    // The folder last looked at and what is wrong with it (empty: nothing).
    std::optional<QString> m_checkedFolder;
    QString m_folderProblem;
    // The folder being looked at: a stalled look is not joined by more.
    std::optional<QString> m_checkingFolder;
    bool m_testing = false;
    QString m_testResult;
    bool m_testSucceeded = false;

    QScrollArea* m_scroll = nullptr;
    QWidget* m_content = nullptr;
    QWidget* m_banner = nullptr;
    QToolButton* m_lockButton = nullptr;
    QWidget* m_formArea = nullptr;

    QLineEdit* m_name = nullptr;
    QCheckBox* m_enabled = nullptr;
    QComboBox* m_protocol = nullptr;
    QLineEdit* m_host = nullptr;
    QLabel* m_hostError = nullptr;
    QLineEdit* m_port = nullptr;
    QLabel* m_portError = nullptr;
    QWidget* m_portHint = nullptr;
    QLabel* m_portHintText = nullptr;
    QPushButton* m_usualPort = nullptr;
    QLabel* m_passwordProblem = nullptr;
    QLineEdit* m_username = nullptr;
    QLineEdit* m_password = nullptr;
    QFormLayout* m_connectionLayout = nullptr;
    QWidget* m_sshKeyRow = nullptr;
    QLabel* m_sshKeyPath = nullptr;
    QPushButton* m_sshKeyClear = nullptr;
    QWidget* m_ftpModeRow = nullptr;
    QRadioButton* m_passive = nullptr;
    QRadioButton* m_active = nullptr;

    QLabel* m_localFolderPath = nullptr;
    QLabel* m_localFolderError = nullptr;
    QLabel* m_sharedFolderNote = nullptr;
    QCheckBox* m_monitorSubfolders = nullptr;

    QLineEdit* m_remoteFolder = nullptr;
    QLabel* m_remoteFolderError = nullptr;
    QCheckBox* m_preserveSubfolders = nullptr;

    QCheckBox* m_tags = nullptr;

    QComboBox* m_stability = nullptr;
    QSpinBox* m_simultaneous = nullptr;
    QCheckBox* m_deleteLocal = nullptr;
    QLabel* m_deleteCaption = nullptr;
    QComboBox* m_conflict = nullptr;
    QCheckBox* m_temporaryName = nullptr;

    QCheckBox* m_iptcEnabled = nullptr;
    QWidget* m_iptcPickerRow = nullptr;
    QComboBox* m_iptcPicker = nullptr;
    QWidget* m_iptcRows = nullptr;
    QVBoxLayout* m_iptcRowsLayout = nullptr;
    QList<QUuid> m_iptcRowIds;

    QComboBox* m_postAction = nullptr;
    QWidget* m_postPathRow = nullptr;
    QLabel* m_postPath = nullptr;
    QLabel* m_postCaption = nullptr;

    QCheckBox* m_schedule = nullptr;
    QWidget* m_scheduleDetails = nullptr;
    QLabel* m_startHour = nullptr;
    QLabel* m_endHour = nullptr;
    QList<QToolButton*> m_dayButtons;

    ExtensionFilterView* m_extensions = nullptr;

    QWidget* m_required = nullptr;
    QLabel* m_requiredText = nullptr;
    QPushButton* m_testButton = nullptr;
    QLabel* m_testResultLabel = nullptr;
};

} // namespace ondrix
