#include "ui/resource_cursor.h"

#include <QFile>
#include <QPixmap>
#include <QStringList>

namespace ui {

QCursor LoadResCursor(const QString& name) {
  const QPixmap picture(QStringLiteral(":/art/%1.png").arg(name));
  if (picture.isNull()) return QCursor(Qt::PointingHandCursor);

  // Without a readable hotspot Qt centres it, which is no worse than a guess.
  int hotX = -1;
  int hotY = -1;
  QFile hotspot(QStringLiteral(":/art/%1.hotspot").arg(name));
  if (hotspot.open(QIODevice::ReadOnly)) {
    const QStringList parts =
        QString::fromLatin1(hotspot.readAll()).simplified().split(QLatin1Char(' '));
    bool xOk = false;
    bool yOk = false;
    if (parts.size() == 2) {
      const int x = parts[0].toInt(&xOk);
      const int y = parts[1].toInt(&yOk);
      if (xOk && yOk && picture.rect().contains(x, y)) {
        hotX = x;
        hotY = y;
      }
    }
  }
  return QCursor(picture, hotX, hotY);
}

}  // namespace ui
