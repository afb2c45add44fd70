#include "ui/log/LogLevelStyle.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace ondrix::LogLevelStyle {

namespace {

// Drawn on a 16-unit grid, scaled to the pixmap.
QPixmap drawSymbol(LogEntry::LogLevel level, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    const QColor ink = color(level);
    QPen pen(ink, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    QPen white(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QRectF circle(1.25, 1.25, 13.5, 13.5);
    switch (level) {
    case LogEntry::LogLevel::info:
        painter.setPen(pen);
        painter.drawEllipse(circle);
        painter.drawLine(QPointF(8, 7), QPointF(8, 11.5));
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawEllipse(QPointF(8, 4.7), 1.0, 1.0);
        break;
    case LogEntry::LogLevel::success:
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawEllipse(circle);
        painter.setPen(white);
        painter.drawPolyline(QPolygonF({QPointF(4.6, 8.3), QPointF(7, 10.6), QPointF(11.4, 5.6)}));
        break;
    case LogEntry::LogLevel::warning: {
        painter.setPen(pen);
        QPainterPath triangle;
        triangle.moveTo(8, 1.5);
        triangle.lineTo(15, 14.2);
        triangle.lineTo(1, 14.2);
        triangle.closeSubpath();
        painter.drawPath(triangle);
        painter.drawLine(QPointF(8, 6), QPointF(8, 9.6));
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawEllipse(QPointF(8, 12), 0.95, 0.95);
        break;
    }
    case LogEntry::LogLevel::error:
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawEllipse(circle);
        painter.setPen(white);
        painter.drawLine(QPointF(5.4, 5.4), QPointF(10.6, 10.6));
        painter.drawLine(QPointF(10.6, 5.4), QPointF(5.4, 10.6));
        break;
    }
    return pixmap;
}

} // namespace

StatusTone tone(LogEntry::LogLevel level)
{
    switch (level) {
    case LogEntry::LogLevel::info:
        return StatusTone::info;
    case LogEntry::LogLevel::success:
        return StatusTone::success;
    case LogEntry::LogLevel::warning:
        return StatusTone::warning;
    case LogEntry::LogLevel::error:
        return StatusTone::error;
    }
    return StatusTone::info;
}

QColor color(LogEntry::LogLevel level)
{
    return StatusPalette::symbol(tone(level));
}

QIcon icon(LogEntry::LogLevel level)
{
    QIcon made;
    for (int size : {16, 32, 48}) {
        made.addPixmap(drawSymbol(level, size));
    }
    return made;
}

QString name(LogEntry::LogLevel level)
{
    switch (level) {
    case LogEntry::LogLevel::info:
        return QCoreApplication::translate("LogLevelStyle", "Information");
    case LogEntry::LogLevel::success:
        return QCoreApplication::translate("LogLevelStyle", "Success");
    case LogEntry::LogLevel::warning:
        return QCoreApplication::translate("LogLevelStyle", "Warning");
    case LogEntry::LogLevel::error:
        return QCoreApplication::translate("LogLevelStyle", "Error");
    }
    return {};
}

} // namespace ondrix::LogLevelStyle
