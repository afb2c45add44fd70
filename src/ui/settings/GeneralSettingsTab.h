#pragma once

#include <QScrollArea>

#include <functional>

class QCheckBox;
class QComboBox;

namespace ondrix {

class AppSettings;

// The "General" page of the settings: start at login, taskbar presence, sleep, network, disk space, colour
// theme and language, each control bound to its setting and stored at once.
class GeneralSettingsTab : public QScrollArea {
    Q_OBJECT

public:
    // Registers (true) or removes (false) the application's login item.
    using LaunchAtLoginApplier = std::function<void(bool)>;

    // `applyLaunchAtLogin` is called with every value the user gives the "Launch at login" switch, after the
    // setting took it; it may be empty when the login item follows the setting by itself.
    GeneralSettingsTab(AppSettings& settings, LaunchAtLoginApplier applyLaunchAtLogin,
                       QWidget* parent = nullptr);

    QCheckBox* launchAtLoginToggle() const { return m_launchAtLogin; }
    QCheckBox* diskSpaceWarningToggle() const { return m_diskSpaceWarning; }
    QComboBox* diskSpaceThresholdPicker() const { return m_diskSpaceThreshold; }
    QComboBox* colorThemePicker() const { return m_colorTheme; }
    QComboBox* languagePicker() const { return m_language; }

private:
    QCheckBox* m_launchAtLogin = nullptr;
    QCheckBox* m_diskSpaceWarning = nullptr;
    QComboBox* m_diskSpaceThreshold = nullptr;
    QComboBox* m_colorTheme = nullptr;
    QComboBox* m_language = nullptr;
};

} // namespace ondrix
