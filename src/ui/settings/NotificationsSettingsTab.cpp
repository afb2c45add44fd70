#include "ui/settings/NotificationsSettingsTab.h"

#include "model/AppSettings.h"
#include "platform/SoundPlayer.h"
#include "ui/settings/SettingsBinding.h"
#include "ui/settings/SettingsSection.h"
#include "ui/settings/SettingsStepper.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ondrix {

using namespace settingsbinding;

namespace {

template <typename Getter, typename Setter, typename Signal>
void bindStepper(QSpinBox* spinBox, AppSettings& settings, Getter get, Setter set, Signal changed)
{
    spinBox->setValue((settings.*get)());
    QObject::connect(spinBox, &QSpinBox::valueChanged, spinBox,
                     [&settings, set](int value) { (settings.*set)(value); });
    QObject::connect(&settings, changed, spinBox, [spinBox](int value) {
        const QSignalBlocker blocker(spinBox);
        spinBox->setValue(value);
    });
}

} // namespace

NotificationsSettingsTab::NotificationsSettingsTab(AppSettings& settings, SoundPlayer& sounds,
                                                   QWidget* parent)
    : QScrollArea(parent)
{
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    verticalScrollBar()->setAccessibleName(tr("Scroll the notification settings"));
    horizontalScrollBar()->setAccessibleName(tr("Scroll the notification settings sideways"));
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setSpacing(6);

    auto* uploads = new SettingsSection(tr("Upload Notifications"), page);
    m_notifications = uploads->addToggle(tr("Notify when uploads complete"));
    bindToggle(m_notifications, settings, &AppSettings::notificationsEnabled,
               &AppSettings::setNotificationsEnabled, &AppSettings::notificationsEnabledChanged);
    auto* minFileCount = new SettingsStepper([](int n) { return tr("Only if %n or more files", nullptr, n); },
                                             1, kMinFileCountMaximum);
    m_minFileCount = minFileCount->spinBox();
    bindStepper(m_minFileCount, settings, &AppSettings::notifyMinFileCount,
                &AppSettings::setNotifyMinFileCount, &AppSettings::notifyMinFileCountChanged);
    uploads->addRow({}, {minFileCount});
    m_group = uploads->addToggle(tr("Group notifications (summary instead of file list)"));
    bindToggle(m_group, settings, &AppSettings::groupNotifications, &AppSettings::setGroupNotifications,
               &AppSettings::groupNotificationsChanged);
    enableWhile(m_notifications, minFileCount, m_group);
    layout->addWidget(uploads);

    auto* errors = new SettingsSection(tr("Error Notifications"), page);
    m_errors = errors->addToggle(tr("Notify on connection errors"));
    bindToggle(m_errors, settings, &AppSettings::notifyErrors, &AppSettings::setNotifyErrors,
               &AppSettings::notifyErrorsChanged);
    auto* errorsAfter = new SettingsStepper(
        [](int n) {
            return n == 1 ? tr("After 1 failure") : tr("After %n consecutive failures", nullptr, n);
        },
        1, kErrorsAfterMaximum);
    m_errorsAfter = errorsAfter->spinBox();
    bindStepper(m_errorsAfter, settings, &AppSettings::notifyErrorsAfterAttempts,
                &AppSettings::setNotifyErrorsAfterAttempts, &AppSettings::notifyErrorsAfterAttemptsChanged);
    errors->addRow({}, {errorsAfter});
    enableWhile(m_errors, errorsAfter);
    layout->addWidget(errors);

    auto* sound = new SettingsSection(tr("Sound"), page);
    m_sound = sound->addToggle(tr("Play sound on upload"));
    bindToggle(m_sound, settings, &AppSettings::playSoundOnDownload, &AppSettings::setPlaySoundOnDownload,
               &AppSettings::playSoundOnDownloadChanged);
    m_soundName = new QComboBox;
    m_soundName->setAccessibleName(tr("Sound"));
    for (const QString& name : SoundPlayer::soundNames()) {
        m_soundName->addItem(name, name); // names of sounds, as the sound files are named
    }
    bindPicker<QString>(m_soundName, settings, &AppSettings::soundName, &AppSettings::setSoundName,
                        &AppSettings::soundNameChanged, [](const QString& name) { return name; });
    m_preview = new QPushButton(tr("Preview"));
    m_preview->setAccessibleName(tr("Preview the sound"));
    connect(m_preview, &QPushButton::clicked, this,
            [this, &sounds] { sounds.play(m_soundName->currentData().toString()); });
    QWidget* soundRow = sound->addRow(tr("Sound"), {m_soundName, m_preview});
    enableWhile(m_sound, soundRow);
    layout->addWidget(sound);

    auto* schedule = new SettingsSection(tr("Schedule Notifications"), page);
    bindToggle(schedule->addToggle(tr("Notify when connections pause/resume by schedule")), settings,
               &AppSettings::notifySchedulePauseResume, &AppSettings::setNotifySchedulePauseResume,
               &AppSettings::notifySchedulePauseResumeChanged);
    layout->addWidget(schedule);

    layout->addStretch(1);
    setWidget(page);
}

} // namespace ondrix
