// Caldorine converts temperatures between Fahrenheit and Celsius and shows
// them on a thermometer. The main window is the whole program: it loads the
// others, and the program ends when the last window unloads.
#include <QApplication>
#include <optional>

#include "app/application_setup.h"
#include "app/font_config_warm_up.h"
#include "app/frmtemperature.h"

int main(int argc, char* argv[]) {
  std::optional<app::FontConfigWarmUp> fonts(std::in_place);
  QApplication app(argc, argv);
  fonts.reset();
  app::configureApplication();
  ui::Form::setLastUnloadedHandler([] { QCoreApplication::quit(); });
  ui::Instance<frmtemperature>();
  return app.exec();
}
