// Where the popover opens for each kind of panel and anchor, and that it always stays on the screen.
#include "app/PopoverPlacement.h"

#include "app/DisplayPlatform.h"

#include <gtest/gtest.h>

using namespace ondrix;
using namespace Qt::StringLiterals;

namespace {
const QSize kPopover(360, 500);
const QRect kScreen(0, 0, 1920, 1080);
} // namespace

TEST(PopoverPlacement, OpensAwayFromThePanelCentredOnTheIcon)
{
    // Top panel 32 px high: below the icon, centred on it.
    const QRect topIcon(1000, 4, 24, 24);
    const QRect belowTop(0, 32, 1920, 1048);
    EXPECT_EQ(PopoverPlacement::place(topIcon, kPopover, belowTop), QPoint(topIcon.center().x() - 180, 32));

    // Bottom panel: above the icon, its bottom edge a gap above the icon's top.
    const QRect bottomIcon(1000, 1052, 24, 24);
    const QRect aboveBottom(0, 0, 1920, 1048);
    const QPoint above = PopoverPlacement::place(bottomIcon, kPopover, aboveBottom);
    EXPECT_EQ(above.y() + kPopover.height() + PopoverPlacement::kGap, 1052);
    EXPECT_EQ(above.x(), bottomIcon.center().x() - 180);

    // Vertical panels: beside the icon, level with it.
    const QRect leftIcon(8, 500, 32, 32);
    const QPoint right = PopoverPlacement::place(leftIcon, kPopover, QRect(40, 0, 1880, 1080));
    EXPECT_EQ(right, QPoint(leftIcon.right() + 1 + PopoverPlacement::kGap, leftIcon.center().y() - 250));
    const QRect rightIcon(1876, 500, 32, 32);
    const QPoint left = PopoverPlacement::place(rightIcon, kPopover, QRect(0, 0, 1872, 1080));
    EXPECT_EQ(left.x() + kPopover.width() + PopoverPlacement::kGap, 1876);
}

TEST(PopoverPlacement, StaysInsideTheAvailableArea)
{
    const QRect belowTop(0, 32, 1920, 1048);
    // An icon in the top-right corner: pushed left so the right edge is on screen.
    EXPECT_EQ(PopoverPlacement::place(QRect(1900, 4, 16, 16), kPopover, belowTop), QPoint(1920 - 360, 32));
    // And in the top-left corner: pushed right.
    EXPECT_EQ(PopoverPlacement::place(QRect(2, 4, 16, 16), kPopover, belowTop).x(), 0);
    // A cursor anchor low on a screen without panels: above it, never below the bottom.
    const QPoint nearBottom = PopoverPlacement::place(QRect(700, 1070, 1, 1), kPopover, kScreen);
    EXPECT_LE(nearBottom.y() + kPopover.height(), 1080);
    // A second screen to the right of the first: the coordinates are the virtual desktop's.
    const QRect second(1920, 0, 1280, 1024);
    const QPoint onSecond = PopoverPlacement::place(QRect(3190, 2, 8, 8), kPopover, second);
    EXPECT_EQ(onSecond, QPoint(3200 - 360, 2 + 8 + PopoverPlacement::kGap));
    // Smaller than the popover: the top-left corner stays visible.
    EXPECT_EQ(PopoverPlacement::place(QRect(100, 100, 1, 1), kPopover, QRect(0, 0, 300, 400)), QPoint(0, 0));
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
