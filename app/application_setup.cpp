#include "app/application_setup.h"

#include <QApplication>
#include <QStyleFactory>

namespace app {

void configureApplication() {
  // One look everywhere, whatever desktop theme is around.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  // Hidden windows that are still loaded keep the program running.
  QApplication::setQuitOnLastWindowClosed(false);
}

}  // namespace app
