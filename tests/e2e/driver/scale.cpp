// The window at one DPI (a prefix each): client area, controls and panel k times the
// 96-DPI ones, text inside the controls, a real drag; at 96, 620 x 270 and a WM_DPICHANGED
// to 192 and back.
#include <algorithm>

#include "../probe/probe.h"
#include "driver.h"
#include "panel/art_layout.h"

namespace kze {
namespace {

struct Control {
  int id, x, y, width, height;
};
const Control kControls[] = {
#define KZ_CONTROL(id, kind, text, x, y, width, height) {id, x, y, width, height},
#include "resources/controls.def"
#undef KZ_CONTROL
};

// Client area k times the 96-DPI one (`exact`, else at least), each control k
// times as far and large, its text no taller than it.
void CheckLayout(Program& program, int k, bool exact) {
  HWND w = program.window();
  RECT client = {}, outer = {};
  GetClientRect(w, &client), GetWindowRect(w, &outer);
  Expect(k != 1 || (outer.right - outer.left == 620 && outer.bottom - outer.top == 270),
         Format("window %ld x %ld at 96 DPI", outer.right - outer.left, outer.bottom - outer.top));
  const int width = k * kz::kClientWidth, height = k * kz::kClientHeight;
  Expect(exact ? client.right == width && client.bottom == height : client.right >= width && client.bottom >= height,
         Format("client area %ld x %ld at scale %d", client.right, client.bottom, k));
  for (const Control& c : kControls) {
    kzprobe::TextQuery text = {program.Control(c.id), -1};
    RECT r = {}, inside = {};
    GetWindowRect(text.control, &r), MapWindowPoints(nullptr, w, reinterpret_cast<POINT*>(&r), 2);
    Expect(r.left == k * c.x && r.top == k * c.y && r.right - r.left == k * c.width && r.bottom - r.top == k * c.height,
           Format("control %d at (%ld, %ld), %ld x %ld", c.id, r.left, r.top, r.right - r.left, r.bottom - r.top));
    if (c.id >= IDC_BEGINNING_BOX) continue;  // a checkbox's box leaves no room for its letter
    GetClientRect(text.control, &inside), program.Probe("KzTextHeight", &text, sizeof text);
    Expect(0 < text.height && text.height <= inside.bottom,
           Format("control %d: text %ld high in %ld", c.id, text.height, inside.bottom));
  }
}

// Of the models, the one whose painting enlarged k times the window shows
// outside the controls; read again for up to a second, as it may be stale.
Model Showing(Program& program, const std::vector<Model>& models, int k, const std::string& when) {
  std::string first;
  int differing = 0;
  for (int attempt = 0; attempt < 10; ++attempt, Sleep(100)) {
    const kz::Raster seen = program.Picture();
    for (const Model& m : models) {
      const kz::Raster want = m.Painting();
      differing = 0;
      for (int y = 0; y < std::min(seen.Height(), k * kz::kClientHeight); ++y) {
        for (int x = 0; x < std::min(seen.Width(), k * kz::kClientWidth); ++x) {
          bool onControl = false;
          for (const Control& c : kControls) {
            onControl |= c.x <= x / k && x / k < c.x + c.width && c.y <= y / k && y / k < c.y + c.height;
          }
          if (onControl || seen.At(x, y) == want.At(x / k, y / k) || differing++) continue;
          first = Format("(%d, %d) is %06x, want %06x", x, y, unsigned(seen.At(x, y)), unsigned(want.At(x / k, y / k)));
        }
      }
      if (differing == 0) return m;
    }
  }
  Fatal(Format("%s: %d pixels differ from the native painting enlarged %d times, first %s", when.c_str(),
               differing, k, first.c_str()));
}

}  // namespace

void Scale() {
  const int dpi = options().dpi, k = std::max(1, (dpi + 48) / 96);  // the prefix's (dpi.sh)
  const unsigned t0 = ClockSeconds();
  Program program;
  const std::vector<Model> models = Model::AtStart(t0, ClockSeconds());
  HWND w = program.window();
  CheckLayout(program, k, true);
  Model m = Showing(program, models, k, "after start-up");

  // A real drag of the middle knob, at the last screen pixel of its panel pixels.
  const int x = 208, from = m.panel().sliders[1].y + 4, to = from < 82 ? 110 : 55;
  BringToFront(w), MouseTo(w, 300, -10);
  MouseTo(w, k * x + k - 1, k * from + k - 1), MouseButton(true);
  MouseTo(w, k * x + k - 1, k * to + k - 1), MouseButton(false);
  MouseTo(w, 300, -10), program.Send(w, WM_NULL);
  const unsigned second = ClockSeconds();
  m.Message(second, WM_MOUSEMOVE, x, from), m.Message(second, WM_LBUTTONDOWN, x, from);
  m.Message(second, WM_MOUSEMOVE, x, to), m.Message(second, WM_LBUTTONUP, x, to);
  Expect(m.panel().sliders[1].y + 4 != from, "the model's knob did not move");
  Showing(program, {m}, k, Format("after a drag from row %d to row %d", from, to));

  // Wine keeps the caption and menu at the prefix's DPI, so the client area
  // at "192 DPI" is larger than twice the panel; back at 96 it is exact.
  for (int moved = 192; dpi == 96 && moved >= 96; moved -= 96) {
    kzprobe::DpiChange change = {w, moved, {}};
    GetWindowRect(w, &change.suggested), program.Probe("KzChangeDpi", &change, sizeof change), program.Send(w, WM_NULL);
    CheckLayout(program, moved / 96, moved == 96);
    Showing(program, {m}, moved / 96, Format("moved to a %d-DPI screen", moved));
  }
}

}  // namespace kze
