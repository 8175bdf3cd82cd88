// Where a window opens: on the monitor that holds most of another window,
// wholly on it, leaving a part of that other window (its title buttons, say)
// free to use.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

namespace ui {

// The shortest shift that puts `part` inside `area`. Along an axis where the
// part is larger than the area, its left or top edge goes to the area's.
QPoint shiftIntoArea(const QRect& part, const QRect& area);

// The index of the monitor that holds the most of `window`; where none holds
// any, the one the least shift would bring it wholly onto. -1 for no monitors.
qsizetype monitorHolding(const QRect& window, const QList<QRect>& monitors);

// `window` (its outer rectangle) where it is if it leaves `keepClear` free;
// else moved the least, straight left, right, up or down, to where it leaves
// it free and lies wholly inside `area`; where it is if there is no such place.
QRect placedClearOf(const QRect& window, const QRect& keepClear, const QRect& area);

}  // namespace ui
