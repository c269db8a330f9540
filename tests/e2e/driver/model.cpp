// The model: one mid end, fed each candidate's state in turn.
#include "driver.h"

#include "compose/random.h"
#include "compose/stored_strings.h"
#include "midend/command_table.h"
#include "panel/raster.h"
#include "tests/midend/recording_front_end.h"

namespace kze {
namespace {

// The seconds the next clock readings give; the last one stays.
unsigned clockSeconds[2] = {};
int clockReads = 0;
void SetModelClock(unsigned first, unsigned then) {
  clockSeconds[0] = first, clockSeconds[1] = then, clockReads = 0;
}
kz::Seconds ModelClock() { return clockSeconds[clockReads < 1 ? clockReads++ : 1]; }

kz::RecordingFrontEnd frontEnd;
kz::NullSurface surface;

kz::KudomatZub& MidEnd() {
  static const kz::StoredStrings strings;
  static kz::KudomatZub* app = new kz::KudomatZub(strings, surface, frontEnd, ModelClock);  // 800 KB
  return *app;
}

// The model's state in and out of the mid end and its front end.
void Load(const Model& m) {
  MidEnd().Restore(m.state);
  frontEnd.greyed = m.greyed;
  frontEnd.comment = m.box, frontEnd.mark = m.mark, frontEnd.clipboard = m.clipboard, frontEnd.clipboardHeld = m.clipboardHeld;
}
void Keep(Model& m) {
  m.state = MidEnd().Save();
  m.greyed = frontEnd.greyed;
  m.box = frontEnd.comment, m.mark = frontEnd.mark, m.clipboard = frontEnd.clipboard;
}

}  // namespace

const std::vector<int>& MenuIds() {
  static const std::vector<int> ids = [] {
    std::vector<int> menu;
    for (const kz::CommandEntry& e : kz::kCommands) if (kz::IsMenuItem(e)) menu.push_back(e.id);
    return menu;
  }();
  return ids;
}

std::vector<Model> Model::AtStart(unsigned t0, unsigned t1) {
  std::vector<Model> models;
  for (unsigned style = t0; style <= t1; ++style) {
    for (unsigned rows = style; rows <= t1; ++rows) {
      Model m;
      for (int id : MenuIds()) m.greyed[id] = false;
      m.state = MidEnd().Save();
      Load(m);
      SetModelClock(style, rows);
      MidEnd().Start();
      Keep(m);
      models.push_back(m);
    }
  }
  return models;
}

void Model::Message(unsigned second, UINT message, int a, int b) {
  Load(*this);
  SetModelClock(second, second);
  kz::KudomatZub& app = MidEnd();
  if (message == WM_MOUSEMOVE) app.PointerMove(b);
  if (message == WM_LBUTTONDOWN) app.PointerPress(a, b);
  if (message == WM_LBUTTONUP) app.PointerRelease();
  if (message == WM_COMMAND) app.Command(a), kz::FinishFlash(app);
  Keep(*this);
}

kz::Raster Model::Painting() const {
  kz::Raster raster;
  kz::BitmapFolder bitmaps(options().art);
  kz::RasterSurface painting(raster, &bitmaps);
  kz::Panel painter = panel();
  painter.dc = &painting, painter.PaintPanel(kz::kWholePanel);
  return raster;
}

}  // namespace kze
