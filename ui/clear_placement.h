// Where a window opens so that it leaves a part of another window (its title
// buttons, say) free to use.
#pragma once

#include <QRect>

namespace ui {

// `window` (its outer rectangle) where it is if it leaves `keepClear` free;
// else moved the least, straight left, right, up or down, to where it leaves
// it free and lies wholly inside `area`; where it is if there is no such place.
QRect placedClearOf(const QRect& window, const QRect& keepClear, const QRect& area);

}  // namespace ui
