#include "ui/popover/UploadIndicator.h"

#include "ui/popover/PopoverIcons.h"

#include <QPainter>

namespace ondrix {

UploadIndicator::UploadIndicator(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(kSize, kSize);
    m_turn.setStartValue(0.0);
    m_turn.setEndValue(360.0);
    m_turn.setDuration(1000);
    m_turn.setLoopCount(-1);
    m_turn.setEasingCurve(QEasingCurve::Linear);
    connect(&m_turn, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_rotation = value.toDouble();
        update();
    });
    setVisible(false);
}

void UploadIndicator::setMode(Mode mode)
{
    if (mode == m_mode) {
        return;
    }
    m_mode = mode;
    setVisible(mode != Mode::none);
    updateTurning();
    update();
}

void UploadIndicator::updateTurning()
{
    const bool turn = m_mode == Mode::stabilityChecking && isVisible();
    if (turn && m_turn.state() != QAbstractAnimation::Running) {
        m_turn.start();
    } else if (!turn && m_turn.state() == QAbstractAnimation::Running) {
        m_turn.stop();
        m_rotation = 0.0;
    }
}

void UploadIndicator::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    updateTurning();
}

void UploadIndicator::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    updateTurning();
}

void UploadIndicator::paintEvent(QPaintEvent*)
{
    if (m_mode == Mode::none) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const bool uploading = m_mode == Mode::uploading;
    const QPixmap picture = PopoverIcons::pixmap(
        uploading ? PopoverSymbol::uploadActive : PopoverSymbol::stabilityCheck,
        PopoverIcons::colour(uploading ? PopoverTone::green : PopoverTone::blue, palette()), kSize,
        devicePixelRatioF());
    if (!uploading) {
        painter.translate(kSize / 2.0, kSize / 2.0);
        painter.rotate(m_rotation);
        painter.translate(-kSize / 2.0, -kSize / 2.0);
    }
    painter.drawPixmap(0, 0, picture);
}

} // namespace ondrix
