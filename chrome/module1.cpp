#include "chrome/module1.h"

#include "ui/art_resolution.h"

namespace Module1 {

void resetState() {
  valueToConvert = 0;
  browserShown = 0;
}

namespace {

struct CustomResource {
  int16_t number;
  const char* path;
};

constexpr CustomResource kCustomResources[] = {
    {101, ":/art/thermometer.gif"},
    {102, ":/art/background.gif"},
};

QString customResourcePath(int16_t number) {
  for (const CustomResource& resource : kCustomResources) {
    if (resource.number == number) return QString::fromLatin1(resource.path);
  }
  return {};
}

}  // namespace

QPixmap LoadResourcePicture(int16_t number, const QString& type) {
  if (type != QLatin1String("Custom")) return {};
  const QString path = customResourcePath(number);
  return path.isEmpty() ? QPixmap() : ui::loadArt(path);
}

void preloadResourcePictures() {
  QStringList paths;
  for (const CustomResource& resource : kCustomResources)
    paths << QString::fromLatin1(resource.path);
  ui::preloadArt(paths);
}

}  // namespace Module1
