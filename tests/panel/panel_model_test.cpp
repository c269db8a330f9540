// The panel's model: construction, hit-testing, dragging, knob moves and the
// settings, with what each operation draws.
#include <gtest/gtest.h>

#include "tests/panel/panel_fakes.h"

namespace kz {
namespace {

using testing::CheckboxesFake;
using testing::DrawCall;
using testing::RecordingSurface;

struct Fixture {
  Fixture() {
    panel.dc = &surface;
    panel.window = &checkboxes;
  }
  RecordingSurface surface;
  CheckboxesFake checkboxes;
  Panel panel;
};

TEST(PanelModel, StartsWithThreeFrozenClassicSlidersAtTheTop) {
  Panel panel;
  const int xs[3] = {104, 204, 404};
  for (int i = 0; i < 3; ++i) {
    const SliderRecord& r = panel.sliders[i];
    EXPECT_EQ(r.x, xs[i]);
    EXPECT_EQ(r.y, 43);
    EXPECT_EQ(r.style, 0);
    EXPECT_EQ(r.knobColumn, 0);
    EXPECT_EQ(r.nameColumn, 0);
    EXPECT_EQ(r.nameWidth, 70);
    EXPECT_EQ(r.enabled, 0);
    EXPECT_EQ(panel.initialSliders[i].x, xs[i]);
  }
  EXPECT_EQ(panel.dragIndex, -1);
  EXPECT_EQ(panel.spelling, 1);
  EXPECT_EQ(panel.role, 1);
  EXPECT_EQ(panel.scanIndex, 3);
  EXPECT_EQ(panel.dc, nullptr);
  EXPECT_EQ(panel.window, nullptr);
}

TEST(PanelModel, HitTestCoversTwentyOneByTwentySixFromTheKnobCorner) {
  struct Case {
    int x, y, index;
  } cases[] = {
      {224, 85, 1},  {204, 60, 1},  {224, 60, 1},  {204, 85, 1},  {225, 85, -1},
      {203, 70, -1}, {210, 86, -1}, {210, 59, -1}, {104, 43, 0},  {424, 68, 2},
      {0, 0, -1},    {-32768, 32767, -1},
  };
  for (const Case& c : cases) {
    Panel panel;
    panel.sliders[1].y = 60;
    panel.SetSectionState(3);
    EXPECT_EQ(panel.HitTest(c.x, c.y), c.index) << c.x << "," << c.y;
    EXPECT_EQ(panel.scanIndex, c.index < 0 ? 3 : c.index);
    EXPECT_EQ(panel.dragIndex, c.index);
  }
}

// Press (a point), move (to a row) and the drag they leave.
TEST(PanelModel, DragFollowsTheStateTable) {
  enum Event { kPressEnabled2, kPressFrozen1, kPressNothing, kMove };
  struct Case {
    int dragBefore;
    Event event;
    int row;
    int dragAfter;
    int knobYAfter;  // of the record dragged before (or -1: not checked)
    int copies;
  } cases[] = {
      {-1, kPressEnabled2, 0, 2, -1, 0},  {-1, kPressFrozen1, 0, -1, -1, 0},
      {-1, kPressNothing, 0, -1, -1, 0},  {0, kPressEnabled2, 0, 2, -1, 0},
      {0, kPressFrozen1, 0, 0, -1, 0},    {0, kPressNothing, 0, 0, -1, 0},
      {0, kMove, 70, 0, 66, 4},           {0, kMove, 130, 0, 43, 4},
      {-1, kMove, 70, -1, -1, 0},
  };
  for (const Case& c : cases) {
    Fixture f;
    f.panel.SetSectionState(3);
    f.panel.SetSectionState(5);  // Middle frozen
    f.panel.dragIndex = c.dragBefore;
    f.surface.calls.clear();
    switch (c.event) {
      case kPressEnabled2: EXPECT_EQ(f.panel.HitTest(410, 50), 2); break;
      case kPressFrozen1: EXPECT_EQ(f.panel.HitTest(210, 50), 1); break;
      case kPressNothing: EXPECT_EQ(f.panel.HitTest(300, 100), -1); break;
      case kMove: f.panel.MoveKnob(-1, c.row); break;
    }
    EXPECT_EQ(f.panel.dragIndex, c.dragAfter) << "case " << (&c - cases);
    if (c.knobYAfter >= 0) {
      EXPECT_EQ(f.panel.sliders[c.dragBefore].y, c.knobYAfter);
    }
    EXPECT_EQ(f.surface.Count(DrawCall::kCopy), c.copies) << "case " << (&c - cases);
  }
}

TEST(PanelModel, MoveKnobKeepsTheKnobOnItsTrackButAlwaysRedraws) {
  struct Case {
    int index, row, y, trackCopies;
  } cases[] = {
      {0, 46, 60, 72}, {0, 47, 43, 72}, {1, 118, 114, 72}, {2, 119, 60, 72},
      {-1, 46, 60, 1}, {-1, 47, 43, 1}, {-1, 118, 114, 1}, {-1, 119, 60, 1},
  };
  for (const Case& c : cases) {
    Fixture f;
    const int record = c.index < 0 ? 1 : c.index;
    f.panel.sliders[record].y = 60;
    f.panel.dragIndex = c.index < 0 ? 1 : -1;
    f.surface.calls.clear();
    EXPECT_EQ(f.panel.MoveKnob(c.index, c.row), 0);
    EXPECT_EQ(f.panel.sliders[record].y, c.y) << c.index << " to " << c.row;
    const std::vector<DrawCall> copies = f.surface.Copies();
    ASSERT_EQ(copies.size(), static_cast<std::size_t>(c.trackCopies + 3));
    for (int t = 0; t < c.trackCopies; ++t) {
      const DrawCall& d = copies[t];
      EXPECT_EQ(d.bitmapId, 102);
      EXPECT_EQ(d.srcX, 48);
      EXPECT_EQ(d.srcY, 0);
      EXPECT_EQ(d.x, f.panel.sliders[record].x);
      EXPECT_EQ(d.y, c.trackCopies == 1 ? 60 : 43 + t);
    }
    for (int k = 0; k < 3; ++k) {  // then the three knobs, where they now are
      EXPECT_EQ(copies[c.trackCopies + k].x, f.panel.sliders[k].x);
      EXPECT_EQ(copies[c.trackCopies + k].y, f.panel.sliders[k].y);
    }
  }
}

TEST(PanelModel, MoveKnobWithoutAKnobToMoveDoesNothing) {
  const int indexes[] = {-1, 3, -2};  // -1 with no drag; no such record
  for (int index : indexes) {
    Fixture f;
    EXPECT_EQ(f.panel.MoveKnob(index, 80), 0);
    EXPECT_TRUE(f.surface.calls.empty()) << index;
    for (const SliderRecord& r : f.panel.sliders) EXPECT_EQ(r.y, 43);
  }
}

TEST(PanelModel, SetSectionStateSetsRecordsAndCheckboxes) {
  struct Case {
    int code;
    int enabled[3];
    std::map<int, bool> boxes;
  } cases[] = {
      {0, {1, 1, 0}, {{400, true}}},
      {1, {0, 1, 0}, {{401, true}}},
      {2, {0, 1, 1}, {{402, true}}},
      {3, {1, 1, 1}, {{400, true}, {401, true}, {402, true}}},
      {4, {0, 1, 0}, {{400, false}}},
      {5, {0, 0, 0}, {{401, false}}},
      {6, {0, 1, 0}, {{402, false}}},
      {7, {0, 0, 0}, {{400, false}, {401, false}, {402, false}}},
      {8, {0, 1, 0}, {}},
      {-1, {0, 1, 0}, {}},
  };
  for (const Case& c : cases) {
    Fixture f;
    f.panel.sliders[1].enabled = 1;
    EXPECT_EQ(f.panel.SetSectionState(c.code), 0);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(f.panel.sliders[i].enabled, c.enabled[i]) << c.code;
    EXPECT_EQ(f.checkboxes.state, c.boxes) << c.code;
    EXPECT_TRUE(f.surface.calls.empty()) << "no redraw for code " << c.code;
  }
}

TEST(PanelModel, SpellingAndRoleKeepOnlyZeroOrOneAndAlwaysRedraw) {
  struct Case {
    bool role;
    int value, result;
  } cases[] = {
      {false, 0, 0}, {false, 1, 1}, {false, 2, 1}, {false, -1, 1},
      {true, 0, 0},  {true, 1, 1},  {true, 2, 1},  {true, -1, 1},
  };
  for (const Case& c : cases) {
    Fixture f;
    if (c.role) {
      f.panel.SetRole(c.value);
    } else {
      f.panel.SetSpelling(c.value);
    }
    EXPECT_EQ(c.role ? f.panel.role : f.panel.spelling, c.result);
    const std::vector<DrawCall> copies = f.surface.Copies();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].bitmapId, c.role ? 107 : 106);
    EXPECT_EQ(copies[0].srcX, 60 * c.result);
    EXPECT_EQ(copies[0].x, 520);
    EXPECT_EQ(copies[0].y, c.role ? 60 : 40);
  }
}

TEST(PanelModel, SetStyleWritesItsRowIntoEveryRecord) {
  struct Case {
    int style, knobColumn, nameColumn, nameWidth;
  } cases[] = {
      {0, 0, 0, 70},   {1, 8, 71, 44},   {2, 16, 115, 65},
      {3, 24, 180, 20}, {4, 32, 201, 39}, {5, 40, 240, 50},
  };
  for (const Case& c : cases) {
    Fixture f;
    f.panel.SetStyle(c.style == 0 ? 5 : 0);
    f.surface.calls.clear();
    f.panel.SetStyle(c.style);
    for (const SliderRecord& r : f.panel.sliders) {
      EXPECT_EQ(r.style, c.style);
      EXPECT_EQ(r.knobColumn, c.knobColumn);
      EXPECT_EQ(r.nameColumn, c.nameColumn);
      EXPECT_EQ(r.nameWidth, c.nameWidth);
    }
    // Three knobs, the blank name area, the name.
    const std::vector<DrawCall> copies = f.surface.Copies();
    ASSERT_EQ(copies.size(), 5u);
    EXPECT_EQ(copies[2].srcX, c.knobColumn);
    EXPECT_EQ(copies[4].srcX, c.nameColumn);
    EXPECT_EQ(copies[4].width, c.nameWidth);
  }
}

TEST(PanelModel, SetStyleOutsideTheTableChangesAndDrawsNothing) {
  for (int style : {6, -1, 1000}) {
    Fixture f;
    f.panel.SetStyle(2);
    f.surface.calls.clear();
    f.panel.SetStyle(style);
    for (const SliderRecord& r : f.panel.sliders) {
      EXPECT_EQ(r.style, 2);
      EXPECT_EQ(r.knobColumn, 16);
    }
    EXPECT_TRUE(f.surface.calls.empty()) << style;
  }
}

}  // namespace
}  // namespace kz
