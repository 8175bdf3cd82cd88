// The window's outline: its two pieces at 96 and 120 dpi, scaled and offset,
// and which pixels of the window it keeps.
#include <gtest/gtest.h>

#include <vector>

#include "chrome/window_region.h"

namespace chrome {
namespace {

struct PiecesCase {
  const char* name;
  float scaleX, scaleY;
  int16_t offsetX, offsetY;
  double twipsX, twipsY;
  OutlinePieces expected;
};

TEST(WindowRegion, PiecesInDevicePixels) {
  const std::vector<PiecesCase> cases = {
      {"96 dpi", 1, 1, 0, 0, 15, 15, {{1, 22, 209, 327, 48, 40}, {64, 1, 150, 36, 20, 10}}},
      // 27.5, 187.5 and 12.5 go to the even neighbour.
      {"120 dpi", 1, 1, 0, 0, 12, 12, {{1, 28, 261, 409, 60, 50}, {80, 1, 188, 45, 25, 12}}},
      {"each axis its own density",
       1,
       1,
       0,
       0,
       12,
       15,
       {{1, 22, 261, 327, 60, 40}, {80, 1, 188, 36, 25, 10}}},
      // The offset is added before rounding (188.5 and 28.5 go down) and
      // leaves the corners alone.
      {"120 dpi moved by one",
       1,
       1,
       1,
       1,
       12,
       12,
       {{2, 28, 262, 410, 60, 50}, {81, 2, 188, 46, 25, 12}}},
      {"moved up and left",
       1,
       1,
       -3,
       -2,
       15,
       15,
       {{-2, 20, 206, 325, 48, 40}, {61, -1, 147, 34, 20, 10}}},
      {"scaled", 2, 1.5f, 0, 0, 15, 15, {{2, 33, 418, 490, 96, 60}, {128, 2, 300, 54, 40, 15}}},
      {"halved", 0.5f, 0.5f, 0, 0, 15, 15, {{0, 11, 104, 164, 24, 20}, {32, 0, 75, 18, 10, 5}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const OutlinePieces got =
        outlinePieces(c.scaleX, c.scaleY, c.offsetX, c.offsetY, c.twipsX, c.twipsY);
    const auto show = [](const RoundRect& r) {
      return testing::PrintToString(
          std::vector<int>{r.left, r.top, r.right, r.bottom, r.cornerWidth, r.cornerHeight});
    };
    EXPECT_EQ(got.panel, c.expected.panel) << show(got.panel);
    EXPECT_EQ(got.tab, c.expected.tab) << show(got.tab);
  }
}

bool inside(const std::vector<Span>& spans, int x, int y) {
  for (const Span& s : spans)
    if (s.y == y && x >= s.left && x < s.right) return true;
  return false;
}

struct PixelCase {
  const char* name;
  int x, y;
  bool inside;
};

TEST(WindowRegion, PixelsOfTheWindowAt96Dpi) {
  const auto spans = outlineSpans(outlinePieces(1, 1, 0, 0, 15, 15));
  const std::vector<PixelCase> cases = {
      {"first column", 0, 174, false},
      {"panel's left edge", 1, 174, true},
      {"last column", 209, 174, false},
      {"panel's right edge", 208, 174, true},
      {"first row", 100, 0, false},
      {"tab's top edge", 100, 1, true},
      {"panel's bottom edge", 100, 326, true},
      {"last three rows", 100, 327, false},
      {"last three rows", 100, 328, false},
      {"last three rows", 100, 329, false},
      {"tab above the panel", 100, 10, true},
      {"strip left of the tab", 63, 10, false},
      {"tab's left edge", 64, 10, true},
      {"strip right of the tab", 150, 10, false},
      {"tab's right edge", 149, 10, true},
      {"strips end above the panel", 30, 21, false},
      {"strips end above the panel", 180, 21, false},
      {"tab's lower corner lies in the panel", 64, 35, true},
      {"one pixel inside the window's top left", 1, 1, false},
      {"panel's top left corner", 1, 22, false},
      {"panel's top row, last cut pixel", 19, 22, false},
      {"panel's top row, first kept pixel", 20, 22, true},
      {"panel's top row, last kept pixel", 189, 22, true},
      {"panel's top row, first cut pixel on the right", 190, 22, false},
      {"panel's bottom left corner", 1, 326, false},
      {"panel's bottom row, first kept pixel", 20, 326, true},
      {"panel's bottom right corner", 208, 326, false},
      {"tab's top row, last cut pixel", 69, 1, false},
      {"tab's top row, first kept pixel", 70, 1, true},
      {"tab's top row, last kept pixel", 143, 1, true},
      {"tab's top row, first cut pixel on the right", 144, 1, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.name << " (" << c.x << ", " << c.y << ")");
    EXPECT_EQ(inside(spans, c.x, c.y), c.inside);
  }
}

TEST(WindowRegion, SpansAreOrderedJoinedAndFitTheWindow) {
  // The window is 3150 x 4950 twips: 210 x 330 pixels, 262 x 412 at 120 dpi.
  struct Density {
    double twips;
    int width, height;
  };
  for (const Density d : {Density{15, 210, 330}, Density{12, 262, 412}}) {
    SCOPED_TRACE(testing::Message() << d.twips << " twips per pixel");
    const auto spans = outlineSpans(outlinePieces(1, 1, 0, 0, d.twips, d.twips));
    ASSERT_FALSE(spans.empty());
    EXPECT_EQ(spans.front().y, 1);
    // The pieces overlap, so the outline is one shape: one run per row.
    for (size_t i = 1; i < spans.size(); ++i) EXPECT_EQ(spans[i].y, spans[i - 1].y + 1);
    for (const Span& s : spans) {
      EXPECT_GE(s.left, 1);
      EXPECT_LT(s.left, s.right);
      EXPECT_LT(s.right, d.width);
      EXPECT_LT(s.y, d.height);
    }
  }
}

TEST(WindowRegion, SeparatePiecesGiveTwoRunsInARow) {
  const OutlinePieces apart{{0, 0, 10, 4, 0, 0}, {20, 2, 30, 6, 0, 0}};
  const std::vector<Span> expected = {{0, 0, 10}, {1, 0, 10},  {2, 0, 10},  {2, 20, 30},
                                      {3, 0, 10}, {3, 20, 30}, {4, 20, 30}, {5, 20, 30}};
  EXPECT_EQ(outlineSpans(apart), expected);
}

}  // namespace
}  // namespace chrome
