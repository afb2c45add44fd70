#include "ui/connections/ConnectionGlyphs.h"

#include "ui/common/StatusPalette.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace ondrix::ConnectionGlyphs {

namespace {

constexpr int kSize = 16;
constexpr qreal kScale = 2.0;

QIcon draw(const std::function<void(QPainter&)>& paint)
{
    QPixmap pixmap(int(kSize * kScale), int(kSize * kScale));
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(kScale, kScale);
        paint(painter);
    }
    pixmap.setDevicePixelRatio(kScale);
    return QIcon(pixmap);
}

} // namespace

QIcon lock(bool locked, const QColor& colour)
{
    return draw([locked, colour](QPainter& p) {
        p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        // The shackle: closed it sits on both sides of the body, open it swings up and to the right.
        QPainterPath shackle;
        const qreal left = locked ? 4.5 : 8.5;
        shackle.moveTo(left, 8);
        shackle.lineTo(left, 5);
        shackle.arcTo(QRectF(left, 1.5, 7, 7), 180, -180);
        shackle.lineTo(left + 7, locked ? 8 : 6);
        p.drawPath(shackle);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawRoundedRect(QRectF(2.5, 7.5, 11, 7.5), 1.5, 1.5);
    });
}

QIcon power(const QColor& colour)
{
    return draw([colour](QPainter& p) {
        p.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap));
        // Qt counts angles anticlockwise from three o'clock: the ring leaves a gap at the top for the bar.
        p.drawArc(QRectF(2.5, 3, 11, 11), 120 * 16, 300 * 16);
        p.drawLine(QPointF(8, 1.5), QPointF(8, 7.5));
    });
}

QIcon warning()
{
    return draw([](QPainter& p) {
        const QColor orange = StatusPalette::symbol(StatusTone::warning);
        QPainterPath triangle;
        triangle.moveTo(8, 1.5);
        triangle.lineTo(15, 14.5);
        triangle.lineTo(1, 14.5);
        triangle.closeSubpath();
        p.setPen(QPen(orange, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(orange);
        p.drawPath(triangle);
        p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 5.5), QPointF(8, 9.5));
        p.drawPoint(QPointF(8, 12.3));
    });
}

QIcon dot(const QColor& colour)
{
    return draw([colour](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(QRectF(3, 3, 10, 10));
    });
}

QIcon circleSign(bool plus, const QColor& colour)
{
    return draw([plus, colour](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 8), QPointF(11, 8));
        if (plus) {
            p.drawLine(QPointF(8, 5), QPointF(8, 11));
        }
    });
}

} // namespace ondrix::ConnectionGlyphs
