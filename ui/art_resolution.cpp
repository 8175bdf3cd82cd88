#include "ui/art_resolution.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>

namespace ui {

namespace {
const QString kDenseSuffix = QStringLiteral("@2x");
}

QString sharpestArt(const QString& path, qreal ratio) {
  const qsizetype dot = path.lastIndexOf(u'.');
  if (ratio <= 1 || dot < 0) return path;
  const QString dense = path.left(dot) + kDenseSuffix + path.mid(dot);
  return QFile::exists(dense) ? dense : path;
}

QString sharpestArt(const QString& path) { return sharpestArt(path, qGuiApp->devicePixelRatio()); }

qreal artPixelRatio(const QString& path) { return path.contains(kDenseSuffix + u'.') ? 2.0 : 1.0; }

QPixmap loadArt(const QString& path) {
  const QString chosen = sharpestArt(path);
  // Only the decoder the suffix names: guessing would load every image
  // plugin there is.
  QImageReader reader(chosen, QFileInfo(chosen).suffix().toLatin1());
  reader.setAutoDetectImageFormat(false);
  QPixmap picture = QPixmap::fromImageReader(&reader);
  picture.setDevicePixelRatio(artPixelRatio(chosen));
  return picture;
}

}  // namespace ui
