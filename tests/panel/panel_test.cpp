// The panel on the native raster: the artwork, damaged .bmp files, copies clipped at
// every edge, repainting, connectors, section codes, presses and the flash.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "panel/bmp.h"
#include "panel/panel.h"
#include "panel/raster.h"

namespace kz {
namespace {

const std::string kArt = KZ_SOURCE_DIR "/resources/art/";

// Each bitmap decodes at the size and depth of the table to the pixels it always
// has, and every file is exactly what the art generator draws.
TEST(Art, CommittedFilesAreTheTablesAndWhatTheGeneratorDraws) {
  const std::string out = KZ_BINARY_DIR "/artgen-check";
  const std::string artgen = "mkdir -p '" + out + "' && '" KZ_BINARY_DIR "/tools/artgen/kz_artgen' '" + out + "'";
  ASSERT_EQ(std::system((artgen + " >/dev/null").c_str()), 0);
  std::vector<std::string> names;
  std::uint64_t digest = 14695981039346656037u;  // FNV-1a of every decoded pixel
  for (const BitmapFile& f : kBitmapFiles) {
    std::vector<std::uint8_t> bytes;
    DecodedBitmap b;
    ASSERT_TRUE(ReadFileBytes(kArt + f.fileName, &bytes) && DecodeBmp(bytes, &b)) << f.fileName;
    EXPECT_EQ(std::vector<int>({b.width, b.height, b.bitsPerPixel, static_cast<int>(b.palette.size())}),
              std::vector<int>({f.width, f.height, f.bitsPerPixel, f.paletteSize})) << f.fileName;
    for (Colour c : b.pixels) digest = (digest ^ c) * 1099511628211u;
    names.push_back(f.fileName);
  }
  EXPECT_EQ(digest, 7221855886971555996u) << "the decoded art changed: if the art did, pin the new digest";
  for (const IconFile& f : kIconFiles) names.push_back(f.fileName);
  for (const std::string& name : names) {
    std::vector<std::uint8_t> drawn, committed;
    ASSERT_TRUE(ReadFileBytes(out + "/" + name, &drawn) && ReadFileBytes(kArt + name, &committed)) << name;
    EXPECT_TRUE(drawn == committed) << name << " differs: run kz_artgen and commit";
  }
}

TEST(Bmp, RefusesDamagedFiles) {
  std::vector<std::uint8_t> good;  // 56 x 16, 4 bits, 16 colours
  ASSERT_TRUE(ReadFileBytes(kArt + "tiles.bmp", &good));
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
  EXPECT_TRUE(DecodeBmp(good, &b));
  for (const auto& [what, file] : cases) EXPECT_FALSE(DecodeBmp(file, &b)) << what;
}

// The model of a copy: `raster` after copying rect r = {x, y, srcX, srcY, width, height}
// of bitmap `id` (through bitmap id + 1, as large, as its mask). A pixel changes only
// where the rectangle, the bitmap and the raster overlap, to the source (plain) or to the
// background ANDed with the mask and ORed with the picture.
Raster CopiedByModel(RasterBitmaps& art, Raster raster, const int (&r)[6], int id, bool masked) {
  DecodedBitmap picture, mask;
  DecodeBmp(*art.FileBytes(id), &picture), DecodeBmp(*art.FileBytes(masked ? id + 1 : id), &mask);
  for (int y = 0; y < raster.Height(); ++y) {
    for (int x = 0; x < raster.Width(); ++x) {
      const long long column = static_cast<long long>(x) - r[0], row = static_cast<long long>(y) - r[1];
      const long long sx = r[2] + column, sy = r[3] + row;
      if (column < 0 || column >= r[4] || row < 0 || row >= r[5] || sx < 0 || sx >= picture.width || sy < 0 ||
          sy >= picture.height) continue;
      const Colour source = picture.At(static_cast<int>(sx), static_cast<int>(sy));
      raster.Set(x, y, masked ? (raster.At(x, y) & mask.At(static_cast<int>(sx), static_cast<int>(sy))) | source : source);
    }
  }
  return raster;
}

// Plain and masked copies at and past every edge of the raster and the bitmap, of any
// size, and of bitmaps or masks that are not there (which change nothing).
TEST(RasterSurface, CopiesClippedAtEveryEdgeAsTheModelSays) {
  BitmapFolder art(kArt);
  for (const int id : {int{kTilesBitmap}, int{kCloudsBitmap}, 9999}) {
    const int w = id == kTilesBitmap ? 56 : 614, h = id == kTilesBitmap ? 16 : 32, big = 0x7FFFFFFF;
    const int rects[][6] = {{1, 1, 0, 0, 3, 2},  {-1, -1, 0, 0, 3, 2}, {6, 4, 5, 5, 3, 3},          {0, 0, w - 2, h - 2, 4, 4},
                            {1, 1, -1, -1, 3, 3}, {0, 0, 0, 0, 0, 2},  {0, 0, 0, 0, -3, 2},         {0, 0, 1, 2, big, big},
                            {-big, -big, 0, 0, big, big},              {big, big, -big, -big, big, big}};
    for (const bool masked : {false, true}) {
      for (const auto& r : rects) {
        for (const int width : {8, 0}) {
          Raster raster(width, 6, Rgb(0x12, 0x34, 0x56));
          const bool drawable = id != 9999 && (!masked || id == kCloudsBitmap);  // tiles have no mask
          const Raster want = drawable ? CopiedByModel(art, raster, r, id, masked) : raster;
          EXPECT_EQ(RasterSurface(raster, &art).CopyBitmap(r[0], r[1], r[2], r[3], r[4], r[5], id, masked), drawable);
          EXPECT_TRUE(raster.EncodeBmp() == want.EncodeBmp())
              << id << (masked ? " masked: " : ": ") << r[0] << "," << r[1] << " from " << r[2] << "," << r[3] << ", "
              << r[4] << " x " << r[5] << " on " << width;
        }
      }
    }
  }
}

struct PanelOnRaster {
  PanelOnRaster() : surface(raster, &bitmaps), bitmaps(KZ_SOURCE_DIR "/resources/art") { panel.dc = &surface; }
  // A state set straight into the records from the tables, painted in full.
  void PaintFresh(int style, int spelling, int role, const int (&rows)[kSectionCount]) {
    const StyleRow& r = kStyleTable[style];
    for (int i = 0; i < kSectionCount; ++i) {
      panel.sliders[i] = {style, kInitialSliders[i].x, rows[i] - 4, r.knobColumn, r.nameColumn, r.nameWidth,
                          panel.sliders[i].enabled};
    }
    panel.spelling = spelling, panel.role = role, panel.PaintPanel(kWholePanel);
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

// Each track carries the connector colour on rows on[k][0]..on[k][1] (none if
// first > last) given the knobs' centre rows; the horizontal pieces reach the frame.
TEST(Panel, ConnectorsRunBetweenTheKnobRows) {
  const struct {
    int rows[kSectionCount], on[3][2];
  } cases[] = {
      {{60, 100, 70}, {{61, 82}, {60, 103}, {71, 100}}},   {{100, 60, 90}, {{82, 99}, {61, 100}, {60, 93}}},
      {{82, 82, 47}, {{1, 0}, {1, 0}, {48, 82}}},          {{118, 47, 118}, {{82, 117}, {48, 118}, {47, 121}}},
  };
  const int columns[3] = {108, 208, 408};
  for (const auto& c : cases) {
    PanelOnRaster p;
    for (int i = 0; i < kSectionCount; ++i) p.panel.sliders[i].y = c.rows[i] - 4;
    for (int i = 0; i < kSectionCount; ++i) p.panel.DrawConnectors(i);
    for (int k = 0; k < 3; ++k) {
      for (int y = 40; y <= 125; ++y) {
        if (y == c.rows[k] || (k == 0 && y == 82)) continue;  // horizontal lines cross here
        EXPECT_EQ(p.raster.At(columns[k], y) == kConnectorColour, c.on[k][0] <= y && y <= c.on[k][1])
            << "column " << columns[k] << " row " << y << " case " << (&c - cases);
      }
    }
    for (int x = 200; x <= 207; ++x) EXPECT_EQ(p.raster.At(x, c.rows[0]), kConnectorColour) << x;  // mended
    EXPECT_TRUE(p.raster.At(507, c.rows[2]) == kConnectorColour && p.raster.At(508, c.rows[2]) != kConnectorColour);
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
    panel.SetSectionState(3), panel.SetSectionState(5), panel.SetSectionState(code);  // Middle frozen first
    bool enabled[3] = {true, false, true};
    for (int s = 0; s < 3; ++s) {
      if (code >= 0 && code < 8 && (code % 4 == 3 || code % 4 == s)) enabled[s] = code < 4;
      EXPECT_EQ(panel.sliders[s].enabled, enabled[s] ? 1 : 0) << code;
    }
    for (const auto& c : presses) {
      panel.dragIndex = -1;
      const int hit = panel.HitTest(c.x, c.y), dragged = c.index >= 0 && enabled[c.index] ? c.index : -1;
      EXPECT_TRUE(hit == c.index && panel.dragIndex == dragged) << c.x << "," << c.y << " code " << code;
    }
  }
}

// Notes where each copy goes: knob x, negated for the white flash tile.
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
  panel.SetStyle(5), panel.dc = &r;
  for (int step = -1; step <= 6; ++step) panel.DrawFlashStep(step);
  EXPECT_EQ(r.copies, (std::vector<int>{-104, -204, -404, 104, 204, 404}));
}

}  // namespace
}  // namespace kz
