#include "app/PopoverPlacement.h"

#include "app/DisplayPlatform.h"

#include <gtest/gtest.h>

using namespace ondrix;
using namespace Qt::StringLiterals;

// Away from the panel, centred on the icon (a gap between them), and always inside the available area.
TEST(PopoverPlacement, OpensAwayFromThePanelCentredOnTheIconInsideTheArea)
{
    constexpr int gap = PopoverPlacement::kGap;
    const struct {
        const char* label;
        QRect icon, area;
        QPoint expected;
    } cases[] = {
        {"top panel", {1000, 4, 24, 24}, {0, 32, 1920, 1048}, {831, 32}},
        {"bottom panel", {1000, 1052, 24, 24}, {0, 0, 1920, 1048}, {831, 1052 - gap - 500}},
        {"left panel", {8, 500, 32, 32}, {40, 0, 1880, 1080}, {40 + gap, 265}},
        {"right panel", {1876, 500, 32, 32}, {0, 0, 1872, 1080}, {1876 - gap - 360, 265}},
        {"top-right corner", {1900, 4, 16, 16}, {0, 32, 1920, 1048}, {1560, 32}},
        {"top-left corner", {2, 4, 16, 16}, {0, 32, 1920, 1048}, {0, 32}},
        {"cursor low on a screen without panels",
         {700, 1070, 1, 1},
         {0, 0, 1920, 1080},
         {520, 1070 - gap - 500}},
        {"second screen to the right", {3190, 2, 8, 8}, {1920, 0, 1280, 1024}, {3200 - 360, 2 + 8 + gap}},
        {"area smaller than the popover", {100, 100, 1, 1}, {0, 0, 300, 400}, {0, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PopoverPlacement::place(c.icon, QSize(360, 500), c.area), c.expected) << c.label;
    }
}

// A Wayland session with XWayland runs the interface on XWayland, where the popover can stand at the icon;
// the user's own choice of platform and sessions without one of the two displays are left to Qt.
TEST(DisplayPlatform, XWaylandIsChosenUnlessTheUserChoseAPlatform)
{
    const struct {
        const char* wayland;
        const char* x11;
        const char* chosen;
        const char* expected;
    } cases[] = {
        {"wayland-0", ":0", "", "xcb;wayland"},
        {"wayland-0", ":0", "wayland", ""},
        {"wayland-0", "", "", ""},
        {"", ":0", "", ""},
    };
    for (const auto& c : cases) {
        QProcessEnvironment environment;
        environment.insert(u"WAYLAND_DISPLAY"_s, QString::fromLatin1(c.wayland));
        environment.insert(u"DISPLAY"_s, QString::fromLatin1(c.x11));
        environment.insert(u"QT_QPA_PLATFORM"_s, QString::fromLatin1(c.chosen));
        EXPECT_EQ(DisplayPlatform::choose(environment), QLatin1String(c.expected))
            << c.wayland << ' ' << c.x11 << ' ' << c.chosen;
    }
    EXPECT_FALSE(DisplayPlatform::placesWindows(u"wayland-egl"_s));
    EXPECT_TRUE(DisplayPlatform::placesWindows(u"xcb"_s));
}
