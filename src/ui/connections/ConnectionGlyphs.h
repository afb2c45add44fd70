#pragma once

#include <QColor>
#include <QIcon>

namespace ondrix {

// The small symbols of the connections tab, drawn rather than taken from an icon theme (which a desktop
// may lack), in the given colour.
namespace ConnectionGlyphs {

QIcon lock(bool locked, const QColor& colour);
QIcon power(const QColor& colour);
QIcon warning();
QIcon dot(const QColor& colour);
// A circle with a plus or a minus in it.
QIcon circleSign(bool plus, const QColor& colour);

} // namespace ConnectionGlyphs

} // namespace ondrix
