#include "app/PopoverPlacement.h"

#include <algorithm>

namespace ondrix {

namespace {

int clampInto(int value, int low, int high)
{
    // A popover larger than the area keeps its top or left edge visible.
    return std::max(low, std::min(value, high));
}

} // namespace

QPoint PopoverPlacement::place(const QRect& anchor, const QSize& size, const QRect& available)
{
    const QPoint centre = anchor.center();
    int x = 0;
    int y = 0;
    if (anchor.right() < available.left() || anchor.left() > available.right()) {
        // A vertical panel beside the available area: open sideways, level with the icon.
        x = anchor.right() < available.left() ? anchor.right() + 1 + kGap
                                              : anchor.left() - kGap - size.width();
        y = centre.y() - size.height() / 2;
    } else {
        x = centre.x() - size.width() / 2;
        const bool upperHalf = centre.y() < available.center().y();
        y = upperHalf ? anchor.bottom() + 1 + kGap : anchor.top() - kGap - size.height();
    }
    x = clampInto(x, available.left(), available.right() + 1 - size.width());
    y = clampInto(y, available.top(), available.bottom() + 1 - size.height());
    return {x, y};
}

} // namespace ondrix
