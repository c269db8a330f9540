// Test doubles for the panel's seams: a surface that records every call
// (and can pass it on to a raster), checkboxes that remember their state, a
// tick counter that moves only when read, and a panel wired to the native
// raster and the committed bitmaps.
#pragma once

#include <map>
#include <vector>

#include "panel/panel.h"
#include "panel/raster.h"

namespace kz::testing {

inline std::string ArtFolder() { return KZ_SOURCE_DIR "/resources/art"; }

struct DrawCall {
  enum Kind { kPixel, kCopy } kind;
  int x, y;
  Colour colour;  // pixels
  int srcX, srcY, width, height, bitmapId;
  bool masked;
  int reads;  // how often the fake clock had been read when the call was made
};

// Each reading is `step` milliseconds after the one before; every value
// handed out is kept.
class TickCounterFake final : public TickCounter {
 public:
  std::uint32_t Ticks() override {
    values.push_back(now);
    ++reads;
    now += step;
    return values.back();
  }
  std::uint32_t now = 0;
  std::uint32_t step = 7;
  int reads = 0;
  std::vector<std::uint32_t> values;
};

class RecordingSurface final : public Surface {
 public:
  explicit RecordingSurface(Surface* inner = nullptr, TickCounterFake* clock = nullptr)
      : inner_(inner), clock_(clock) {}

  void PutPixel(int x, int y, Colour colour) override {
    calls.push_back({DrawCall::kPixel, x, y, colour, 0, 0, 0, 0, 0, false, Reads()});
    if (inner_ != nullptr) inner_->PutPixel(x, y, colour);
  }
  int CopyBitmap(int x, int y, int srcX, int srcY, int width, int height, int bitmapId,
                 bool masked) override {
    calls.push_back(
        {DrawCall::kCopy, x, y, 0, srcX, srcY, width, height, bitmapId, masked, Reads()});
    return inner_ != nullptr
               ? inner_->CopyBitmap(x, y, srcX, srcY, width, height, bitmapId, masked)
               : 1;
  }

  int Count(DrawCall::Kind kind) const {
    int n = 0;
    for (const DrawCall& c : calls) n += c.kind == kind ? 1 : 0;
    return n;
  }
  std::vector<DrawCall> Copies() const {
    std::vector<DrawCall> out;
    for (const DrawCall& c : calls) {
      if (c.kind == DrawCall::kCopy) out.push_back(c);
    }
    return out;
  }

  std::vector<DrawCall> calls;

 private:
  int Reads() const { return clock_ != nullptr ? clock_->reads : 0; }
  Surface* inner_;
  TickCounterFake* clock_;
};

class CheckboxesFake final : public CheckboxWindow {
 public:
  void CheckButton(int id, bool checked) override {
    state[id] = checked;
    ++calls;
  }
  std::map<int, bool> state;
  int calls = 0;
};

// A panel drawing on a fresh raster (background colour) through a recording
// surface, with the committed bitmaps.
struct PanelOnRaster {
  PanelOnRaster()
      : raster(), surface(raster, &bitmaps), recorder(&surface, &clock), bitmaps(ArtFolder()) {
    panel.dc = &recorder;
    panel.window = &checkboxes;
    panel.ticks = &clock;
  }
  // Places the knobs on the given centre rows without drawing anything.
  void PlaceKnobs(int row0, int row1, int row2) {
    const int rows[3] = {row0, row1, row2};
    for (int i = 0; i < 3; ++i) panel.sliders[i].y = rows[i] - 4;
  }

  Raster raster;
  RasterSurface surface;
  TickCounterFake clock;
  RecordingSurface recorder;
  BitmapFolder bitmaps;
  CheckboxesFake checkboxes;
  Panel panel;
};

}  // namespace kz::testing
