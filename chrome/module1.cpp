#include "chrome/module1.h"

#include <QByteArray>
#include <QFile>

#include "ui/art_resolution.h"

namespace Module1 {

void resetState() {
  conversionDirection = 0;
  valueToConvert = 0;
  browserShown = 0;
  cookingMethod = 0;
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

}  // namespace

QPixmap LoadResourcePicture(int16_t number, const QString& type) {
  if (type != QLatin1String("Custom")) return {};
  for (const CustomResource& resource : kCustomResources) {
    if (resource.number != number) continue;
    // The screen's own resolution, where the picture comes in more than one.
    const QString path = ui::sharpestArt(QString::fromLatin1(resource.path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    QPixmap picture;
    // The format is recognised from the data, as for any picture file.
    picture.loadFromData(bytes);
    picture.setDevicePixelRatio(ui::artPixelRatio(path));
    return picture;
  }
  return {};
}

}  // namespace Module1
