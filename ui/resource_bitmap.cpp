#include "ui/resource_bitmap.h"

#include "ui/art_resolution.h"

namespace ui {

QPixmap LoadResBitmap(const QString& name) {
  return loadArt(QStringLiteral(":/art/%1.bmp").arg(name));
}

}  // namespace ui
