// The knobs as keyboard stops. Each knob has a child window of no size of
// its own (the main window paints the panel and takes the pointer), placed
// in the tab order right after its section's checkbox: b, Beginning knob,
// m, Middle knob, e, End knob. It takes the trackbar's keys and tells the
// program which knob has the focus.
#pragma once

#include <windows.h>

namespace kz {

// What the knob windows drive: the window hands both on to the mid end.
class KnobKeyTarget {
 public:
  // Section `section`'s knob `rows` rows up (negative: down).
  virtual void StepKnob(int section, int rows) = 0;
  // Knob `section` took the keyboard focus; -1: it left the knobs.
  virtual void FocusKnob(int section) = 0;

 protected:
  ~KnobKeyTarget() = default;
};

// The rows a key moves a knob: Up or Right one up, Down or Left one down,
// Page Up and Page Down ten, Home to the top, End to the bottom; 0 for
// every other key.
int KnobKeyRows(WPARAM key);

// The knob windows' control ids, in section order, beside the checkboxes'.
constexpr int kFirstKnobWindowId = 410;

// Makes the three knob windows of `parent`, once its checkboxes exist.
void CreateKnobWindows(HWND parent, HINSTANCE instance, KnobKeyTarget& target);
HWND KnobWindow(HWND parent, int section);
// The knob whose window is `window`, or -1.
int KnobOfWindow(HWND window);

}  // namespace kz
