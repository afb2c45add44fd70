#include "app/StatusIconController.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <cmath>

namespace ondrix {

namespace {

const QString kBasic = QStringLiteral("Navbar-Basic");
const QString kPause = QStringLiteral("Navbar-Pause");
const QString kUpload = QStringLiteral("Navbar-Upload");
const QString kError = QStringLiteral("Navbar-Error");
const QString kCloudAlone = QStringLiteral("Navbar-CloudAlone");
const QString kSyncArrows = QStringLiteral("Navbar-SyncArrows");

// The arrows turn about this point of the icon, as fractions of its width and height.
constexpr double kPivotX = 0.5452;
constexpr double kPivotY = 0.4373;
constexpr int kScale = 2;

QString resourcePath(const QString& name)
{
    return QStringLiteral(":/icons/") + name + QStringLiteral(".svg");
}

// The icon's size at height 18, keeping the artwork's proportions.
QSizeF targetSize(const QSvgRenderer& renderer)
{
    const QSizeF natural = renderer.defaultSize();
    if (natural.isEmpty()) {
        return {StatusIconController::kIconHeight, StatusIconController::kIconHeight};
    }
    return {natural.width() * StatusIconController::kIconHeight / natural.height(),
            StatusIconController::kIconHeight};
}

QImage rasterise(QSvgRenderer& renderer, const QSize& pixels)
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    return image;
}

QImage tinted(const QImage& shape, const QColor& colour)
{
    QImage result = shape;
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.fillRect(result.rect(), colour);
    return result;
}

} // namespace

StatusIconController::StatusIconController(QObject* parent)
    : QObject(parent)
{
    m_frameClock.setInterval(kTrayFrameIntervalMs);
    m_frameClock.setTimerType(Qt::CoarseTimer);
    connect(&m_frameClock, &QTimer::timeout, this, [this] { advanceFrame(kRefreshesPerTrayFrame); });
    m_publishPace.setSingleShot(true);
    m_publishPace.setInterval(kTrayFrameIntervalMs);
    connect(&m_publishPace, &QTimer::timeout, this, &StatusIconController::flush);
    setToolTip(tr("Ondrix"));
    setStatusIcon(kBasic, Icon::basic);
    flush();
}

QIcon StatusIconController::loadStatusIcon(const QString& name)
{
    const QString path = resourcePath(name);
    if (!QFile::exists(path)) {
        return {};
    }
    QSvgRenderer renderer(path);
    const QSizeF size = targetSize(renderer);
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap = QPixmap::fromImage(
            rasterise(renderer, QSize(int(std::lround(size.width() * scale)), int(size.height() * scale))));
        pixmap.setDevicePixelRatio(scale);
        icon.addPixmap(pixmap);
    }
    return icon;
}

void StatusIconController::update(const EngineState& state, bool paused, bool uploading,
                                  bool stabilityChecking)
{
    // The icon and the tool tip of one state reach the tray together.
    choose(state, paused, uploading, stabilityChecking);
    flush();
}

void StatusIconController::choose(const EngineState& state, bool paused, bool uploading,
                                  bool stabilityChecking)
{
    if (paused) {
        stopIconAnimation();
        setStatusIcon(kPause, Icon::pause);
        setToolTip(tr("Ondrix — paused"));
    } else if (uploading || state.kind() == EngineState::Kind::uploading) {
        stopIconAnimation();
        setStatusIcon(kUpload, Icon::upload);
        setToolTip(tr("Ondrix — uploading"));
    } else if (stabilityChecking) {
        setToolTip(tr("Ondrix — checking new files"));
        if (isAnimating()) {
            return;
        }
        m_angle = 0;
        setStatusIcon(kBasic, Icon::animating);
        // Started on the next turn of the event loop, unless a later update got there first.
        QTimer::singleShot(0, this, [this] {
            if (m_icon == Icon::animating && !isAnimating()) {
                startIconAnimation();
            }
        });
    } else if (state.isError()) {
        stopIconAnimation();
        setStatusIcon(kError, Icon::error);
        setToolTip(tr("Ondrix — error: %1").arg(state.message()));
    } else {
        stopIconAnimation();
        setStatusIcon(kBasic, Icon::basic);
        setToolTip(state.kind() == EngineState::Kind::watching ? tr("Ondrix — watching folders")
                                                               : tr("Ondrix"));
    }
}

void StatusIconController::setStatusIcon(const QString& name, Icon icon)
{
    m_icon = icon;
    auto found = m_staticIcons.find(name);
    if (found == m_staticIcons.end()) {
        found = m_staticIcons.insert(name, loadStatusIcon(name));
    }
    if (!found->isNull()) {
        m_currentIcon = *found;
    }
}

void StatusIconController::publish(const QIcon& icon)
{
    m_currentIcon = icon;
    flush();
}

void StatusIconController::setToolTip(const QString& text)
{
    m_toolTip = text;
}

void StatusIconController::flush()
{
    if (m_publishPace.isActive()) {
        return;
    }
    // Each cached icon keeps its key, so the same icon set again is no change.
    const bool iconChanged = !m_currentIcon.isNull() && m_currentIcon.cacheKey() != m_publishedIconKey;
    const bool toolTipChanged = m_toolTip != m_publishedToolTip;
    if (!iconChanged && !toolTipChanged) {
        return;
    }
    m_publishPace.start();
    if (iconChanged) {
        m_publishedIconKey = m_currentIcon.cacheKey();
        Q_EMIT this->iconChanged(m_currentIcon);
    }
    if (toolTipChanged) {
        m_publishedToolTip = m_toolTip;
        Q_EMIT this->toolTipChanged(m_toolTip);
    }
}

void StatusIconController::startIconAnimation()
{
    renderLayers();
    m_frameClock.start();
    Q_EMIT animationStarted();
}

void StatusIconController::stopIconAnimation()
{
    m_frameClock.stop();
    m_angle = 0;
    m_cachedCloud = {};
    m_cachedArrows = {};
    m_frames.clear();
}

void StatusIconController::setDarkAppearance(bool dark)
{
    if (m_dark == dark) {
        return;
    }
    m_dark = dark;
    if (isAnimating()) {
        renderLayers();
        publish(frameFor(m_angle));
    }
}

void StatusIconController::renderLayers()
{
    m_cachedCloud = {};
    m_cachedArrows = {};
    m_frames.clear();
    if (!QFile::exists(resourcePath(kCloudAlone)) || !QFile::exists(resourcePath(kSyncArrows)) ||
        !QFile::exists(resourcePath(kBasic))) {
        return;
    }
    QSvgRenderer basic(resourcePath(kBasic));
    m_cachedTargetSize = targetSize(basic);
    const QSize pixels(int(m_cachedTargetSize.width() * kScale), int(m_cachedTargetSize.height() * kScale));
    QSvgRenderer cloud(resourcePath(kCloudAlone));
    QSvgRenderer arrows(resourcePath(kSyncArrows));
    const QImage silhouette = rasterise(cloud, pixels);
    const QColor cloudColour = m_dark ? QColor::fromRgbF(1, 1, 1, 1) : QColor::fromRgbF(0, 0, 0, 0.85f);
    // A panel's colour does not follow the desktop theme (a light theme may have a dark top bar), so the
    // tinted cloud gets a rim of a point of the opposite colour and reads on either.
    const QColor rimColour = m_dark ? QColor::fromRgbF(0, 0, 0, 0.7f) : QColor::fromRgbF(1, 1, 1, 0.8f);
    const QImage rim = tinted(silhouette, rimColour);
    QImage layer(pixels, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter painter(&layer);
        for (int dx = -2; dx <= 2; ++dx) {
            for (int dy = -2; dy <= 2; ++dy) {
                if (dx * dx + dy * dy <= 5) {
                    painter.drawImage(QPoint(dx, dy), rim);
                }
            }
        }
        // Clear the rim under the cloud first, so a translucent tint is not darkened or lightened by it.
        painter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
        painter.drawImage(0, 0, silhouette);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.drawImage(0, 0, tinted(silhouette, cloudColour));
    }
    m_cachedCloud = layer;
    m_cachedArrows = rasterise(arrows, pixels);
    ++m_layerRenderCount;
}

QIcon StatusIconController::frameFor(double angle)
{
    const int key = int(std::lround(angle * 10));
    if (const auto found = m_frames.constFind(key); found != m_frames.constEnd()) {
        return *found;
    }
    QImage frame(m_cachedCloud.size(), QImage::Format_ARGB32_Premultiplied);
    frame.fill(Qt::transparent);
    {
        QPainter painter(&frame);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(0, 0, m_cachedCloud);
        const QPointF pivot(frame.width() * kPivotX, frame.height() * kPivotY);
        painter.translate(pivot);
        painter.rotate(angle); // clockwise on screen
        painter.translate(-pivot);
        painter.drawImage(0, 0, m_cachedArrows);
    }
    QPixmap pixmap = QPixmap::fromImage(frame);
    pixmap.setDevicePixelRatio(kScale);
    QIcon icon(pixmap);
    m_frames.insert(key, icon);
    return icon;
}

void StatusIconController::advanceFrame(int refreshes)
{
    if (m_cachedCloud.isNull() || m_cachedArrows.isNull()) {
        return;
    }
    for (int i = 0; i < refreshes; ++i) {
        m_angle += kDegreesPerRefresh;
        if (m_angle >= 360) {
            m_angle -= 360;
        }
    }
    publish(frameFor(m_angle));
}

} // namespace ondrix
