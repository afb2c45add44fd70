#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace ondrix {

// Which Qt platform the desktop interface asks for at start. On Wayland a window cannot place itself, so the
// popover could not stand beside the tray icon; where XWayland is there (DISPLAY beside WAYLAND_DISPLAY) the
// interface runs on it, with Wayland as the fallback. A platform the user chose (QT_QPA_PLATFORM) is kept.
class DisplayPlatform {
public:
    // The value for QT_QPA_PLATFORM, or empty to leave the choice to Qt.
    static QString choose(const QProcessEnvironment& environment);
    // Whether windows of the running platform can be placed where the application asks.
    static bool placesWindows(const QString& platformName);
};

} // namespace ondrix
