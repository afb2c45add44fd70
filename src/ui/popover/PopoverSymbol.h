#pragma once

namespace ondrix {

// The small pictures of the popover, named after what they show. PopoverIcons turns each into a picture
// from the desktop's icon theme where the theme has a fitting one, or into our own artwork.
enum class PopoverSymbol {
    logo,
    powerOn,
    powerOff,
    clock,
    folder,
    addConnection,
    uploadLimit,
    tag,
    upload,
    uploadActive,
    stabilityCheck,
    film,
    music,
    photo,
    richText,
    archive,
    text,
    table,
    document,
    calendar,
    wifi,
    ethernet,
    hotspot,
    wifiOff,
    wifiWarning,
    network,
    drive,
    driveWarning,
    bolt,
    pause,
    play,
    soundOn,
    soundOff,
    history,
    settings,
    checkForUpdates,
    about,
    quit,
};

// Colours of symbols and texts: fixed signal colours that read on light and dark backgrounds, and the
// palette's secondary text.
enum class PopoverTone { normal, secondary, green, orange, blue, red, grey };

} // namespace ondrix
