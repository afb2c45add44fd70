#pragma once

#include <QWidget>

class QPushButton;

namespace ondrix {

class AppSettings;
class ConnectionsManager;

// The popover's switches: "Upload Now", the user's pause and the upload sound.
//
// Main thread only; the core objects must outlive it.
class PopoverControls : public QWidget {
    Q_OBJECT

public:
    PopoverControls(ConnectionsManager& manager, AppSettings& settings, QWidget* parent = nullptr);

    // Pause and sound say what pressing them does now.
    void refresh();

    QPushButton* uploadNowButton() const { return m_uploadNow; }
    QPushButton* pauseButton() const { return m_pause; }
    QPushButton* muteButton() const { return m_mute; }

private:
    ConnectionsManager& m_manager;
    AppSettings& m_settings;
    QPushButton* m_uploadNow = nullptr;
    QPushButton* m_pause = nullptr;
    QPushButton* m_mute = nullptr;
};

} // namespace ondrix
