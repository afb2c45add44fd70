#pragma once

#include "engine/EngineState.h"
#include "model/PushConnection.h"
#include "ui/popover/UploadIndicator.h"

#include <QFrame>

#include <optional>

class QLabel;
class QMenu;
class QToolButton;

namespace ondrix {

class ClickableArea;
class ElidedLabel;
class InlineStepper;

// One connection in the popover: its power switch, name, schedule sign and status, the count of running
// uploads, the watched-folder button, the two inline steppers and the keyword preset menu. It shows values
// and reports what the user asked for; the popover turns requests into edits through the manager.
class ConnectionRow : public QFrame {
    Q_OBJECT

public:
    explicit ConnectionRow(const PushConnection& connection, QWidget* parent = nullptr);

    QUuid connectionId() const { return m_connection.id; }
    const PushConnection& connection() const { return m_connection; }
    void setConnection(const PushConnection& connection);
    // What its engine does; none when no engine runs for the connection. A paused engine shows `pausedFor`,
    // the reasons in words, when given.
    void setEngine(const std::optional<EngineState>& state, int activeJobs, bool stabilityChecking,
                   const QString& pausedFor = {});
    // Why an enabled connection without an engine does not run (its password waits for the keyring), in
    // place of the status; empty leaves the status as it is.
    void showProblem(const QString& problem);

    QString statusText() const;
    int badgeCount() const { return m_badgeCount; }
    UploadIndicator::Mode indicatorMode() const;
    QToolButton* powerButton() const { return m_power; }
    ClickableArea* mainArea() const { return m_main; }
    QToolButton* folderButton() const { return m_folder; }
    InlineStepper* uploadsStepper() const { return m_uploads; }
    InlineStepper* stabilityStepper() const { return m_stability; }
    QToolButton* keywordButton() const { return m_keyword; }

Q_SIGNALS:
    void powerToggled();
    void uploadsStepped(int step);
    void stabilityStepped(int step);
    // None: no preset.
    void keywordChosen(const std::optional<QUuid>& entryId);
    void openRequested();
    void openFolderRequested();

private:
    void updateConnectionParts();
    void rebuildKeywordMenu();
    void updateMainAccessibleName();

    PushConnection m_connection;
    std::optional<EngineState> m_state;
    int m_badgeCount = -1;
    QToolButton* m_power = nullptr;
    ClickableArea* m_main = nullptr;
    ElidedLabel* m_name = nullptr;
    QLabel* m_schedule = nullptr;
    UploadIndicator* m_indicator = nullptr;
    ElidedLabel* m_status = nullptr;
    QLabel* m_badge = nullptr;
    QToolButton* m_folder = nullptr;
    InlineStepper* m_uploads = nullptr;
    InlineStepper* m_stability = nullptr;
    QToolButton* m_keyword = nullptr;
    QMenu* m_keywordMenu = nullptr;
};

} // namespace ondrix
