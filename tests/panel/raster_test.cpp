// The native raster: damaged .bmp files refused, and copies with GDI's raster
// operations clipped at every edge (that it paints as GDI does is the e2e's concern).
#include <gtest/gtest.h>

#include <map>

#include "panel/bmp.h"
#include "panel/raster.h"

namespace kz {
namespace {

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// A palettised .bmp written the plain way: rows given top-down as palette
// indexes, stored bottom-up, padded to 4 bytes.
std::vector<std::uint8_t> MakeBmp(int bits, const std::vector<Colour>& palette,
                                  const std::vector<std::vector<int>>& rows) {
  const int width = static_cast<int>(rows[0].size());
  const int height = static_cast<int>(rows.size());
  const int stride = ((width * bits + 31) / 32) * 4;
  const std::uint32_t offset = 54 + 4 * static_cast<std::uint32_t>(palette.size());
  std::vector<std::uint8_t> out = {'B', 'M'};
  Put32(out, offset + stride * height);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));
  out.insert(out.end(), {1, 0, static_cast<std::uint8_t>(bits), 0});
  for (std::uint32_t v : {0u, 0u, 0u, 0u, static_cast<std::uint32_t>(palette.size()), 0u}) {
    Put32(out, v);
  }
  for (Colour c : palette) {
    out.insert(out.end(), {static_cast<std::uint8_t>(BlueOf(c)),
                           static_cast<std::uint8_t>(GreenOf(c)),
                           static_cast<std::uint8_t>(RedOf(c)), 0});
  }
  for (int r = 0; r < height; ++r) {
    const std::vector<int>& row = rows[height - 1 - r];
    std::vector<std::uint8_t> line(stride, 0);
    for (int x = 0; x < width; ++x) {
      const int bit = x * bits;
      line[bit / 8] |= static_cast<std::uint8_t>(row[x] << (8 - bits - bit % 8));
    }
    out.insert(out.end(), line.begin(), line.end());
  }
  return out;
}

const Colour kRed = Rgb(255, 0, 0), kGreen = Rgb(0, 255, 0), kBlue = Rgb(0, 0, 255);

TEST(Bmp, RefusesDamagedFiles) {
  const std::vector<std::uint8_t> good = MakeBmp(8, {kBlack, kRed}, {{0, 1}, {1, 0}});
  auto damaged = [&](std::size_t at, std::uint8_t value) {
    std::vector<std::uint8_t> f = good;
    f[at] = value;
    return f;
  };
  struct Case {
    const char* what;
    std::vector<std::uint8_t> file;
  } cases[] = {
      {"empty", {}}, {"cut in the pixels", std::vector<std::uint8_t>(good.begin(), good.end() - 1)},
      {"cut in the palette", std::vector<std::uint8_t>(good.begin(), good.begin() + 57)},
      {"not a bitmap", damaged(0, 'X')},    {"compressed", damaged(30, 1)},
      {"2 bits per pixel", damaged(28, 2)}, {"true colour", damaged(28, 24)},
      {"no width", damaged(18, 0)},         {"pixels past the end", damaged(10, 0xF0)},
      {"palette larger than the depth", damaged(47, 1)},
  };
  for (const Case& c : cases) {
    DecodedBitmap b;
    EXPECT_FALSE(DecodeBmp(c.file, &b)) << c.what;
  }
}

// Bitmaps served from memory, by id.
class MemoryBitmaps final : public RasterBitmaps {
 public:
  const std::vector<std::uint8_t>* FileBytes(int id) override {
    const auto f = files.find(id);
    return f == files.end() ? nullptr : &f->second;
  }
  std::map<int, std::vector<std::uint8_t>> files;
};

struct BlitFixture {
  BlitFixture() : raster(6, 4, kGreen), surface(raster, &bitmaps) {
    // A 3 x 2 picture: red, blue, black / black, red, blue; its mask is
    // black (opaque) where the picture is not black.
    bitmaps.files[10] = MakeBmp(4, {kBlack, kRed, kBlue}, {{1, 2, 0}, {0, 1, 2}});
    bitmaps.files[11] = MakeBmp(1, {kBlack, kWhite}, {{0, 0, 1}, {1, 0, 0}});
  }
  // The raster as text, rows joined by '|': G green, R red, B blue, K black.
  std::string Picture() const {
    std::string rows;
    for (int y = 0; y < raster.Height(); ++y) {
      for (int x = 0; x < raster.Width(); ++x) {
        const Colour c = raster.At(x, y);
        rows += c == kGreen ? 'G' : c == kRed ? 'R' : c == kBlue ? 'B' : c == kBlack ? 'K' : '.';
      }
      rows += y + 1 < raster.Height() ? "|" : "";
    }
    return rows;
  }
  Raster raster;
  RasterSurface surface;
  MemoryBitmaps bitmaps;
};

TEST(RasterSurface, CopiesPlainAndMaskedWithClippingAtEveryEdge) {
  struct Case {
    const char* what;
    int x, y, srcX, srcY, w, h;
    bool masked;
    const char* picture;
  } cases[] = {
      {"plain copy replaces", 1, 1, 0, 0, 3, 2, false, "GGGGGG|GRBKGG|GKRBGG|GGGGGG"},
      {"masked copy keeps the background", 1, 1, 0, 0, 3, 2, true, "GGGGGG|GRBGGG|GGRBGG|GGGGGG"},
      {"left and top edges", -1, -1, 0, 0, 3, 2, false, "RBGGGG|GGGGGG|GGGGGG|GGGGGG"},
      {"right and bottom edges", 4, 3, 0, 0, 3, 2, false, "GGGGGG|GGGGGG|GGGGGG|GGGGRB"},
      {"source part", 0, 0, 1, 1, 2, 1, false, "RBGGGG|GGGGGG|GGGGGG|GGGGGG"},
      {"beyond the bitmap", 0, 0, 2, 0, 4, 4, false, "KGGGGG|BGGGGG|GGGGGG|GGGGGG"},
      {"empty rectangle", 0, 0, 0, 0, 0, 2, false, "GGGGGG|GGGGGG|GGGGGG|GGGGGG"},
  };
  for (const Case& c : cases) {
    BlitFixture f;
    EXPECT_EQ(f.surface.CopyBitmap(c.x, c.y, c.srcX, c.srcY, c.w, c.h, 10, c.masked), 1);
    EXPECT_EQ(f.Picture(), c.picture) << c.what;
  }
}

}  // namespace
}  // namespace kz
