// What the program must show after each input: the real mid end driven as the
// window drives it, a recording front end in the window's place.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "driver.h"
#include "midend/kudomat_zub.h"

namespace kze {

struct Model {
  kz::KudomatZub::State state;  // the panel and the section texts
  std::map<int, bool> greyed;   // menu items by command id
  std::string box = "Revavav Evovod", mark = "00", clipboard;
  bool clipboardHeld = false;  // by another program

  const kz::Panel& panel() const { return state.panel; }
  // After a start-up between seconds t0 and t1: one for each second the style
  // and then the rows may have been drawn in.
  static std::vector<Model> AtStart(unsigned t0, unsigned t1);
  // A message to the main window in `second`: WM_COMMAND (a: the id; a checkbox
  // has toggled itself), WM_MOUSEMOVE, WM_LBUTTONDOWN or _UP (a, b: x, y).
  void Message(unsigned second, UINT message, int a, int b = 0);
  kz::Raster Painting() const;  // the native raster's fresh painting of the client area
};

// Every command id of the menu.
const std::vector<int>& MenuIds();

}  // namespace kze
