// Reading .bmp files: the uncompressed Windows bitmap format, palettised at
// 1, 4 or 8 bits per pixel (the depths of the panel's bitmaps), stored
// bottom-up or top-down. Every read is checked against the size of the data, so a short
// or damaged file is refused rather than read past its end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "panel/art_layout.h"

namespace kz {

struct DecodedBitmap {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
  std::vector<Colour> palette;       // the colour table
  std::vector<std::uint8_t> indices;  // palette index per pixel, rows top-down
  std::vector<Colour> pixels;         // colour per pixel, rows top-down

  Colour At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  int IndexAt(int x, int y) const { return indices[static_cast<std::size_t>(y) * width + x]; }
};

// Decodes a whole .bmp file. False, with `out` unspecified, when the data is
// not a bitmap this reader knows or is cut short. Palette indices beyond the
// colour table read as black.
bool DecodeBmp(const std::uint8_t* data, std::size_t size, DecodedBitmap* out);

inline bool DecodeBmp(const std::vector<std::uint8_t>& file, DecodedBitmap* out) {
  return DecodeBmp(file.data(), file.size(), out);
}

}  // namespace kz
