// Reading .bmp files; see bmp.h.
#include "panel/bmp.h"

namespace kz {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::int32_t kLargestSide = 16384;  // keeps every size product in range
constexpr std::uint32_t kUncompressed = 0;   // BI_RGB

std::uint32_t ReadU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::uint16_t ReadU16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

}  // namespace

bool DecodeBmp(const std::uint8_t* data, std::size_t size, DecodedBitmap* out) {
  if (data == nullptr || out == nullptr) return false;
  if (size < kFileHeaderSize + kInfoHeaderSize) return false;
  if (data[0] != 'B' || data[1] != 'M') return false;
  const std::uint32_t pixelOffset = ReadU32(data + 10);

  const std::uint8_t* info = data + kFileHeaderSize;
  const std::uint32_t infoSize = ReadU32(info);
  const auto width = static_cast<std::int32_t>(ReadU32(info + 4));
  const auto rawHeight = static_cast<std::int32_t>(ReadU32(info + 8));
  const std::uint16_t planes = ReadU16(info + 12);
  const std::uint16_t bits = ReadU16(info + 14);
  const std::uint32_t compression = ReadU32(info + 16);
  const std::uint32_t coloursUsed = ReadU32(info + 32);

  if (infoSize < kInfoHeaderSize || infoSize > size - kFileHeaderSize) return false;
  if (planes != 1 || compression != kUncompressed) return false;
  if (bits != 1 && bits != 4 && bits != 8) return false;
  if (width <= 0 || width > kLargestSide) return false;
  if (rawHeight == 0 || rawHeight < -kLargestSide || rawHeight > kLargestSide) return false;
  const bool bottomUp = rawHeight > 0;
  const int height = bottomUp ? rawHeight : -rawHeight;

  // The colour table follows the info header: BGR plus a reserved byte each.
  const std::uint32_t most = 1u << bits;
  const std::uint32_t count = coloursUsed == 0 ? most : coloursUsed;
  if (count > most) return false;
  const std::size_t start = kFileHeaderSize + infoSize;
  if (count * 4u > size - start) return false;
  std::vector<Colour> palette;
  palette.reserve(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint8_t* e = data + start + 4u * i;
    palette.push_back(Rgb(e[2], e[1], e[0]));
  }

  const std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
  const std::size_t imageSize = stride * static_cast<std::size_t>(height);
  if (pixelOffset > size || imageSize > size - pixelOffset) return false;

  out->width = width;
  out->height = height;
  out->bitsPerPixel = bits;
  out->palette = palette;
  out->pixels.assign(static_cast<std::size_t>(width) * height, kBlack);
  out->indices.assign(static_cast<std::size_t>(width) * height, 0);

  for (int row = 0; row < height; ++row) {
    const int storedRow = bottomUp ? height - 1 - row : row;
    const std::uint8_t* line = data + pixelOffset + stride * static_cast<std::size_t>(storedRow);
    const std::size_t first = static_cast<std::size_t>(row) * width;
    for (int x = 0; x < width; ++x) {
      const std::size_t bit = static_cast<std::size_t>(x) * bits;
      const int shift = 8 - bits - static_cast<int>(bit % 8);
      const int index = (line[bit / 8] >> shift) & ((1 << bits) - 1);
      out->indices[first + x] = static_cast<std::uint8_t>(index);
      if (static_cast<std::size_t>(index) < palette.size()) out->pixels[first + x] = palette[index];
    }
  }
  return true;
}

}  // namespace kz
