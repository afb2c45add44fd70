#include "model/AppSettings.h"

#include "model/NotificationPermissionRequester.h"
#include "platform/AppPaths.h"
#include "platform/PreferencesStore.h"
#include "support/TestEnvironment.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace ondrix;
using ondrix::test::TestEnvironment;

namespace {

class CountingPermissions : public NotificationPermissionRequester {
public:
    void requestNotificationPermission() override { ++requests; }
    int requests = 0;
};

struct Fixture {
    TestEnvironment env;
    PreferencesStore store{AppPaths::preferencesFile()};
    CountingPermissions permissions;
};

} // namespace

TEST(AppSettings, FreshStoreGivesDefaultsAndDropsAccentColour)
{
    Fixture f;
    f.store.setString(AppSettings::kAppleAccentColor, QStringLiteral("4"));
    AppSettings s(f.store, &f.permissions);
    EXPECT_TRUE(s.alwaysShowInDock());
    EXPECT_FALSE(f.store.contains(AppSettings::kAppleAccentColor));
    // Loading writes nothing back.
    EXPECT_FALSE(f.store.contains(AppSettings::kAlwaysShowInDock));
    EXPECT_EQ(f.permissions.requests, 0);
}

TEST(AppSettings, StoredValuesLoadByPresenceAndConversion)
{
    Fixture f;
    // A stored false keeps a true-default off, whatever type it was stored as.
    f.store.setBool(AppSettings::kAlwaysShowInDock, false);
    f.store.setInteger(AppSettings::kPauseResumeOnWake, 0);
    f.store.setString(AppSettings::kPlaySound, QStringLiteral("NO"));
    f.store.setData(AppSettings::kGroupNotifications, "1");
    f.store.setString(AppSettings::kPauseOnHotspot, QStringLiteral("yes"));
    f.store.setDouble(AppSettings::kDiskSpaceThresholdGB, 12.9);
    f.store.setInteger(AppSettings::kNotifyErrorsAfter, -2);
    f.store.setString(AppSettings::kColorTheme, QStringLiteral("dark"));
    f.store.setString(AppSettings::kSoundName, QStringLiteral("Custom"));
    f.store.setString(AppSettings::kPreferredLanguage, QStringLiteral("fr"));
    AppSettings s(f.store, &f.permissions);
    EXPECT_FALSE(s.alwaysShowInDock());
    EXPECT_FALSE(s.pauseResumeOnWake());
    EXPECT_FALSE(s.playSoundOnDownload());
    EXPECT_FALSE(s.groupNotifications());
    EXPECT_TRUE(s.pauseOnHotspot());
    EXPECT_EQ(s.diskSpaceThresholdGB(), 12);
    EXPECT_EQ(s.notifyErrorsAfterAttempts(), -2);
    EXPECT_EQ(s.colorTheme(), AppColorTheme::brand);
    EXPECT_EQ(s.soundName(), QStringLiteral("Custom"));
    EXPECT_EQ(s.preferredLanguage(), QStringLiteral("fr"));
}

TEST(AppSettings, MinimumFileCountIsRaisedToOneOnLoadOnly)
{
    const struct {
        qint64 stored;
        int loaded;
    } cases[] = {{0, 1}, {-7, 1}, {1, 1}, {25, 25}};
    for (const auto& c : cases) {
        Fixture f;
        f.store.setInteger(AppSettings::kNotifyMinFileCount, c.stored);
        AppSettings s(f.store, nullptr);
        EXPECT_EQ(s.notifyMinFileCount(), c.loaded) << c.stored;
        s.setNotifyMinFileCount(0);
        EXPECT_EQ(s.notifyMinFileCount(), 0);
        EXPECT_EQ(f.store.integerValue(AppSettings::kNotifyMinFileCount), 0);
        EXPECT_TRUE(f.store.contains(AppSettings::kNotifyMinFileCount));
    }
}

TEST(AppSettings, SleepPreventionFallsBackToTheLegacyKey)
{
    const struct {
        std::optional<bool> current;
        std::optional<QString> legacy;
        bool loaded;
    } cases[] = {
        {std::nullopt, QStringLiteral("preventSleep"), true},
        {std::nullopt, QStringLiteral("allowSleep"), false},
        {std::nullopt, QStringLiteral("preventsleep"), false},
        {false, QStringLiteral("preventSleep"), false},
    };
    for (const auto& c : cases) {
        Fixture f;
        if (c.current) {
            f.store.setBool(AppSettings::kPreventSleepDownloads, *c.current);
        }
        if (c.legacy) {
            f.store.setString(AppSettings::kLegacySleepBehavior, *c.legacy);
        }
        AppSettings s(f.store, nullptr);
        EXPECT_EQ(s.preventSleepDuringDownloads(), c.loaded)
            << c.legacy.value_or(QStringLiteral("-")).toStdString();
        // The legacy key is never touched.
        EXPECT_EQ(f.store.contains(AppSettings::kLegacySleepBehavior), c.legacy.has_value());
        s.setPreventSleepDuringDownloads(!c.loaded);
        EXPECT_EQ(f.store.contains(AppSettings::kLegacySleepBehavior), c.legacy.has_value());
        EXPECT_EQ(f.store.boolValue(AppSettings::kPreventSleepDownloads), !c.loaded);
    }
}

TEST(AppSettings, AssignmentNotifiesThenWritesOnlyOnChange)
{
    Fixture f;
    AppSettings s(f.store, &f.permissions);

    // Observers run before the write: they still find the old value in the store.
    std::optional<bool> storedDuringSignal;
    QObject::connect(&s, &AppSettings::pauseOnHotspotChanged,
                     [&] { storedDuringSignal = f.store.contains(AppSettings::kPauseOnHotspot); });
    QSignalSpy spy(&s, &AppSettings::pauseOnHotspotChanged);
    s.setPauseOnHotspot(true);
    s.setPauseOnHotspot(true);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(storedDuringSignal, false);
    EXPECT_TRUE(f.store.boolValue(AppSettings::kPauseOnHotspot));

    s.setColorTheme(AppColorTheme::system);
    s.setSoundName(QStringLiteral("Glass"));
    s.setDiskSpaceThresholdGB(20);

    // The login item is the shell's business: the flag changes, the key is not written.
    QSignalSpy loginSpy(&s, &AppSettings::launchAtLoginChanged);
    s.setLaunchAtLogin(true);
    EXPECT_TRUE(s.launchAtLogin());
    EXPECT_EQ(loginSpy.count(), 1);
    EXPECT_FALSE(f.store.contains(AppSettings::kLaunchAtLogin));

    AppSettings reloaded(f.store, nullptr);
    EXPECT_TRUE(reloaded.pauseOnHotspot());
    EXPECT_EQ(reloaded.colorTheme(), AppColorTheme::system);
    EXPECT_EQ(reloaded.soundName(), QStringLiteral("Glass"));
    EXPECT_EQ(reloaded.diskSpaceThresholdGB(), 20);
    EXPECT_FALSE(reloaded.launchAtLogin());
}

TEST(AppSettings, NotificationSwitchAsksPermissionAndLanguageIsMirrored)
{
    Fixture f;
    f.store.setBool(AppSettings::kNotificationsEnabled, false);
    AppSettings s(f.store, &f.permissions);
    s.setNotificationsEnabled(true);
    s.setNotificationsEnabled(false);
    EXPECT_EQ(f.permissions.requests, 1);

    // The language choice is mirrored for the next launch, and "system" removes the mirror.
    s.setPreferredLanguage(QStringLiteral("de"));
    EXPECT_EQ(f.store.stringListValue(AppSettings::kAppleLanguages), QStringList{QStringLiteral("de")});
    s.setPreferredLanguage(QStringLiteral("system"));
    EXPECT_EQ(f.store.stringValue(AppSettings::kPreferredLanguage), QStringLiteral("system"));
    EXPECT_FALSE(f.store.contains(AppSettings::kAppleLanguages));
}
