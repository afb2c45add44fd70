#pragma once

#include "engine/EngineState.h"

#include <QColor>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QObject>
#include <QSizeF>
#include <QTimer>

namespace ondrix {

// The status icon's state machine and its busy animation. It turns the connections manager's four summary
// values into one of the static icons (Basic, Pause, Upload, Error) or the animation (the cloud with turning
// arrows), and publishes the icon and a one-line tool tip; the tray icon and the fallback window show them.
//
// The animation keeps the arrows' angle in steps of 3° per display refresh (one turn every 2 s at 60 Hz),
// but a tray icon change costs two D-Bus messages (the NewIcon signal and the reply to the panel's pixmap
// fetch), so the frame clock feeds the tray 4 frames a second, 8 a second on the bus with room under 10 for
// the rest: each tick advances 15 refreshes (45°), still one turn every 2 s. The two arrows repeat every half
// turn, so a 45° step, well under a quarter turn, still reads as turning one way. The two layers are
// rasterised once per start and per theme change, the 8 frames of a turn when first shown; leaving the
// animation drops them.
//
// The tray hears only of what changed, and at most once a tray frame: an update that leaves the icon and the
// tool tip as they were sends nothing, and changes that come quicker than the frame pace are sent together at
// the end of the frame. The static icons are rendered from their artwork once.
//
// Lives on the main thread.
class StatusIconController : public QObject {
    Q_OBJECT

public:
    enum class Icon { basic, pause, upload, error, animating };
    Q_ENUM(Icon)

    static constexpr double kDegreesPerRefresh = 3.0;
    static constexpr int kRefreshesPerTrayFrame = 15;
    // 8 tray frames a turn, one turn every 2 s: 250 ms a frame, 4 frames a second.
    static constexpr int kTrayFrameIntervalMs = 2000 / 8;
    static constexpr double kIconHeight = 18.0;

    explicit StatusIconController(QObject* parent = nullptr);

    // The table of the status icon: paused wins, then uploading (flag or state), then stability checking (the
    // animation, started once and not restarted), then an error state, else Basic.
    void update(const EngineState& state, bool paused, bool uploading, bool stabilityChecking);

    Icon icon() const { return m_icon; }
    bool isAnimating() const { return m_frameClock.isActive(); }
    // Degrees of the arrows, 0 when not animating; always below 360.
    double angle() const { return m_angle; }
    QIcon currentIcon() const { return m_currentIcon; }
    QString toolTip() const { return m_toolTip; }
    // The frame clock's period, which is also the tray's pace; tests lengthen it to drive the frames
    // themselves.
    void setFrameIntervalMs(int ms)
    {
        m_frameClock.setInterval(ms);
        m_publishPace.setInterval(ms);
    }
    // How many times the animation layers were rasterised since this object was created.
    int layerRenderCount() const { return m_layerRenderCount; }

    // Dark desktop theme: the animated cloud is white, else black at 85 %. Re-renders a running animation.
    void setDarkAppearance(bool dark);
    bool isDarkAppearance() const { return m_dark; }

    // One step of the frame clock: `refreshes` × 3°, wrapping at 360, then the frame for the new angle.
    // Does nothing unless the layers exist.
    void advanceFrame(int refreshes = 1);

    // The icon with `name` ("Navbar-Basic", ...) from the built-in artwork, height 18; null when missing.
    static QIcon loadStatusIcon(const QString& name);

Q_SIGNALS:
    // What the tray shows changed: at most once every kTrayFrameIntervalMs each.
    void iconChanged(const QIcon& icon);
    void toolTipChanged(const QString& toolTip);
    void animationStarted();

private:
    // The row of the table for these values: the icon and the tool tip, not sent yet.
    void choose(const EngineState& state, bool paused, bool uploading, bool stabilityChecking);
    void setStatusIcon(const QString& name, Icon icon);
    void startIconAnimation();
    void stopIconAnimation();
    void renderLayers();
    QIcon frameFor(double angle);
    void publish(const QIcon& icon);
    void setToolTip(const QString& text);
    // Sends what changed since the last time, unless a frame's wait is still running.
    void flush();

    Icon m_icon = Icon::basic;
    QIcon m_currentIcon;
    QString m_toolTip;
    bool m_dark = false;
    double m_angle = 0;
    QTimer m_frameClock;
    // Runs for a tray frame after each sending; what changes meanwhile waits for its end.
    QTimer m_publishPace;
    qint64 m_publishedIconKey = 0;
    QString m_publishedToolTip;
    QHash<QString, QIcon> m_staticIcons;
    int m_layerRenderCount = 0;
    // The layers at twice the point size, the cloud already tinted for the theme.
    QImage m_cachedCloud;
    QImage m_cachedArrows;
    QSizeF m_cachedTargetSize;
    QHash<int, QIcon> m_frames; // by tenths of a degree
};

} // namespace ondrix
