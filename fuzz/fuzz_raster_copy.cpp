// Copies any rectangle of the panel's bitmaps (or of none), plain or through its
// mask, to a raster of any size: every pixel as the copy model says.
#include "fuzz/fuzz.h"
#include "tests/panel/copy_model.h"

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
  const auto want = testing_support::CopiedByModel(art, raster, rect, id, masked);
  RasterSurface surface(raster, &art);
  fuzz::Check(surface.CopyBitmap(rect[0], rect[1], rect[2], rect[3], rect[4], rect[5], id, masked) == want.has_value());
  fuzz::Check(!want || raster.EncodeBmp() == want->EncodeBmp());
  return 0;
}
