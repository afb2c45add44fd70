#include "model/AppSettings.h"

#include "model/NotificationPermissionRequester.h"
#include "platform/AppPaths.h"
#include "platform/PreferencesStore.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace ondrix;
using ondrix::test::TestEnvironment;

namespace {

class CountingPermissions : public NotificationPermissionRequester {
public:
    void requestNotificationPermission() override { ++requests; }
    int requests = 0;
};

using Setting = AppSettings::Setting;

QString keyOf(Setting setting)
{
    return AppSettings::key(setting).name;
}

struct Fixture {
    TestEnvironment env;
    PreferencesStore store{AppPaths::preferencesFile()};
    CountingPermissions permissions;
};

} // namespace

// Users' settings live under these names: a renamed key or a changed default would silently reset them. All
// but the login item (the shell keeps it) are stored and read back by the next start.
TEST(AppSettings, StoredKeyNamesAndDefaults)
{
    const struct {
        const char *property, *key;
        QVariant fallback, other;
    } golden[] = {
        {"launchAtLogin", "launch_at_login", false, true},
        {"alwaysShowInDock", "always_show_in_dock", true, false},
        {"preventSleepDuringDownloads", "prevent_sleep_downloads", false, true},
        {"pauseResumeOnWake", "pause_resume_on_wake", true, false},
        {"pauseOnHotspot", "pause_on_hotspot", false, true},
        {"pauseOnNoInternet", "pause_on_no_internet", true, false},
        {"diskSpaceWarningEnabled", "disk_space_warning", true, false},
        {"diskSpaceThresholdGB", "disk_space_threshold_gb", 5, 20},
        {"notificationsEnabled", "notifications_enabled", true, false},
        {"notifyMinFileCount", "notify_min_file_count", 10, 2},
        {"groupNotifications", "group_notifications", true, false},
        {"notifyErrors", "notify_errors", true, false},
        {"notifyErrorsAfterAttempts", "notify_errors_after", 3, 7},
        {"notifySchedulePauseResume", "notify_schedule", false, true},
        {"playSoundOnDownload", "play_sound", true, false},
        {"soundName", "sound_name", u"Submarine"_s, u"Glass"_s},
        {"metricsFile", "metrics_file", QString(), u"/m.prom"_s},
        {"colorTheme", "color_theme", QVariant::fromValue(AppColorTheme::brand),
         QVariant::fromValue(AppColorTheme::system)},
        {"preferredLanguage", "preferred_language", u"system"_s, u"fr"_s},
    };
    Fixture f;
    // An accent colour of older versions goes at every start; loading writes nothing else.
    f.store.setString(AppSettings::kAppleAccentColor, u"4"_s);
    AppSettings s(f.store, nullptr);
    EXPECT_FALSE(f.store.contains(AppSettings::kAppleAccentColor));
    const QMetaObject& meta = AppSettings::staticMetaObject;
    ASSERT_EQ(std::size(golden), std::size_t(meta.propertyCount() - meta.propertyOffset()));
    for (const auto& g : golden) {
        SCOPED_TRACE(g.key);
        EXPECT_EQ(keyOf(Setting(meta.indexOfProperty(g.property) - meta.propertyOffset())),
                  QLatin1String(g.key));
        EXPECT_FALSE(f.store.contains(QLatin1String(g.key)));
        EXPECT_EQ(s.property(g.property), g.fallback);
        ASSERT_TRUE(s.setProperty(g.property, g.other));
        const bool stored = g.key != std::string_view("launch_at_login");
        EXPECT_EQ(f.store.contains(QLatin1String(g.key)), stored);
        EXPECT_EQ(AppSettings(f.store, nullptr).property(g.property), stored ? g.other : g.fallback);
    }
}

TEST(AppSettings, SleepPreventionFallsBackToTheLegacyKey)
{
    const std::tuple<std::optional<bool>, const char*, bool> cases[] = {{std::nullopt, "preventSleep", true},
                                                                        {std::nullopt, "allowSleep", false},
                                                                        {std::nullopt, "preventsleep", false},
                                                                        {false, "preventSleep", false}};
    for (const auto& [current, legacy, loaded] : cases) {
        Fixture f;
        if (current) {
            f.store.setBool(keyOf(Setting::preventSleepDuringDownloads), *current);
        }
        f.store.setString(AppSettings::kLegacySleepBehavior, QString::fromLatin1(legacy));
        AppSettings s(f.store, nullptr);
        EXPECT_EQ(s.preventSleepDuringDownloads(), loaded) << legacy;
        s.setPreventSleepDuringDownloads(!loaded);
        EXPECT_EQ(f.store.stringValue(AppSettings::kLegacySleepBehavior), QString::fromLatin1(legacy))
            << "the legacy key is never touched";
        EXPECT_EQ(f.store.boolValue(keyOf(Setting::preventSleepDuringDownloads)), !loaded);
    }
}

// A stored value wins over the default even where it reads as false; a theme this version does not know
// falls back to the default; a minimum file count below one is raised on load only. An assignment notifies
// once, before it writes, with its side effects.
TEST(AppSettings, StoredValuesWinAndAssignmentsNotifyOnceThenWrite)
{
    Fixture f;
    f.store.setBool(keyOf(Setting::alwaysShowInDock), false);
    f.store.setString(keyOf(Setting::playSoundOnDownload), u"NO"_s);
    f.store.setDouble(keyOf(Setting::diskSpaceThresholdGB), 12.9);
    f.store.setInteger(keyOf(Setting::notifyErrorsAfterAttempts), -2);
    f.store.setString(keyOf(Setting::colorTheme), u"dark"_s);
    f.store.setInteger(keyOf(Setting::notifyMinFileCount), 0);
    f.store.setBool(keyOf(Setting::notificationsEnabled), false);
    AppSettings s(f.store, &f.permissions);
    EXPECT_FALSE(s.alwaysShowInDock());
    EXPECT_FALSE(s.playSoundOnDownload());
    EXPECT_EQ(s.diskSpaceThresholdGB(), 12);
    EXPECT_EQ(s.notifyErrorsAfterAttempts(), -2);
    EXPECT_EQ(s.colorTheme(), AppColorTheme::brand);
    EXPECT_EQ(s.notifyMinFileCount(), 1);
    s.setNotifyMinFileCount(0);
    EXPECT_EQ(s.notifyMinFileCount(), 0);
    EXPECT_EQ(AppSettings(f.store, nullptr).notifyMinFileCount(), 1);
    EXPECT_EQ(f.store.integerValue(keyOf(Setting::notifyMinFileCount)), 0);

    // Observers run before the write: they still find the old value in the store.
    std::optional<bool> storedDuringSignal;
    int changes = 0;
    QObject::connect(&s, &AppSettings::pauseOnHotspotChanged, [&] {
        ++changes;
        storedDuringSignal = f.store.contains(keyOf(Setting::pauseOnHotspot));
    });
    s.setPauseOnHotspot(true);
    s.setPauseOnHotspot(true);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(storedDuringSignal, false);
    EXPECT_TRUE(f.store.boolValue(keyOf(Setting::pauseOnHotspot)));

    s.setNotificationsEnabled(true);
    s.setNotificationsEnabled(false);
    EXPECT_EQ(f.permissions.requests, 1);

    // The language choice is mirrored for the next launch, and "system" removes the mirror.
    s.setPreferredLanguage(u"de"_s);
    EXPECT_EQ(f.store.stringListValue(AppSettings::kAppleLanguages), QStringList{u"de"_s});
    s.setPreferredLanguage(u"system"_s);
    EXPECT_EQ(f.store.stringValue(keyOf(Setting::preferredLanguage)), u"system"_s);
    EXPECT_FALSE(f.store.contains(AppSettings::kAppleLanguages));
}
