#include "ui/clear_placement.h"

#include <array>
#include <cstdlib>

namespace ui {

QRect placedClearOf(const QRect& window, const QRect& keepClear, const QRect& area) {
  if (!window.intersects(keepClear)) return window;
  const std::array<QPoint, 4> moves = {
      QPoint(keepClear.left() - 1 - window.right(), 0),  // to its left
      QPoint(keepClear.right() + 1 - window.left(), 0),  // to its right
      QPoint(0, keepClear.top() - 1 - window.bottom()),  // above it
      QPoint(0, keepClear.bottom() + 1 - window.top()),  // below it
  };
  QRect best = window;
  int shortest = -1;
  for (const QPoint& move : moves) {
    const int length = std::abs(move.x()) + std::abs(move.y());
    if (area.contains(window.translated(move)) && (shortest < 0 || length < shortest)) {
      best = window.translated(move);
      shortest = length;
    }
  }
  return best;
}

}  // namespace ui
