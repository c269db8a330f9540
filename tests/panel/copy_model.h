// What a copy of a bitmap leaves on a raster, pixel by pixel: the rule the copy
// test and its fuzzer hold RasterSurface::CopyBitmap to.
#pragma once

#include <optional>

#include "panel/raster.h"

namespace kz::testing_support {

// `raster` after copying rect {x, y, srcX, srcY, width, height} of bitmap `id`, through
// bitmap id + 1 as its mask if `masked`: a pixel changes only where the rectangle, the
// bitmap and the raster overlap, to the source (plain) or to the background ANDed with
// the mask and ORed with the picture. Nothing when a bitmap is missing or damaged.
inline std::optional<Raster> CopiedByModel(RasterBitmaps& art, Raster raster, const int (&rect)[6], int id,
                                           bool masked) {
  DecodedBitmap picture, mask;
  const auto* pictureFile = art.FileBytes(id);
  const auto* maskFile = masked ? art.FileBytes((static_cast<unsigned>(id) + 1) & 0xFFFF) : nullptr;
  if (!pictureFile || !DecodeBmp(*pictureFile, &picture) || (masked && !(maskFile && DecodeBmp(*maskFile, &mask)))) {
    return std::nullopt;
  }
  // The source pixel of a bitmap that the raster pixel (x, y) receives, if any.
  auto source = [&](const DecodedBitmap& b, int x, int y, Colour* colour) {
    const long long column = static_cast<long long>(x) - rect[0], row = static_cast<long long>(y) - rect[1];
    const long long sx = rect[2] + column, sy = rect[3] + row;
    if (column < 0 || column >= rect[4] || row < 0 || row >= rect[5] || sx < 0 || sx >= b.width || sy < 0 ||
        sy >= b.height) return false;
    return *colour = b.At(static_cast<int>(sx), static_cast<int>(sy)), true;
  };
  for (int y = 0; y < raster.Height(); ++y) {
    for (int x = 0; x < raster.Width(); ++x) {
      Colour want = raster.At(x, y), s = 0;
      if (!masked && source(picture, x, y, &s)) want = s;
      if (masked && source(mask, x, y, &s)) want &= s;
      if (masked && source(picture, x, y, &s)) want |= s;
      raster.Set(x, y, want);
    }
  }
  return raster;
}

}  // namespace kz::testing_support
