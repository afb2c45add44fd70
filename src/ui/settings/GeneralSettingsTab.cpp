#include "ui/settings/GeneralSettingsTab.h"

#include "model/AppSettings.h"
#include "ui/settings/InterfaceLanguage.h"
#include "ui/settings/SettingsBinding.h"
#include "ui/settings/SettingsSection.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>

namespace ondrix {

using namespace settingsbinding;

GeneralSettingsTab::GeneralSettingsTab(AppSettings& settings, QWidget* parent)
    : QScrollArea(parent)
{
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    verticalScrollBar()->setAccessibleName(tr("Scroll the general settings"));
    horizontalScrollBar()->setAccessibleName(tr("Scroll the general settings sideways"));
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setSpacing(6);

    auto* startup = new SettingsSection(tr("Startup"), page);
    m_launchAtLogin = startup->addToggle(tr("Launch Ondrix when I log in"));
    bindToggle(m_launchAtLogin, settings, &AppSettings::launchAtLogin, &AppSettings::setLaunchAtLogin,
               &AppSettings::launchAtLoginChanged);
    QCheckBox* taskbar = startup->addToggle(
        tr("Always show in the taskbar"),
        tr("When disabled, Ondrix only appears in the taskbar while one of its windows is open."));
    bindToggle(taskbar, settings, &AppSettings::alwaysShowInDock, &AppSettings::setAlwaysShowInDock,
               &AppSettings::alwaysShowInDockChanged);
    layout->addWidget(startup);

    auto* sleep = new SettingsSection(tr("Sleep Behavior"), page);
    bindToggle(sleep->addToggle(tr("Prevent sleep during uploads"),
                                tr("Sleep is only prevented while files are actively uploading. Normal sleep "
                                   "resumes when idle.")),
               settings, &AppSettings::preventSleepDuringDownloads,
               &AppSettings::setPreventSleepDuringDownloads,
               &AppSettings::preventSleepDuringDownloadsChanged);
    bindToggle(
        sleep->addToggle(tr("Pause and resume on wake"),
                         tr("If the computer sleeps anyway (battery, lid close), transfers will pause and "
                            "resume automatically on wake.")),
        settings, &AppSettings::pauseResumeOnWake, &AppSettings::setPauseResumeOnWake,
        &AppSettings::pauseResumeOnWakeChanged);
    layout->addWidget(sleep);

    auto* network = new SettingsSection(tr("Network"), page);
    bindToggle(network->addToggle(tr("Pause when on mobile hotspot")), settings, &AppSettings::pauseOnHotspot,
               &AppSettings::setPauseOnHotspot, &AppSettings::pauseOnHotspotChanged);
    bindToggle(network->addToggle(tr("Pause when internet is unavailable")), settings,
               &AppSettings::pauseOnNoInternet, &AppSettings::setPauseOnNoInternet,
               &AppSettings::pauseOnNoInternetChanged);
    layout->addWidget(network);

    auto* disk = new SettingsSection(tr("Disk Space"), page);
    m_diskSpaceWarning = disk->addToggle(tr("Warn and pause if disk space is low"));
    bindToggle(m_diskSpaceWarning, settings, &AppSettings::diskSpaceWarningEnabled,
               &AppSettings::setDiskSpaceWarningEnabled, &AppSettings::diskSpaceWarningEnabledChanged);
    m_diskSpaceThreshold = new QComboBox;
    m_diskSpaceThreshold->setAccessibleName(tr("Minimum free space"));
    const auto gigabytes = [](int value) { return tr("%1 GB").arg(value); };
    for (int value : {1, 5, 10, 20}) {
        m_diskSpaceThreshold->addItem(gigabytes(value), value);
    }
    bindPicker<int>(m_diskSpaceThreshold, settings, &AppSettings::diskSpaceThresholdGB,
                    &AppSettings::setDiskSpaceThresholdGB, &AppSettings::diskSpaceThresholdGBChanged,
                    gigabytes);
    QWidget* thresholdRow = disk->addRow(tr("Minimum free space"), {m_diskSpaceThreshold});
    enableWhile(m_diskSpaceWarning, thresholdRow);
    layout->addWidget(disk);

    auto* appearance = new SettingsSection(tr("Appearance"), page);
    m_colorTheme = new QComboBox;
    m_colorTheme->setAccessibleName(tr("Color theme"));
    m_colorTheme->addItem(tr("App color"), QVariant::fromValue(AppColorTheme::brand));
    m_colorTheme->addItem(tr("System color"), QVariant::fromValue(AppColorTheme::system));
    bindPicker<AppColorTheme>(m_colorTheme, settings, &AppSettings::colorTheme, &AppSettings::setColorTheme,
                              &AppSettings::colorThemeChanged, [](AppColorTheme) { return tr("App color"); });
    appearance->addRow(tr("Color theme"), {m_colorTheme});
    appearance->addCaption(
        tr("App color uses Ondrix's signature purple for selections, switches and links in "
           "its windows, so they are easy to recognise. System color follows your "
           "desktop's accent color."));
    layout->addWidget(appearance);

    auto* language = new SettingsSection(tr("Language"), page);
    m_language = new QComboBox;
    m_language->setAccessibleName(tr("Language"));
    for (const InterfaceLanguage& offered : InterfaceLanguage::offered()) {
        m_language->addItem(offered.name, offered.code);
    }
    bindPicker<QString>(m_language, settings, &AppSettings::preferredLanguage,
                        &AppSettings::setPreferredLanguage, &AppSettings::preferredLanguageChanged,
                        [](const QString& code) { return code; });
    language->addRow(tr("Language"), {m_language});
    language->addCaption(tr("Restart Ondrix to apply the language change."));
    layout->addWidget(language);

    // For machines watched by Prometheus: node_exporter's textfile collector reads the file.
    auto* monitoring = new SettingsSection(tr("Monitoring"), page);
    m_metricsFile = new QLineEdit(settings.metricsFile());
    m_metricsFile->setAccessibleName(tr("Metrics file"));
    m_metricsFile->setMinimumWidth(360);
    m_metricsFile->setPlaceholderText(QStringLiteral("/var/lib/prometheus/node-exporter/ondrix.prom"));
    connect(m_metricsFile, &QLineEdit::editingFinished, this,
            [this, &settings] { settings.setMetricsFile(m_metricsFile->text().trimmed()); });
    connect(&settings, &AppSettings::metricsFileChanged, m_metricsFile, [this](const QString& path) {
        if (m_metricsFile->text().trimmed() != path) {
            m_metricsFile->setText(path);
        }
    });
    monitoring->addRow(tr("Metrics file"), {m_metricsFile});
    monitoring->addCaption(tr("Ondrix keeps its counters in this file in Prometheus text format, rewritten "
                              "every 10 seconds. Leave it empty to write none."));
    layout->addWidget(monitoring);

    layout->addStretch(1);
    setWidget(page);
}

} // namespace ondrix
