// Where a window opens to leave another's title buttons free: where it is if
// it does, else moved the least, straight, to a place wholly on the screen.
#include <gtest/gtest.h>

#include "ui/clear_placement.h"

TEST(ClearPlacement, StaysOrMovesTheLeastToAPlaceOnTheScreen) {
  const QRect buttons(140, 140, 67, 18), screen(0, 0, 640, 480);
  const struct {
    QRect window, expected;
  } cases[] = {
      {{300, 100, 300, 200}, {300, 100, 300, 200}},  // leaves them free: stays
      {{170, 90, 300, 200}, {207, 90, 300, 200}},    // right, 37 px
      {{10, 150, 140, 100}, {10, 158, 140, 100}},    // down, 8 px (left, 10)
      {{100, 120, 500, 100}, {100, 158, 500, 100}},  // too wide for left or right: down
      {{150, 60, 47, 200}, {93, 60, 47, 200}},       // left or right, 57 px each: the first, left
      {{100, 100, 500, 380}, {100, 100, 500, 380}},  // nowhere on the screen: stays
  };
  for (const auto& c : cases) EXPECT_EQ(ui::placedClearOf(c.window, buttons, screen), c.expected);
}
