// The artwork's file writers; see file_formats.h.
#include "tools/artgen/file_formats.h"

#include <algorithm>
#include <map>

namespace kz::art {
namespace {

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

std::uint32_t Stride(int width, int bitsPerPixel) {
  return ((static_cast<std::uint32_t>(width) * bitsPerPixel + 31) / 32) * 4;
}

// BITMAPINFOHEADER; `height` is doubled by the caller for icons.
void PutInfoHeader(std::vector<std::uint8_t>& out, int width, int height, int bitsPerPixel,
                   std::uint32_t imageSize, std::uint32_t coloursUsed) {
  PutU32(out, 40);
  PutU32(out, static_cast<std::uint32_t>(width));
  PutU32(out, static_cast<std::uint32_t>(height));
  PutU16(out, 1);
  PutU16(out, static_cast<std::uint32_t>(bitsPerPixel));
  PutU32(out, 0);  // BI_RGB
  PutU32(out, imageSize);
  PutU32(out, 0);
  PutU32(out, 0);
  PutU32(out, coloursUsed);
  PutU32(out, 0);
}

void PutPalette(std::vector<std::uint8_t>& out, const std::vector<Colour>& palette) {
  for (Colour c : palette) {
    out.push_back(static_cast<std::uint8_t>(BlueOf(c)));
    out.push_back(static_cast<std::uint8_t>(GreenOf(c)));
    out.push_back(static_cast<std::uint8_t>(RedOf(c)));
    out.push_back(0);
  }
}

// Packs rows bottom-up at `bitsPerPixel`, each padded to four bytes.
void PutIndexRows(std::vector<std::uint8_t>& out, const std::vector<std::vector<int>>& rows,
                  int width, int bitsPerPixel) {
  const std::uint32_t stride = Stride(width, bitsPerPixel);
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
    std::vector<std::uint8_t> line(stride, 0);
    for (int x = 0; x < width; ++x) {
      const int bit = x * bitsPerPixel;
      const int shift = 8 - bitsPerPixel - bit % 8;
      line[bit / 8] = static_cast<std::uint8_t>(line[bit / 8] | ((*row)[x] << shift));
    }
    out.insert(out.end(), line.begin(), line.end());
  }
}

}  // namespace

std::vector<std::uint8_t> EncodePalettedBmp(const Canvas& canvas, int bitsPerPixel,
                                            int paletteSize, std::string* error) {
  std::vector<Colour> used;
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) used.push_back(canvas.At(x, y));
  }
  std::sort(used.begin(), used.end());
  used.erase(std::unique(used.begin(), used.end()), used.end());
  if (static_cast<int>(used.size()) > paletteSize || paletteSize > (1 << bitsPerPixel)) {
    *error = "uses " + std::to_string(used.size()) + " colours, room for " +
             std::to_string(paletteSize);
    return {};
  }
  std::map<Colour, int> indexOf;
  for (std::size_t i = 0; i < used.size(); ++i) indexOf[used[i]] = static_cast<int>(i);
  std::vector<Colour> palette = used;
  palette.resize(static_cast<std::size_t>(paletteSize), kBlack);

  std::vector<std::vector<int>> rows(static_cast<std::size_t>(canvas.Height()));
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) rows[y].push_back(indexOf[canvas.At(x, y)]);
  }

  const std::uint32_t imageSize = Stride(canvas.Width(), bitsPerPixel) * canvas.Height();
  const std::uint32_t offset = 14 + 40 + 4 * static_cast<std::uint32_t>(paletteSize);
  std::vector<std::uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  PutU32(out, offset + imageSize);
  PutU32(out, 0);
  PutU32(out, offset);
  PutInfoHeader(out, canvas.Width(), canvas.Height(), bitsPerPixel, imageSize,
                static_cast<std::uint32_t>(paletteSize));
  PutPalette(out, palette);
  PutIndexRows(out, rows, canvas.Width(), bitsPerPixel);
  return out;
}

std::vector<std::uint8_t> EncodeIcon(const Canvas& canvas, const std::vector<Colour>& palette,
                                     Colour transparent, std::string* error) {
  const int size = canvas.Width();
  if (canvas.Height() != size || palette.size() != 16) {
    *error = "an icon is square with 16 colours";
    return {};
  }
  std::vector<std::vector<int>> colours(static_cast<std::size_t>(size));
  std::vector<std::vector<int>> mask(static_cast<std::size_t>(size));
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const Colour c = canvas.At(x, y);
      const bool clear = c == transparent;
      const auto found = std::find(palette.begin(), palette.end(), c);
      if (!clear && found == palette.end()) {
        *error = "icon colour not in its palette";
        return {};
      }
      colours[y].push_back(clear ? 0 : static_cast<int>(found - palette.begin()));
      mask[y].push_back(clear ? 1 : 0);
    }
  }

  const std::uint32_t colourBytes = Stride(size, 4) * size;
  const std::uint32_t maskBytes = Stride(size, 1) * size;
  const std::uint32_t imageBytes = 40 + 16 * 4 + colourBytes + maskBytes;
  std::vector<std::uint8_t> out;
  PutU16(out, 0);  // ICONDIR
  PutU16(out, 1);
  PutU16(out, 1);
  out.push_back(static_cast<std::uint8_t>(size));  // ICONDIRENTRY
  out.push_back(static_cast<std::uint8_t>(size));
  out.push_back(16);
  out.push_back(0);
  PutU16(out, 1);
  PutU16(out, 4);
  PutU32(out, imageBytes);
  PutU32(out, 6 + 16);
  PutInfoHeader(out, size, 2 * size, 4, colourBytes + maskBytes, 0);
  PutPalette(out, palette);
  PutIndexRows(out, colours, size, 4);
  PutIndexRows(out, mask, size, 1);
  return out;
}

}  // namespace kz::art
