#include "ui/art_resolution.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <future>
#include <map>
#include <system_error>
#include <thread>
#include <vector>

namespace ui {

namespace {

const QString kDenseSuffix = QStringLiteral("@2x");

// Only the decoder the suffix names: guessing would load every image plugin
// there is.
QImage decode(const QString& path) {
  QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

// Pictures being decoded ahead, by the path of the version chosen, and the
// thread that decodes them, joined once all are taken or at the end.
struct Ahead {
  std::map<QString, std::future<QImage>> pictures;
  std::thread decoder;
  ~Ahead() {
    if (decoder.joinable()) decoder.join();
  }
} ahead;

}  // namespace

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
  const auto ready = ahead.pictures.find(chosen);
  QImage image;
  if (ready != ahead.pictures.end()) {
    image = ready->second.get();
    ahead.pictures.erase(ready);
    if (ahead.pictures.empty()) ahead.decoder.join();
  } else {
    image = decode(chosen);
  }
  QPixmap picture = QPixmap::fromImage(std::move(image));
  picture.setDevicePixelRatio(artPixelRatio(chosen));
  return picture;
}

void preloadArt(const QStringList& paths) {
  QStringList chosen;
  for (const QString& path : paths) chosen << sharpestArt(path);
  if (ahead.decoder.joinable() || chosen.isEmpty()) return;
  std::vector<std::promise<QImage>> promises(chosen.size());
  for (qsizetype i = 0; i < chosen.size(); ++i)
    ahead.pictures.emplace(chosen[i], promises[i].get_future());
  try {
    ahead.decoder = std::thread([chosen, promises = std::move(promises)]() mutable {
      for (qsizetype i = 0; i < chosen.size(); ++i) promises[i].set_value(decode(chosen[i]));
    });
  } catch (const std::system_error&) {
    // No thread to spare: each picture is decoded when it is first loaded.
    ahead.pictures.clear();
  }
}

}  // namespace ui
