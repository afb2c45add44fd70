#include "model/AppSettings.h"

#include "model/NotificationPermissionRequester.h"
#include "platform/PreferencesStore.h"

#include <algorithm>
#include <limits>

namespace ondrix {

const QString AppSettings::kLaunchAtLogin = QStringLiteral("launch_at_login");
const QString AppSettings::kAlwaysShowInDock = QStringLiteral("always_show_in_dock");
const QString AppSettings::kPreventSleepDownloads = QStringLiteral("prevent_sleep_downloads");
const QString AppSettings::kLegacySleepBehavior = QStringLiteral("sleep_behavior");
const QString AppSettings::kPauseResumeOnWake = QStringLiteral("pause_resume_on_wake");
const QString AppSettings::kPauseOnHotspot = QStringLiteral("pause_on_hotspot");
const QString AppSettings::kPauseOnNoInternet = QStringLiteral("pause_on_no_internet");
const QString AppSettings::kDiskSpaceWarning = QStringLiteral("disk_space_warning");
const QString AppSettings::kDiskSpaceThresholdGB = QStringLiteral("disk_space_threshold_gb");
const QString AppSettings::kNotificationsEnabled = QStringLiteral("notifications_enabled");
const QString AppSettings::kNotifyMinFileCount = QStringLiteral("notify_min_file_count");
const QString AppSettings::kGroupNotifications = QStringLiteral("group_notifications");
const QString AppSettings::kNotifyErrors = QStringLiteral("notify_errors");
const QString AppSettings::kNotifyErrorsAfter = QStringLiteral("notify_errors_after");
const QString AppSettings::kNotifySchedule = QStringLiteral("notify_schedule");
const QString AppSettings::kPlaySound = QStringLiteral("play_sound");
const QString AppSettings::kSoundName = QStringLiteral("sound_name");
const QString AppSettings::kMetricsFile = QStringLiteral("metrics_file");
const QString AppSettings::kColorTheme = QStringLiteral("color_theme");
const QString AppSettings::kPreferredLanguage = QStringLiteral("preferred_language");
const QString AppSettings::kAppleLanguages = QStringLiteral("AppleLanguages");
const QString AppSettings::kAppleAccentColor = QStringLiteral("AppleAccentColor");

QString rawValue(AppColorTheme value)
{
    return value == AppColorTheme::system ? QStringLiteral("system") : QStringLiteral("brand");
}

std::optional<AppColorTheme> appColorThemeFromRaw(const QString& raw)
{
    if (raw == QLatin1String("brand")) {
        return AppColorTheme::brand;
    }
    if (raw == QLatin1String("system")) {
        return AppColorTheme::system;
    }
    return std::nullopt;
}

namespace {

const QString kSystemLanguage = QStringLiteral("system");

template <typename T, typename Signal>
bool assign(AppSettings* self, T& member, const T& value, Signal signal)
{
    if (member == value) {
        return false;
    }
    member = value;
    Q_EMIT(self->*signal)(value);
    return true;
}

} // namespace

AppSettings::AppSettings(PreferencesStore& store, NotificationPermissionRequester* permissions,
                         QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_permissions(permissions)
{
    m_launchAtLogin = m_store.boolValue(kLaunchAtLogin);
    m_alwaysShowInDock = loadTrueDefault(kAlwaysShowInDock);
    if (m_store.contains(kPreventSleepDownloads)) {
        m_preventSleepDuringDownloads = m_store.boolValue(kPreventSleepDownloads);
    } else {
        // Older versions stored a choice of behaviours; only "preventSleep" meant what this switch means.
        m_preventSleepDuringDownloads =
            m_store.stringValue(kLegacySleepBehavior) == QLatin1String("preventSleep");
    }
    m_pauseResumeOnWake = loadTrueDefault(kPauseResumeOnWake);
    m_pauseOnHotspot = m_store.boolValue(kPauseOnHotspot);
    m_pauseOnNoInternet = loadTrueDefault(kPauseOnNoInternet);
    m_diskSpaceWarningEnabled = loadTrueDefault(kDiskSpaceWarning);
    m_diskSpaceThresholdGB = loadInteger(kDiskSpaceThresholdGB, 5);
    m_notificationsEnabled = loadTrueDefault(kNotificationsEnabled);
    m_notifyMinFileCount = std::max(1, loadInteger(kNotifyMinFileCount, 10));
    m_groupNotifications = loadTrueDefault(kGroupNotifications);
    m_notifyErrors = loadTrueDefault(kNotifyErrors);
    m_notifyErrorsAfterAttempts = loadInteger(kNotifyErrorsAfter, 3);
    m_notifySchedulePauseResume = m_store.boolValue(kNotifySchedule);
    m_playSoundOnDownload = loadTrueDefault(kPlaySound);
    // A key that holds no string (absent, or data of some kind) keeps the default.
    if (const QString sound = m_store.stringValue(kSoundName); !sound.isNull()) {
        m_soundName = sound;
    }
    m_metricsFile = m_store.stringValue(kMetricsFile);
    m_colorTheme = appColorThemeFromRaw(m_store.stringValue(kColorTheme)).value_or(AppColorTheme::brand);
    if (const QString language = m_store.stringValue(kPreferredLanguage); !language.isNull()) {
        m_preferredLanguage = language;
    }
    // An accent colour from older versions would override the theme; it is dropped at every start.
    m_store.remove(kAppleAccentColor);
}

bool AppSettings::loadTrueDefault(const QString& key) const
{
    // Presence, not truth, decides whether the default applies: a stored false stays false.
    return m_store.contains(key) ? m_store.boolValue(key) : true;
}

int AppSettings::loadInteger(const QString& key, int fallback) const
{
    if (!m_store.contains(key)) {
        return fallback;
    }
    return int(std::clamp<qint64>(m_store.integerValue(key), std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

void AppSettings::storeBool(const QString& key, bool value)
{
    m_store.setBool(key, value);
}

void AppSettings::storeInteger(const QString& key, int value)
{
    m_store.setInteger(key, value);
}

void AppSettings::setLaunchAtLogin(bool value)
{
    // The application shell registers the login item and remembers the choice itself.
    assign(this, m_launchAtLogin, value, &AppSettings::launchAtLoginChanged);
}

void AppSettings::setAlwaysShowInDock(bool value)
{
    if (assign(this, m_alwaysShowInDock, value, &AppSettings::alwaysShowInDockChanged)) {
        storeBool(kAlwaysShowInDock, value);
    }
}

void AppSettings::setPreventSleepDuringDownloads(bool value)
{
    if (assign(this, m_preventSleepDuringDownloads, value,
               &AppSettings::preventSleepDuringDownloadsChanged)) {
        storeBool(kPreventSleepDownloads, value);
    }
}

void AppSettings::setPauseResumeOnWake(bool value)
{
    if (assign(this, m_pauseResumeOnWake, value, &AppSettings::pauseResumeOnWakeChanged)) {
        storeBool(kPauseResumeOnWake, value);
    }
}

void AppSettings::setPauseOnHotspot(bool value)
{
    if (assign(this, m_pauseOnHotspot, value, &AppSettings::pauseOnHotspotChanged)) {
        storeBool(kPauseOnHotspot, value);
    }
}

void AppSettings::setPauseOnNoInternet(bool value)
{
    if (assign(this, m_pauseOnNoInternet, value, &AppSettings::pauseOnNoInternetChanged)) {
        storeBool(kPauseOnNoInternet, value);
    }
}

void AppSettings::setDiskSpaceWarningEnabled(bool value)
{
    if (assign(this, m_diskSpaceWarningEnabled, value, &AppSettings::diskSpaceWarningEnabledChanged)) {
        storeBool(kDiskSpaceWarning, value);
    }
}

void AppSettings::setDiskSpaceThresholdGB(int value)
{
    if (assign(this, m_diskSpaceThresholdGB, value, &AppSettings::diskSpaceThresholdGBChanged)) {
        storeInteger(kDiskSpaceThresholdGB, value);
    }
}

void AppSettings::setNotificationsEnabled(bool value)
{
    if (assign(this, m_notificationsEnabled, value, &AppSettings::notificationsEnabledChanged)) {
        storeBool(kNotificationsEnabled, value);
        if (value && m_permissions) {
            m_permissions->requestNotificationPermission();
        }
    }
}

void AppSettings::setNotifyMinFileCount(int value)
{
    // The floor of 1 applies when loading only; an assignment stores what it is given.
    if (assign(this, m_notifyMinFileCount, value, &AppSettings::notifyMinFileCountChanged)) {
        storeInteger(kNotifyMinFileCount, value);
    }
}

void AppSettings::setGroupNotifications(bool value)
{
    if (assign(this, m_groupNotifications, value, &AppSettings::groupNotificationsChanged)) {
        storeBool(kGroupNotifications, value);
    }
}

void AppSettings::setNotifyErrors(bool value)
{
    if (assign(this, m_notifyErrors, value, &AppSettings::notifyErrorsChanged)) {
        storeBool(kNotifyErrors, value);
    }
}

void AppSettings::setNotifyErrorsAfterAttempts(int value)
{
    if (assign(this, m_notifyErrorsAfterAttempts, value, &AppSettings::notifyErrorsAfterAttemptsChanged)) {
        storeInteger(kNotifyErrorsAfter, value);
    }
}

void AppSettings::setNotifySchedulePauseResume(bool value)
{
    if (assign(this, m_notifySchedulePauseResume, value, &AppSettings::notifySchedulePauseResumeChanged)) {
        storeBool(kNotifySchedule, value);
    }
}

void AppSettings::setPlaySoundOnDownload(bool value)
{
    if (assign(this, m_playSoundOnDownload, value, &AppSettings::playSoundOnDownloadChanged)) {
        storeBool(kPlaySound, value);
    }
}

void AppSettings::setSoundName(const QString& value)
{
    if (assign(this, m_soundName, value, &AppSettings::soundNameChanged)) {
        m_store.setString(kSoundName, value);
    }
}

void AppSettings::setMetricsFile(const QString& value)
{
    if (assign(this, m_metricsFile, value, &AppSettings::metricsFileChanged)) {
        m_store.setString(kMetricsFile, value);
    }
}

void AppSettings::setColorTheme(AppColorTheme value)
{
    if (assign(this, m_colorTheme, value, &AppSettings::colorThemeChanged)) {
        m_store.setString(kColorTheme, rawValue(value));
    }
}

void AppSettings::setPreferredLanguage(const QString& value)
{
    if (!assign(this, m_preferredLanguage, value, &AppSettings::preferredLanguageChanged)) {
        return;
    }
    m_store.setString(kPreferredLanguage, value);
    // The translator is chosen from this list at the next launch; without it the desktop's language applies.
    if (value == kSystemLanguage) {
        m_store.remove(kAppleLanguages);
    } else {
        m_store.setStringList(kAppleLanguages, {value});
    }
}

} // namespace ondrix
