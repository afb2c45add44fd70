#include "model/AppSettings.h"

#include "model/NotificationPermissionRequester.h"
#include "platform/PreferencesStore.h"

#include <algorithm>
#include <limits>

namespace ondrix {

namespace {

using Setting = AppSettings::Setting;

const QString kSystemLanguage = QStringLiteral("system");

const AppSettings::Key kKeys[] = {
    {Setting::launchAtLogin, QStringLiteral("launch_at_login"), false},
    {Setting::alwaysShowInDock, QStringLiteral("always_show_in_dock"), true},
    {Setting::preventSleepDuringDownloads, QStringLiteral("prevent_sleep_downloads"), false},
    {Setting::pauseResumeOnWake, QStringLiteral("pause_resume_on_wake"), true},
    {Setting::pauseOnHotspot, QStringLiteral("pause_on_hotspot"), false},
    {Setting::pauseOnNoInternet, QStringLiteral("pause_on_no_internet"), true},
    {Setting::diskSpaceWarningEnabled, QStringLiteral("disk_space_warning"), true},
    {Setting::diskSpaceThresholdGB, QStringLiteral("disk_space_threshold_gb"), 5},
    {Setting::notificationsEnabled, QStringLiteral("notifications_enabled"), true},
    {Setting::notifyMinFileCount, QStringLiteral("notify_min_file_count"), 10},
    {Setting::groupNotifications, QStringLiteral("group_notifications"), true},
    {Setting::notifyErrors, QStringLiteral("notify_errors"), true},
    {Setting::notifyErrorsAfterAttempts, QStringLiteral("notify_errors_after"), 3},
    {Setting::notifySchedulePauseResume, QStringLiteral("notify_schedule"), false},
    {Setting::playSoundOnDownload, QStringLiteral("play_sound"), true},
    {Setting::soundName, QStringLiteral("sound_name"), QStringLiteral("Submarine")},
    {Setting::metricsFile, QStringLiteral("metrics_file"), QString()},
    {Setting::colorTheme, QStringLiteral("color_theme"), QStringLiteral("brand")},
    {Setting::preferredLanguage, QStringLiteral("preferred_language"), kSystemLanguage},
};
static_assert(std::size(kKeys) == std::size_t(Setting::count));

} // namespace

const QString AppSettings::kLegacySleepBehavior = QStringLiteral("sleep_behavior");
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

const AppSettings::Key& AppSettings::key(Setting setting)
{
    return kKeys[std::size_t(setting)];
}

AppSettings::AppSettings(PreferencesStore& store, NotificationPermissionRequester* permissions,
                         QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_permissions(permissions)
{
    for (const Key& key : kKeys) {
        m_values[std::size_t(key.setting)] = load(key);
    }
    if (!m_store.contains(key(Setting::preventSleepDuringDownloads).name)) {
        m_values[std::size_t(Setting::preventSleepDuringDownloads)] =
            m_store.stringValue(kLegacySleepBehavior) == QLatin1String("preventSleep");
    }
    m_values[std::size_t(Setting::notifyMinFileCount)] = std::max(1, notifyMinFileCount());
    m_values[std::size_t(Setting::colorTheme)] = rawValue(colorTheme());
    // An accent colour from older versions would override the theme; it is dropped at every start.
    m_store.remove(kAppleAccentColor);
}

QVariant AppSettings::load(const Key& key) const
{
    switch (key.fallback.typeId()) {
    case QMetaType::Bool:
        // Presence, not truth, decides whether the default applies: a stored false stays false.
        return m_store.contains(key.name) ? m_store.boolValue(key.name) : key.fallback.toBool();
    case QMetaType::Int:
        if (!m_store.contains(key.name)) {
            return key.fallback;
        }
        return int(std::clamp<qint64>(m_store.integerValue(key.name), std::numeric_limits<int>::min(),
                                      std::numeric_limits<int>::max()));
    default: {
        // A key that holds no string (absent, or data of some kind) keeps the default.
        const QString stored = m_store.stringValue(key.name);
        return stored.isNull() ? key.fallback : QVariant(stored);
    }
    }
}

void AppSettings::store(Setting setting)
{
    const QString& name = key(setting).name;
    const QVariant& current = value(setting);
    switch (current.typeId()) {
    case QMetaType::Bool:
        m_store.setBool(name, current.toBool());
        break;
    case QMetaType::Int:
        m_store.setInteger(name, current.toInt());
        break;
    default:
        m_store.setString(name, current.toString());
        break;
    }
}

template <typename T, typename Signal>
bool AppSettings::assign(Setting setting, const T& next, Signal changed)
{
    QVariant& slot = m_values[std::size_t(setting)];
    if (slot == QVariant::fromValue(next)) {
        return false;
    }
    slot = QVariant::fromValue(next);
    Q_EMIT(this->*changed)(next);
    // The application shell registers the login item and remembers that choice itself.
    if (setting != Setting::launchAtLogin) {
        store(setting);
    }
    return true;
}

void AppSettings::setLaunchAtLogin(bool value)
{
    assign(Setting::launchAtLogin, value, &AppSettings::launchAtLoginChanged);
}

void AppSettings::setAlwaysShowInDock(bool value)
{
    assign(Setting::alwaysShowInDock, value, &AppSettings::alwaysShowInDockChanged);
}

void AppSettings::setPreventSleepDuringDownloads(bool value)
{
    assign(Setting::preventSleepDuringDownloads, value, &AppSettings::preventSleepDuringDownloadsChanged);
}

void AppSettings::setPauseResumeOnWake(bool value)
{
    assign(Setting::pauseResumeOnWake, value, &AppSettings::pauseResumeOnWakeChanged);
}

void AppSettings::setPauseOnHotspot(bool value)
{
    assign(Setting::pauseOnHotspot, value, &AppSettings::pauseOnHotspotChanged);
}

void AppSettings::setPauseOnNoInternet(bool value)
{
    assign(Setting::pauseOnNoInternet, value, &AppSettings::pauseOnNoInternetChanged);
}

void AppSettings::setDiskSpaceWarningEnabled(bool value)
{
    assign(Setting::diskSpaceWarningEnabled, value, &AppSettings::diskSpaceWarningEnabledChanged);
}

void AppSettings::setDiskSpaceThresholdGB(int value)
{
    assign(Setting::diskSpaceThresholdGB, value, &AppSettings::diskSpaceThresholdGBChanged);
}

void AppSettings::setNotificationsEnabled(bool value)
{
    if (assign(Setting::notificationsEnabled, value, &AppSettings::notificationsEnabledChanged) && value &&
        m_permissions) {
        m_permissions->requestNotificationPermission();
    }
}

void AppSettings::setNotifyMinFileCount(int value)
{
    // The floor of 1 applies when loading only; an assignment stores what it is given.
    assign(Setting::notifyMinFileCount, value, &AppSettings::notifyMinFileCountChanged);
}

void AppSettings::setGroupNotifications(bool value)
{
    assign(Setting::groupNotifications, value, &AppSettings::groupNotificationsChanged);
}

void AppSettings::setNotifyErrors(bool value)
{
    assign(Setting::notifyErrors, value, &AppSettings::notifyErrorsChanged);
}

void AppSettings::setNotifyErrorsAfterAttempts(int value)
{
    assign(Setting::notifyErrorsAfterAttempts, value, &AppSettings::notifyErrorsAfterAttemptsChanged);
}

void AppSettings::setNotifySchedulePauseResume(bool value)
{
    assign(Setting::notifySchedulePauseResume, value, &AppSettings::notifySchedulePauseResumeChanged);
}

void AppSettings::setPlaySoundOnDownload(bool value)
{
    assign(Setting::playSoundOnDownload, value, &AppSettings::playSoundOnDownloadChanged);
}

void AppSettings::setSoundName(const QString& value)
{
    assign(Setting::soundName, value, &AppSettings::soundNameChanged);
}

void AppSettings::setMetricsFile(const QString& value)
{
    assign(Setting::metricsFile, value, &AppSettings::metricsFileChanged);
}

void AppSettings::setColorTheme(AppColorTheme value)
{
    if (value == colorTheme()) {
        return;
    }
    m_values[std::size_t(Setting::colorTheme)] = rawValue(value);
    Q_EMIT colorThemeChanged(value);
    store(Setting::colorTheme);
}

void AppSettings::setPreferredLanguage(const QString& value)
{
    if (!assign(Setting::preferredLanguage, value, &AppSettings::preferredLanguageChanged)) {
        return;
    }
    // The translator is chosen from this list at the next launch; without it the desktop's language applies.
    if (value == kSystemLanguage) {
        m_store.remove(kAppleLanguages);
    } else {
        m_store.setStringList(kAppleLanguages, {value});
    }
}

} // namespace ondrix
