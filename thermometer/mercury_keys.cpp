#include "thermometer/mercury_keys.h"

#include <Qt>
#include <algorithm>
#include <cmath>

namespace thermometer {

std::optional<float> mercuryKeyStep(int key) {
  switch (key) {
    case Qt::Key_Up:
      return -0.01f;
    case Qt::Key_Down:
      return 0.01f;
    case Qt::Key_PageUp:
      return -0.1f;
    case Qt::Key_PageDown:
      return 0.1f;
    default:
      return std::nullopt;
  }
}

float steppedMercuryHeight(float from, float step) {
  const float top = std::nextafter(-1.0f, 0.0f);
  const float bottom = std::nextafter(0.0f, -1.0f);
  // Evaluated in double and rounded once, like every formula of the scale.
  const auto moved = static_cast<float>(static_cast<double>(from) + static_cast<double>(step));
  return std::clamp(moved, top, bottom);
}

}  // namespace thermometer
