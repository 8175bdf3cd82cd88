// Keeping a window reachable: the least shift that brings a rectangle (the
// whole window, or the part of it that must stay in reach) into the screen's
// available area, the part not under a panel.
#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

namespace chrome {

// The shortest shift that puts `part` inside `area`. Along an axis where the
// part is larger than the area, its left or top edge goes to the area's.
QPoint shiftIntoArea(const QRect& part, const QRect& area);

// The available area of the screen showing `point`, or of the primary screen
// when none does (logical pixels).
QRect availableAreaAt(QPoint point);

// Moves a top-level window to `designed`, or as little away from it as puts
// the whole window on the screen there.
void placeOnScreen(QWidget* window, QPoint designed);

}  // namespace chrome
