// The drawing canvas; see canvas.h.
#include "tools/artgen/canvas.h"

#include <cstring>

namespace kz::art {

Canvas::Canvas(int width, int height, Colour fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

Colour Canvas::At(int x, int y) const {
  return Contains(x, y) ? pixels_[static_cast<std::size_t>(y) * width_ + x] : kBlack;
}

void Canvas::Set(int x, int y, Colour colour) {
  if (Contains(x, y)) pixels_[static_cast<std::size_t>(y) * width_ + x] = colour;
}

void Canvas::FillRect(int x, int y, int width, int height, Colour colour) {
  for (int row = y; row < y + height; ++row) {
    for (int column = x; column < x + width; ++column) Set(column, row, colour);
  }
}

void Canvas::Paste(const Canvas& other, int x, int y) {
  for (int row = 0; row < other.Height(); ++row) {
    for (int column = 0; column < other.Width(); ++column) {
      Set(x + column, y + row, other.At(column, row));
    }
  }
}

void DrawAsciiArt(Canvas& canvas, int x, int y, const std::vector<const char*>& rows,
                  const std::vector<ColourKey>& key) {
  for (std::size_t row = 0; row < rows.size(); ++row) {
    const std::size_t length = std::strlen(rows[row]);
    for (std::size_t column = 0; column < length; ++column) {
      for (const ColourKey& k : key) {
        if (k.symbol == rows[row][column]) {
          canvas.Set(x + static_cast<int>(column), y + static_cast<int>(row), k.colour);
          break;
        }
      }
    }
  }
}

}  // namespace kz::art
