#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

#include <array>
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
    // Every setting, in the order of the key table.
    enum class Setting {
        launchAtLogin,
        alwaysShowInDock,
        preventSleepDuringDownloads,
        pauseResumeOnWake,
        pauseOnHotspot,
        pauseOnNoInternet,
        diskSpaceWarningEnabled,
        diskSpaceThresholdGB,
        notificationsEnabled,
        notifyMinFileCount,
        groupNotifications,
        notifyErrors,
        notifyErrorsAfterAttempts,
        notifySchedulePauseResume,
        playSoundOnDownload,
        soundName,
        metricsFile,
        colorTheme,
        preferredLanguage,
        count
    };
    // Where a setting is stored and what it is while nothing is: the type of `fallback` (bool, int or string)
    // is the type it is stored as. Users' settings live under these names, so they never change.
    struct Key {
        Setting setting;
        QString name;
        QVariant fallback;
    };
    static const Key& key(Setting setting);

    // Older versions stored a choice of behaviours here; only "preventSleep" meant
    // preventSleepDuringDownloads.
    static const QString kLegacySleepBehavior;
    // The interface languages chosen for this application (a list of one code); removed for "system".
    static const QString kAppleLanguages;
    static const QString kAppleAccentColor;

    // `permissions` may be null (nothing is requested then); both must outlive the settings.
    AppSettings(PreferencesStore& store, NotificationPermissionRequester* permissions,
                QObject* parent = nullptr);

    bool launchAtLogin() const { return flag(Setting::launchAtLogin); }
    bool alwaysShowInDock() const { return flag(Setting::alwaysShowInDock); }
    bool preventSleepDuringDownloads() const { return flag(Setting::preventSleepDuringDownloads); }
    bool pauseResumeOnWake() const { return flag(Setting::pauseResumeOnWake); }
    bool pauseOnHotspot() const { return flag(Setting::pauseOnHotspot); }
    bool pauseOnNoInternet() const { return flag(Setting::pauseOnNoInternet); }
    bool diskSpaceWarningEnabled() const { return flag(Setting::diskSpaceWarningEnabled); }
    int diskSpaceThresholdGB() const { return number(Setting::diskSpaceThresholdGB); }
    bool notificationsEnabled() const { return flag(Setting::notificationsEnabled); }
    int notifyMinFileCount() const { return number(Setting::notifyMinFileCount); }
    bool groupNotifications() const { return flag(Setting::groupNotifications); }
    bool notifyErrors() const { return flag(Setting::notifyErrors); }
    int notifyErrorsAfterAttempts() const { return number(Setting::notifyErrorsAfterAttempts); }
    bool notifySchedulePauseResume() const { return flag(Setting::notifySchedulePauseResume); }
    bool playSoundOnDownload() const { return flag(Setting::playSoundOnDownload); }
    QString soundName() const { return text(Setting::soundName); }
    // Where the Prometheus metrics file is kept; empty when none is written.
    QString metricsFile() const { return text(Setting::metricsFile); }
    AppColorTheme colorTheme() const
    {
        return appColorThemeFromRaw(text(Setting::colorTheme)).value_or(AppColorTheme::brand);
    }
    QString preferredLanguage() const { return text(Setting::preferredLanguage); }

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
    const QVariant& value(Setting setting) const { return m_values[std::size_t(setting)]; }
    bool flag(Setting setting) const { return value(setting).toBool(); }
    int number(Setting setting) const { return value(setting).toInt(); }
    QString text(Setting setting) const { return value(setting).toString(); }
    // Takes `next`, tells the observers through `changed`, then stores it; false when nothing changed.
    template <typename T, typename Signal>
    bool assign(Setting setting, const T& next, Signal changed);
    QVariant load(const Key& key) const;
    void store(Setting setting);

    PreferencesStore& m_store;
    NotificationPermissionRequester* m_permissions;
    std::array<QVariant, std::size_t(Setting::count)> m_values;
};

} // namespace ondrix
