#include "chrome/window_region.h"

#include <algorithm>
#include <cmath>

namespace chrome {

namespace {

// Design numbers are pixels at 15 twips each.
constexpr double kDesignTwipsPerPixel = 15;
constexpr RoundRect kPanel{1, 22, 209, 327, 48, 40};
constexpr RoundRect kTab{64, 1, 150, 36, 20, 10};

// Nearest integer, an exact half to the even neighbour. The clamp only keeps
// the conversion defined for absurd scales; no screen comes near it.
int nearestEven(double value) {
  constexpr double kLimit = 1 << 30;
  if (std::isnan(value)) return 0;
  value = std::clamp(value, -kLimit, kLimit);
  const double below = std::floor(value);
  const double fraction = value - below;
  const bool up = fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0);
  return static_cast<int>(up ? below + 1 : below);
}

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

// The piece's pixels in row y as [left, right); empty when right <= left.
std::pair<int, int> rowOf(const RoundRect& piece, int y) {
  if (y < piece.top || y >= piece.bottom) return {0, 0};
  int left = piece.left;
  int right = piece.right;
  while (left < right && !contains(piece, left, y)) ++left;
  while (right > left && !contains(piece, right - 1, y)) --right;
  return {left, right};
}

}  // namespace

OutlinePieces outlinePieces(float horizontalScale, float verticalScale, int16_t horizontalOffset,
                            int16_t verticalOffset, double twipsPerPixelX, double twipsPerPixelY) {
  const Axis x{horizontalScale, twipsPerPixelX, horizontalOffset};
  const Axis y{verticalScale, twipsPerPixelY, verticalOffset};
  return {convert(kPanel, x, y), convert(kTab, x, y)};
}

bool contains(const RoundRect& piece, int x, int y) {
  if (x < piece.left || x >= piece.right || y < piece.top || y >= piece.bottom) return false;
  // A corner larger than the rectangle is cut to its size.
  const double a = std::clamp(piece.cornerWidth, 0, piece.right - piece.left) / 2.0;
  const double b = std::clamp(piece.cornerHeight, 0, piece.bottom - piece.top) / 2.0;
  if (a <= 0 || b <= 0) return true;

  const double cx = x + 0.5;
  const double cy = y + 0.5;
  double dx = 0;
  double dy = 0;
  if (cx < piece.left + a) {
    dx = piece.left + a - cx;
  } else if (cx > piece.right - a) {
    dx = cx - (piece.right - a);
  }
  if (cy < piece.top + b) {
    dy = piece.top + b - cy;
  } else if (cy > piece.bottom - b) {
    dy = cy - (piece.bottom - b);
  }
  return (dx / a) * (dx / a) + (dy / b) * (dy / b) <= 1;
}

std::vector<Span> outlineSpans(const OutlinePieces& pieces) {
  std::vector<Span> spans;
  const int top = std::min(pieces.panel.top, pieces.tab.top);
  const int bottom = std::max(pieces.panel.bottom, pieces.tab.bottom);
  for (int y = top; y < bottom; ++y) {
    auto a = rowOf(pieces.panel, y);
    auto b = rowOf(pieces.tab, y);
    if (a.first >= a.second) a = b;
    if (b.first >= b.second) b = a;
    if (a.first >= a.second) continue;
    if (b.first < a.first) std::swap(a, b);
    if (b.first <= a.second) {
      spans.push_back({y, a.first, std::max(a.second, b.second)});
    } else {
      spans.push_back({y, a.first, a.second});
      spans.push_back({y, b.first, b.second});
    }
  }
  return spans;
}

}  // namespace chrome
