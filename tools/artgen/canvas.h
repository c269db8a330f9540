// A picture being drawn: a grid of colours with the few drawing helpers the
// artwork needs. Everything outside the grid is silently clipped.
#pragma once

#include <cstdint>
#include <vector>

#include "panel/art_layout.h"

namespace kz::art {

class Canvas {
 public:
  Canvas(int width, int height, Colour fill);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Contains(int x, int y) const { return 0 <= x && x < width_ && 0 <= y && y < height_; }

  Colour At(int x, int y) const;  // black outside
  void Set(int x, int y, Colour colour);
  void FillRect(int x, int y, int width, int height, Colour colour);

  // Copies `other` with its top-left corner at (x, y).
  void Paste(const Canvas& other, int x, int y);

 private:
  int width_;
  int height_;
  std::vector<Colour> pixels_;
};

// An ASCII-art picture: one string per row, one character per pixel; the
// key maps characters to colours and any other character leaves the canvas
// as it is. Drawn with its top-left corner at (x, y).
struct ColourKey {
  char symbol;
  Colour colour;
};
void DrawAsciiArt(Canvas& canvas, int x, int y, const std::vector<const char*>& rows,
                  const std::vector<ColourKey>& key);

}  // namespace kz::art
