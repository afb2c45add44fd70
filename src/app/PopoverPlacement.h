#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace ondrix {

// Where the popover's top-left corner goes, as a pure function of what the platform tells us.
//
// `anchor` is the tray icon's geometry when the platform gives one, else a 1×1 rectangle at the cursor where
// the click happened. `available` is the screen's area outside the panels. The popover opens beside the
// anchor away from the nearest screen edge (below an icon in a top panel, above one in a bottom panel, to the
// side of one in a vertical panel), centred on it, and is then moved wholly inside `available`.
class PopoverPlacement {
public:
    static constexpr int kGap = 4;

    static QPoint place(const QRect& anchor, const QSize& size, const QRect& available);
};

} // namespace ondrix
