// The window's outline at 96 and 120 dpi: which pixels of the window it keeps.
#include <gtest/gtest.h>

#include <vector>

#include "chrome/window_region.h"

namespace chrome {
namespace {

bool inside(const std::vector<Span>& spans, int x, int y) {
  for (const Span& s : spans)
    if (s.y == y && x >= s.left && x < s.right) return true;
  return false;
}

TEST(WindowRegion, PixelsAtTheEdgesAt96And120Dpi) {
  struct PixelCase {
    double twips;
    int x, y;
    bool inside;
  };
  // clang-format off
  const std::vector<PixelCase> cases = {
      // The panel's straight edges, the tab's top and the strips beside it,
      // down to the panel; the tab's lower corner lies in the panel.
      {15, 0, 174, false},  {15, 1, 174, true},   {15, 208, 174, true}, {15, 209, 174, false},
      {15, 100, 326, true}, {15, 100, 327, false}, {15, 100, 0, false}, {15, 100, 1, true},
      {15, 63, 10, false},  {15, 64, 10, true},   {15, 149, 10, true},  {15, 150, 10, false},
      {15, 30, 21, false},  {15, 64, 35, true},
      // Where the rounded corners cut the top rows of the panel and the tab.
      {15, 19, 22, false},  {15, 20, 22, true},   {15, 189, 22, true},  {15, 190, 22, false},
      {15, 69, 1, false},   {15, 70, 1, true},    {15, 143, 1, true},   {15, 144, 1, false},
      // The same at 120 dpi.
      {12, 0, 200, false},  {12, 1, 200, true},   {12, 260, 200, true}, {12, 261, 200, false},
      {12, 130, 408, true}, {12, 130, 409, false}, {12, 134, 0, false}, {12, 134, 1, true},
      {12, 79, 10, false},  {12, 80, 10, true},   {12, 187, 10, true},  {12, 188, 10, false},
      {12, 30, 27, false},  {12, 80, 44, true},
      {12, 24, 28, false},  {12, 25, 28, true},   {12, 236, 28, true},  {12, 237, 28, false},
      {12, 87, 1, false},   {12, 88, 1, true},    {12, 179, 1, true},   {12, 180, 1, false},
      // The tab's corner is 12 pixels high: 12.5 goes to the even neighbour.
      {12, 83, 2, false},   {12, 84, 2, true},
  };
  // clang-format on
  for (const double twips : {15.0, 12.0}) {
    const auto spans = outlineSpans(outlinePieces(1, 1, 0, 0, twips, twips));
    // The pieces overlap, so the outline is one shape: one run per row from
    // the tab's top row down.
    for (std::size_t i = 0; i < spans.size(); ++i) EXPECT_EQ(spans[i].y, 1 + int(i)) << twips;
    for (const auto& c : cases) {
      if (c.twips != twips) continue;
      SCOPED_TRACE(testing::Message() << twips << " twips (" << c.x << ", " << c.y << ")");
      EXPECT_EQ(inside(spans, c.x, c.y), c.inside);
    }
  }
}

}  // namespace
}  // namespace chrome
