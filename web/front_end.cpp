// The web page's side of Kudomat Zub: the mid end, as in the window,
// painting into an in-memory raster that the page shows on its canvas. The
// page's controls, menu, clipboard and dialogs are reached through the small
// JavaScript functions of page.js, as the window reaches its controls
// through Win32; the page asks the mid end for all it shows.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <vector>

#include "compose/stored_strings.h"
#include "midend/kudomat_zub.h"
#include "panel/raster.h"
#include "web/compiled_bitmaps.h"

EM_JS(void, PageShowComment, (const char* comment, const char* mark),
      { Module.showComment(UTF8ToString(comment), UTF8ToString(mark)); });
EM_JS(void, PageCheck, (int section, int on), { Module.check(section, on); });
EM_JS(void, PageShowItem, (int id, int greyed, int inForce), { Module.item(id, greyed, inForce); });
EM_JS(void, PageCopy, (), { Module.copyComment(); });
EM_JS(void, PageExit, (), { Module.exit(); });
EM_JS(void, PageDialog, (int id), { Module.dialog(id); });
EM_JS(void, PageTitle, (const char* text), { Module.title(UTF8ToString(text)); });

namespace kz {
namespace {

// The page's controls through page.js. What a screen reader hears the page
// reads off the mid end after every input, into its ARIA attributes.
class PageFrontEnd final : public FrontEnd {
 public:
  void ShowComment(const char* comment, const char* mark) override {
    PageShowComment(comment, mark);
  }
  void CheckSectionBox(int section, bool on) override { PageCheck(section, on); }
  void ShowMenuItem(int id, bool greyed, int inForce) override { PageShowItem(id, greyed, inForce); }
  void CopyComment() override { PageCopy(); }
  void Exit() override { PageExit(); }
  void ShowDialog(int dialogId) override { PageDialog(dialogId); }
  void Announce(Change, int) override {}
};

Raster raster;
const StoredStrings strings;
CompiledBitmaps bitmaps;
RasterSurface surface(raster, &bitmaps);
PageFrontEnd frontEnd;
KudomatZub app(strings, surface, frontEnd);
std::vector<std::uint8_t> rgba;  // what the canvas shows, 4 bytes a pixel
ShortText said;                  // the last text handed to the page

}  // namespace
}  // namespace kz

using namespace kz;

extern "C" {

// Start-up as in the window; the page has set its controls' start texts.
EMSCRIPTEN_KEEPALIVE void kz_start() {
  PageTitle(FindStoredString(IDS_TITLE));
  app.Start();
}

// A command from a button, checkbox, menu item or Ctrl+R, then the flash's
// steps: each returns the milliseconds to the next, or -1 when none runs.
EMSCRIPTEN_KEEPALIVE int kz_command(int id) {
  app.Command(id);
  return app.FlashDelay();
}
EMSCRIPTEN_KEEPALIVE int kz_tick() {
  app.Tick();
  return app.FlashDelay();
}

// Pointer input on the canvas: 0 press, 1 move, 2 release.
EMSCRIPTEN_KEEPALIVE void kz_pointer(int kind, int x, int y) {
  if (kind == 0) app.PointerPress(x, y);
  if (kind == 1) app.PointerMove(y);
  if (kind == 2) app.PointerRelease();
}

// A keyboard slider: section's knob `rows` rows up (negative: down).
EMSCRIPTEN_KEEPALIVE void kz_step_knob(int section, int rows) { app.StepKnob(section, rows); }

// How section's knob stands: its centre, its value (+100 top row, 0 middle,
// -100 bottom), whether it moves, and its value as the slider says it.
EMSCRIPTEN_KEEPALIVE int kz_knob_x(int section) { return app.Knob(section).x; }
EMSCRIPTEN_KEEPALIVE int kz_knob_row(int section) { return app.Knob(section).row; }
EMSCRIPTEN_KEEPALIVE int kz_knob_value(int section) { return app.Knob(section).value; }
EMSCRIPTEN_KEEPALIVE int kz_knob_enabled(int section) { return app.Knob(section).enabled; }
EMSCRIPTEN_KEEPALIVE const char* kz_knob_text(int section) {
  said = app.KnobValueText(section);
  return said.text;
}

// The style, spelling and role in force, in menu order.
EMSCRIPTEN_KEEPALIVE const char* kz_choices() {
  said = app.Choices();
  return said.text;
}

// The whole panel painted afresh, as the window does when it is uncovered
// or resized.
EMSCRIPTEN_KEEPALIVE void kz_paint() { app.Repaint(); }

// The raster as it is now, as RGBA.
EMSCRIPTEN_KEEPALIVE const std::uint8_t* kz_pixels() {
  const int w = raster.Width();
  rgba.resize(static_cast<std::size_t>(w * raster.Height() * 4));
  for (int y = 0; y < raster.Height(); ++y) {
    for (int x = 0; x < w; ++x) {
      const Colour c = raster.At(x, y);
      std::uint8_t* p = &rgba[static_cast<std::size_t>((y * w + x) * 4)];
      p[0] = c & 0xFF;
      p[1] = (c >> 8) & 0xFF;
      p[2] = (c >> 16) & 0xFF;
      p[3] = 0xFF;
    }
  }
  return rgba.data();
}

EMSCRIPTEN_KEEPALIVE int kz_width() { return raster.Width(); }
EMSCRIPTEN_KEEPALIVE int kz_height() { return raster.Height(); }

}  // extern "C"
