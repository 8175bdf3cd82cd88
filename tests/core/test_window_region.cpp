// The window's outline: its two pieces in device pixels, and which pixels of the window they keep,
// at 96 and 120 dpi.
#include <gtest/gtest.h>

#include <vector>

#include "chrome/window_region.h"

namespace chrome {
namespace {

TEST(WindowRegion, PiecesInDevicePixels) {
  EXPECT_EQ(outlinePieces(1, 1, 0, 0, 15, 15),
            (OutlinePieces{{1, 22, 209, 327, 48, 40}, {64, 1, 150, 36, 20, 10}}));
  // At 120 dpi the halves 27.5, 187.5 and 12.5 go to the even neighbours.
  EXPECT_EQ(outlinePieces(1, 1, 0, 0, 12, 12),
            (OutlinePieces{{1, 28, 261, 409, 60, 50}, {80, 1, 188, 45, 25, 12}}));
  // Offsets move the edges, not the corners; scales stretch both.
  EXPECT_EQ(outlinePieces(1, 1, 3, -2, 15, 15),
            (OutlinePieces{{4, 20, 212, 325, 48, 40}, {67, -1, 153, 34, 20, 10}}));
  EXPECT_EQ(outlinePieces(2, 0.5f, 0, 0, 15, 15),
            (OutlinePieces{{2, 11, 418, 164, 96, 20}, {128, 0, 300, 18, 40, 5}}));
}

// Each piece alone is as symmetric as its rectangle: left with right, top with bottom, its middle
// rows full.
TEST(WindowRegion, EachPieceIsSymmetric) {
  for (const double twips : {15.0, 12.0}) {
    const OutlinePieces pieces = outlinePieces(1, 1, 0, 0, twips, twips);
    for (const RoundRect& piece : {pieces.panel, pieces.tab}) {
      SCOPED_TRACE(testing::Message() << twips << " twips, piece at " << piece.left);
      auto rows = outlineSpans({piece, piece});
      ASSERT_EQ(rows.size(), 2u * (piece.bottom - piece.top));
      rows.resize(rows.size() / 2);
      for (std::size_t i = 0; i < rows.size(); ++i) {
        const Span &row = rows[i], &mirror = rows[rows.size() - 1 - i];
        EXPECT_EQ(row.y, piece.top + static_cast<int>(i));
        EXPECT_EQ(row.left - piece.left, piece.right - row.right) << row.y;
        EXPECT_EQ(std::pair(row.left, row.right), std::pair(mirror.left, mirror.right)) << row.y;
      }
      EXPECT_EQ(std::pair(rows[rows.size() / 2].left, rows[rows.size() / 2].right),
                std::pair(piece.left, piece.right));
    }
  }
}

TEST(WindowRegion, RoundedCornersAndTheStripsBesideTheTab) {
  // clang-format off
  const std::tuple<double, int, int, bool> pixels[] = {
      {15, 19, 22, false}, {15, 20, 22, true},  {15, 69, 1, false}, {15, 70, 1, true},
      {15, 63, 10, false}, {15, 64, 10, true},  {15, 30, 21, false}, {15, 64, 35, true},
      {15, 0, 174, false}, {15, 100, 326, true}, {15, 100, 327, false},
      {12, 24, 28, false}, {12, 25, 28, true},  {12, 83, 2, false}, {12, 84, 2, true},
      {12, 79, 10, false}, {12, 80, 10, true},  {12, 30, 27, false}, {12, 130, 409, false},
  };
  // clang-format on
  for (const double twips : {15.0, 12.0}) {
    const auto spans = outlineSpans(outlinePieces(1, 1, 0, 0, twips, twips));
    for (const auto& [at, x, y, in] : pixels) {
      if (at != twips) continue;
      bool found = false;
      for (const Span& s : spans) found = found || (s.y == y && x >= s.left && x < s.right);
      EXPECT_EQ(found, in) << twips << " twips: " << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace chrome
