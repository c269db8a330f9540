// The native stand-in for the main window: an in-memory 24-bit raster of its
// client area, a surface that draws on it exactly as GDI's SetPixel and
// BitBlt (SRCCOPY, SRCAND, SRCPAINT) do on a true-colour window, and a
// bitmap source that reads the program's own .bmp files from a folder.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "panel/bmp.h"
#include "panel/surface.h"

namespace kz {

class Raster {
 public:
  // A raster of the client area (see kRasterWidth), filled with the window
  // background as the class brush would erase it.
  explicit Raster(int width = kRasterWidth, int height = kRasterHeight,
                  Colour fill = kBackgroundColour);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Contains(int x, int y) const { return 0 <= x && x < width_ && 0 <= y && y < height_; }

  // The pixel at (x, y); kNoPixel outside the raster.
  static constexpr Colour kNoPixel = 0xFFFFFFFFu;
  Colour At(int x, int y) const;
  void Set(int x, int y, Colour colour);  // ignored outside the raster
  void Fill(Colour colour);

  // The whole raster as a 24-bit bottom-up .bmp file.
  std::vector<std::uint8_t> EncodeBmp() const;

 private:
  int width_;
  int height_;
  std::vector<Colour> pixels_;  // rows top-down, each pixel 0x00BBGGRR
};

// Where the raster surface loads its bitmaps from: the bytes of a .bmp
// file per bitmap id.
class RasterBitmaps {
 public:
  // The file of bitmap `id`, or nullptr when there is none.
  virtual const std::vector<std::uint8_t>* FileBytes(int id) = 0;

 protected:
  ~RasterBitmaps() = default;
};

// The program's bitmaps as files in a folder (resources/art), named as
// kBitmapFiles says. Each file is read once and kept, as a module keeps its
// resources mapped; it is decoded afresh for every copy.
class BitmapFolder final : public RasterBitmaps {
 public:
  explicit BitmapFolder(std::string folder);
  const std::vector<std::uint8_t>* FileBytes(int id) override;

 private:
  std::string folder_;
  std::map<int, std::vector<std::uint8_t>> files_;
};

class RasterSurface final : public Surface {
 public:
  // Without bitmaps every copy fails.
  explicit RasterSurface(Raster& raster, RasterBitmaps* bitmaps = nullptr)
      : raster_(raster), bitmaps_(bitmaps) {}

  void PutPixel(int x, int y, Colour colour) override;
  // The copy is clipped to the raster and to the bitmap.
  int CopyBitmap(int x, int y, int srcX, int srcY, int width, int height, int bitmapId,
                 bool masked) override;

 private:
  Raster& raster_;
  RasterBitmaps* bitmaps_;
};

// Reads a whole file; false when it cannot be opened or read.
bool ReadFileBytes(const std::string& path, std::vector<std::uint8_t>* bytes);

}  // namespace kz
