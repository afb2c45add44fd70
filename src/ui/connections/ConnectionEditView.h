#pragma once

#include "model/PushConnection.h"

#include <QTimer>
#include <QWidget>

#include <functional>

class QThreadPool;
class QToolButton;

namespace ondrix {

class ConnectionForm;
class ConnectionSection;
class ConnectionTestArea;
class Dialogs;
class ExtensionFilterView;
class IptcPresetsSection;
class LocalFolderSection;
class PostUploadSection;
class RemoteFolderSection;
class ScheduleSection;
class TagsSection;
class TransferSection;

// What the editor hands its changes to.
struct ConnectionEditActions {
    // Stores the edited record (and restarts its engine).
    std::function<void(const PushConnection&)> save;
    std::function<void()> toggleLock;
    // Remembers a folder the user picked for the connection, before the record naming it is saved.
    std::function<void(const QString& folder, const QUuid& connectionId)> saveBookmark;
};

// The form of one connection: its sections under a lock banner and above the connection test. Owns the
// ConnectionForm the sections show and edit, and decides when an edit is saved: switches at once, typing
// after a short pause (and whenever the editor goes away), so nothing typed is lost and a running engine is
// not restarted for every key.
//
// Main thread only.
class ConnectionEditView : public QWidget {
    Q_OBJECT

public:
    static constexpr int kDefaultSaveDelayMs = 800;

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
    void setFolderCheckDelayMs(int ms);
    // Replaces the look at the folder (ConnectionForm::localFolderProblem), e.g. by one that stalls.
    void setFolderCheck(std::function<QString(const QString&)> check);

    void testConnection();
    bool isTesting() const;
    QString testResult() const;

    // The part the lock disables, and the whole scrolled content (for pictures of the form).
    QWidget* formArea() const { return m_formArea; }
    QWidget* content() const { return m_content; }

Q_SIGNALS:
    void testFinished(const QString& result);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void build(Dialogs& dialogs, QThreadPool& pool);
    void onFormChanged(bool typing);
    void refresh();

    ConnectionForm* m_form;
    ConnectionEditActions m_actions;
    bool m_locked;
    QTimer m_saveTimer;

    QWidget* m_content = nullptr;
    QWidget* m_banner = nullptr;
    QToolButton* m_lockButton = nullptr;
    QWidget* m_formArea = nullptr;
    ConnectionSection* m_connection = nullptr;
    LocalFolderSection* m_localFolder = nullptr;
    RemoteFolderSection* m_remoteFolder = nullptr;
    TagsSection* m_tags = nullptr;
    TransferSection* m_transfer = nullptr;
    IptcPresetsSection* m_iptc = nullptr;
    PostUploadSection* m_postUpload = nullptr;
    ScheduleSection* m_schedule = nullptr;
    ExtensionFilterView* m_extensions = nullptr;
    ConnectionTestArea* m_test = nullptr;
};

} // namespace ondrix
