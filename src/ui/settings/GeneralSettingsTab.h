#pragma once

#include <QScrollArea>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace ondrix {

class AppSettings;

// The "General" page of the settings: start at login, taskbar presence, sleep, network, disk space, colour
// theme, language and the metrics file, each control bound to its setting and stored at once.
class GeneralSettingsTab : public QScrollArea {
    Q_OBJECT

public:
    // The "Launch Ondrix when I log in" switch changes the setting; the shell carries every change of it to
    // the desktop's login item.
    explicit GeneralSettingsTab(AppSettings& settings, QWidget* parent = nullptr);

    QCheckBox* launchAtLoginToggle() const { return m_launchAtLogin; }
    QCheckBox* diskSpaceWarningToggle() const { return m_diskSpaceWarning; }
    QComboBox* diskSpaceThresholdPicker() const { return m_diskSpaceThreshold; }
    QComboBox* colorThemePicker() const { return m_colorTheme; }
    QComboBox* languagePicker() const { return m_language; }
    QLineEdit* metricsFileField() const { return m_metricsFile; }

private:
    QCheckBox* m_launchAtLogin = nullptr;
    QCheckBox* m_diskSpaceWarning = nullptr;
    QComboBox* m_diskSpaceThreshold = nullptr;
    QComboBox* m_colorTheme = nullptr;
    QComboBox* m_language = nullptr;
    QLineEdit* m_metricsFile = nullptr;
};

} // namespace ondrix
