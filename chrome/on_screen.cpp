#include "chrome/on_screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace chrome {

namespace {

// One axis: [low, high) into [areaLow, areaHigh).
int shiftIntoSpan(int low, int high, int areaLow, int areaHigh) {
  if (low < areaLow || high - low > areaHigh - areaLow) return areaLow - low;
  return high > areaHigh ? areaHigh - high : 0;
}

}  // namespace

QPoint shiftIntoArea(const QRect& part, const QRect& area) {
  return {shiftIntoSpan(part.x(), part.x() + part.width(), area.x(), area.x() + area.width()),
          shiftIntoSpan(part.y(), part.y() + part.height(), area.y(), area.y() + area.height())};
}

QRect availableAreaAt(QPoint point) {
  QScreen* screen = QGuiApplication::screenAt(point);
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

void placeOnScreen(QWidget* window, QPoint designed) {
  const QRect at(designed, window->size());
  const QRect area = availableAreaAt(at.center());
  window->move(area.isEmpty() ? designed : designed + shiftIntoArea(at, area));
}

}  // namespace chrome
