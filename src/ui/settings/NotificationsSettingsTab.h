#pragma once

#include <QScrollArea>

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;

namespace ondrix {

class AppSettings;
class SoundPlayer;

// The "Notifications" page of the settings: when uploads and errors are announced, the sound and the
// schedule notices, each control bound to its setting and stored at once.
class NotificationsSettingsTab : public QScrollArea {
    Q_OBJECT

public:
    static constexpr int kMinFileCountMaximum = 50;
    static constexpr int kErrorsAfterMaximum = 10;

    // "Preview" plays through `sounds`, which must outlive the tab.
    NotificationsSettingsTab(AppSettings& settings, SoundPlayer& sounds, QWidget* parent = nullptr);

    QCheckBox* notificationsToggle() const { return m_notifications; }
    QSpinBox* minFileCountStepper() const { return m_minFileCount; }
    QCheckBox* groupToggle() const { return m_group; }
    QCheckBox* errorsToggle() const { return m_errors; }
    QSpinBox* errorsAfterStepper() const { return m_errorsAfter; }
    QCheckBox* soundToggle() const { return m_sound; }
    QComboBox* soundPicker() const { return m_soundName; }
    QPushButton* previewButton() const { return m_preview; }

private:
    QCheckBox* m_notifications = nullptr;
    QSpinBox* m_minFileCount = nullptr;
    QCheckBox* m_group = nullptr;
    QCheckBox* m_errors = nullptr;
    QSpinBox* m_errorsAfter = nullptr;
    QCheckBox* m_sound = nullptr;
    QComboBox* m_soundName = nullptr;
    QPushButton* m_preview = nullptr;
};

} // namespace ondrix
