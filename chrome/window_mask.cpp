#include "chrome/window_mask.h"

#include <QRect>
#include <QWidget>

#include "ui/x11_window_manager.h"

namespace chrome {

QRegion regionOf(const std::vector<Span>& spans) {
  QRegion region;
  for (const Span& span : spans) region += QRect(span.left, span.y, span.right - span.left, 1);
  return region;
}

void applyOutline(QWidget* window, const QRegion& outline) {
  if (ui::onWayland()) window->setAttribute(Qt::WA_TranslucentBackground);
  window->setMask(outline);
}

}  // namespace chrome
