// The native raster, its surface and the folder of bitmaps; see raster.h.
#include "panel/raster.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <utility>

namespace kz {
namespace {

enum class RasterOp { kCopy, kAnd, kPaint };  // SRCCOPY, SRCAND, SRCPAINT

Colour Combine(RasterOp op, Colour destination, Colour source) {
  switch (op) {
    case RasterOp::kAnd:
      return destination & source;
    case RasterOp::kPaint:
      return destination | source;
    case RasterOp::kCopy:
      break;
  }
  return source;
}

// BitBlt of one rectangle, clipped to both the raster and the bitmap before
// any pixel is visited, so a huge rectangle costs no more than its overlap.
void Blit(Raster& raster, const DecodedBitmap& bitmap, int x, int y, int srcX, int srcY, int width,
          int height, RasterOp op) {
  const long long firstColumn =
      std::max({0LL, -static_cast<long long>(srcX), -static_cast<long long>(x)});
  const long long endColumn =
      std::min({static_cast<long long>(width), static_cast<long long>(bitmap.width) - srcX,
                static_cast<long long>(raster.Width()) - x});
  const long long firstRow =
      std::max({0LL, -static_cast<long long>(srcY), -static_cast<long long>(y)});
  const long long endRow =
      std::min({static_cast<long long>(height), static_cast<long long>(bitmap.height) - srcY,
                static_cast<long long>(raster.Height()) - y});
  for (long long row = firstRow; row < endRow; ++row) {
    for (long long column = firstColumn; column < endColumn; ++column) {
      const int px = static_cast<int>(x + column), py = static_cast<int>(y + row);
      raster.Set(px, py,
                 Combine(op, raster.At(px, py),
                         bitmap.At(static_cast<int>(srcX + column), static_cast<int>(srcY + row))));
    }
  }
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

}  // namespace

Raster::Raster(int width, int height, Colour fill)
    : width_(width > 0 ? width : 0),
      height_(height > 0 ? height : 0),
      pixels_(static_cast<std::size_t>(width_) * height_, fill) {}

Colour Raster::At(int x, int y) const {
  return Contains(x, y) ? pixels_[static_cast<std::size_t>(y) * width_ + x] : kNoPixel;
}

void Raster::Set(int x, int y, Colour colour) {
  if (Contains(x, y)) pixels_[static_cast<std::size_t>(y) * width_ + x] = colour & 0xFFFFFFu;
}

void Raster::Fill(Colour colour) { pixels_.assign(pixels_.size(), colour & 0xFFFFFFu); }

std::vector<std::uint8_t> Raster::EncodeBmp() const {
  const std::uint32_t stride = (static_cast<std::uint32_t>(width_) * 3 + 3) & ~3u;
  const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(height_);
  std::vector<std::uint8_t> out;
  out.reserve(54 + imageSize);
  out.push_back('B');
  out.push_back('M');
  PutU32(out, 54 + imageSize);
  PutU32(out, 0);
  PutU32(out, 54);
  PutU32(out, 40);
  PutU32(out, static_cast<std::uint32_t>(width_));
  PutU32(out, static_cast<std::uint32_t>(height_));
  PutU16(out, 1);
  PutU16(out, 24);
  PutU32(out, 0);
  PutU32(out, imageSize);
  PutU32(out, 2835);
  PutU32(out, 2835);
  PutU32(out, 0);
  PutU32(out, 0);
  for (int row = height_ - 1; row >= 0; --row) {
    std::uint32_t written = 0;
    for (int x = 0; x < width_; ++x) {
      const Colour c = At(x, row);
      out.push_back(static_cast<std::uint8_t>(BlueOf(c)));
      out.push_back(static_cast<std::uint8_t>(GreenOf(c)));
      out.push_back(static_cast<std::uint8_t>(RedOf(c)));
      written += 3;
    }
    for (; written < stride; ++written) out.push_back(0);
  }
  return out;
}

bool ReadFileBytes(const std::string& path, std::vector<std::uint8_t>* bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

BitmapFolder::BitmapFolder(std::string folder) : folder_(std::move(folder)) {}

const std::vector<std::uint8_t>* BitmapFolder::FileBytes(int id) {
  const auto known = files_.find(id);
  if (known != files_.end()) return &known->second;
  const BitmapFile* file = FindBitmapFile(id);
  if (file == nullptr) return nullptr;
  std::vector<std::uint8_t> bytes;
  if (!ReadFileBytes(folder_ + "/" + file->fileName, &bytes)) return nullptr;
  return &files_.emplace(id, std::move(bytes)).first->second;
}

void RasterSurface::PutPixel(int x, int y, Colour colour) { raster_.Set(x, y, colour); }

int RasterSurface::CopyBitmap(int x, int y, int srcX, int srcY, int width, int height,
                              int bitmapId, bool masked) {
  if (bitmaps_ == nullptr) return 0;
  const std::vector<std::uint8_t>* pictureFile = bitmaps_->FileBytes(bitmapId);
  DecodedBitmap picture;
  if (pictureFile == nullptr || !DecodeBmp(*pictureFile, &picture)) return 0;
  DecodedBitmap mask;
  if (masked) {
    const std::vector<std::uint8_t>* maskFile =
        bitmaps_->FileBytes(static_cast<int>((static_cast<unsigned>(bitmapId) + 1) & 0xFFFF));
    if (maskFile == nullptr || !DecodeBmp(*maskFile, &mask)) return 0;
    Blit(raster_, mask, x, y, srcX, srcY, width, height, RasterOp::kAnd);
    Blit(raster_, picture, x, y, srcX, srcY, width, height, RasterOp::kPaint);
  } else {
    Blit(raster_, picture, x, y, srcX, srcY, width, height, RasterOp::kCopy);
  }
  return 1;
}

}  // namespace kz
