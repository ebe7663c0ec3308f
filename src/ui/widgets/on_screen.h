#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>

class QString;
class QWidget;

namespace kalmo {

// Where a window's frame goes so that it lies wholly within the available
// area of its screen: moved left (up) when it reaches past the right (bottom)
// edge, right (down) when it starts before the left (top) edge. A frame
// larger than the area keeps its left (top) edge on the area's, so that the
// title bar and the inputs stay reachable. Never moves a frame that fits.
QPoint onScreenPosition(const QRect& frame, const QRect& available);

// Where a child window's frame of `size` goes beside its owner's frame: to
// the right of it where the area has room, else to its left, else at the
// area's right (left) edge, whichever covers less of the owner; top edges
// level; always wholly within the area where it fits.
QPoint besidePosition(const QRect& ownerFrame, const QSize& size, const QRect& available);

// What every child window (press fit, inspection, batch table, help) does:
// - on its first showing it takes the size `wanted` returns (read then, so
//   that it follows the language and the font), no larger than the
//   available area of the owner's screen, and goes beside the owner;
// - Esc closes it, except in a marked number field, where Esc gives the
//   field its last number back first.
// The window's parent widget is its owner; without one it is centred.
void makeChildWindow(QWidget& window, std::function<QSize()> wanted);

// Puts `content` into a frameless scroll area that fills `window`, so that a
// window larger than the screen (German texts at 200 %) scrolls instead of
// being cut. The area is named `objectName`.
void scrollWindowContent(QWidget& window, QWidget* content, const QString& objectName);

// The same placing for a window without a parent (the help viewer, which
// must not stay on top of the main window): on its first showing, at its
// size within the screen, beside `owner`.
void openBeside(QWidget& window, const QWidget* owner);
// Esc closes the window, except in a marked number field (see above).
void closeOnEscape(QWidget& window);

}  // namespace kalmo
