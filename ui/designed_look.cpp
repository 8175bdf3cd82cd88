#include "ui/designed_look.h"

#include "ui/fonts.h"

namespace ui {

QPalette designedPalette() {
  const QColor face(240, 240, 240);
  QPalette palette(Qt::black, face, Qt::white, QColor(160, 160, 160), QColor(200, 200, 200),
                   Qt::black, Qt::white, Qt::white, face);
  palette.setColor(QPalette::Highlight, QColor(0, 0, 128));
  palette.setColor(QPalette::HighlightedText, Qt::white);
  palette.setColor(QPalette::PlaceholderText, QColor(96, 96, 96));
  for (const QPalette::ColorRole role :
       {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(QPalette::Disabled, role, QColor(110, 110, 110));
  // Whatever the constructor left out counts as set too.
  palette.setResolveMask(~QPalette::ResolveMask(0));
  return palette;
}

void keepDesignedLook(QWidget* window) {
  window->setPalette(designedPalette());
  QFont font = mappedFont(QStringLiteral("MS Sans Serif"), 8.25);
  font.setResolveMask(QFont::AllPropertiesResolved);
  window->setFont(font);
}

}  // namespace ui
