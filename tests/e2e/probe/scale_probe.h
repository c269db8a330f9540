// Requests the probe carries out inside the program, where a font handle or
// a pointer of the program means something: the height of a line of each
// control's text in the font it draws with, and a change of the window's
// screen DPI as Windows announces it.
#pragma once

#include <windows.h>

namespace kzprobe {

constexpr int kMaxControls = 8;
struct TextQuery {
  LONG count;
  HWND controls[kMaxControls];
  LONG heights[kMaxControls];  // tmHeight, or -1 when it could not be read
};

struct DpiChange {
  HWND window;
  LONG dpi;
  RECT suggested;  // where the system would place the window
};

}  // namespace kzprobe

#define KZPROBE_TEXT_NAME "KzTextHeights"
#define KZPROBE_DPI_NAME "KzChangeDpi"
