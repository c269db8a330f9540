// The bitmap reader on any file stays inside it and inside the pixels it hands back.
#include <cstddef>
#include <cstdint>

#include "panel/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kz::DecodedBitmap bitmap;
  if (kz::DecodeBmp(data, size, &bitmap)) {
    volatile std::uint32_t sum = 0;
    for (std::size_t i = 0; i < bitmap.pixels.size(); ++i) sum = sum + bitmap.pixels[i];
  }
  return 0;
}
