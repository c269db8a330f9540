// The picture: after a state is set through the menus and knob drags and
// the window is repainted, its client pixels equal the native raster's
// painting of that state, outside the child controls.
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>

#include "actions.h"

namespace kze {

namespace {

struct PictureState {
  int style, spelling, role, rows[3];
  std::string Name() const {
    return Format("%d_%d_%d_%d_%d_%d", style, spelling, role, rows[0], rows[1], rows[2]);
  }
};

std::vector<PictureState> ReadStates(const std::string& path) {
  std::vector<PictureState> states;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    PictureState s{};
    if (fields >> s.style >> s.spelling >> s.role >> s.rows[0] >> s.rows[1] >> s.rows[2]) {
      states.push_back(s);
    }
  }
  return states;
}

// A 24- or 32-bit uncompressed BMP.
bool LoadBmp(const std::string& path, Raster* raster) {
  std::ifstream in(path, std::ios::binary);
  std::vector<unsigned char> data((std::istreambuf_iterator<char>(in)), {});
  if (data.size() < 54 || data[0] != 'B' || data[1] != 'M') return false;
  auto u32 = [&data](size_t at) {
    return static_cast<std::uint32_t>(data[at]) | (static_cast<std::uint32_t>(data[at + 1]) << 8) |
           (static_cast<std::uint32_t>(data[at + 2]) << 16) |
           (static_cast<std::uint32_t>(data[at + 3]) << 24);
  };
  std::uint32_t offset = u32(10);
  int width = static_cast<int>(u32(18));
  int height = static_cast<int>(u32(22));
  int bits = data[28] | (data[29] << 8);
  if ((bits != 24 && bits != 32) || u32(30) != 0 || width <= 0) return false;
  bool topDown = height < 0;
  if (topDown) height = -height;
  size_t bytes = static_cast<size_t>(bits / 8);
  size_t rowBytes = (static_cast<size_t>(width) * bytes + 3) & ~static_cast<size_t>(3);
  if (offset + rowBytes * static_cast<size_t>(height) > data.size()) return false;
  raster->width = width;
  raster->height = height;
  raster->pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
  for (int y = 0; y < height; ++y) {
    size_t row = offset + rowBytes * static_cast<size_t>(topDown ? y : height - 1 - y);
    for (int x = 0; x < width; ++x) {
      const unsigned char* p = &data[row + bytes * static_cast<size_t>(x)];
      raster->pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] =
          RGB(p[2], p[1], p[0]);
    }
  }
  return true;
}

void SetState(Program& program, const PictureState& p) {
  Settings s;
  s.style = p.style;
  s.spelling = p.spelling;
  s.role = p.role;
  for (int i = 0; i < 3; ++i) s.rows[i] = p.rows[i];
  ChooseThroughMenus(program, s);
}

struct Comparison {
  int compared = 0;
  int differing = 0;
  RECT box = {10000, 10000, -1, -1};
  std::string first;
};

Comparison Compare(const Raster& got, const Raster& want, const std::vector<RECT>& skip) {
  Comparison c;
  for (int y = 0; y < std::min(got.height, want.height); ++y) {
    for (int x = 0; x < std::min(got.width, want.width); ++x) {
      POINT p = {x, y};
      bool skipped = false;
      for (const RECT& r : skip) skipped = skipped || PtInRect(&r, p);
      if (skipped) continue;
      ++c.compared;
      COLORREF a = got.At(x, y), b = want.At(x, y);
      if (a == b) continue;
      if (++c.differing <= 6) {
        c.first += Format("\n        (%d, %d): window RGB(%d, %d, %d), raster RGB(%d, %d, %d)", x,
                          y, GetRValue(a), GetGValue(a), GetBValue(a), GetRValue(b), GetGValue(b),
                          GetBValue(b));
      }
      c.box.left = std::min<LONG>(c.box.left, x);
      c.box.top = std::min<LONG>(c.box.top, y);
      c.box.right = std::max<LONG>(c.box.right, x);
      c.box.bottom = std::max<LONG>(c.box.bottom, y);
    }
  }
  return c;
}

}  // namespace

KZE_SCENARIO(picture) {
  if (options().states.empty() || options().pictures.empty()) {
    RunRow("the native raster's paintings", [] { Fatal("no --states and --pictures given"); });
    return;
  }
  std::vector<PictureState> states = ReadStates(options().states);
  RunRow("the list of painted states", [&states] {
    Expect(!states.empty(), "no states in " + options().states);
  });
  for (const PictureState& s : states) {
    RunRow("state " + s.Name() + " (style spelling role rows): window equals the raster", [&s] {
      Raster want;
      std::string path = options().pictures + "\\panel_" + s.Name() + ".bmp";
      if (!LoadBmp(path, &want)) Fatal("cannot read " + path);
      Program program;
      SetState(program, s);
      HWND w = program.window();
      std::vector<RECT> skip;
      for (int id : {100, 101, 102, 103, 400, 401, 402}) {
        RECT r;
        GetWindowRect(program.Control(id), &r);
        MapWindowPoints(nullptr, w, reinterpret_cast<POINT*>(&r), 2);
        skip.push_back(r);
      }
      // As the menus and drags left the window, then after a full repaint.
      for (const char* when : {"drawn", "repainted"}) {
        if (when[0] == 'r') {
          InvalidateRect(w, nullptr, TRUE);
          program.Send(w, WM_PAINT);
        }
        SettlePixels(program);
        Raster got;
        Comparison c;
        for (int attempt = 0; attempt < 10; ++attempt) {
          got = CaptureClient(w);
          c = Compare(got, want, skip);
          if (c.differing == 0) break;
          SleepMs(20);
        }
        if (got.width != want.width || got.height != want.height) {
          Note(Format("client area %d x %d, raster %d x %d: the common part compared", got.width,
                      got.height, want.width, want.height));
        }
        if (c.differing) {
          std::string saved = options().outDir + "\\picture_" + s.Name() + "_" + when + ".bmp";
          SaveBmp(got, saved);
          Expect(false, Format("%s: %d of %d pixels differ, within (%ld, %ld)..(%ld, %ld); "
                               "window saved as ",
                               when, c.differing, c.compared, c.box.left, c.box.top, c.box.right,
                               c.box.bottom) +
                            saved + c.first);
        }
      }
    });
  }
}

}  // namespace kze
