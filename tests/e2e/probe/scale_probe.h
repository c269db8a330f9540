// What the probe does inside the program for the scale group, where a font
// handle or an address of the program means something: measure each
// control's line of text in its own font, and announce a new screen DPI.
#pragma once

#include <windows.h>

namespace kzprobe {

struct TextQuery {
  LONG count;
  HWND controls[8];
  LONG heights[8];  // tmHeight, or -1 when it could not be read
};

struct DpiChange {
  HWND window;
  LONG dpi;
  RECT suggested;  // where the system would place the window
};

}  // namespace kzprobe

#define KZPROBE_TEXT_NAME "KzTextHeights"
#define KZPROBE_DPI_NAME "KzChangeDpi"
