// The panel's model: construction, knob hit-testing and dragging, Enable/
// Freeze, style, spelling and role. Each change redraws what it touches.
#include "panel/panel.h"

namespace kz {
namespace {

// The hit rectangle reaches from the knob's top-left corner this far.
constexpr int kHitWidthReach = 20;
constexpr int kHitHeightReach = 25;

// SetSectionState: which records a code touches and the state it gives them.
struct SectionCode {
  bool sections[kSectionCount];
  bool enable;
};

constexpr SectionCode kSectionCodes[] = {
    {{true, false, false}, true},  {{false, true, false}, true},
    {{false, false, true}, true},  {{true, true, true}, true},
    {{true, false, false}, false}, {{false, true, false}, false},
    {{false, false, true}, false}, {{true, true, true}, false},
};

static_assert(sizeof kSectionCodes / sizeof kSectionCodes[0] == kFreezeAllSections + 1,
              "one entry per section state code");

// Each knob starts centred on its track.
static_assert(kInitialSliders[0].x + kTileSize / 2 == kTrackColumns[0] &&
                  kInitialSliders[1].x + kTileSize / 2 == kTrackColumns[1] &&
                  kInitialSliders[2].x + kTileSize / 2 == kTrackColumns[2],
              "knobs centred on their tracks");

}  // namespace

Panel::Panel() {
  dragIndex = -1;
  spelling = 1;
  role = 1;
  for (int i = 0; i < kSectionCount; ++i) sliders[i] = kInitialSliders[i];
}

std::int32_t Panel::HitTest(std::int32_t x, std::int32_t y) {
  for (int i = 0; i < kSectionCount; ++i) {
    const SliderRecord& r = sliders[i];
    if (r.x <= x && x <= r.x + kHitWidthReach && r.y <= y && y <= r.y + kHitHeightReach) {
      if (r.enabled != 0) dragIndex = i;
      return i;
    }
  }
  return -1;
}

void Panel::MoveKnob(std::int32_t index, std::int32_t row) {
  int i = index;
  if (index == -1) {
    i = dragIndex;
    if (i < 0 || i >= kSectionCount) return;
    const SliderRecord& r = sliders[i];
    DrawBitmap(r.x, r.y, kTrackTileColumn, 0, kTileSize, kTileSize, kTilesBitmap, 0);
  } else {
    if (index < 0 || index >= kSectionCount) return;
    const SliderRecord& r = sliders[i];
    for (int t = kTrackFirstKnobTop; t <= kTrackLastKnobTop; ++t) {
      DrawBitmap(r.x, t, kTrackTileColumn, 0, kTileSize, kTileSize, kTilesBitmap, 0);
    }
  }

  SliderRecord& r = sliders[i];
  const int oldCentre = KnobRow(r.y);
  for (int column = r.x; column < r.x + ConnectorLength(i); ++column) {
    Pixel(column, oldCentre, kBackgroundColour);
  }
  // The erased row crossed the first track, and the vertical connector
  // pieces on the tracks may move: every track is drawn afresh.
  for (int y = kFrameTop; y <= kFrameBottom; ++y) {
    for (int column : kTrackColumns) Pixel(column, y, kFrameColour);
  }

  if (kTopRow <= row && row <= kBottomRow) r.y = KnobTop(row);
  DrawConnectors(i);
  PaintPanel(kKnobs);
}

void Panel::SetSectionState(std::int32_t code) {
  const auto entry = static_cast<std::uint32_t>(code);
  if (entry >= sizeof kSectionCodes / sizeof kSectionCodes[0]) return;
  const SectionCode& c = kSectionCodes[entry];
  for (int i = 0; i < kSectionCount; ++i) {
    if (c.sections[i]) sliders[i].enabled = c.enable ? 1 : 0;
  }
}

void Panel::SetSpelling(std::int32_t value) {
  if (value == 0 || value == 1) spelling = value;
  PaintPanel(kSpelling);
}

void Panel::SetRole(std::int32_t value) {
  if (value == 0 || value == 1) role = value;
  PaintPanel(kRole);
}

void Panel::SetStyle(std::int32_t style) {
  if (style < 0 || style >= kStyleCount) return;
  const StyleRow& row = kStyleTable[style];
  for (SliderRecord& r : sliders) {
    r.style = style;
    r.knobColumn = row.knobColumn;
    r.nameColumn = row.nameColumn;
    r.nameWidth = row.nameWidth;
  }
  PaintPanel(kKnobs | kStyleName);
}

}  // namespace kz
