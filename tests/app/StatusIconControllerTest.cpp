#include "app/StatusIconController.h"

#include "support/ui/UiTestSupport.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace ondrix;
using namespace Qt::StringLiterals;
using Icon = StatusIconController::Icon;

namespace {

const EngineState kLoginFailed = EngineState::error(u"Login failed"_s);

// The icon as the panel would show it at 36 px height.
QImage pixels(const QIcon& icon)
{
    return icon.pixmap(QSize(48, 36), 2.0).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

TEST(StatusIconController, FirstMatchingRowOfTheTableWins)
{
    struct Row {
        EngineState state;
        bool paused, uploading, checking;
        Icon expected;
    };
    const std::vector<Row> rows = {
        {EngineState::uploading(), true, true, true, Icon::pause}, // paused wins over everything
        {kLoginFailed, true, false, false, Icon::pause},
        {EngineState::watching(), false, true, true, Icon::upload},
        {EngineState::uploading(), false, false, false, Icon::upload}, // the state alone is enough
        {kLoginFailed, false, false, true, Icon::animating},           // checking wins over an error
        {EngineState::paused(), false, false, false, Icon::basic},     // a paused state without the flag
        {EngineState::watching(), false, false, false, Icon::basic},
        {EngineState::idle(), false, false, false, Icon::basic},
        {kLoginFailed, false, false, false, Icon::error},
    };
    StatusIconController controller;
    for (const Row& row : rows) {
        controller.update(row.state, row.paused, row.uploading, row.checking);
        EXPECT_EQ(controller.icon(), row.expected) << "row " << &row - rows.data();
    }
    EXPECT_TRUE(controller.toolTip().contains(QLatin1String("Login failed")));
}

TEST(StatusIconController, AnimationStartsOnceTurnsWrapsAndResetsWhenLeft)
{
    StatusIconController controller;
    controller.setFrameIntervalMs(3600 * 1000); // the test moves the frames itself
    QSignalSpy started(&controller, &StatusIconController::animationStarted);
    QSignalSpy icons(&controller, &StatusIconController::iconChanged);

    controller.update(EngineState::watching(), false, false, true);
    // The first frame is the Basic icon, already shown; the animation starts on the next turn of the loop.
    EXPECT_FALSE(controller.isAnimating() || icons.count());
    ASSERT_TRUE(QTest::qWaitFor([&] { return controller.isAnimating(); }, 1000));
    EXPECT_EQ(std::pair(started.count(), controller.layerRenderCount()), std::pair(qsizetype(1), 1));

    const QImage atZero = pixels(controller.currentIcon());
    controller.advanceFrame(120);
    EXPECT_DOUBLE_EQ(controller.angle(), 0.0) << "wraps to 0, never 360";
    controller.advanceFrame(StatusIconController::kRefreshesPerTrayFrame);
    EXPECT_DOUBLE_EQ(controller.angle(), 45.0);
    const QImage at45 = pixels(controller.currentIcon());
    EXPECT_NE(at45, atZero);

    // More stability-checking updates neither restart the animation nor reset the angle.
    controller.update(EngineState::watching(), false, false, true);
    controller.update(kLoginFailed, false, false, true);
    QCoreApplication::processEvents();
    EXPECT_EQ(std::tuple(started.count(), controller.layerRenderCount(), controller.angle()),
              std::tuple(qsizetype(1), 1, 45.0));

    controller.setDarkAppearance(true); // re-renders the running animation's layers once
    EXPECT_EQ(controller.layerRenderCount(), 2);
    EXPECT_NE(pixels(controller.currentIcon()), at45);

    // Any other row leaves the animation: angle 0, no frames; the next start renders afresh.
    controller.update(EngineState::watching(), false, true, true);
    EXPECT_FALSE(controller.isAnimating() || controller.angle() != 0.0);
    const int iconsBefore = icons.count();
    controller.advanceFrame();
    EXPECT_EQ(icons.count(), iconsBefore) << "no frame without the layers";
    controller.update(EngineState::watching(), false, false, true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return controller.isAnimating(); }, 1000));
    EXPECT_EQ(std::pair(started.count(), controller.layerRenderCount()), std::pair(qsizetype(2), 3));

    // Leaving before the deferred start runs means it never starts.
    controller.update(EngineState::watching(), true, false, false);
    controller.update(EngineState::watching(), false, false, true);
    controller.update(EngineState::watching(), false, false, false);
    QCoreApplication::processEvents();
    EXPECT_FALSE(controller.isAnimating() || started.count() != 2);
}

// The tray hears of a change at once, of nothing that leaves the icon and the tool tip as they are, and of
// changes quicker than its frames only as the last of them, at the frame's end.
TEST(StatusIconController, TheTrayHearsOnlyOfChangesAtMostOnceAFrame)
{
    StatusIconController controller;
    QSignalSpy icons(&controller, &StatusIconController::iconChanged);
    QSignalSpy toolTips(&controller, &StatusIconController::toolTipChanged);
    QTest::qWait(2 * StatusIconController::kTrayFrameIntervalMs); // the first frame's wait is over
    controller.setFrameIntervalMs(3600 * 1000);                   // the test ends the frames itself

    for (int i = 0; i < 50; ++i) {
        controller.update(EngineState::uploading(), false, true, false);
    }
    EXPECT_EQ(std::pair(icons.count(), toolTips.count()), std::pair(qsizetype(1), qsizetype(1)));

    controller.update(kLoginFailed, false, false, false);
    controller.update(EngineState::uploading(), true, true, false);
    EXPECT_EQ(icons.count(), 1) << "changes within a frame wait for its end";
    controller.setFrameIntervalMs(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return icons.count() == 2; }));
    EXPECT_EQ(icons.last().value(0).value<QIcon>().cacheKey(), controller.currentIcon().cacheKey());
    EXPECT_EQ(toolTips.last().value(0).toString(), controller.toolTip());

    // Away and back within a frame: nothing to tell.
    controller.setFrameIntervalMs(3600 * 1000);
    controller.update(EngineState::uploading(), false, true, false);
    controller.update(EngineState::uploading(), true, true, false);
    controller.setFrameIntervalMs(1);
    QTest::qWait(50);
    EXPECT_EQ(std::pair(icons.count(), toolTips.count()), std::pair(qsizetype(2), qsizetype(2)));
}

// Panels are dark or light whatever the desktop theme says: every icon and animation frame must stand out
// from both. Saves the strip a person can look at.
TEST(StatusIconController, EveryIconReadsOnDarkAndOnLightPanels)
{
    StatusIconController controller;
    QList<QIcon> icons;
    for (const char* name : {"Navbar-Basic", "Navbar-Pause", "Navbar-Upload", "Navbar-Error"}) {
        icons << StatusIconController::loadStatusIcon(QString::fromLatin1(name));
    }
    for (const bool dark : {false, true}) {
        controller.setDarkAppearance(dark);
        controller.update(EngineState::watching(), false, false, true);
        ASSERT_TRUE(QTest::qWaitFor([&] { return controller.isAnimating(); }, 1000));
        for (int frame = 0; frame < 3; ++frame) {
            controller.advanceFrame(StatusIconController::kRefreshesPerTrayFrame * 2);
            icons << controller.currentIcon();
        }
        controller.update(EngineState::watching(), false, false, false);
    }

    const QColor panels[] = {QColor(0x20, 0x20, 0x24), QColor(0xf2, 0xf2, 0xf2)};
    QImage strip(icons.size() * 56 + 8, 2 * 44, QImage::Format_ARGB32);
    QPainter painter(&strip);
    for (int row = 0; row < 2; ++row) {
        painter.fillRect(0, row * 44, strip.width(), 44, panels[row]);
        for (int i = 0; i < icons.size(); ++i) {
            ASSERT_FALSE(icons[i].isNull()) << i;
            const QImage icon = pixels(icons[i]);
            QImage onPanel(icon.size(), QImage::Format_ARGB32);
            onPanel.fill(panels[row]);
            QPainter(&onPanel).drawImage(0, 0, icon);
            int distinct = 0;
            for (int y = 0; y < onPanel.height(); ++y) {
                for (int x = 0; x < onPanel.width(); ++x) {
                    const QColor c = onPanel.pixelColor(x, y);
                    distinct += std::abs(c.lightness() - panels[row].lightness()) > 90 ? 1 : 0;
                }
            }
            EXPECT_GT(distinct, onPanel.width() * onPanel.height() / 8)
                << "icon " << i << " (" << icon.width() << "x" << icon.height() << ") on the "
                << (row ? "light" : "dark") << " panel";
            painter.drawImage(8 + i * 56, row * 44 + 4, icon);
        }
    }
    painter.end();
    QLabel label;
    label.setPixmap(QPixmap::fromImage(strip));
    label.resize(strip.size());
    test::saveScreenshot(&label, u"status-icons-on-dark-and-light-panels"_s);
}
