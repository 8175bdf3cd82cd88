// The outline's pixel spans as a Qt region, and that region made the
// window's visible and clickable shape.
#pragma once

#include <QRegion>
#include <vector>

#include "chrome/window_region.h"

class QWidget;

namespace chrome {

QRegion regionOf(const std::vector<Span>& spans);

// Call before the window is first shown. A mask cuts pixels and clicks on
// X11 but clicks only on Wayland, so there the window is also made
// translucent, and its paint event must clip to its mask().
void applyOutline(QWidget* window, const QRegion& outline);

}  // namespace chrome
