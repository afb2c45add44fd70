#include "ui/popover/ElidedLabel.h"

#include <QEvent>
#include <QPainter>

namespace ondrix {

ElidedLabel::ElidedLabel(Qt::TextElideMode mode, QWidget* parent)
    : QWidget(parent)
    , m_mode(mode)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void ElidedLabel::setText(const QString& text)
{
    if (text == m_text) {
        return;
    }
    const bool widthChanged =
        fontMetrics().horizontalAdvance(text) != fontMetrics().horizontalAdvance(m_text);
    m_text = text;
    if (widthChanged) {
        updateGeometry();
    }
    updateToolTip();
    update();
}

void ElidedLabel::setColour(const QColor& colour)
{
    if (colour == m_colour) {
        return;
    }
    m_colour = colour;
    update();
}

QSize ElidedLabel::sizeHint() const
{
    return {fontMetrics().horizontalAdvance(m_text) + 1, fontMetrics().height()};
}

QSize ElidedLabel::minimumSizeHint() const
{
    return {fontMetrics().horizontalAdvance(QStringLiteral("Mm…")), fontMetrics().height()};
}

void ElidedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(m_colour.isValid() ? m_colour : palette().color(QPalette::WindowText));
    const QString shown = fontMetrics().elidedText(m_text, m_mode, width());
    painter.drawText(rect(), Qt::AlignVCenter | Qt::AlignLeft, shown);
}

void ElidedLabel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateToolTip();
}

void ElidedLabel::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
        updateToolTip();
    }
}

void ElidedLabel::updateToolTip()
{
    setToolTip(fontMetrics().horizontalAdvance(m_text) > width() ? m_text : QString());
}

} // namespace ondrix
