#include "ui/popover/ClickableArea.h"

#include <QLayout>
#include <QPainter>
#include <QPainterPath>

namespace ondrix {

ClickableArea::ClickableArea(QWidget* parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

QSize ClickableArea::sizeHint() const
{
    return layout() ? layout()->sizeHint() : QSize(40, 20);
}

QSize ClickableArea::minimumSizeHint() const
{
    return layout() ? layout()->minimumSize() : QSize(20, 20);
}

void ClickableArea::paintEvent(QPaintEvent*)
{
    const bool hovered = underMouse();
    const bool focused = hasFocus();
    if (!hovered && !focused && !isDown()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill = palette().color(QPalette::Highlight);
    fill.setAlphaF(isDown() ? 0.22f : 0.12f);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    painter.fillPath(path, fill);
    if (focused) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1.0));
        painter.drawPath(path);
    }
}

void ClickableArea::enterEvent(QEnterEvent* event)
{
    QAbstractButton::enterEvent(event);
    update();
}

void ClickableArea::leaveEvent(QEvent* event)
{
    QAbstractButton::leaveEvent(event);
    update();
}

} // namespace ondrix
