#include "ui/clear_placement.h"

#include <array>
#include <cstdlib>

namespace ui {

namespace {

// One axis: [low, high) into [areaLow, areaHigh).
int shiftIntoSpan(int low, int high, int areaLow, int areaHigh) {
  if (low < areaLow || high - low > areaHigh - areaLow) return areaLow - low;
  return high > areaHigh ? areaHigh - high : 0;
}

qint64 squared(QPoint shift) {
  return qint64(shift.x()) * shift.x() + qint64(shift.y()) * shift.y();
}

}  // namespace

QPoint shiftIntoArea(const QRect& part, const QRect& area) {
  return {shiftIntoSpan(part.x(), part.x() + part.width(), area.x(), area.x() + area.width()),
          shiftIntoSpan(part.y(), part.y() + part.height(), area.y(), area.y() + area.height())};
}

qsizetype monitorHolding(const QRect& window, const QList<QRect>& monitors) {
  qsizetype best = -1;
  qint64 mostHeld = 0, leastShift = 0;
  for (qsizetype i = 0; i < monitors.size(); ++i) {
    const QRect held = window.intersected(monitors[i]);
    const qint64 area = qint64(held.width()) * held.height();
    const qint64 shift = squared(shiftIntoArea(window, monitors[i]));
    // Any overlap beats none; among those without, the nearest.
    if (best < 0 || area > mostHeld || (mostHeld == 0 && area == 0 && shift < leastShift)) {
      best = i;
      mostHeld = area;
      leastShift = shift;
    }
  }
  return best;
}

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
