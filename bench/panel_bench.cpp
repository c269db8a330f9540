// The panel's drawing on the native raster: a full paint and one knob move,
// by index (Edit menu) and by drag (mouse), with the pixels set and the
// bitmap copies each makes reported as counters.
#include <benchmark/benchmark.h>

#include <string>

#include "panel/panel.h"
#include "panel/raster.h"

namespace {

std::string ArtFolder() {
  std::string here = __FILE__;  // <repo>/bench/panel_bench.cpp
  return here.substr(0, here.rfind("/bench/")) + "/resources/art";
}

// Counts what passes through to the raster.
class CountingSurface final : public kz::Surface {
 public:
  explicit CountingSurface(kz::Surface& inner) : inner_(inner) {}
  void PutPixel(int x, int y, kz::Colour colour) override {
    ++pixels;
    inner_.PutPixel(x, y, colour);
  }
  int CopyBitmap(int x, int y, int srcX, int srcY, int width, int height, int bitmapId,
                 bool masked) override {
    ++copies;
    return inner_.CopyBitmap(x, y, srcX, srcY, width, height, bitmapId, masked);
  }
  long long pixels = 0;
  long long copies = 0;

 private:
  kz::Surface& inner_;
};

struct Setup {
  Setup() : surface(raster, &bitmaps), counter(surface), bitmaps(ArtFolder()) {
    panel.dc = &counter;
    panel.SetStyle(2);
    panel.SetSectionState(3);
    for (int i = 0; i < 3; ++i) panel.MoveKnob(i, 60 + 20 * i);
    counter.pixels = counter.copies = 0;
  }
  void Report(benchmark::State& state) {
    const double calls = static_cast<double>(state.iterations());
    state.counters["pixels"] = static_cast<double>(counter.pixels) / calls;
    state.counters["copies"] = static_cast<double>(counter.copies) / calls;
  }
  kz::Raster raster;
  kz::RasterSurface surface;
  CountingSurface counter;
  kz::BitmapFolder bitmaps;
  kz::Panel panel;
};

void BM_FullPaint(benchmark::State& state) {
  Setup s;
  for (auto _ : state) s.panel.PaintPanel(kz::kWholePanel);
  s.Report(state);
}
BENCHMARK(BM_FullPaint);

void BM_MoveKnobByIndex(benchmark::State& state) {
  Setup s;
  int row = 47;
  for (auto _ : state) {
    s.panel.MoveKnob(1, row);
    row = row == 118 ? 47 : row + 1;
  }
  s.Report(state);
}
BENCHMARK(BM_MoveKnobByIndex);

void BM_MoveKnobByDrag(benchmark::State& state) {
  Setup s;
  s.panel.HitTest(s.panel.sliders[1].x, s.panel.sliders[1].y);  // takes knob 1
  int row = 47;
  for (auto _ : state) {
    s.panel.MoveKnob(-1, row);
    row = row == 118 ? 47 : row + 1;
  }
  s.Report(state);
}
BENCHMARK(BM_MoveKnobByDrag);

}  // namespace
