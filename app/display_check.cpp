#include "app/display_check.h"

#include <QByteArrayList>
#include <QtGlobal>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace app {

namespace {

// Whether Qt will look for an X or a Wayland display: its own choice, or
// the user's where it names only those.
bool desktopPlatform(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
      return false;
  const QList<QByteArray> chosen = qgetenv("QT_QPA_PLATFORM").split(';');
  return std::all_of(chosen.begin(), chosen.end(), [](const QByteArray& name) {
    return name.isEmpty() || name == "xcb" || name.startsWith("wayland");
  });
}

QByteArray describe(const char* variable, const char* kind) {
  const QByteArray value = qgetenv(variable);
  if (value.isEmpty()) return QByteArray("no ") + kind + " (" + variable + " is not set)";
  return QByteArray("the ") + kind + " \"" + value + "\" could not be opened";
}

void sayNoDisplay() {
  std::fprintf(stderr, "caldorine: no display to show the window on: %s and %s\n",
               describe("DISPLAY", "X display").constData(),
               describe("WAYLAND_DISPLAY", "Wayland display").constData());
}

QtMessageHandler qtHandler = nullptr;

// Qt's one fatal message while it starts is that no window system opened.
void failureToExit(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) return qtHandler(type, context, text);
  sayNoDisplay();
  std::_Exit(1);
}

}  // namespace

bool displayNamed(int argc, char* argv[]) {
  if (!desktopPlatform(argc, argv) || !qEnvironmentVariableIsEmpty("DISPLAY") ||
      !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    return true;
  // Where Qt goes looking for Wayland, it finds the compositor by its usual
  // socket name even without WAYLAND_DISPLAY.
  if (qgetenv("QT_QPA_PLATFORM").contains("wayland") || qgetenv("XDG_SESSION_TYPE") == "wayland")
    return true;
  sayNoDisplay();
  return false;
}

DisplayFailureExit::DisplayFailureExit(int argc, char* argv[])
    : installed_(desktopPlatform(argc, argv)) {
  if (installed_) qtHandler = qInstallMessageHandler(failureToExit);
}

DisplayFailureExit::~DisplayFailureExit() {
  if (installed_) qInstallMessageHandler(qtHandler);
}

}  // namespace app
