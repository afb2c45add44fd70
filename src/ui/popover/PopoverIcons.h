#pragma once

#include "ui/popover/PopoverSymbol.h"

#include <QColor>
#include <QHash>
#include <QIcon>
#include <QPixmap>

class QPalette;

namespace ondrix {

// Pictures and colours of the popover. A symbol comes from the desktop's icon theme when the theme has a
// monochrome icon that means the same (so the popover matches the desktop), otherwise from our own artwork,
// and is drawn in the requested colour. Rendered pixmaps are kept, so a repaint costs no SVG rendering.
//
// Main thread only.
class PopoverIcons {
public:
    // The picture of a symbol in `colour`, `size` logical pixels square at `devicePixelRatio`.
    static QPixmap pixmap(PopoverSymbol symbol, const QColor& colour, int size, qreal devicePixelRatio = 1.0);
    // The same as an icon for buttons (normal and disabled looks from the palette's text colours).
    static QIcon icon(PopoverSymbol symbol, const QPalette& palette, int size = 16);
    // The colour a tone stands for on `palette`, for symbols.
    static QColor colour(PopoverTone tone, const QPalette& palette);
    // The same for a text: status tones are adjusted to read on the palette's window.
    static QColor textColour(PopoverTone tone, const QPalette& palette);

    // The icon-theme name tried first (empty: always our artwork) and our artwork's resource path.
    static QString themeName(PopoverSymbol symbol);
    static QString artworkPath(PopoverSymbol symbol);

private:
    static QIcon source(PopoverSymbol symbol);
};

} // namespace ondrix
