// The main window's outline, computed without any toolkit: the two rounded
// rectangles it is made of, converted to device pixels, and their pixels,
// row by row.
#pragma once

#include <cstdint>
#include <vector>

namespace chrome {

// Right and bottom are exclusive; the corner ellipse is given by its full
// width and height.
struct RoundRect {
  int left, top, right, bottom;
  int cornerWidth, cornerHeight;
  bool operator==(const RoundRect&) const = default;
};

struct OutlinePieces {
  RoundRect panel;
  RoundRect tab;
  bool operator==(const OutlinePieces&) const = default;
};

// The outline's pieces for the given scales, offsets (device pixels added to
// the edges, not to the corner sizes) and twips per device pixel. Every
// number is rounded to the nearest integer, an exact half to the even one.
OutlinePieces outlinePieces(float horizontalScale, float verticalScale, int16_t horizontalOffset,
                            int16_t verticalOffset, double twipsPerPixelX, double twipsPerPixelY);

// One run of pixels of a row: x from left up to, not including, right.
struct Span {
  int y, left, right;
  bool operator==(const Span&) const = default;
};

// Every row of both pieces, the panel's first; the outline is their union.
// A pixel belongs to a piece when it lies inside its rectangle and, within a
// corner, its centre lies inside the corner's ellipse.
std::vector<Span> outlineSpans(const OutlinePieces& pieces);

}  // namespace chrome
