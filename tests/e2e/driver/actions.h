// Steps shared by the scenario groups: reading the settings off the window,
// generating a comment and checking it, and comparing menu, checkbox and
// knob states with what a scenario expects.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "oracle.h"
#include "program.h"
#include "screen.h"

namespace kze {

// Menu items greyed right after start-up.
const std::vector<UINT>& StartGreyed();

// The greyed set after a change: start from `base`, grey `grey`, enable `enable`.
std::vector<UINT> Changed(std::vector<UINT> base, const std::vector<UINT>& grey,
                          const std::vector<UINT>& enable = {});

// Compares the menu's greyed items with `greyed` (any order).
bool ExpectMenu(Program& program, std::vector<UINT> greyed, const std::string& when = "");
bool ExpectChecks(Program& program, bool beginning, bool middle, bool end,
                  const std::string& when = "");
// Waits (briefly) for the three knobs to stand on the rows (centre rows,
// -1 = any) and checks them; returns the sighting.
Knobs ExpectKnobRows(Program& program, const int rows[3], const std::string& when = "");
// Waits until the program's drawing so far has reached the screen.
void SettlePixels(Program& program);
// The knobs as they are now; fails the row when they cannot be seen.
Knobs SeeKnobs(Program& program);

// The settings, read as a person would: style from the knob colour, rows
// from the knob pixels, spelling and role from the View menu's greying.
Settings ReadSettings(Program& program);

// Sets style, spelling, role and knob rows through the Insert, View and
// Edit menus; rows other than 47, 82 and 118 by dragging the knob there.
void ChooseThroughMenus(Program& program, const Settings& s);

enum class Press { kCommand, kButtonClick, kRealClick };

struct Generated {
  std::string comment;
  std::string mark;
  std::optional<std::string> clipboard;
  unsigned first = 0;  // clock seconds read before and after the press
  unsigned last = 0;
  double ms = 0;
};

// readClipboard false: leave the clipboard alone (this thread may hold it open).
Generated Generate(Program& program, Press press = Press::kCommand, bool readClipboard = true);

// Checks box, mark and clipboard against each other and the comment
// against kzub; returns the second the comment was composed in, or 0.
unsigned ExpectComposed(const Generated& g, const Settings& s, const std::string& when = "");

// The length mark for a comment's length.
std::string LengthMark(const std::string& comment);

}  // namespace kze
