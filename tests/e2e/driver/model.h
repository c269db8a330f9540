// What the program must show after each input, worked out by the platform-neutral
// core it is built on (command table, menu rules, panel model, composer, native
// raster), routed as the window routes its messages. The core itself is pinned
// down by the native tests: against this model the program shows its wiring.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "compose/composer.h"
#include "driver.h"
#include "panel/panel.h"

namespace kze {

struct Model {
  kz::Panel panel;             // its state only: no surface
  std::map<int, bool> greyed;  // menu items by command id
  char sections[kz::kSectionCount][kz::kTextSize] = {};  // the composer's section texts
  std::string box = "Revavav Evovod", mark = "00", clipboard;
  bool clipboardHeld = false;  // by another program

  // After a start-up that drew the style at `styleSecond`, the rows at `rowsSecond`.
  static Model AtStart(unsigned styleSecond, unsigned rowsSecond);
  // A message to the main window in `second`: WM_COMMAND (a: the id; a
  // checkbox has toggled itself), WM_MOUSEMOVE, WM_LBUTTONDOWN or _UP (a, b: x, y).
  void Message(unsigned second, UINT message, int a, int b = 0);
  kz::Raster Painting() const;  // the native raster's fresh painting of the client area
};

// Every command id of the menu.
const std::vector<int>& MenuIds();

}  // namespace kze
