// Which monitor a window belongs on, and the least shift that keeps it in reach, over the monitor
// layouts people have: side by side, stacked, of different heights, the primary not at the origin,
// left of or above it.
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

// A window of 210 x 330 with its title buttons at 74,7 (67 x 18): the monitor that holds most of
// it, and where a move that ends there or a change of the monitors leaves it.
TEST(OnScreen, MonitorHoldingMostOfAWindowAndTheShiftIntoReach) {
  const QRect buttons(74, 7, 67, 18);
  const QList<QRect> sideBySide{{0, 0, 1280, 800}, {1280, 0, 1920, 1080}},
      stacked{{0, 0, 1024, 768}, {0, 768, 1024, 768}},
      leftOfPrimary{{0, 0, 1024, 768}, {-1280, -200, 1280, 1024}};
  const struct {
    const char* name;
    QList<QRect> monitors;
    QPoint at;
    qsizetype holding;
    QPoint dragEnd, monitorsChange;
  } cases[] = {
      {"wholly on the right", sideBySide, {1500, 300}, 1, {}, {}},
      {"across, most on the left", sideBySide, {1150, 100}, 0, {}, {}},
      {"in the dead corner below the lower one", sideBySide, {600, 850}, 0, {0, -380}, {0, -380}},
      {"the corner, nearer the other", sideBySide, {1200, 1000}, 1, {80, -250}, {80, -250}},
      {"partly off the bottom, buttons in reach", sideBySide, {1400, 900}, 1, {}, {0, -150}},
      {"buttons off the top", sideBySide, {1400, -10}, 1, {0, 10}, {0, 10}},
      {"across the seam of stacked ones", stacked, {100, 600}, 0, {}, {}},
      {"off the bottom of stacked ones", stacked, {100, 1530}, 1, {0, -324}, {0, -324}},
      {"right of all", leftOfPrimary, {1100, 100}, 0, {-286, 0}, {-286, 0}},
      {"at negative coordinates", leftOfPrimary, {-900, -150}, 1, {}, {}},
      {"above the one at negative coordinates", leftOfPrimary, {-900, -300}, 1, {0, 100}, {0, 100}},
      {"no monitors", {}, {5000, 5000}, -1, {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QRect window(c.at, QSize(210, 330));
    EXPECT_EQ(ui::monitorHolding(window, c.monitors), c.holding);
    EXPECT_EQ(shiftIntoReach(window, buttons.translated(c.at), c.monitors), c.dragEnd);
    EXPECT_EQ(shiftIntoReach(window, window, c.monitors), c.monitorsChange);
  }
}

}  // namespace
}  // namespace chrome
