// The panel on the native raster with the committed bitmaps: every change leaves the
// screen as a fresh paint would, connectors run between the knob rows; section codes,
// presses on the knob rectangle, and the flash, which turns the knobs white in turn.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

#include "panel/panel.h"
#include "panel/raster.h"

namespace kz {
namespace {

struct Checkboxes final : CheckboxWindow {
  std::map<int, bool> state;
  void SetSectionChecked(int section, bool checked) override { state[section] = checked; }
};

struct PanelOnRaster {
  PanelOnRaster() : surface(raster, &bitmaps), bitmaps(KZ_SOURCE_DIR "/resources/art") {
    panel.dc = &surface;
    panel.window = &boxes;
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
  Checkboxes boxes;
  Panel panel;
};

TEST(Panel, EveryChangeLeavesThePanelAsAFreshPaintWould) {
  struct Case {
    const char* what;
    std::function<void(Panel&)> change;
    int style, spelling, role, rows[kSectionCount];
  } cases[] = {
      {"knob 1 to 50", [](Panel& p) { p.MoveKnob(1, 50); }, 2, 1, 0, {64, 50, 70}},
      {"knob 1 to 118", [](Panel& p) { p.MoveKnob(1, 118); }, 2, 1, 0, {64, 118, 70}},
      {"knob 2 to 47", [](Panel& p) { p.MoveKnob(2, 47); }, 2, 1, 0, {64, 100, 47}},
      {"knob 2 to 119", [](Panel& p) { p.MoveKnob(2, 119); }, 2, 1, 0, {64, 100, 70}},
      {"knob 0 to 110", [](Panel& p) { p.MoveKnob(0, 110); }, 2, 1, 0, {110, 100, 70}},
      {"knob 0 to 62", [](Panel& p) { p.MoveKnob(0, 62); }, 2, 1, 0, {62, 100, 70}},
      {"drag of knob 2 to 90",
       [](Panel& p) {
         p.SetSectionState(3);
         p.HitTest(410, 70);
         p.MoveKnob(-1, 90);
       },
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
    for (int y = 0; y < fresh.raster.Height(); ++y) {
      for (int x = 0; x < fresh.raster.Width(); ++x) {
        ASSERT_EQ(changed.raster.At(x, y), fresh.raster.At(x, y)) << x << "," << y << " " << c.what;
      }
    }
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
// records and checkboxes; a press starts a drag on an enabled knob only.
TEST(Panel, SectionCodesAndPressesOnTheKnobRectangle) {
  struct Case {
    int x, y, index;
  } cases[] = {
      {224, 85, 1},  {204, 60, 1},  {224, 60, 1},  {204, 85, 1},  {225, 85, -1},
      {203, 70, -1}, {210, 86, -1}, {210, 59, -1}, {104, 43, 0},  {424, 68, 2},
  };
  for (int code = -1; code <= 8; ++code) {
    Checkboxes boxes;
    Panel panel;
    panel.window = &boxes;
    panel.sliders[1].y = 60;
    panel.SetSectionState(3);
    panel.SetSectionState(5);  // the Middle frozen to start with
    panel.SetSectionState(code);
    bool enabled[3] = {true, false, true};
    for (int s = 0; s < 3; ++s) {
      if (code >= 0 && code < 8 && (code % 4 == 3 || code % 4 == s)) enabled[s] = code < 4;
      EXPECT_EQ(panel.sliders[s].enabled, enabled[s] ? 1 : 0) << code;
      EXPECT_EQ(boxes.state[s], enabled[s]) << code;
    }
    for (const Case& c : cases) {
      panel.dragIndex = -1;
      EXPECT_EQ(panel.HitTest(c.x, c.y), c.index) << c.x << "," << c.y;
      EXPECT_EQ(panel.dragIndex, c.index >= 0 && enabled[c.index] ? c.index : -1) << c.x << "," << c.y;
    }
  }
}

// A surface that notes where each copy goes and how much time had passed.
struct FlashRecorder final : Surface, FlashPacer {
  int now = 0;
  std::vector<std::pair<int, int>> copies;  // knob x (negative: white), milliseconds
  void PutPixel(int, int, Colour) override {}
  int CopyBitmap(int x, int, int srcX, int srcY, int, int, int, bool) override {
    const bool white = srcX == 48 && srcY == 8;  // the flash tile
    copies.push_back({white ? -x : x, now});
    return 1;
  }
  void Pause(int milliseconds) override { now += milliseconds; }
};

TEST(Panel, FlashTurnsTheKnobsWhiteOneByOneThenBack) {
  FlashRecorder r;
  Panel panel;
  panel.SetStyle(5);
  panel.dc = &r;
  panel.pacer = &r;
  panel.FlashKnobs();
  EXPECT_EQ(r.copies, (std::vector<std::pair<int, int>>{
                          {-104, 80}, {-204, 160}, {-404, 240}, {104, 320}, {204, 400}, {404, 480}}));
}

}  // namespace
}  // namespace kz
