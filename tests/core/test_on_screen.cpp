// The least shift that brings a rectangle into the screen's available area.
#include <gtest/gtest.h>

#include "chrome/on_screen.h"

namespace chrome {
namespace {

TEST(OnScreen, LeastShiftIntoTheArea) {
  const QRect area(0, 30, 640, 370);  // a panel takes the top 30 pixels
  const std::tuple<QRect, QPoint> cases[] = {
      {{67, 133, 210, 330}, {0, -63}},   // runs below: up just enough
      {{67, 40, 210, 330}, {0, 0}},      // fits
      {{-50, 10, 60, 17}, {50, 20}},     // off the left and under the panel
      {{600, 395, 60, 17}, {-20, -12}},  // past the right and the bottom
      {{10, 20, 700, 400}, {-10, 10}},   // larger than the area: its top left goes in
  };
  for (const auto& [part, shift] : cases)
    EXPECT_EQ(shiftIntoArea(part, area), shift) << part.x() << "," << part.y();
}

}  // namespace
}  // namespace chrome
