#include "on_screen.h"

#include <algorithm>

namespace kalmo {

namespace {

// One axis: the start that keeps [start, start + length) inside [low, high).
int placeOnAxis(int start, int length, int low, int high) {
  return std::max(low, std::min(start, high - length));
}

}  // namespace

QPoint onScreenPosition(const QRect& frame, const QRect& available) {
  return {placeOnAxis(frame.left(), frame.width(), available.left(),
                      available.left() + available.width()),
          placeOnAxis(frame.top(), frame.height(), available.top(),
                      available.top() + available.height())};
}

}  // namespace kalmo
