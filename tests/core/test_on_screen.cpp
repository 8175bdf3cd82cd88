// Which monitor holds a window and the least shift that keeps it in reach, over monitor layouts
// side by side, stacked, of different heights, left of the origin, smaller than the window.
#include <gtest/gtest.h>

#include "chrome/on_screen.h"

namespace chrome {
namespace {

// A 210 x 330 window with its title buttons at 74,7 (67 x 18): the monitor holding most of it, the
// shift when a move ends there (the buttons must be on a monitor) and when the monitors change.
TEST(OnScreen, MonitorHoldingAWindowAndTheShiftIntoReach) {
  const QList<QRect> sides{{0, 0, 1280, 800}, {1280, 0, 1920, 1080}},
      stack{{0, 0, 1024, 768}, {0, 768, 1024, 768}},
      left{{0, 0, 1024, 768}, {-1280, -200, 1280, 1024}};
  const std::tuple<const char*, QList<QRect>, QPoint, qsizetype, QPoint, QPoint> cases[] = {
      {"wholly on the right", sides, {1500, 300}, 1, {}, {}},
      {"across, most on the left", sides, {1150, 100}, 0, {}, {}},
      {"dead corner below the lower", sides, {600, 850}, 0, {0, -380}, {0, -380}},
      {"dead corner, nearer the other", sides, {1200, 1000}, 1, {80, -250}, {80, -250}},
      {"partly off, buttons in reach", sides, {1400, 900}, 1, {}, {0, -150}},
      {"buttons off the top", sides, {1400, -10}, 1, {0, 10}, {0, 10}},
      {"across stacked ones", stack, {100, 600}, 0, {}, {}},
      {"off the bottom of stacked ones", stack, {100, 1530}, 1, {0, -324}, {0, -324}},
      {"right of all", left, {1100, 100}, 0, {-286, 0}, {-286, 0}},
      {"at negative coordinates", left, {-900, -150}, 1, {}, {}},
      {"above the one at negative coordinates", left, {-900, -300}, 1, {0, 100}, {0, 100}},
      {"larger than its monitor", {{0, 0, 200, 300}}, {10, 20}, 0, {}, {-10, -20}},
      {"no monitors", {}, {5000, 5000}, -1, {}, {}},
  };
  for (const auto& [name, monitors, at, holding, moveEnds, monitorsChange] : cases) {
    const QRect window(at, QSize(210, 330));
    EXPECT_EQ(ui::monitorHolding(window, monitors), holding) << name;
    EXPECT_EQ(shiftIntoReach(window, QRect(at + QPoint(74, 7), QSize(67, 18)), monitors), moveEnds)
        << name;
    EXPECT_EQ(shiftIntoReach(window, window, monitors), monitorsChange) << name;
  }
}

}  // namespace
}  // namespace chrome
