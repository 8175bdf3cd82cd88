// The outline's pixel spans as a Qt region, ready to be a window's mask.
#pragma once

#include <QRegion>
#include <vector>

#include "chrome/window_region.h"

namespace chrome {

QRegion regionOf(const std::vector<Span>& spans);

}  // namespace chrome
