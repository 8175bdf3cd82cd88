#include "chrome/window_mask.h"

#include <QRect>

namespace chrome {

QRegion regionOf(const std::vector<Span>& spans) {
  QRegion region;
  for (const Span& span : spans) region += QRect(span.left, span.y, span.right - span.left, 1);
  return region;
}

}  // namespace chrome
