// The native raster: reading .bmp files and copying them with GDI's raster
// operations, clipped at every edge.
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
// indexes, stored bottom-up (or top-down when `topDown`), padded to 4 bytes.
std::vector<std::uint8_t> MakeBmp(int bits, const std::vector<Colour>& palette,
                                  const std::vector<std::vector<int>>& rows, bool topDown = false) {
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
  Put32(out, static_cast<std::uint32_t>(topDown ? -height : height));
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
    const std::vector<int>& row = rows[topDown ? r : height - 1 - r];
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

TEST(Bmp, ReadsEveryPalettisedDepthInBothRowOrders) {
  const std::vector<std::vector<int>> twoColours = {{0, 1, 1}, {1, 0, 0}};
  const std::vector<std::vector<int>> fourColours = {{0, 1, 2, 3, 2}, {3, 2, 1, 0, 1}};
  struct Case {
    int bits;
    std::vector<std::vector<int>> rows;
    bool topDown;
  } cases[] = {
      {1, twoColours, false}, {1, twoColours, true},   {4, fourColours, false},
      {8, fourColours, true}, {8, fourColours, false},
  };
  const std::vector<Colour> palette = {kBlack, kRed, kGreen, kBlue};
  for (const Case& c : cases) {
    const std::vector<Colour> used(palette.begin(), palette.begin() + (c.bits == 1 ? 2 : 4));
    DecodedBitmap b;
    ASSERT_TRUE(DecodeBmp(MakeBmp(c.bits, used, c.rows, c.topDown), &b)) << c.bits;
    EXPECT_EQ(b.bitsPerPixel, c.bits);
    EXPECT_EQ(b.palette, used);
    ASSERT_EQ(b.height, 2);
    ASSERT_EQ(b.width, static_cast<int>(c.rows[0].size()));
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < b.width; ++x) {
        EXPECT_EQ(b.IndexAt(x, y), c.rows[y][x]);
        EXPECT_EQ(b.At(x, y), palette[c.rows[y][x]]);
      }
    }
  }
}

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
      {"empty", {}},
      {"cut in the pixels", std::vector<std::uint8_t>(good.begin(), good.end() - 1)},
      {"cut in the palette", std::vector<std::uint8_t>(good.begin(), good.begin() + 57)},
      {"not a bitmap", damaged(0, 'X')},
      {"compressed", damaged(30, 1)},
      {"2 bits per pixel", damaged(28, 2)},
      {"true colour", damaged(28, 24)},
      {"no width", damaged(18, 0)},
      {"pixels past the end", damaged(10, 0xF0)},
      {"palette larger than the depth", damaged(47, 1)},
  };
  for (const Case& c : cases) {
    DecodedBitmap b;
    EXPECT_FALSE(DecodeBmp(c.file, &b)) << c.what;
  }
}

TEST(Bmp, IndexesBeyondThePaletteReadAsBlack) {
  DecodedBitmap b;
  ASSERT_TRUE(DecodeBmp(MakeBmp(4, {kRed, kGreen}, {{0, 1, 7}}), &b));
  EXPECT_EQ(b.At(2, 0), kBlack);
  EXPECT_EQ(b.At(1, 0), kGreen);
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
  // The raster as text: G green, R red, B blue, K black, . anything else.
  std::vector<std::string> Picture() const {
    std::vector<std::string> rows;
    for (int y = 0; y < raster.Height(); ++y) {
      std::string row;
      for (int x = 0; x < raster.Width(); ++x) {
        const Colour c = raster.At(x, y);
        row += c == kGreen ? 'G' : c == kRed ? 'R' : c == kBlue ? 'B' : c == kBlack ? 'K' : '.';
      }
      rows.push_back(row);
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
    std::vector<std::string> picture;
  } cases[] = {
      {"plain copy replaces", 1, 1, 0, 0, 3, 2, false, {"GGGGGG", "GRBKGG", "GKRBGG", "GGGGGG"}},
      {"masked copy keeps the background", 1, 1, 0, 0, 3, 2, true,
       {"GGGGGG", "GRBGGG", "GGRBGG", "GGGGGG"}},
      {"left and top edges", -1, -1, 0, 0, 3, 2, false, {"RBGGGG", "GGGGGG", "GGGGGG", "GGGGGG"}},
      {"right and bottom edges", 4, 3, 0, 0, 3, 2, false,
       {"GGGGGG", "GGGGGG", "GGGGGG", "GGGGRB"}},
      {"source part", 0, 0, 1, 1, 2, 1, false, {"RBGGGG", "GGGGGG", "GGGGGG", "GGGGGG"}},
      {"beyond the bitmap", 0, 0, 2, 0, 4, 4, false, {"KGGGGG", "BGGGGG", "GGGGGG", "GGGGGG"}},
      {"empty rectangle", 0, 0, 0, 0, 0, 2, false, {"GGGGGG", "GGGGGG", "GGGGGG", "GGGGGG"}},
  };
  for (const Case& c : cases) {
    BlitFixture f;
    EXPECT_EQ(f.surface.CopyBitmap(c.x, c.y, c.srcX, c.srcY, c.w, c.h, 10, c.masked),
              1)
        << c.what;
    EXPECT_EQ(f.Picture(), c.picture) << c.what;
  }
}

TEST(RasterSurface, MaskedCopyIsAndThenOr) {
  BlitFixture f;
  f.raster.Fill(Rgb(0x0F, 0xF0, 0x33));
  f.bitmaps.files[20] = MakeBmp(8, {Rgb(0x30, 0x01, 0x80)}, {{0}});
  f.bitmaps.files[21] = MakeBmp(8, {Rgb(0x3C, 0xFF, 0x0F)}, {{0}});
  EXPECT_EQ(f.surface.CopyBitmap(2, 2, 0, 0, 1, 1, 20, true), 1);
  EXPECT_EQ(f.raster.At(2, 2), Rgb((0x0F & 0x3C) | 0x30, (0xF0 & 0xFF) | 0x01, (0x33 & 0x0F) | 0x80));
}

TEST(RasterSurface, FailsWithoutDrawingWhenItCannotLoad) {
  struct Case {
    const char* what;
    int id;
    bool masked;
  } cases[] = {
      {"no such bitmap", 12, false},
      {"no mask", 11, true},
      {"a damaged bitmap", 30, false},
  };
  for (const Case& c : cases) {
    BlitFixture f;
    f.bitmaps.files[30] = {'B', 'M', 0};
    EXPECT_EQ(f.surface.CopyBitmap(0, 0, 0, 0, 3, 2, c.id, c.masked), 0) << c.what;
    EXPECT_EQ(RasterSurface(f.raster).CopyBitmap(0, 0, 0, 0, 3, 2, 10, false), 0);
    EXPECT_EQ(f.Picture(), std::vector<std::string>(4, "GGGGGG")) << c.what;
  }
}

TEST(RasterSurface, PixelsOutsideTheRasterAreIgnored) {
  BlitFixture f;
  for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {6, 0}, {0, 4}}) f.surface.PutPixel(x, y, kRed);
  f.surface.PutPixel(5, 3, kRed);
  EXPECT_EQ(f.Picture(), (std::vector<std::string>{"GGGGGG", "GGGGGG", "GGGGGG", "GGGGGR"}));
}

}  // namespace
}  // namespace kz
