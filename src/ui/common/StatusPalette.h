#pragma once

#include <QColor>

class QPalette;

namespace ondrix {

// What a status colour says, wherever the interface shows one.
enum class StatusTone { success, warning, error, info, pending };

// The one set of status colours of the interface: the popover, the editor, the log, the history and the
// browser all take theirs from here, so a red means the same everywhere. Symbols and fills use the bright
// colour on any window; a text gets the same hue moved towards black on a light window or towards white on
// a dark one until it reads at kMinTextContrast.
class StatusPalette {
public:
    // The contrast a status text keeps against the background it is drawn on (WCAG AA for normal text).
    static constexpr double kMinTextContrast = 4.5;

    // Dots, symbols and fills: the same on light and dark windows.
    static QColor symbol(StatusTone tone);
    // A text in `tone` on `background`.
    static QColor text(StatusTone tone, const QColor& background);
    // A text in `tone` on the palette's window colour.
    static QColor text(StatusTone tone, const QPalette& palette);
    // The contrast ratio of two opaque colours, from 1 to 21.
    static double contrast(const QColor& a, const QColor& b);
};

} // namespace ondrix
