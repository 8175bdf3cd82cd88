#include "chrome/window_region.h"

#include <algorithm>
#include <cmath>

namespace chrome {

namespace {

// Design numbers are pixels at 15 twips each.
constexpr double kDesignTwipsPerPixel = 15;
constexpr RoundRect kPanel{1, 22, 209, 327, 48, 40};
constexpr RoundRect kTab{64, 1, 150, 36, 20, 10};

// Nearest integer, an exact half to the even neighbour (the default rounding).
int nearestEven(double value) { return static_cast<int>(std::nearbyint(value)); }

struct Axis {
  double scale;
  double twipsPerPixel;
  int offset;
  int edge(int n) const { return nearestEven(size(n) + offset); }
  double size(int n) const { return scale * n * kDesignTwipsPerPixel / twipsPerPixel; }
  int length(int n) const { return nearestEven(size(n)); }
};

RoundRect convert(const RoundRect& piece, const Axis& x, const Axis& y) {
  return {x.edge(piece.left),   y.edge(piece.top),           x.edge(piece.right),
          y.edge(piece.bottom), x.length(piece.cornerWidth), y.length(piece.cornerHeight)};
}

// The piece's pixels in one of its rows as [left, right). Within a corner a
// pixel belongs to the piece when its centre lies inside the corner's
// ellipse; the corners mirror each other, so the row is found from its left.
std::pair<int, int> rowOf(const RoundRect& piece, int y) {
  const double a = piece.cornerWidth / 2.0;
  const double b = piece.cornerHeight / 2.0;
  // How far the centres lie past the straight part of the edges.
  const double dy = std::max({0.0, piece.top + b - (y + 0.5), y + 0.5 - (piece.bottom - b)});
  int left = piece.left;
  for (; left < piece.right; ++left) {
    const double dx = std::max(0.0, piece.left + a - (left + 0.5));
    if ((dx / a) * (dx / a) + (dy / b) * (dy / b) <= 1) break;
  }
  return {left, piece.right - (left - piece.left)};
}

}  // namespace

OutlinePieces outlinePieces(float horizontalScale, float verticalScale, int16_t horizontalOffset,
                            int16_t verticalOffset, double twipsPerPixelX, double twipsPerPixelY) {
  const Axis x{horizontalScale, twipsPerPixelX, horizontalOffset};
  const Axis y{verticalScale, twipsPerPixelY, verticalOffset};
  return {convert(kPanel, x, y), convert(kTab, x, y)};
}

std::vector<Span> outlineSpans(const OutlinePieces& pieces) {
  std::vector<Span> spans;
  for (const RoundRect& piece : {pieces.panel, pieces.tab}) {
    for (int y = piece.top; y < piece.bottom; ++y) {
      const auto [left, right] = rowOf(piece, y);
      spans.push_back({y, left, right});
    }
  }
  return spans;
}

}  // namespace chrome
