// Paints the control panel on the native raster, as the program does at
// start-up, and writes the client area to a 24-bit .bmp:
//   kz_panelshot out.bmp [style spelling role row0 row1 row2 [art-folder]]
// Defaults: Classic, American, As Seller, knobs on rows 60, 82 and 104.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "panel/panel.h"
#include "panel/raster.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr,
                 "usage: kz_panelshot out.bmp [style spelling role row0 row1 row2 [art]]\n");
    return 2;
  }
  int settings[6] = {0, 1, 1, 60, 82, 104};
  for (int i = 0; i < 6 && i + 2 < argc; ++i) settings[i] = std::atoi(argv[i + 2]);
  const std::string art = argc > 8 ? argv[8] : KZ_SOURCE_DIR "/resources/art";

  kz::Raster raster;
  kz::BitmapFolder bitmaps(art);
  kz::RasterSurface surface(raster, &bitmaps);
  kz::Panel panel;
  panel.dc = &surface;
  panel.SetStyle(settings[0]);
  panel.SetSpelling(settings[1]);
  panel.SetRole(settings[2]);
  panel.SetSectionState(3);
  for (int i = 0; i < kz::kSectionCount; ++i) panel.MoveKnob(i, settings[3 + i]);
  panel.PaintPanel(kz::kWholePanel);

  const std::vector<std::uint8_t> file = raster.EncodeBmp();
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  if (!out) {
    std::fprintf(stderr, "kz_panelshot: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
