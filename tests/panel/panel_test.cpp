// The panel on the native raster: the artwork, damaged .bmp files, copies
// clipped at every edge (that it paints as GDI does is the e2e's concern),
// repainting, connectors, section codes, presses and the flash.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "panel/bmp.h"
#include "panel/panel.h"
#include "panel/raster.h"

namespace kz {
namespace {

const std::string kArt = KZ_SOURCE_DIR "/resources/art/";

// Each bitmap decodes at the size and depth of the table, and every file is
// exactly what the art generator draws.
TEST(Art, CommittedFilesAreTheTablesAndWhatTheGeneratorDraws) {
  const std::string out = KZ_BINARY_DIR "/artgen-check";
  const std::string artgen = "mkdir -p '" + out + "' && '" KZ_BINARY_DIR "/tools/artgen/kz_artgen' '" + out + "'";
  ASSERT_EQ(std::system((artgen + " >/dev/null").c_str()), 0);
  std::vector<std::string> names;
  for (const BitmapFile& f : kBitmapFiles) {
    std::vector<std::uint8_t> bytes;
    DecodedBitmap b;
    ASSERT_TRUE(ReadFileBytes(kArt + f.fileName, &bytes) && DecodeBmp(bytes, &b)) << f.fileName;
    EXPECT_EQ(std::vector<int>({b.width, b.height, b.bitsPerPixel, static_cast<int>(b.palette.size())}),
              std::vector<int>({f.width, f.height, f.bitsPerPixel, f.paletteSize})) << f.fileName;
    names.push_back(f.fileName);
  }
  for (const IconFile& f : kIconFiles) names.push_back(f.fileName);
  for (const std::string& name : names) {
    std::vector<std::uint8_t> drawn, committed;
    ASSERT_TRUE(ReadFileBytes(out + "/" + name, &drawn) && ReadFileBytes(kArt + name, &committed)) << name;
    EXPECT_TRUE(drawn == committed) << name << " differs: run kz_artgen and commit";
  }
}

// A palettised .bmp written the plain way: rows given top-down as palette
// indexes, stored bottom-up, padded to 4 bytes.
std::vector<std::uint8_t> MakeBmp(int bits, const std::vector<Colour>& palette,
                                  const std::vector<std::vector<int>>& rows) {
  const std::uint32_t width = rows[0].size(), height = rows.size(), stride = (width * bits + 31) / 32 * 4;
  const std::uint32_t offset = 54 + 4 * static_cast<std::uint32_t>(palette.size());
  std::vector<std::uint8_t> out = {'B', 'M'};
  std::vector<std::uint32_t> words = {offset + stride * height, 0, offset, 40, width, height, 1u | bits << 16, 0, 0, 0, 0,
                                      static_cast<std::uint32_t>(palette.size()), 0};
  for (Colour c : palette) words.push_back(RedOf(c) << 16 | GreenOf(c) << 8 | BlueOf(c));
  for (std::uint32_t v : words) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> 8 * i));
  }
  for (std::uint32_t r = height; r-- > 0;) {
    std::vector<std::uint8_t> line(stride, 0);
    for (std::uint32_t x = 0; x < width; ++x) line[x * bits / 8] |= static_cast<std::uint8_t>(rows[r][x] << (8 - bits - x * bits % 8));
    out.insert(out.end(), line.begin(), line.end());
  }
  return out;
}

const Colour kRed = Rgb(255, 0, 0), kGreen = Rgb(0, 255, 0), kBlue = Rgb(0, 0, 255);

TEST(Bmp, RefusesDamagedFiles) {
  const std::vector<std::uint8_t> good = MakeBmp(8, {kBlack, kRed}, {{0, 1}, {1, 0}});
  auto damaged = [&](std::size_t at, std::uint8_t value) { auto f = good; return f[at] = value, f; };
  const std::pair<const char*, std::vector<std::uint8_t>> cases[] = {
      {"empty", {}}, {"cut in the pixels", std::vector<std::uint8_t>(good.begin(), good.end() - 1)},
      {"cut in the palette", std::vector<std::uint8_t>(good.begin(), good.begin() + 57)},
      {"not a bitmap", damaged(0, 'X')},    {"compressed", damaged(30, 1)},
      {"2 bits per pixel", damaged(28, 2)}, {"true colour", damaged(28, 24)},
      {"no width", damaged(18, 0)},         {"pixels past the end", damaged(10, 0xF0)},
      {"palette larger than the depth", damaged(47, 1)},
  };
  DecodedBitmap b;
  for (const auto& [what, file] : cases) EXPECT_FALSE(DecodeBmp(file, &b)) << what;
}

struct MemoryBitmaps final : RasterBitmaps {
  std::map<int, std::vector<std::uint8_t>> files;
  const std::vector<std::uint8_t>* FileBytes(int id) override { return files.count(id) ? &files[id] : nullptr; }
};

TEST(RasterSurface, CopiesPlainAndMaskedWithClippingAtEveryEdge) {
  struct Case {
    const char* what;
    int x, y, srcX, srcY, w, h;
    bool masked;
    const char* picture;  // rows joined by '|': G green, R red, B blue, K black
  } cases[] = {
      {"plain copy replaces", 1, 1, 0, 0, 3, 2, false, "GGGGGG|GRBKGG|GKRBGG|GGGGGG"},
      {"masked copy keeps the background", 1, 1, 0, 0, 3, 2, true, "GGGGGG|GRBGGG|GGRBGG|GGGGGG"},
      {"left and top edges", -1, -1, 0, 0, 3, 2, false, "RBGGGG|GGGGGG|GGGGGG|GGGGGG"},
      {"right and bottom edges", 4, 3, 0, 0, 3, 2, false, "GGGGGG|GGGGGG|GGGGGG|GGGGRB"},
      {"source part", 0, 0, 1, 1, 2, 1, false, "RBGGGG|GGGGGG|GGGGGG|GGGGGG"},
      {"beyond the bitmap", 0, 0, 2, 0, 4, 4, false, "KGGGGG|BGGGGG|GGGGGG|GGGGGG"},
      {"before the bitmap", 0, 0, -1, -1, 3, 3, false, "GGGGGG|GRBGGG|GKRGGG|GGGGGG"},
      {"empty rectangle", 0, 0, 0, 0, 0, 2, false, "GGGGGG|GGGGGG|GGGGGG|GGGGGG"},
  };
  for (const Case& c : cases) {
    // A 3 x 2 picture: red, blue, black / black, red, blue; its mask is
    // black (opaque) where the picture is not black.
    MemoryBitmaps bitmaps;
    bitmaps.files[10] = MakeBmp(4, {kBlack, kRed, kBlue}, {{1, 2, 0}, {0, 1, 2}});
    bitmaps.files[11] = MakeBmp(1, {kBlack, kWhite}, {{0, 0, 1}, {1, 0, 0}});
    Raster raster(6, 4, kGreen);
    EXPECT_EQ(RasterSurface(raster, &bitmaps).CopyBitmap(c.x, c.y, c.srcX, c.srcY, c.w, c.h, 10, c.masked), 1);
    std::string picture;
    for (int y = 0; y < raster.Height(); ++y) {
      picture += y ? "|" : "";
      for (int x = 0; x < raster.Width(); ++x) {
        const Colour p = raster.At(x, y);
        picture += p == kGreen ? 'G' : p == kRed ? 'R' : p == kBlue ? 'B' : p == kBlack ? 'K' : '.';
      }
    }
    EXPECT_EQ(picture, c.picture) << c.what;
  }
}

struct PanelOnRaster {
  PanelOnRaster() : surface(raster, &bitmaps), bitmaps(KZ_SOURCE_DIR "/resources/art") {
    panel.dc = &surface;
  }
  // A state set straight into the records from the tables, painted in full.
  void PaintFresh(int style, int spelling, int role, const int (&rows)[kSectionCount]) {
    const StyleRow& row = kStyleTable[style];
    for (int i = 0; i < kSectionCount; ++i) {
      panel.sliders[i] = {style, kInitialSliders[i].x, rows[i] - 4, row.knobColumn,
                          row.nameColumn, row.nameWidth, panel.sliders[i].enabled};
    }
    panel.spelling = spelling;
    panel.role = role;
    panel.PaintPanel(kWholePanel);
  }
  Raster raster;
  RasterSurface surface;
  BitmapFolder bitmaps;
  Panel panel;
};

TEST(Panel, EveryChangeLeavesThePanelAsAFreshPaintWould) {
  struct Case {
    const char* what;
    std::function<void(Panel&)> change;
    int style, spelling, role, rows[kSectionCount];
  } cases[] = {
      {"knob 1 to 118", [](Panel& p) { p.MoveKnob(1, 118); }, 2, 1, 0, {64, 118, 70}},
      {"knob 2 to 47", [](Panel& p) { p.MoveKnob(2, 47); }, 2, 1, 0, {64, 100, 47}},
      {"knob 2 to 119", [](Panel& p) { p.MoveKnob(2, 119); }, 2, 1, 0, {64, 100, 70}},
      {"knob 0 to 110", [](Panel& p) { p.MoveKnob(0, 110); }, 2, 1, 0, {110, 100, 70}},
      {"drag of knob 2 to 90", [](Panel& p) { p.SetSectionState(3), p.HitTest(410, 70), p.MoveKnob(-1, 90); },
       2, 1, 0, {64, 100, 90}},
      {"style 5", [](Panel& p) { p.SetStyle(5); }, 5, 1, 0, {64, 100, 70}},
      {"style 3", [](Panel& p) { p.SetStyle(3); }, 3, 1, 0, {64, 100, 70}},
      {"European", [](Panel& p) { p.SetSpelling(0); }, 2, 0, 0, {64, 100, 70}},
      {"As Seller", [](Panel& p) { p.SetRole(1); }, 2, 1, 1, {64, 100, 70}},
  };
  for (const Case& c : cases) {
    PanelOnRaster changed, fresh;
    changed.PaintFresh(2, 1, 0, {64, 100, 70});
    c.change(changed.panel);
    fresh.PaintFresh(c.style, c.spelling, c.role, c.rows);
    EXPECT_TRUE(changed.raster.EncodeBmp() == fresh.raster.EncodeBmp()) << c.what;
  }
}

TEST(Panel, ConnectorsRunBetweenTheKnobRows) {
  // Centre rows of the knobs, and the rows each track carries in the
  // connector colour (first, last; first > last: none).
  struct Case {
    int rows[kSectionCount];
    int on[3][2];
  } cases[] = {
      {{60, 100, 70}, {{61, 82}, {60, 103}, {71, 100}}},
      {{100, 60, 90}, {{82, 99}, {61, 100}, {60, 93}}},
      {{82, 82, 47}, {{1, 0}, {1, 0}, {48, 82}}},
      {{118, 47, 118}, {{82, 117}, {48, 118}, {47, 121}}},
  };
  const int columns[3] = {108, 208, 408};
  for (const Case& c : cases) {
    PanelOnRaster p;
    for (int i = 0; i < kSectionCount; ++i) p.panel.sliders[i].y = c.rows[i] - 4;
    for (int i = 0; i < kSectionCount; ++i) p.panel.DrawConnectors(i);
    for (int k = 0; k < 3; ++k) {
      for (int y = 40; y <= 125; ++y) {
        if (y == c.rows[k] || (k == 0 && y == 82)) continue;  // horizontal lines cross here
        const bool on = c.on[k][0] <= y && y <= c.on[k][1];
        EXPECT_EQ(p.raster.At(columns[k], y) == kConnectorColour, on)
            << "column " << columns[k] << " row " << y << " case " << (&c - cases);
      }
    }
    // The horizontal pieces: mended where a track was erased, up to the frame.
    for (int x = 200; x <= 207; ++x) EXPECT_EQ(p.raster.At(x, c.rows[0]), kConnectorColour) << x;
    EXPECT_EQ(p.raster.At(507, c.rows[2]), kConnectorColour);
    EXPECT_NE(p.raster.At(508, c.rows[2]), kConnectorColour);
  }
}

// Section codes enable (0..2 one, 3 all) or freeze (4..6 one, 7 all)
// records; a press starts a drag on an enabled knob only.
TEST(Panel, SectionCodesAndPressesOnTheKnobRectangle) {
  const struct {
    int x, y, index;
  } presses[] = {
      {224, 85, 1},  {204, 60, 1},  {224, 60, 1},  {204, 85, 1},  {225, 85, -1},
      {203, 70, -1}, {210, 86, -1}, {210, 59, -1}, {104, 43, 0},  {424, 68, 2},
  };
  for (int code = -1; code <= 8; ++code) {
    Panel panel;
    panel.sliders[1].y = 60;
    panel.SetSectionState(3);
    panel.SetSectionState(5);  // the Middle frozen to start with
    panel.SetSectionState(code);
    bool enabled[3] = {true, false, true};
    for (int s = 0; s < 3; ++s) {
      if (code >= 0 && code < 8 && (code % 4 == 3 || code % 4 == s)) enabled[s] = code < 4;
      EXPECT_EQ(panel.sliders[s].enabled, enabled[s] ? 1 : 0) << code;
    }
    for (const auto& c : presses) {
      panel.dragIndex = -1;
      EXPECT_EQ(panel.HitTest(c.x, c.y), c.index) << c.x << "," << c.y;
      EXPECT_EQ(panel.dragIndex, c.index >= 0 && enabled[c.index] ? c.index : -1) << c.x << "," << c.y;
    }
  }
}

// A surface that notes where each copy goes (knob x; negative: the white
// flash tile).
struct FlashRecorder final : Surface {
  std::vector<int> copies;
  void PutPixel(int, int, Colour) override {}
  int CopyBitmap(int x, int, int srcX, int srcY, int, int, int, bool) override {
    copies.push_back(srcX == 48 && srcY == 8 ? -x : x);
    return 1;
  }
};

TEST(Panel, FlashTurnsTheKnobsWhiteOneByOneThenBack) {
  FlashRecorder r;
  Panel panel;
  panel.SetStyle(5);
  panel.dc = &r;
  for (int step = -1; step <= 6; ++step) panel.DrawFlashStep(step);
  EXPECT_EQ(r.copies, (std::vector<int>{-104, -204, -404, 104, 204, 404}));
}

}  // namespace
}  // namespace kz
