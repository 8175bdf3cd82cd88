#include "ui/fonts.h"

#include <QStringList>

namespace ui {

QFont mappedFont(const QString& face, double points, bool bold) {
  QFont font;
  if (face == QLatin1String("MS Serif")) {
    // Liberation and DejaVu come with Debian's font packages; the style hint
    // keeps a serif even where neither is installed.
    font.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    font.setStyleHint(QFont::Serif);
  } else if (face == QLatin1String("MS Sans Serif") || face == QLatin1String("Arial")) {
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
  } else {
    font.setFamilies({face});
    font.setStyleHint(QFont::SansSerif);
  }
  font.setPointSizeF(points);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  return font;
}

}  // namespace ui
