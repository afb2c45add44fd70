#include "ui/popover/PopoverHeader.h"

#include "engine/ConnectionEngine.h"
#include "model/AppSettings.h"
#include "supervision/ConnectionsManager.h"
#include "ui/popover/MenuBarPresentation.h"
#include "ui/popover/PopoverIcons.h"
#include "ui/popover/PopoverStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace ondrix {

using P = MenuBarPresentation;
using namespace PopoverStyle;

PopoverHeader::PopoverHeader(ConnectionsManager& manager, AppSettings& settings, QWidget* parent)
    : QWidget(parent)
    , m_manager(manager)
    , m_settings(settings)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* header = new QWidget(this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(kSideMargin, 10, kSideMargin, 8);
    row->setSpacing(6);
    auto* logo = new QLabel(header);
    logo->setFixedSize(20, 20);
    logo->setPixmap(PopoverIcons::pixmap(
        PopoverSymbol::logo, PopoverIcons::colour(PopoverTone::blue, palette()), 20, devicePixelRatioF()));
    row->addWidget(logo);
    auto* title = new QLabel(tr("Ondrix"), header);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.1);
    title->setFont(bold);
    row->addWidget(title);
    row->addStretch(1);
    m_dot = new QLabel(header);
    m_dot->setFixedSize(8, 8);
    row->addWidget(m_dot);
    m_status = secondaryLabel(QString(), header);
    row->addWidget(m_status);
    column->addWidget(header);

    m_banner = new QWidget(this);
    auto* banner = new QHBoxLayout(m_banner);
    banner->setContentsMargins(kSideMargin, 0, kSideMargin, 8);
    banner->setSpacing(6);
    m_bannerIcon = symbolLabel(m_banner);
    banner->addWidget(m_bannerIcon);
    m_bannerText = new QLabel(m_banner);
    m_bannerText->setWordWrap(true);
    banner->addWidget(m_bannerText, 1);
    m_banner->setVisible(false);
    column->addWidget(m_banner);
}

void PopoverHeader::refreshStatus()
{
    int enabled = 0;
    for (const PushConnection& connection : m_manager.connections()) {
        enabled += connection.isEnabled ? 1 : 0;
    }
    int failing = 0;
    for (ConnectionEngine* engine : m_manager.engines()) {
        failing += engine->connection().isEnabled && engine->state().isError() ? 1 : 0;
    }
    QColor colour;
    switch (P::headerDot(m_manager.hasActiveEngines(), m_manager.aggregatePaused(), failing > 0)) {
    case P::Dot::inactive:
        colour = PopoverIcons::colour(PopoverTone::grey, palette());
        colour.setAlphaF(0.5f);
        break;
    case P::Dot::paused:
        colour = PopoverIcons::colour(PopoverTone::orange, palette());
        break;
    case P::Dot::running:
        colour = PopoverIcons::colour(PopoverTone::green, palette());
        break;
    case P::Dot::error:
        colour = PopoverIcons::colour(PopoverTone::red, palette());
        colour.setAlphaF(0.6f);
        break;
    }
    if (colour != m_dotColour) {
        drawDot(colour);
    }
    // The reasons in words: a colour or "Paused" alone does not say what lifts the pause.
    const QString pausedFor = PauseReasons::describe(m_manager.pauseReasons().reasons());
    m_status->setText(pausedFor.isEmpty() ? P::headerStatusText(false, false, enabled, failing) : pausedFor);
}

void PopoverHeader::drawDot(const QColor& colour)
{
    m_dotColour = colour;
    const qreal ratio = devicePixelRatioF();
    QPixmap dot(QSize(8, 8) * ratio);
    dot.setDevicePixelRatio(ratio);
    dot.fill(Qt::transparent);
    QPainter painter(&dot);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(0, 0, 8, 8));
    painter.end();
    m_dot->setPixmap(dot);
}

void PopoverHeader::refreshBanner()
{
    const P::Banner banner =
        P::environmentBanner(m_manager.isPausedForNetwork(), m_manager.isOnHotspot(),
                             m_settings.preventSleepDuringDownloads(), m_manager.isPreventingSleep());
    m_banner->setVisible(!banner.text.isEmpty());
    if (banner.text.isEmpty()) {
        return;
    }
    showSymbol(m_bannerIcon, banner.symbol, banner.tone);
    m_bannerText->setText(banner.text);
    setTone(m_bannerText, banner.tone);
}

QString PopoverHeader::statusText() const
{
    return m_status->text();
}

QString PopoverHeader::bannerText() const
{
    return m_banner->isVisibleTo(this) ? m_bannerText->text() : QString();
}

} // namespace ondrix
