#include "ui/popover/PopoverIcons.h"

#include "ui/common/StatusPalette.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include <cmath>
#include <optional>

namespace ondrix {

namespace {

struct SymbolNames {
    const char* theme; // freedesktop name of a monochrome theme icon; nullptr: our artwork only
    const char* artwork;
};

std::optional<StatusTone> statusTone(PopoverTone tone)
{
    switch (tone) {
    case PopoverTone::green:
        return StatusTone::success;
    case PopoverTone::orange:
        return StatusTone::warning;
    case PopoverTone::blue:
        return StatusTone::info;
    case PopoverTone::red:
        return StatusTone::error;
    default:
        return std::nullopt;
    }
}

SymbolNames namesOf(PopoverSymbol symbol)
{
    switch (symbol) {
    case PopoverSymbol::logo:
        return {nullptr, "logo"};
    case PopoverSymbol::powerOn:
        return {nullptr, "power-on"};
    case PopoverSymbol::powerOff:
        return {nullptr, "power-off"};
    case PopoverSymbol::clock:
        return {nullptr, "clock"};
    case PopoverSymbol::folder:
        return {"folder-symbolic", "folder"};
    case PopoverSymbol::addConnection:
        return {nullptr, "plus-circle"};
    case PopoverSymbol::uploadLimit:
        return {nullptr, "upload-limit"};
    case PopoverSymbol::tag:
        return {nullptr, "tag"};
    case PopoverSymbol::upload:
        return {nullptr, "upload"};
    case PopoverSymbol::uploadActive:
        return {nullptr, "upload-active"};
    case PopoverSymbol::stabilityCheck:
        return {nullptr, "sync"};
    case PopoverSymbol::film:
        return {"video-x-generic-symbolic", "film"};
    case PopoverSymbol::music:
        return {"audio-x-generic-symbolic", "music"};
    case PopoverSymbol::photo:
        return {"image-x-generic-symbolic", "photo"};
    case PopoverSymbol::richText:
        return {"x-office-document-symbolic", "richtext"};
    case PopoverSymbol::archive:
        return {"package-x-generic-symbolic", "archive"};
    case PopoverSymbol::text:
        return {"text-x-generic-symbolic", "text"};
    case PopoverSymbol::table:
        return {"x-office-spreadsheet-symbolic", "table"};
    case PopoverSymbol::document:
        return {nullptr, "document"};
    case PopoverSymbol::calendar:
        return {"x-office-calendar-symbolic", "calendar"};
    case PopoverSymbol::wifi:
        return {"network-wireless-symbolic", "wifi"};
    case PopoverSymbol::ethernet:
        return {"network-wired-symbolic", "ethernet"};
    case PopoverSymbol::hotspot:
        return {"network-wireless-hotspot-symbolic", "hotspot"};
    case PopoverSymbol::wifiOff:
        return {"network-wireless-offline-symbolic", "wifi-off"};
    case PopoverSymbol::wifiWarning:
        return {nullptr, "wifi-warning"};
    case PopoverSymbol::network:
        return {nullptr, "network"};
    case PopoverSymbol::drive:
        return {"drive-harddisk-symbolic", "drive"};
    case PopoverSymbol::driveWarning:
        return {nullptr, "drive-warning"};
    case PopoverSymbol::bolt:
        return {nullptr, "bolt"};
    case PopoverSymbol::pause:
        return {"media-playback-pause-symbolic", "pause"};
    case PopoverSymbol::play:
        return {"media-playback-start-symbolic", "play"};
    case PopoverSymbol::soundOn:
        return {"audio-volume-high-symbolic", "sound-on"};
    case PopoverSymbol::soundOff:
        return {"audio-volume-muted-symbolic", "sound-off"};
    case PopoverSymbol::history:
        return {"document-open-recent-symbolic", "history"};
    case PopoverSymbol::settings:
        return {"preferences-system-symbolic", "settings"};
    case PopoverSymbol::checkForUpdates:
        return {"software-update-available-symbolic", "check-updates"};
    case PopoverSymbol::about:
        return {"help-about-symbolic", "about"};
    case PopoverSymbol::quit:
        return {"application-exit-symbolic", "quit"};
    }
    return {nullptr, "document"};
}

// Dark parts take the colour, light parts (the cut-outs of filled symbols) stay light, transparency stays.
QImage tinted(const QImage& source, const QColor& colour)
{
    QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Screen);
    painter.fillRect(image.rect(), QColor(colour.red(), colour.green(), colour.blue()));
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.drawImage(0, 0, source);
    painter.end();
    if (colour.alpha() < 255) {
        QImage faded(image.size(), QImage::Format_ARGB32_Premultiplied);
        faded.fill(Qt::transparent);
        QPainter fade(&faded);
        fade.setOpacity(colour.alphaF());
        fade.drawImage(0, 0, image);
        fade.end();
        return faded;
    }
    return image;
}

} // namespace

QString PopoverIcons::themeName(PopoverSymbol symbol)
{
    const char* name = namesOf(symbol).theme;
    return name ? QString::fromLatin1(name) : QString();
}

QString PopoverIcons::artworkPath(PopoverSymbol symbol)
{
    return QStringLiteral(":/icons/popover-") + QLatin1String(namesOf(symbol).artwork) +
           QStringLiteral(".svg");
}

QIcon PopoverIcons::source(PopoverSymbol symbol)
{
    static QHash<int, QIcon> sources;
    const auto found = sources.constFind(int(symbol));
    if (found != sources.constEnd()) {
        return *found;
    }
    const QString theme = themeName(symbol);
    QIcon icon =
        !theme.isEmpty() && QIcon::hasThemeIcon(theme) ? QIcon::fromTheme(theme) : QIcon(artworkPath(symbol));
    sources.insert(int(symbol), icon);
    return icon;
}

QPixmap PopoverIcons::pixmap(PopoverSymbol symbol, const QColor& colour, int size, qreal devicePixelRatio)
{
    static QHash<QString, QPixmap> rendered;
    const QString key = QStringLiteral("%1/%2/%3/%4")
                            .arg(int(symbol))
                            .arg(colour.rgba())
                            .arg(size)
                            .arg(qRound(devicePixelRatio * 100));
    const auto found = rendered.constFind(key);
    if (found != rendered.constEnd()) {
        return *found;
    }
    const int pixels = int(std::ceil(size * devicePixelRatio));
    QImage image = source(symbol).pixmap(pixels, pixels).toImage();
    if (image.isNull()) {
        image = QImage(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
    } else if (image.width() != pixels) {
        image = image.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap result = QPixmap::fromImage(tinted(image, colour));
    result.setDevicePixelRatio(devicePixelRatio);
    rendered.insert(key, result);
    return result;
}

QIcon PopoverIcons::icon(PopoverSymbol symbol, const QPalette& palette, int size)
{
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        icon.addPixmap(pixmap(symbol, palette.color(QPalette::Active, QPalette::ButtonText), size, ratio),
                       QIcon::Normal);
        icon.addPixmap(pixmap(symbol, palette.color(QPalette::Disabled, QPalette::ButtonText), size, ratio),
                       QIcon::Disabled);
    }
    return icon;
}

QColor PopoverIcons::textColour(PopoverTone tone, const QPalette& palette)
{
    const std::optional<StatusTone> status = statusTone(tone);
    return status ? StatusPalette::text(*status, palette) : colour(tone, palette);
}

QColor PopoverIcons::colour(PopoverTone tone, const QPalette& palette)
{
    switch (tone) {
    case PopoverTone::normal:
        return palette.color(QPalette::WindowText);
    case PopoverTone::secondary: {
        QColor text = palette.color(QPalette::WindowText);
        text.setAlphaF(0.62f);
        return text;
    }
    case PopoverTone::green:
    case PopoverTone::orange:
    case PopoverTone::blue:
    case PopoverTone::red:
        return StatusPalette::symbol(*statusTone(tone));
    case PopoverTone::grey:
        return QColor(0x8e, 0x8e, 0x93);
    }
    return palette.color(QPalette::WindowText);
}

} // namespace ondrix
