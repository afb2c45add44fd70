#pragma once

#include <QObject>
#include <QString>

#include <optional>

namespace ondrix {

class NotificationPermissionRequester;
class PreferencesStore;

enum class AppColorTheme { brand, system };

QString rawValue(AppColorTheme value);
// Exact match; any other text is none.
std::optional<AppColorTheme> appColorThemeFromRaw(const QString& raw);

// The application-wide preferences that belong to no single connection. Every value is read from the store
// once, when the object is created, and written back under the same key on every assignment (all but
// launchAtLogin, whose login item and flag belong to the application shell). Setters notify first, then
// write, and only when the value really changes.
//
// Lives on the main thread; it takes no locks.
class AppSettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool launchAtLogin READ launchAtLogin WRITE setLaunchAtLogin NOTIFY launchAtLoginChanged)
    Q_PROPERTY(
        bool alwaysShowInDock READ alwaysShowInDock WRITE setAlwaysShowInDock NOTIFY alwaysShowInDockChanged)
    Q_PROPERTY(bool preventSleepDuringDownloads READ preventSleepDuringDownloads WRITE
                   setPreventSleepDuringDownloads NOTIFY preventSleepDuringDownloadsChanged)
    Q_PROPERTY(bool pauseResumeOnWake READ pauseResumeOnWake WRITE setPauseResumeOnWake NOTIFY
                   pauseResumeOnWakeChanged)
    Q_PROPERTY(bool pauseOnHotspot READ pauseOnHotspot WRITE setPauseOnHotspot NOTIFY pauseOnHotspotChanged)
    Q_PROPERTY(bool pauseOnNoInternet READ pauseOnNoInternet WRITE setPauseOnNoInternet NOTIFY
                   pauseOnNoInternetChanged)
    Q_PROPERTY(bool diskSpaceWarningEnabled READ diskSpaceWarningEnabled WRITE setDiskSpaceWarningEnabled
                   NOTIFY diskSpaceWarningEnabledChanged)
    Q_PROPERTY(int diskSpaceThresholdGB READ diskSpaceThresholdGB WRITE setDiskSpaceThresholdGB NOTIFY
                   diskSpaceThresholdGBChanged)
    Q_PROPERTY(bool notificationsEnabled READ notificationsEnabled WRITE setNotificationsEnabled NOTIFY
                   notificationsEnabledChanged)
    Q_PROPERTY(int notifyMinFileCount READ notifyMinFileCount WRITE setNotifyMinFileCount NOTIFY
                   notifyMinFileCountChanged)
    Q_PROPERTY(bool groupNotifications READ groupNotifications WRITE setGroupNotifications NOTIFY
                   groupNotificationsChanged)
    Q_PROPERTY(bool notifyErrors READ notifyErrors WRITE setNotifyErrors NOTIFY notifyErrorsChanged)
    Q_PROPERTY(int notifyErrorsAfterAttempts READ notifyErrorsAfterAttempts WRITE setNotifyErrorsAfterAttempts
                   NOTIFY notifyErrorsAfterAttemptsChanged)
    Q_PROPERTY(bool notifySchedulePauseResume READ notifySchedulePauseResume WRITE
                   setNotifySchedulePauseResume NOTIFY notifySchedulePauseResumeChanged)
    Q_PROPERTY(bool playSoundOnDownload READ playSoundOnDownload WRITE setPlaySoundOnDownload NOTIFY
                   playSoundOnDownloadChanged)
    Q_PROPERTY(QString soundName READ soundName WRITE setSoundName NOTIFY soundNameChanged)
    Q_PROPERTY(QString metricsFile READ metricsFile WRITE setMetricsFile NOTIFY metricsFileChanged)
    Q_PROPERTY(ondrix::AppColorTheme colorTheme READ colorTheme WRITE setColorTheme NOTIFY colorThemeChanged)
    Q_PROPERTY(QString preferredLanguage READ preferredLanguage WRITE setPreferredLanguage NOTIFY
                   preferredLanguageChanged)

public:
    // Store keys.
    static const QString kLaunchAtLogin;
    static const QString kAlwaysShowInDock;
    static const QString kPreventSleepDownloads;
    static const QString kLegacySleepBehavior;
    static const QString kPauseResumeOnWake;
    static const QString kPauseOnHotspot;
    static const QString kPauseOnNoInternet;
    static const QString kDiskSpaceWarning;
    static const QString kDiskSpaceThresholdGB;
    static const QString kNotificationsEnabled;
    static const QString kNotifyMinFileCount;
    static const QString kGroupNotifications;
    static const QString kNotifyErrors;
    static const QString kNotifyErrorsAfter;
    static const QString kNotifySchedule;
    static const QString kPlaySound;
    static const QString kSoundName;
    static const QString kMetricsFile;
    static const QString kColorTheme;
    static const QString kPreferredLanguage;
    // The interface languages chosen for this application (a list of one code); removed for "system".
    static const QString kAppleLanguages;
    static const QString kAppleAccentColor;

    // `permissions` may be null (nothing is requested then); both must outlive the settings.
    AppSettings(PreferencesStore& store, NotificationPermissionRequester* permissions,
                QObject* parent = nullptr);

    bool launchAtLogin() const { return m_launchAtLogin; }
    bool alwaysShowInDock() const { return m_alwaysShowInDock; }
    bool preventSleepDuringDownloads() const { return m_preventSleepDuringDownloads; }
    bool pauseResumeOnWake() const { return m_pauseResumeOnWake; }
    bool pauseOnHotspot() const { return m_pauseOnHotspot; }
    bool pauseOnNoInternet() const { return m_pauseOnNoInternet; }
    bool diskSpaceWarningEnabled() const { return m_diskSpaceWarningEnabled; }
    int diskSpaceThresholdGB() const { return m_diskSpaceThresholdGB; }
    bool notificationsEnabled() const { return m_notificationsEnabled; }
    int notifyMinFileCount() const { return m_notifyMinFileCount; }
    bool groupNotifications() const { return m_groupNotifications; }
    bool notifyErrors() const { return m_notifyErrors; }
    int notifyErrorsAfterAttempts() const { return m_notifyErrorsAfterAttempts; }
    bool notifySchedulePauseResume() const { return m_notifySchedulePauseResume; }
    bool playSoundOnDownload() const { return m_playSoundOnDownload; }
    QString soundName() const { return m_soundName; }
    // Where the Prometheus metrics file is kept; empty when none is written.
    QString metricsFile() const { return m_metricsFile; }
    AppColorTheme colorTheme() const { return m_colorTheme; }
    QString preferredLanguage() const { return m_preferredLanguage; }

    void setLaunchAtLogin(bool value);
    void setAlwaysShowInDock(bool value);
    void setPreventSleepDuringDownloads(bool value);
    void setPauseResumeOnWake(bool value);
    void setPauseOnHotspot(bool value);
    void setPauseOnNoInternet(bool value);
    void setDiskSpaceWarningEnabled(bool value);
    void setDiskSpaceThresholdGB(int value);
    void setNotificationsEnabled(bool value);
    void setNotifyMinFileCount(int value);
    void setGroupNotifications(bool value);
    void setNotifyErrors(bool value);
    void setNotifyErrorsAfterAttempts(int value);
    void setNotifySchedulePauseResume(bool value);
    void setPlaySoundOnDownload(bool value);
    void setSoundName(const QString& value);
    void setMetricsFile(const QString& value);
    void setColorTheme(AppColorTheme value);
    void setPreferredLanguage(const QString& value);

Q_SIGNALS:
    void launchAtLoginChanged(bool value);
    void alwaysShowInDockChanged(bool value);
    void preventSleepDuringDownloadsChanged(bool value);
    void pauseResumeOnWakeChanged(bool value);
    void pauseOnHotspotChanged(bool value);
    void pauseOnNoInternetChanged(bool value);
    void diskSpaceWarningEnabledChanged(bool value);
    void diskSpaceThresholdGBChanged(int value);
    void notificationsEnabledChanged(bool value);
    void notifyMinFileCountChanged(int value);
    void groupNotificationsChanged(bool value);
    void notifyErrorsChanged(bool value);
    void notifyErrorsAfterAttemptsChanged(int value);
    void notifySchedulePauseResumeChanged(bool value);
    void playSoundOnDownloadChanged(bool value);
    void soundNameChanged(const QString& value);
    void metricsFileChanged(const QString& value);
    void colorThemeChanged(ondrix::AppColorTheme value);
    void preferredLanguageChanged(const QString& value);

private:
    bool loadTrueDefault(const QString& key) const;
    int loadInteger(const QString& key, int fallback) const;
    void storeBool(const QString& key, bool value);
    void storeInteger(const QString& key, int value);

    PreferencesStore& m_store;
    NotificationPermissionRequester* m_permissions;

    bool m_launchAtLogin = false;
    bool m_alwaysShowInDock = true;
    bool m_preventSleepDuringDownloads = false;
    bool m_pauseResumeOnWake = true;
    bool m_pauseOnHotspot = false;
    bool m_pauseOnNoInternet = true;
    bool m_diskSpaceWarningEnabled = true;
    int m_diskSpaceThresholdGB = 5;
    bool m_notificationsEnabled = true;
    int m_notifyMinFileCount = 10;
    bool m_groupNotifications = true;
    bool m_notifyErrors = true;
    int m_notifyErrorsAfterAttempts = 3;
    bool m_notifySchedulePauseResume = false;
    bool m_playSoundOnDownload = true;
    QString m_soundName = QStringLiteral("Submarine");
    QString m_metricsFile;
    AppColorTheme m_colorTheme = AppColorTheme::brand;
    QString m_preferredLanguage = QStringLiteral("system");
};

} // namespace ondrix
