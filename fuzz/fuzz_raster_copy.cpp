// Copies any rectangle of the panel's bitmaps, plain or through its mask, to
// a raster of any size, and checks every pixel against the rule: a pixel
// changes only where the rectangle, the bitmap and the raster overlap, and
// there it is the source (plain) or the background ANDed with the mask and
// ORed with the picture (masked).
#include "fuzz/fuzz.h"
#include "panel/raster.h"

using namespace kz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static BitmapFolder art(KZ_SOURCE_DIR "/resources/art");
  FuzzedDataProvider input(data, size);
  const int bitmapCount = static_cast<int>(sizeof kBitmapFiles / sizeof kBitmapFiles[0]);
  const int id = input.ConsumeBool() ? kBitmapFiles[input.ConsumeIntegralInRange(0, bitmapCount - 1)].id
                                     : input.ConsumeIntegral<int>();
  const bool masked = input.ConsumeBool();
  const Colour fill = input.ConsumeIntegral<Colour>() & 0xFFFFFFu;
  Raster raster(input.ConsumeIntegralInRange(-1, 64), input.ConsumeIntegralInRange(-1, 48), fill);
  int rect[6];  // x, y, srcX, srcY, width, height: mostly near the raster and the bitmaps
  for (int& v : rect) v = fuzz::Mostly(input, -700, 700);

  DecodedBitmap picture, mask;
  const auto* pictureFile = art.FileBytes(id);
  const auto* maskFile = masked ? art.FileBytes((static_cast<unsigned>(id) + 1) & 0xFFFF) : nullptr;
  const bool drawable = pictureFile && DecodeBmp(*pictureFile, &picture) &&
                        (!masked || (maskFile && DecodeBmp(*maskFile, &mask)));
  RasterSurface surface(raster, &art);
  fuzz::Check(surface.CopyBitmap(rect[0], rect[1], rect[2], rect[3], rect[4], rect[5], id, masked) == drawable);

  // The source pixel of a bitmap that the raster pixel (x, y) receives, if any.
  auto source = [&](const DecodedBitmap& b, int x, int y, Colour* colour) {
    const long long column = static_cast<long long>(x) - rect[0], row = static_cast<long long>(y) - rect[1];
    const long long sx = rect[2] + column, sy = rect[3] + row;
    if (!drawable || column < 0 || column >= rect[4] || row < 0 || row >= rect[5] || sx < 0 ||
        sx >= b.width || sy < 0 || sy >= b.height)
      return false;
    *colour = b.At(static_cast<int>(sx), static_cast<int>(sy));
    return true;
  };
  for (int y = 0; y < raster.Height(); ++y) {
    for (int x = 0; x < raster.Width(); ++x) {
      Colour want = fill, s = 0;
      if (!masked && source(picture, x, y, &s)) want = s;
      if (masked && source(mask, x, y, &s)) want &= s;
      if (masked && source(picture, x, y, &s)) want |= s;
      fuzz::Check(raster.At(x, y) == want);
    }
  }
  return 0;
}
