#include "ui/common/StatusPalette.h"

#include <QPalette>

#include <cmath>

namespace ondrix {

namespace {

double luminance(const QColor& colour)
{
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

QColor mixed(const QColor& from, const QColor& to, double share)
{
    const auto channel = [share](float a, float b) { return a + (b - a) * float(share); };
    return QColor::fromRgbF(channel(from.redF(), to.redF()), channel(from.greenF(), to.greenF()),
                            channel(from.blueF(), to.blueF()));
}

} // namespace

QColor StatusPalette::symbol(StatusTone tone)
{
    switch (tone) {
    case StatusTone::success:
        return QColor(0x2e, 0xa0, 0x43);
    case StatusTone::warning:
        return QColor(0xe8, 0x86, 0x00);
    case StatusTone::error:
        return QColor(0xe0, 0x36, 0x2c);
    case StatusTone::info:
        return QColor(0x1f, 0x78, 0xe6);
    case StatusTone::pending:
        return QColor(0xf5, 0xc2, 0x00);
    }
    return {};
}

QColor StatusPalette::text(StatusTone tone, const QColor& background)
{
    const QColor base = symbol(tone);
    // Towards whichever end reads better on this background; either end reaches the goal on any colour.
    const QColor end = contrast(Qt::black, background) >= contrast(Qt::white, background) ? QColor(Qt::black)
                                                                                          : QColor(Qt::white);
    for (int step = 0; step <= 20; ++step) {
        const QColor candidate = mixed(base, end, step / 20.0);
        if (contrast(candidate, background) >= kMinTextContrast) {
            return candidate;
        }
    }
    return end;
}

QColor StatusPalette::text(StatusTone tone, const QPalette& palette)
{
    return text(tone, palette.color(QPalette::Window));
}

double StatusPalette::contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace ondrix
