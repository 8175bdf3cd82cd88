#include "ui/resource_bitmap.h"

namespace ui {

QPixmap LoadResBitmap(const QString& name) {
  return QPixmap(QStringLiteral(":/art/%1.bmp").arg(name));
}

}  // namespace ui
