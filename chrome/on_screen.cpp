#include "chrome/on_screen.h"

#include <QApplication>
#include <QRegion>
#include <QScreen>
#include <QWidget>

#include "ui/x11_window_manager.h"

namespace chrome {

namespace {

void keepAllOnMonitors(QWidget* main, const std::function<QRect()>& keepClear) {
  keepInReach(main);
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window == main || !keepInReach(window)) continue;
    const QRect outer = window->frameGeometry();
    const QRect placed = ui::placedClearOf(outer, keepClear(), availableAreaAt(outer.center()));
    window->move(window->pos() + placed.topLeft() - outer.topLeft());
  }
}

}  // namespace

QPoint shiftIntoReach(const QRect& window, const QRect& reachable, const QList<QRect>& monitors) {
  // QRegion::contains(QRect) tells overlap, not containment.
  QRegion desktop;
  for (const QRect& monitor : monitors) desktop += monitor;
  if (monitors.isEmpty() || (QRegion(reachable) - desktop).isEmpty()) return {};
  return shiftIntoArea(window, monitors[ui::monitorHolding(window, monitors)]);
}

QList<QRect> monitorAreas() {
  QList<QRect> areas;
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen == QGuiApplication::primaryScreen())
      areas.prepend(screen->availableGeometry());
    else
      areas.append(screen->availableGeometry());
  }
  return areas;
}

QRect availableAreaAt(QPoint point) {
  const QList<QRect> areas = monitorAreas();
  const qsizetype at = ui::monitorHolding(QRect(point, QSize(1, 1)), areas);
  return at < 0 ? QRect() : areas[at];
}

void placeOnScreen(QWidget* window, QPoint designed) {
  const QScreen* primary = QGuiApplication::primaryScreen();
  if (primary == nullptr) return window->move(designed);
  const QRect at(primary->geometry().topLeft() + designed, window->size());
  window->move(at.topLeft() + shiftIntoArea(at, primary->availableGeometry()));
}

bool keepInReach(QWidget* window, QRect reachable) {
  if (ui::onWayland() || !window->isVisible() || window->isMinimized()) return false;
  const QRect outer = window->frameGeometry();
  const QRect part =
      reachable.isEmpty() ? outer : reachable.translated(window->mapToGlobal(QPoint()));
  const QPoint shift = shiftIntoReach(outer, part, monitorAreas());
  if (!shift.isNull()) window->move(window->pos() + shift);
  return !shift.isNull();
}

void keepWindowsOnMonitors(QWidget* main, std::function<QRect()> keepClear) {
  // Looked at once Qt has taken in the whole change, the windows' screens included.
  const auto changed = [main, keepClear] {
    QMetaObject::invokeMethod(
        main, [main, keepClear] { keepAllOnMonitors(main, keepClear); }, Qt::QueuedConnection);
  };
  const auto watch = [main, changed](QScreen* screen) {
    QObject::connect(screen, &QScreen::geometryChanged, main, changed);
    QObject::connect(screen, &QScreen::availableGeometryChanged, main, changed);
  };
  for (QScreen* screen : QGuiApplication::screens()) watch(screen);
  QObject::connect(qApp, &QGuiApplication::screenAdded, main, [watch, changed](QScreen* screen) {
    watch(screen);
    changed();
  });
  QObject::connect(qApp, &QGuiApplication::screenRemoved, main, changed);
}

}  // namespace chrome
