#pragma once

#include <QPoint>
#include <QRect>

namespace kalmo {

// Where a window's frame goes so that it lies wholly within the available
// area of its screen: moved left (up) when it reaches past the right (bottom)
// edge, right (down) when it starts before the left (top) edge. A frame
// larger than the area keeps its left (top) edge on the area's, so that the
// title bar and the inputs stay reachable. Never moves a frame that fits.
QPoint onScreenPosition(const QRect& frame, const QRect& available);

}  // namespace kalmo
