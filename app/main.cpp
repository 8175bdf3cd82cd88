// Caldorine converts temperatures between Fahrenheit and Celsius and shows
// them on a thermometer. The main window is the whole program: it loads the
// others, and the program ends when the last window unloads.
#include <QApplication>
#include <optional>

#include "app/application_setup.h"
#include "app/display_check.h"
#include "app/font_config_warm_up.h"
#include "app/frmtemperature.h"
#include "chrome/module1.h"

int main(int argc, char* argv[]) {
  if (!app::displayNamed(argc, argv)) return 1;
  std::optional<app::FontConfigWarmUp> fonts(std::in_place);
  std::optional<app::DisplayFailureExit> noDisplay(std::in_place, argc, argv);
  QApplication app(argc, argv);
  noDisplay.reset();
  // The window's pictures decode on a thread of their own while it is built.
  Module1::preloadResourcePictures();
  fonts.reset();
  app::configureApplication();
  ui::Form::setLastUnloadedHandler([] { QCoreApplication::quit(); });
  app::setIconAfterFirstFrame(ui::Instance<frmtemperature>());
  return app.exec();
}
