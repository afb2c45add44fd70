#include "ui/common/StatusPalette.h"

#include <gtest/gtest.h>

using namespace ondrix;

// A text in a status tone reads on any window and keeps its symbol's hue: red text and a red dot agree.
TEST(StatusPalette, TextsReadOnAnyWindowAndKeepTheirHue)
{
    const QColor windows[] = {Qt::white, QColor(0xef, 0xef, 0xef), QColor(0x77, 0x77, 0x77),
                              QColor(0x2b, 0x2b, 0x2e), Qt::black};
    for (const StatusTone tone : {StatusTone::success, StatusTone::warning, StatusTone::error,
                                  StatusTone::info, StatusTone::pending}) {
        const QColor symbol = StatusPalette::symbol(tone);
        for (const QColor& window : windows) {
            SCOPED_TRACE(symbol.name().toStdString() + " on " + window.name().toStdString());
            const QColor text = StatusPalette::text(tone, window);
            EXPECT_GE(StatusPalette::contrast(text, window), StatusPalette::kMinTextContrast);
            if (StatusPalette::contrast(text, Qt::black) > 1.5 &&
                StatusPalette::contrast(text, Qt::white) > 1.5) {
                EXPECT_NEAR(text.hslHueF(), symbol.hslHueF(), 0.02) << text.name().toStdString();
            }
        }
    }
    EXPECT_DOUBLE_EQ(StatusPalette::contrast(Qt::black, Qt::white), 21.0);
}
