// Keeping a window in reach: wholly on a monitor when it opens or the
// monitors change, its title buttons on one when a move ends. Monitors are
// their available areas, the parts not under a panel.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <functional>

#include "ui/clear_placement.h"

class QWidget;

namespace chrome {

using ui::shiftIntoArea;

// Nothing if `reachable` lies wholly on the monitors; else the least shift
// that puts `window` wholly on its nearest monitor.
QPoint shiftIntoReach(const QRect& window, const QRect& reachable, const QList<QRect>& monitors);

// The available areas of all monitors, the primary's first (logical pixels).
QList<QRect> monitorAreas();

// The available area of the monitor showing `point`, or of the nearest one
// when none does.
QRect availableAreaAt(QPoint point);

// Moves a top-level window to `designed`, measured from the primary
// monitor's top left corner, or as little away from it as puts the whole
// window on that monitor.
void placeOnScreen(QWidget* window, QPoint designed);

// Brings a shown top-level window back into reach if `reachable` (window
// coordinates; the whole window when empty) is not on the monitors; true if
// it moved. A Wayland compositor keeps windows in reach itself: nothing
// happens there.
bool keepInReach(QWidget* window, QRect reachable = {});

// For as long as `main` lives, every change of the monitors brings each
// window of the program back wholly onto a monitor: `main` first, then the
// others, clear of its part `keepClear` (on the screen) where there is room.
void keepWindowsOnMonitors(QWidget* main, std::function<QRect()> keepClear);

}  // namespace chrome
