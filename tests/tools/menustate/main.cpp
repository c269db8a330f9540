// Runs commands through the mid end without a window and prints after each
// command the ids of the greyed menu items, ascending, on one line:
//   kz_menustate ID...
// A greyed item's command is skipped, as a greyed item sends none.
#include <cstdio>
#include <cstdlib>

#include "compose/stored_strings.h"
#include "tests/midend/recording_front_end.h"

int main(int argc, char** argv) {
  using namespace kz;
  static const StoredStrings strings;
  static NullSurface surface;
  static RecordingFrontEnd frontEnd;
  static KudomatZub app(strings, surface, frontEnd);
  app.Start();
  for (int i = 1; i < argc; ++i) {
    const int id = std::atoi(argv[i]);
    if (!frontEnd.greyed[id]) app.Command(id), FinishFlash(app);
    const char* separator = "";
    for (const auto& [item, isGreyed] : frontEnd.greyed) {
      if (isGreyed) std::printf("%s%d", separator, item), separator = " ";
    }
    std::printf("\n");
  }
  return 0;
}
