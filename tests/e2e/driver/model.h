// What the program must show after each input, worked out by the platform-
// neutral core it is built on (the command table, the menu rules, the
// panel's model, the composer and the native raster), routed as the window
// routes its messages. The core itself is pinned down by the native tests;
// set against this model the program shows only whether it is wired right.
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

  // Right after a start-up whose style was drawn at second `styleSecond`
  // and knob rows at `rowsSecond`.
  static Model AtStart(unsigned styleSecond, unsigned rowsSecond);
  // A message to the main window in second `second`: WM_COMMAND (a, the
  // id; a checkbox click has toggled its box), WM_MOUSEMOVE,
  // WM_LBUTTONDOWN, WM_LBUTTONUP (a, b: client x and y).
  void Message(unsigned second, UINT message, int a, int b = 0);
  // The native raster's painting of the panel as it stands, the whole
  // client area.
  Picture Painting() const;
};

// Every command id of the menu.
const std::vector<int>& MenuIds();

}  // namespace kze
