// What the probe does inside the program for the scale group, where a font
// handle or an address of the program means something: measure a control's
// line of text in its own font, and announce a new screen DPI.
#pragma once

#include <windows.h>

namespace kzprobe {

struct TextQuery {
  HWND control;
  LONG height;  // tmHeight, or -1 when it could not be read
};

struct DpiChange {
  HWND window;
  LONG dpi;
  RECT suggested;  // where the system would place the window
};

}  // namespace kzprobe

#define KZPROBE_TEXT_NAME "KzTextHeight"
#define KZPROBE_DPI_NAME "KzChangeDpi"
