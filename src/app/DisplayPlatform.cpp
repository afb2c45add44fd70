#include "app/DisplayPlatform.h"

namespace ondrix {

QString DisplayPlatform::choose(const QProcessEnvironment& environment)
{
    const auto isSet = [&](const char* name) { return !environment.value(QLatin1String(name)).isEmpty(); };
    if (isSet("QT_QPA_PLATFORM") || !isSet("WAYLAND_DISPLAY") || !isSet("DISPLAY")) {
        return {};
    }
    return QStringLiteral("xcb;wayland");
}

bool DisplayPlatform::placesWindows(const QString& platformName)
{
    return !platformName.startsWith(QLatin1String("wayland"));
}

} // namespace ondrix
