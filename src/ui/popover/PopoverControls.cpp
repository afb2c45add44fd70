#include "ui/popover/PopoverControls.h"

#include "model/AppSettings.h"
#include "supervision/ConnectionsManager.h"
#include "ui/popover/PopoverStyle.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace ondrix {

using namespace PopoverStyle;

PopoverControls::PopoverControls(ConnectionsManager& manager, AppSettings& settings, QWidget* parent)
    : QWidget(parent)
    , m_manager(manager)
    , m_settings(settings)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(kSideMargin, 8, kSideMargin, 8);
    row->setSpacing(6);
    const auto button = [&](const QString& text, PopoverSymbol symbol) {
        auto* b = new QPushButton(text, this);
        setSymbolIcon(b, symbol);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        row->addWidget(b);
        return b;
    };
    m_uploadNow = button(tr("Upload Now"), PopoverSymbol::upload);
    m_uploadNow->setToolTip(tr("Rescan every running connection now and retry failed files at once"));
    m_uploadNow->setAccessibleDescription(m_uploadNow->toolTip());
    connect(m_uploadNow, &QPushButton::clicked, this, [this] { m_manager.uploadNow(); });
    m_pause = button(tr("Pause"), PopoverSymbol::pause);
    connect(m_pause, &QPushButton::clicked, this, [this] {
        if (m_manager.pauseReasons().holds(PauseReasons::Reason::user)) {
            m_manager.resumeAll();
        } else {
            m_manager.pauseAll();
        }
    });
    m_mute = button(tr("Mute"), PopoverSymbol::soundOn);
    connect(m_mute, &QPushButton::clicked, this,
            [this] { m_settings.setPlaySoundOnDownload(!m_settings.playSoundOnDownload()); });
}

void PopoverControls::refresh()
{
    const bool paused = m_manager.pauseReasons().holds(PauseReasons::Reason::user);
    m_pause->setText(paused ? tr("Resume") : tr("Pause"));
    setSymbolIcon(m_pause, paused ? PopoverSymbol::play : PopoverSymbol::pause);
    const bool sound = m_settings.playSoundOnDownload();
    m_mute->setText(sound ? tr("Mute") : tr("Unmute"));
    setSymbolIcon(m_mute, sound ? PopoverSymbol::soundOn : PopoverSymbol::soundOff);
}

} // namespace ondrix
