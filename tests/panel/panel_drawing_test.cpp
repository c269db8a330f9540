// The panel's drawing on the native raster with the program's own bitmaps:
// what a paint leaves on the screen, pixel by pixel, and how many pixels
// and bitmap copies it takes.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "tests/panel/panel_fakes.h"

namespace kz {
namespace {

using testing::ArtFolder;
using testing::DrawCall;
using testing::PanelOnRaster;
using testing::RecordingSurface;

DecodedBitmap LoadArt(int id) {
  std::vector<std::uint8_t> bytes;
  DecodedBitmap bitmap;
  EXPECT_TRUE(ReadFileBytes(ArtFolder() + "/" + FindBitmapFile(id)->fileName, &bytes));
  EXPECT_TRUE(DecodeBmp(bytes, &bitmap));
  return bitmap;
}

bool UnderAKnob(const Panel& panel, int x, int y) {
  for (const SliderRecord& r : panel.sliders) {
    if (r.x <= x && x < r.x + 8 && r.y <= y && y < r.y + 8) return true;
  }
  return false;
}

TEST(PanelDrawing, KnobsOnTheMiddleRowLeaveOneStraightConnector) {
  PanelOnRaster p;
  p.panel.SetStyle(4);
  p.PlaceKnobs(82, 82, 82);
  p.panel.PaintPanel(kWholePanel);
  for (int x = 44; x <= 507; ++x) {
    const Colour expected = UnderAKnob(p.panel, x, 82) ? kKnobColours[4] : kConnectorColour;
    EXPECT_EQ(p.raster.At(x, 82), expected) << x;
  }
  EXPECT_NE(p.raster.At(43, 82), kConnectorColour);
  EXPECT_EQ(p.raster.At(508, 82), kFrameColour);
  for (int x : {108, 208, 408, 508}) {  // no vertical pieces on any track
    for (int y = 42; y <= 122; ++y) {
      if (y == 82 || UnderAKnob(p.panel, x, y)) continue;
      EXPECT_EQ(p.raster.At(x, y), kFrameColour) << x << "," << y;
    }
  }
}

TEST(PanelDrawing, ConnectorsRunBetweenTheKnobRows) {
  // Centre rows of the knobs, and the rows each track carries in the
  // connector colour (first, last; first > last: none).
  struct Case {
    int c0, c1, c2;
    std::pair<int, int> on108, on208, on408;
  } cases[] = {
      {60, 100, 70, {61, 82}, {60, 103}, {71, 100}},
      {100, 60, 90, {82, 99}, {61, 100}, {60, 93}},
      {82, 82, 47, {1, 0}, {1, 0}, {48, 82}},
      {118, 47, 118, {82, 117}, {48, 118}, {47, 121}},
  };
  for (const Case& c : cases) {
    RecordingSurface surface;
    Panel panel;
    panel.dc = &surface;
    panel.sliders[0].y = c.c0 - 4;
    panel.sliders[1].y = c.c1 - 4;
    panel.sliders[2].y = c.c2 - 4;
    for (int i = 0; i < 3; ++i) panel.DrawConnectors(i);
    std::set<std::pair<int, int>> drawn;
    for (const DrawCall& d : surface.calls) {
      EXPECT_EQ(d.colour, kConnectorColour);
      drawn.insert({d.x, d.y});
    }
    const std::pair<int, int> expected[3] = {c.on108, c.on208, c.on408};
    const int columns[3] = {108, 208, 408};
    const int rows[3] = {c.c0, c.c1, c.c2};
    for (int k = 0; k < 3; ++k) {
      for (int y = 40; y <= 125; ++y) {
        if (y == rows[k] || (k == 0 && y == 82)) continue;  // horizontal lines cross here
        const bool inside = expected[k].first <= y && y <= expected[k].second;
        EXPECT_EQ(drawn.count({columns[k], y}), inside ? 1u : 0u)
            << "column " << columns[k] << " row " << y << " case " << (&c - cases);
      }
    }
    EXPECT_EQ(drawn.count({507, c.c2}), 1u);
    EXPECT_EQ(drawn.count({508, c.c2}), 0u);
  }
}

TEST(PanelDrawing, FrameIsElevenHundredAndTwentySixFrameColouredPixels) {
  PanelOnRaster p;
  p.panel.DrawFrame();
  EXPECT_EQ(p.recorder.Count(DrawCall::kPixel), 1126);
  EXPECT_EQ(p.recorder.Count(DrawCall::kCopy), 0);
  for (const DrawCall& d : p.recorder.calls) EXPECT_EQ(d.colour, kFrameColour);
  for (int x = 100; x <= 515; ++x) {
    for (int y = 35; y <= 130; ++y) {
      const bool line = (108 <= x && x <= 508 && (y == 42 || y == 122)) ||
                        (42 <= y && y <= 122 && (x == 108 || x == 208 || x == 408 || x == 508));
      ASSERT_EQ(p.raster.At(x, y), line ? kFrameColour : kBackgroundColour) << x << "," << y;
    }
  }
}

TEST(PanelDrawing, PaintWithNoFlagDrawsNothing) {
  PanelOnRaster p;
  p.panel.PaintPanel(0);
  EXPECT_TRUE(p.recorder.calls.empty());
}

TEST(PanelDrawing, NothingIsDrawnWithoutASurface) {
  PanelOnRaster p;
  p.panel.dc = nullptr;
  p.panel.PaintPanel(kWholePanel);
  p.panel.MoveKnob(1, 100);
  p.panel.FlashKnobs();
  EXPECT_EQ(p.panel.DrawBitmap(0, 0, 0, 0, 8, 8, 102, 0), 0);
  EXPECT_EQ(p.panel.sliders[1].y, 96);  // the model still moves
  EXPECT_TRUE(p.recorder.calls.empty());
  for (int y = 0; y < p.raster.Height(); ++y) {
    for (int x = 0; x < p.raster.Width(); ++x) ASSERT_EQ(p.raster.At(x, y), kBackgroundColour);
  }
}

// The area (x, y, w, h) of the raster shows bitmap `id` from (srcX, srcY).
void ExpectShows(const Raster& raster, int x, int y, int w, int h, int id, int srcX, int srcY) {
  const DecodedBitmap bitmap = LoadArt(id);
  for (int row = 0; row < h; ++row) {
    for (int column = 0; column < w; ++column) {
      ASSERT_EQ(raster.At(x + column, y + row), bitmap.At(srcX + column, srcY + row))
          << "bitmap " << id << " at " << column << "," << row;
    }
  }
}

TEST(PanelDrawing, FlatsNameLeavesFiftyBlankPixelsAfterIt) {
  PanelOnRaster p;
  p.panel.SetStyle(2);  // the longest name first
  p.panel.SetStyle(3);
  ExpectShows(p.raster, 522, 80, 20, 17, 105, 180, 0);
  for (int y = 80; y < 97; ++y) {
    for (int x = 542; x < 592; ++x) EXPECT_EQ(p.raster.At(x, y), kBackgroundColour) << x;
  }
}

TEST(PanelDrawing, SpellingAndRoleShowTheirHalfOfTheStrip) {
  struct Case {
    int spelling, role;
  } cases[] = {{1, 0}, {0, 1}};
  for (const Case& c : cases) {
    PanelOnRaster p;
    p.panel.SetSpelling(c.spelling);
    p.panel.SetRole(c.role);
    ExpectShows(p.raster, 520, 40, 60, 17, 106, 60 * c.spelling, 0);
    ExpectShows(p.raster, 520, 60, 60, 17, 107, 60 * c.role, 0);
  }
}

TEST(PanelDrawing, PictureAboveTheClientAreaShowsOnlyItsRowsFourteenOn) {
  PanelOnRaster p;
  const DecodedBitmap picture = LoadArt(111);
  const DecodedBitmap mask = LoadArt(112);
  EXPECT_EQ(p.panel.DrawBitmap(0, -14, 0, 0, 71, 155, 111, 1), 1);
  for (int y = 0; y < p.raster.Height(); ++y) {
    for (int x = 0; x < p.raster.Width(); ++x) {
      Colour expected = kBackgroundColour;
      if (x < 71 && y <= 140) {
        expected = (kBackgroundColour & mask.At(x, y + 14)) | picture.At(x, y + 14);
      }
      ASSERT_EQ(p.raster.At(x, y), expected) << x << "," << y;
    }
  }
}

TEST(PanelDrawing, CopyOfAMissingBitmapFailsAndDrawsNothing) {
  struct Case {
    int id;
    std::uint8_t masked;
  } cases[] = {{103, 0}, {999, 0}, {0, 0}, {102, 1}, {112, 1}};
  for (const Case& c : cases) {
    PanelOnRaster p;
    p.raster.Fill(kBlack);
    EXPECT_EQ(p.panel.DrawBitmap(0, 0, 0, 0, 50, 16, c.id, c.masked), 0) << c.id;
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 60; ++x) ASSERT_EQ(p.raster.At(x, y), kBlack) << c.id;
    }
  }
}

TEST(PanelDrawing, CopyUsesTheLowSixteenBitsOfTheId) {
  PanelOnRaster p;
  EXPECT_EQ(p.panel.DrawBitmap(0, 0, 0, 0, 8, 8, 0x10000 + 102, 0), 1);
  EXPECT_EQ(p.raster.At(3, 3), kKnobColours[0]);
}

// Between two copies the flash must have read the counter until 80 ms had
// passed since its first reading, and not once more.
void ExpectWaitedEightyBefore(const testing::TickCounterFake& clock, const DrawCall& copy,
                              int firstRead) {
  ASSERT_GE(copy.reads - firstRead, 2);
  const std::uint32_t start = clock.values[firstRead];
  EXPECT_GE(clock.values[copy.reads - 1] - start, 80u);
  EXPECT_LT(clock.values[copy.reads - 2] - start, 80u);
}

TEST(PanelDrawing, FlashTurnsTheKnobsWhiteOneByOneThenBack) {
  PanelOnRaster p;
  p.clock.step = 1;
  p.panel.SetStyle(5);
  p.PlaceKnobs(50, 82, 110);
  p.recorder.calls.clear();
  const int firstRead = p.clock.reads;
  p.panel.FlashKnobs();
  const std::vector<DrawCall> copies = p.recorder.Copies();
  ASSERT_EQ(copies.size(), 6u);
  int readsBefore = firstRead;
  for (int k = 0; k < 6; ++k) {
    const SliderRecord& r = p.panel.sliders[k % 3];
    EXPECT_EQ(copies[k].x, r.x);
    EXPECT_EQ(copies[k].y, r.y);
    EXPECT_EQ(copies[k].srcX, k < 3 ? 48 : 40);
    EXPECT_EQ(copies[k].srcY, k < 3 ? 8 : 0);
    ExpectWaitedEightyBefore(p.clock, copies[k], readsBefore);
    readsBefore = copies[k].reads;
  }
  for (const SliderRecord& r : p.panel.sliders) EXPECT_EQ(p.raster.At(r.x, r.y), kKnobColours[5]);
}

TEST(PanelDrawing, FlashWaitsAcrossTheTickCounterWrapping) {
  PanelOnRaster p;
  p.clock.step = 1;
  p.clock.now = 0xFFFFFFF0u;
  p.panel.FlashKnobs();
  const std::vector<DrawCall> copies = p.recorder.Copies();
  ASSERT_EQ(copies.size(), 6u);
  ExpectWaitedEightyBefore(p.clock, copies[0], 0);
}

TEST(PanelDrawing, MovingAnyKnobLeavesThePanelAsAFreshPaintWould) {
  // Every knob, moved through the Edit menu (its whole track redrawn) and
  // dragged (only its old tile redrawn), from rows above, on and below the
  // input line to rows above, on and below it.
  const int starts[][3] = {{50, 100, 70}, {82, 47, 118}, {110, 82, 60}};
  for (const auto& start : starts) {
    for (int knob = 0; knob < 3; ++knob) {
      for (const bool drag : {false, true}) {
        for (const int row : {47, 70, 82, 99, 118}) {
          PanelOnRaster moved;
          moved.PlaceKnobs(start[0], start[1], start[2]);
          moved.panel.PaintPanel(kWholePanel);
          moved.panel.dragIndex = knob;
          moved.panel.MoveKnob(drag ? -1 : knob, row);

          int rows[3] = {start[0], start[1], start[2]};
          rows[knob] = row;
          PanelOnRaster fresh;
          fresh.PlaceKnobs(rows[0], rows[1], rows[2]);
          fresh.panel.PaintPanel(kWholePanel);
          for (int y = 0; y < fresh.raster.Height(); ++y) {
            for (int x = 0; x < fresh.raster.Width(); ++x) {
              ASSERT_EQ(moved.raster.At(x, y), fresh.raster.At(x, y))
                  << x << "," << y << (drag ? " dragging " : " moving ") << knob << " from "
                  << start[knob] << " to " << row;
            }
          }
        }
      }
    }
  }
}

// How much a paint costs: pixels set and bitmap copies.
TEST(PanelDrawing, FullPaintMakesFourteenCopiesAndSetsTheLinesPixelByPixel) {
  struct Case {
    int c0, c1, c2, pixels;
  } cases[] = {
      // frame 1126, input line 3 x 64, ends of connectors 16, horizontals 412,
      // plus three times the vertical pieces.
      {82, 82, 82, 1746},
      {47, 118, 47, 1746 + 3 * (35 + 75 + 71)},
  };
  for (const Case& c : cases) {
    PanelOnRaster p;
    p.PlaceKnobs(c.c0, c.c1, c.c2);
    p.panel.PaintPanel(kWholePanel);
    EXPECT_EQ(p.recorder.Count(DrawCall::kCopy), 14);
    EXPECT_EQ(p.recorder.Count(DrawCall::kPixel), c.pixels);
  }
}

}  // namespace
}  // namespace kz
