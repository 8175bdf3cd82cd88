// Layout units: the windows are designed in twips, 15 of them to a logical
// pixel at 96 dpi. Qt's own device-pixel scaling keeps twips true on denser
// screens, so laying out in logical pixels is enough.
#pragma once

#include <QRect>
#include <cmath>

namespace ui {

constexpr int kTwipsPerPixel = 15;

inline int twips(double value) { return static_cast<int>(std::lround(value / kTwipsPerPixel)); }

inline QRect twipsRect(int left, int top, int width, int height) {
  return QRect(twips(left), twips(top), twips(width), twips(height));
}

}  // namespace ui
