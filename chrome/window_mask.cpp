#include "chrome/window_mask.h"

#include <QGuiApplication>
#include <QRect>
#include <QWidget>

namespace chrome {

QRegion regionOf(const std::vector<Span>& spans) {
  QRegion region;
  for (const Span& span : spans) region += QRect(span.left, span.y, span.right - span.left, 1);
  return region;
}

void applyOutline(QWidget* window, const QRegion& outline) {
  if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
    window->setAttribute(Qt::WA_TranslucentBackground);
  window->setMask(outline);
}

}  // namespace chrome
