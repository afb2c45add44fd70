#include "ui/settings/SettingsView.h"

#include "app/LaunchAtLogin.h"
#include "model/AppSettings.h"
#include "platform/XdgAutostartLoginItem.h"
#include "supervision/ConnectionsManager.h"
#include "support/EngineTestServices.h"
#include "support/ui/UiTestSupport.h"
#include "ui/common/SettingsNavigation.h"
#include "ui/connections/ConnectionsSettingsView.h"
#include "ui/settings/GeneralSettingsTab.h"
#include "ui/settings/NotificationsSettingsTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace ondrix;
using namespace ondrix::test;

namespace {

class SettingsViewTest : public EngineTestFixture {
protected:
    std::unique_ptr<AppSettings> reloaded() { return std::make_unique<AppSettings>(store, nullptr); }

    ConnectionsManager manager{services, nullptr, nullptr};
    SettingsNavigation navigation;
    FakeDialogs dialogs;
    XdgAutostartLoginItem loginItem{u"io.ondrix.Ondrix"_s, u"Ondrix"_s, u"/usr/bin/ondrix"_s};
    LaunchAtLogin launchAtLogin{loginItem, &log};
};

} // namespace

// Follows navigation on any tab; controls are bound both ways, stored at once, and wait for their switch.
TEST_F(SettingsViewTest, FollowsNavigationAndEveryControlIsBoundBothWaysAndStoredAtOnce)
{
    QIcon::setThemeSearchPaths({u"/usr/share/icons"_s});
    QIcon::setThemeName(u"Adwaita"_s);
    // The login item follows the setting, as the shell connects it.
    QObject::connect(&settings, &AppSettings::launchAtLoginChanged,
                     [this](bool on) { launchAtLogin.setEnabled(on); });
    settings.setDiskSpaceThresholdGB(7); // a value the picker does not offer stays what it is
    const PushConnection first{.name = u"Studio"_s}, second{.name = u"Backup Server"_s};
    manager.setConnections({first, second});
    SettingsView view(
        SettingsView::Context{manager, settings, store, navigation, sounds, dialogs, pool, &log});
    view.resize(800, 650);
    QTabWidget* tabs = view.tabWidget();
    EXPECT_EQ(view.selectedTab(), SettingsTab::connections);
    view.show();

    // The user moves to General by hand; the popover then asks for a connection.
    tabs->setCurrentIndex(0);
    EXPECT_EQ(view.selectedTab(), SettingsTab::general);
    EXPECT_EQ(navigation.tab(), SettingsTab::connections) << "a choice by hand is the view's own";
    auto* connectionsTab = qobject_cast<ConnectionsSettingsView*>(view.page(SettingsTab::connections));
    navigation.navigate(SettingsTab::connections, second.id);
    EXPECT_EQ(view.selectedTab(), SettingsTab::connections);
    EXPECT_EQ(connectionsTab->selectedConnectionId(), std::optional<QUuid>(second.id));

    // The same request again after the user left the tab and picked another connection still brings it back.
    connectionsTab->selectConnection(first.id);
    tabs->setCurrentIndex(1);
    navigation.navigate(SettingsTab::connections, second.id);
    EXPECT_EQ(view.selectedTab(), SettingsTab::connections);
    EXPECT_EQ(connectionsTab->selectedConnectionId(), std::optional<QUuid>(second.id));
    navigation.setTab(SettingsTab::notifications);
    EXPECT_EQ(view.selectedTab(), SettingsTab::notifications);

    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        QCoreApplication::processEvents(); // lay the page out as a person would see it
        saveScreenshot(&view, u"settings-"_s + tabs->tabText(tab).toLower());
    }
    EXPECT_EQ(controlsWithoutAccessibleName(&view).join(u", "_s), QString());

    // Linux words: no other platform's names, no other product.
    for (const QString& text : visibleTexts(&view))
        EXPECT_FALSE(text.contains(QRegularExpression(u"Mac|Dock|Tarvik"_s))) << text.toStdString();

    auto* general = qobject_cast<GeneralSettingsTab*>(view.page(SettingsTab::general));

    QComboBox* threshold = general->diskSpaceThresholdPicker();
    EXPECT_EQ(threshold->currentText(), u"7 GB"_s);
    threshold->setCurrentIndex(threshold->findText(u"10 GB"_s));
    EXPECT_EQ(reloaded()->diskSpaceThresholdGB(), 10);

    // The free-space picker waits for its switch, also when the switch changes elsewhere.
    general->diskSpaceWarningToggle()->click();
    EXPECT_FALSE(reloaded()->diskSpaceWarningEnabled());
    EXPECT_FALSE(threshold->isEnabledTo(general));
    settings.setDiskSpaceWarningEnabled(true);
    EXPECT_TRUE(general->diskSpaceWarningToggle()->isChecked());
    EXPECT_TRUE(threshold->isEnabledTo(general));

    general->colorThemePicker()->setCurrentIndex(1);
    EXPECT_EQ(reloaded()->colorTheme(), AppColorTheme::system);
    settings.setColorTheme(AppColorTheme::brand);
    EXPECT_EQ(general->colorThemePicker()->currentText(), u"App color"_s);

    QComboBox* language = general->languagePicker();
    language->setCurrentIndex(language->findData(u"de"_s));
    EXPECT_EQ(reloaded()->preferredLanguage(), u"de"_s);
    EXPECT_TRUE(visibleTexts(general).contains(u"Restart Ondrix to apply the language change."_s));

    QLineEdit* metrics = general->metricsFileField();
    metrics->setText(u" /srv/textfile/ondrix.prom "_s);
    Q_EMIT metrics->editingFinished();
    EXPECT_EQ(reloaded()->metricsFile(), u"/srv/textfile/ondrix.prom"_s);
    settings.setMetricsFile({});
    EXPECT_TRUE(metrics->text().isEmpty());

    QCheckBox* login = general->launchAtLoginToggle();
    const QString entry = loginItem.entryPath();
    login->click();
    EXPECT_TRUE(QFile::exists(entry));
    settings.setLaunchAtLogin(false);
    EXPECT_FALSE(login->isChecked());
    EXPECT_FALSE(QFile::exists(entry));
    // A desktop that cannot take the entry: the person who flipped the switch reads why in the log.
    QDir(env.configHome() + u"/autostart"_s).removeRecursively();
    env.writeFile(u"config/autostart"_s, "a file where the folder belongs");
    login->click();
    EXPECT_FALSE(QFile::exists(entry));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !log.entries().isEmpty(); }));
    EXPECT_EQ(log.entries().constLast().level, LogEntry::LogLevel::warning);

    auto* page = qobject_cast<NotificationsSettingsTab*>(view.page(SettingsTab::notifications));
    QSpinBox* minFiles = page->minFileCountStepper();
    EXPECT_EQ(minFiles->accessibleName(), u"Only if 10 or more files"_s);
    minFiles->setValue(0);
    minFiles->stepDown();
    EXPECT_EQ(reloaded()->notifyMinFileCount(), 1);
    minFiles->setValue(51);
    minFiles->stepUp();
    EXPECT_EQ(reloaded()->notifyMinFileCount(), 50);

    QSpinBox* failures = page->errorsAfterStepper();
    failures->setValue(0);
    EXPECT_EQ(reloaded()->notifyErrorsAfterAttempts(), 1);
    EXPECT_EQ(failures->accessibleName(), u"After 1 failure"_s) << "the words follow the value";
    failures->setValue(11);
    failures->stepUp();
    EXPECT_EQ(reloaded()->notifyErrorsAfterAttempts(), 10);
    EXPECT_EQ(failures->accessibleName(), u"After 10 consecutive failures"_s);
    settings.setNotifyErrorsAfterAttempts(4);
    EXPECT_EQ(failures->value(), 4);

    page->notificationsToggle()->click();
    EXPECT_FALSE(reloaded()->notificationsEnabled());
    EXPECT_FALSE(minFiles->isEnabledTo(page) || page->groupToggle()->isEnabledTo(page));
    page->errorsToggle()->click();
    EXPECT_FALSE(failures->isEnabledTo(page));
    settings.setNotifyErrors(true);
    EXPECT_TRUE(failures->isEnabledTo(page));

    QComboBox* sound = page->soundPicker();
    sound->setCurrentIndex(sound->findText(u"Pop"_s));
    EXPECT_EQ(reloaded()->soundName(), u"Pop"_s);
    page->previewButton()->click();
    EXPECT_EQ(sounds.played, QStringList({u"Pop"_s}));
    page->soundToggle()->click();
    EXPECT_FALSE(reloaded()->playSoundOnDownload());
    EXPECT_FALSE(page->previewButton()->isEnabledTo(page) || sound->isEnabledTo(page));

    view.setSelectedTab(SettingsTab::notifications);
    QCoreApplication::processEvents();
    saveScreenshot(&view, u"settings-notifications-switched-off"_s);
}
