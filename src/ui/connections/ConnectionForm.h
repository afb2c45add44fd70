#pragma once

#include "model/PushConnection.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

namespace ondrix {

// The connection editor without its widgets: the record being edited, every rule the form applies when a
// value changes, and the messages it shows beside the fields. The widgets only show what this says and hand
// every change to it.
//
// Text typed into a field is applied at once but marked pending until the view saves it (the view waits for
// a pause in typing, so a running engine is not restarted for every key). When the stored record changes
// under the editor (the sidebar's power switch, the popover), rebase() takes it and keeps the pending typing.
//
// Lives on the main thread.
class ConnectionForm : public QObject {
    Q_OBJECT

public:
    // Fields whose edits arrive keystroke by keystroke.
    enum class TextField : unsigned {
        name = 1u << 0,
        host = 1u << 1,
        port = 1u << 2,
        username = 1u << 3,
        password = 1u << 4,
        remoteFolder = 1u << 5,
        iptcKeywords = 1u << 6,
        extensionLists = 1u << 7,
    };

    explicit ConnectionForm(PushConnection connection, QObject* parent = nullptr);

    const PushConnection& connection() const { return m_connection; }

    // The port a protocol is usually served on: 22 for SFTP, 21 for FTP and explicit FTPS.
    static qint64 defaultPort(TransferProtocol protocol);
    // The stability picker's choices: 1, 2, 3, 5 and 10 seconds, plus a stored value that is none of these.
    static QList<qint64> stabilityChoices(qint64 current);
    static constexpr qint64 kMinSimultaneousUploads = PushConnection::kMinSimultaneousUploads;
    static constexpr qint64 kMaxSimultaneousUploads = PushConnection::kMaxSimultaneousUploads;
    // The seven schedule days, Monday first, as stored in scheduleDays (1 = Monday ... 7 = Sunday), and their
    // short names in the user's language.
    static QList<int> scheduleDayNumbers();
    static QStringList dayLabels();
    // "9:00".
    static QString hourText(qint64 hour);

    // Connection.
    void setName(const QString& name);
    void setEnabled(bool enabled);
    // Keeps the port; portHint() says when it is the other protocol's usual one.
    void setProtocol(TransferProtocol protocol);
    void setHost(const QString& host);
    // Applied only when it is a whole number from 1 to 65535; otherwise portError() says why.
    void setPortText(const QString& text);
    QString portText() const { return m_portText; }
    // The protocol's usual port while the port is the other protocol's usual one (21 with SFTP, 22 with FTP
    // or FTPS), with a one-line hint saying so; none and empty otherwise.
    std::optional<qint64> suggestedPort() const;
    QString portHint() const;
    void useSuggestedPort();
    void setUsername(const QString& username);
    void setPassword(const QString& password);
    void setSshKeyPath(const QString& path);
    void setFtpMode(FTPMode mode);
    bool showsFtpMode() const;
    bool showsSshKey() const;

    // Folders.
    void setLocalFolder(const QString& path);
    void setMonitorSubdirectories(bool on);
    // Applied only without line breaks; otherwise remoteFolderError() says why.
    void setRemoteFolder(const QString& path);
    QString remoteFolderText() const { return m_remoteFolderText; }
    void setPreserveSubdirectories(bool on);
    void setFinderTagsEnabled(bool on);
    // The other stored connections, for sharedFolderNote(); not part of the record.
    void setOtherConnections(QList<PushConnection> others);
    // One line while another enabled connection watches the local folder (the same folder, or one inside the
    // other): it names them and says that deleting, archiving and scripts wait until every connection that
    // takes a file has uploaded it. Empty otherwise.
    QString sharedFolderNote() const;

    // Sync and transfer.
    void setStabilityCheckSeconds(qint64 seconds);
    // Kept within 1 to 5.
    void setSimultaneousUploads(qint64 count);
    void setDeleteLocalAfterUpload(bool on);
    QString deleteModeCaption() const;
    bool deleteModeIsWarning() const;
    void setConflictResolution(ConflictMode mode);
    void setUseTemporaryName(bool on);

    // Post-upload action. Switching the kind brings back the path last chosen for that kind.
    void setPostUploadKind(PostUploadAction::Kind kind);
    void setPostUploadPath(const QString& path);
    bool showsPostUploadChooser() const;
    bool postUploadChoosesFolder() const;
    QString postUploadCaption() const;

    // Schedule. The hour steps wrap around midnight.
    void setScheduleEnabled(bool on);
    void stepScheduleStartHour(int delta);
    void stepScheduleEndHour(int delta);
    void toggleScheduleDay(int day);

    // IPTC keyword presets.
    void setIptcEnabled(bool on);
    void selectIptcPreset(const std::optional<QUuid>& id);
    bool showsIptcPicker() const;
    // The appended entry's id.
    QUuid addIptcPreset();
    // Removing the selected entry clears the selection.
    void removeIptcPreset(const QUuid& id);
    void setIptcPresetName(const QUuid& id, const QString& name);
    void setIptcPresetKeyword(const QUuid& id, const QString& keyword);
    // Merges entries read from a presets file; returns how many were added.
    int importIptcPresets(const QList<IPTCKeywordEntry>& imported);
    // The picker's title of an entry: its name, or its keyword when the name is empty.
    static QString iptcPresetTitle(const IPTCKeywordEntry& entry);

    // Extension filter (the rules are ExtensionFilterRules').
    void chooseExtensionPreset(const QString& presetId);
    void resetExtensionPreset();
    void toggleExtensionCategory(const QString& categoryId);
    void toggleExtension(const QString& categoryId, const QString& extension);
    void setIncludedExtensions(const QString& text);
    void setExcludedExtensions(const QString& text);
    void setDownloadUnspecifiedExtensions(bool on);

    // Messages beside the fields; empty when the value is fine.
    QString hostError() const;
    QString portError() const;
    // Looks at the folder on disk, which can block for long on a stalled network mount: for a worker thread.
    static QString localFolderProblem(const QString& path);
    QString remoteFolderError() const;
    // "Required: Host, Local Folder" while either is empty; empty otherwise.
    QString requiredCaption() const;

    bool hasPendingText() const { return m_pending != 0; }
    // The view saved the record: nothing is pending any more.
    void markSaved() { m_pending = 0; }
    // The stored record changed outside this editor: take it, keeping the fields typed but not yet saved.
    void rebase(const PushConnection& stored);

Q_SIGNALS:
    // The record changed. `typing` is true for keystroke edits of a text field.
    void changed(bool typing);
    // Everything may have changed (rebase): the view refreshes every control.
    void reloaded();

private:
    void commit(bool typing = false);
    void type(TextField field);

    PushConnection m_connection;
    QString m_portText;
    QString m_remoteFolderText;
    QString m_archivePath;
    QString m_scriptPath;
    QList<PushConnection> m_others;
    unsigned m_pending = 0;
};

} // namespace ondrix
