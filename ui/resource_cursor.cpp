#include "ui/resource_cursor.h"

#include <QFile>
#include <QStringList>

#include "ui/art_resolution.h"

namespace ui {

QCursor LoadResCursor(const QString& name) {
  QFile hotspot(QStringLiteral(":/art/%1.hotspot").arg(name));
  hotspot.open(QIODevice::ReadOnly);
  const QStringList xy = QString::fromLatin1(hotspot.readAll()).simplified().split(u' ');
  return QCursor(loadArt(QStringLiteral(":/art/%1.png").arg(name)), xy.value(0).toInt(),
                 xy.value(1).toInt());
}

}  // namespace ui
