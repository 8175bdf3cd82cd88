#include "app/application_setup.h"

#include <QApplication>
#include <QStyleFactory>

#include "ui/accessible_controls.h"
#include "ui/fonts.h"

namespace app {

void configureApplication() {
  // One look everywhere, whatever desktop theme is around.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  // The default dialog font everywhere a window names none: message boxes and
  // tooltips look like the windows, and no second font is loaded for them.
  QApplication::setFont(ui::mappedFont(QStringLiteral("MS Sans Serif"), 8.25));
  // Hidden windows that are still loaded keep the program running.
  QApplication::setQuitOnLastWindowClosed(false);
  // The desktop matches the windows with the installed menu entry.
  QGuiApplication::setDesktopFileName(QStringLiteral("example.caldorine.Caldorine"));
  // The title buttons are pictures; screen readers get them as buttons, and
  // the thermometer's reading as its description.
  ui::installAccessibleControls();
}

}  // namespace app
