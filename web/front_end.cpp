// The web page's side of Kudomat Zub: one panel and one composer, as in the
// window, painted into an in-memory raster that the page shows on its
// canvas. The mid end carries out the commands; the page's controls, menu,
// clipboard and dialogs are reached through the small JavaScript functions
// of page.js, as the window reaches its controls through Win32.
#include <emscripten/emscripten.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "compose/generator.h"
#include "compose/stored_strings.h"
#include "midend/command_table.h"
#include "midend/kudomat_zub.h"
#include "panel/raster.h"
#include "web/compiled_bitmaps.h"

EM_JS(void, PageShowComment, (const char* comment, const char* mark),
      { Module.showComment(UTF8ToString(comment), UTF8ToString(mark)); });
EM_JS(int, PageChecked, (int section), { return Module.checked(section); });
EM_JS(void, PageCheck, (int section, int on), { Module.check(section, on); });
EM_JS(void, PageGrey, (int id, int greyed), { Module.grey(id, greyed); });
EM_JS(void, PageCopy, (), { Module.copyComment(); });
EM_JS(void, PageExit, (), { Module.exit(); });
EM_JS(void, PageDialog, (int id), { Module.dialog(id); });
EM_JS(void, PageTitle, (const char* text), { Module.title(UTF8ToString(text)); });

namespace kz {
namespace {

Raster raster;
std::vector<std::vector<Colour>> frames;  // the raster at each step of a flash

// The page's controls through page.js. A page must not spin: each pause of
// the flash keeps the raster as it stands, and the page then plays these
// frames one step apart.
class PageFrontEnd final : public FrontEnd {
 public:
  void ShowComment(const char* comment, const char* mark) override {
    PageShowComment(comment, mark);
  }
  void SetSectionChecked(int section, bool on) override { PageCheck(section, on); }
  void Pause(int) override {
    std::vector<Colour>& frame = frames.emplace_back();
    frame.reserve(static_cast<std::size_t>(raster.Width() * raster.Height()));
    for (int y = 0; y < raster.Height(); ++y) {
      for (int x = 0; x < raster.Width(); ++x) frame.push_back(raster.At(x, y));
    }
  }
  bool SectionChecked(int section) override { return PageChecked(section) != 0; }
  void GreyMenuItem(int id, bool greyed) override { PageGrey(id, greyed); }
  void CopyComment() override { PageCopy(); }
  void Exit() override { PageExit(); }
  void ShowDialog(int dialogId) override { PageDialog(dialogId); }
};

const StoredStrings strings;
CompiledBitmaps bitmaps;
RasterSurface surface(raster, &bitmaps);
PageFrontEnd frontEnd;
KudomatZub app(strings, surface, frontEnd);
std::vector<std::uint8_t> rgba;  // what the canvas shows, 4 bytes a pixel

}  // namespace
}  // namespace kz

using namespace kz;

extern "C" {

// Start-up as in the window; the page has set its controls' start texts.
EMSCRIPTEN_KEEPALIVE void kz_start() {
  PageTitle(FindStoredString(IDS_TITLE));
  app.Start();
}

// A command from a button, checkbox, menu item or Ctrl+R. Returns the
// number of flash frames it left (0 unless Zub).
EMSCRIPTEN_KEEPALIVE int kz_command(int id) {
  frames.clear();
  app.Command(id);
  return static_cast<int>(frames.size());
}

// Pointer input on the canvas: 0 press, 1 move, 2 release.
EMSCRIPTEN_KEEPALIVE void kz_pointer(int kind, int x, int y) {
  if (kind == 0) app.PointerPress(x, y);
  if (kind == 1) app.PointerMove(x, y);
  if (kind == 2) app.PointerRelease();
}

// A keyboard slider: section's knob `rows` rows up (negative: down).
EMSCRIPTEN_KEEPALIVE void kz_step_knob(int section, int rows) { app.StepKnob(section, rows); }

// Where section's knob stands (its left edge and centre row), whether it
// is enabled, and whether its section reaches the comment.
EMSCRIPTEN_KEEPALIVE int kz_knob_left(int section) {
  return 0 <= section && section < kSectionCount ? app.panel().sliders[section].x : 0;
}
EMSCRIPTEN_KEEPALIVE int kz_knob_row(int section) {
  return 0 <= section && section < kSectionCount ? KnobRow(app.panel().sliders[section].y) : 0;
}
EMSCRIPTEN_KEEPALIVE int kz_section_enabled(int section) {
  return 0 <= section && section < kSectionCount && app.panel().sliders[section].enabled;
}
EMSCRIPTEN_KEEPALIVE int kz_section_shown(int section) {
  return 0 <= section && section < kSectionCount && IsShown(app.panel().sliders[section].y);
}

// The knob's place on the scale of the Edit menu's captions: +100 on the
// top row, 0 on the middle one, -100 on the bottom one.
EMSCRIPTEN_KEEPALIVE int kz_knob_value(int section) {
  const int row = kz_knob_row(section);
  const double value = row <= kMiddleRow ? 100.0 * (kMiddleRow - row) / (kMiddleRow - kTopRow)
                                         : -100.0 * (row - kMiddleRow) / (kBottomRow - kMiddleRow);
  return static_cast<int>(std::lround(value));
}

// Whether command `id` is the style, spelling or role in force: 1 it is, 0
// it is another choice, -1 it is no such command.
EMSCRIPTEN_KEEPALIVE int kz_choice(int id) {
  const CommandEntry* entry = FindCommand(id);
  const Panel& panel = app.panel();
  if (!entry) return -1;
  switch (entry->action) {
    case CommandAction::Style:
      return entry->argument == panel.sliders[0].style;
    case CommandAction::Spelling:
      return entry->argument == panel.spelling;
    case CommandAction::Role:
      return entry->argument == panel.role;
    default:
      return -1;
  }
}

// The whole panel painted afresh, as the window does when it is uncovered
// or resized.
EMSCRIPTEN_KEEPALIVE void kz_paint() { app.Repaint(); }

// Flash frame `k`, or the raster as it is now for any other k, as RGBA.
EMSCRIPTEN_KEEPALIVE const std::uint8_t* kz_pixels(int k) {
  const bool frame = 0 <= k && k < static_cast<int>(frames.size());
  const int w = raster.Width();
  rgba.resize(static_cast<std::size_t>(w * raster.Height() * 4));
  for (int y = 0; y < raster.Height(); ++y) {
    for (int x = 0; x < w; ++x) {
      const Colour c = frame ? frames[k][static_cast<std::size_t>(y * w + x)] : raster.At(x, y);
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
