// The web page's side of Kudomat Zub: one panel and one composer, as in the
// window, painted into an in-memory raster that the page shows on its
// canvas. The mid end carries out the commands; the page's controls, menu,
// clipboard and dialogs are reached through the small JavaScript functions
// of page.js, as the window reaches its controls through Win32.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <vector>

#include "compose/random.h"
#include "compose/stored_strings.h"
#include "midend/commands.h"
#include "panel/raster.h"

EM_JS(void, PageShowText, (int id, const char* text), { Module.showText(id, UTF8ToString(text)); });
EM_JS(int, PageChecked, (int section), { return Module.checked(section); });
EM_JS(void, PageCheck, (int section, int on), { Module.check(section, on); });
EM_JS(void, PageGrey, (int id, int greyed), { Module.grey(id, greyed); });
EM_JS(void, PageCopy, (), { Module.copyCommentBox(); });
EM_JS(void, PageExit, (), { Module.exit(); });
EM_JS(void, PageDialog, (int id), { Module.dialog(id); });
EM_JS(void, PageTitle, (const char* text), { Module.title(UTF8ToString(text)); });

namespace kz {
namespace {

class PageTexts final : public TextDisplay {
 public:
  void ShowText(int controlId, const char* text) override { PageShowText(controlId, text); }
};

class PageCheckboxes final : public CheckboxWindow {
 public:
  void CheckButton(int id, bool checked) override {
    const int section = id - kSectionCheckboxes[0];
    if (0 <= section && section < kSectionCount) PageCheck(section, checked);
  }
};

class PageHost final : public CommandHost {
 public:
  bool SectionChecked(int section) override { return PageChecked(section) != 0; }
  void GreyMenuItem(int id, bool greyed) override { PageGrey(id, greyed); }
  void CopyCommentBox() override { PageCopy(); }
  void Exit() override { PageExit(); }
  void ShowDialog(int dialogId) override { PageDialog(dialogId); }
};

Raster raster;
std::vector<std::vector<Colour>> frames;  // the raster at each step of a flash

// The flash's clock: a page must not spin, so each reading is a second past
// the last and every wait is over at once. The raster is kept as it stands
// when each wait begins; the page then shows these frames one step apart.
class FrameTicks final : public TickCounter {
 public:
  std::uint32_t Ticks() override {
    if (++calls_ % 2 == 1) {
      std::vector<Colour>& frame = frames.emplace_back();
      frame.reserve(static_cast<std::size_t>(raster.Width() * raster.Height()));
      for (int y = 0; y < raster.Height(); ++y) {
        for (int x = 0; x < raster.Width(); ++x) frame.push_back(raster.At(x, y));
      }
    }
    return calls_ * 1000;
  }

 private:
  std::uint32_t calls_ = 0;
};

Composer composer;
Panel panel;
const StoredStrings strings;
PageTexts texts;
PageCheckboxes checkboxes;
PageHost host;
BitmapFolder bitmaps("/art");
RasterSurface surface(raster, &bitmaps);
FrameTicks ticks;
std::vector<std::uint8_t> rgba;  // what the canvas shows, 4 bytes a pixel

}  // namespace
}  // namespace kz

using namespace kz;

extern "C" {

// Start-up as in the window; the page has set its controls' start texts.
EMSCRIPTEN_KEEPALIVE void kz_start() {
  composer.instance = &strings;
  composer.window = &texts;
  panel.window = &checkboxes;
  panel.dc = &surface;
  panel.ticks = &ticks;
  PageTitle(FindStoredString(IDS_TITLE));
  ReseedFromClock();
  StartPanel(panel, composer);
}

// A command from a button, checkbox, menu item or Ctrl+R, after a fresh
// seed as every message of the window begins with. Returns the number of
// flash frames it left (0 unless Zub).
EMSCRIPTEN_KEEPALIVE int kz_command(int id) {
  frames.clear();
  ReseedFromClock();
  RunCommand(id, panel, composer, host);
  return static_cast<int>(frames.size());
}

// Pointer input on the canvas: 0 press, 1 move, 2 release.
EMSCRIPTEN_KEEPALIVE void kz_pointer(int kind, int x, int y) {
  ReseedFromClock();
  if (kind == 0) panel.HitTest(x, y);
  if (kind == 1) panel.MoveKnob(-1, y);
  if (kind == 2) panel.dragIndex = -1;
}

// The whole panel painted afresh, as the window does when it is uncovered
// or resized.
EMSCRIPTEN_KEEPALIVE void kz_paint() { panel.PaintPanel(kWholePanel); }

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
