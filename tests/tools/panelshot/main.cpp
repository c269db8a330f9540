// Paints the control panel on the native raster through the mid end, as the
// program does, and writes the client area to a 24-bit .bmp:
//   kz_panelshot out.bmp [style spelling role row0 row1 row2 [art-folder]]
// Defaults: Classic, American, As Seller, knobs on rows 60, 82 and 104.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "compose/stored_strings.h"
#include "panel/raster.h"
#include "tests/midend/recording_front_end.h"

int main(int argc, char** argv) {
  using namespace kz;
  int settings[6] = {0, 1, 1, 60, 82, 104};
  for (int i = 0; i < 6 && i + 2 < argc; ++i) settings[i] = std::atoi(argv[i + 2]);
  if (argc < 2 || settings[0] < 0 || settings[0] >= kStyleCount) {
    std::fprintf(stderr, "usage: kz_panelshot out.bmp [style(0..5) spelling role row0 row1 row2 [art]]\n");
    return 2;
  }
  static const StoredStrings strings;
  static Raster raster;
  static BitmapFolder bitmaps(argc > 8 ? argv[8] : KZ_SOURCE_DIR "/resources/art");
  static RasterSurface surface(raster, &bitmaps);
  static RecordingFrontEnd frontEnd;
  static KudomatZub app(strings, surface, frontEnd);
  app.Command(kStyleTable[settings[0]].commandId);
  app.Command(settings[1] ? IDM_AMERICAN : IDM_EUROPEAN);
  app.Command(settings[2] ? IDM_AS_SELLER : IDM_AS_BUYER);
  app.Command(IDM_ENABLE_ALL);
  for (int s = 0; s < kSectionCount; ++s) app.StepKnob(s, app.Knob(s).row - settings[3 + s]);
  app.Repaint();

  const std::vector<std::uint8_t> file = raster.EncodeBmp();
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  if (out) return 0;
  std::fprintf(stderr, "kz_panelshot: cannot write %s\n", argv[1]);
  return 1;
}
