// Whether the program shows on a Wayland compositor, which places windows
// itself and draws no window where it is transparent.
#pragma once

#include <QGuiApplication>

namespace chrome {

inline bool onWayland() {
  return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace chrome
