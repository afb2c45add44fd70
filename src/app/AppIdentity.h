#pragma once

#include <QString>

namespace ondrix::AppIdentity {

// One reverse-DNS id for the desktop entry, the icons, the autostart entry, the window manager's application
// name (setDesktopFileName) and the session-bus service of the running instance.
inline QString applicationId()
{
    return QStringLiteral("io.ondrix.Ondrix");
}

// Object path and interface of the running instance's remote-control service on the session bus.
inline QString busObjectPath()
{
    return QStringLiteral("/io/ondrix/Ondrix");
}

inline QString busInterface()
{
    return QStringLiteral("io.ondrix.Ondrix");
}

} // namespace ondrix::AppIdentity
