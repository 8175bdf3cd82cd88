#include "chrome/module1.h"

#include <QByteArray>
#include <QFile>

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
    QFile file(QString::fromLatin1(resource.path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    QPixmap picture;
    // The format is recognised from the data, as for any picture file.
    picture.loadFromData(bytes);
    return picture;
  }
  return {};
}

}  // namespace Module1
