// The request block of the probe's text measure: for each control, the
// height of a line of its text in the font it draws with, read inside the
// program (a font handle means nothing to another process).
#pragma once

#include <windows.h>

namespace kzprobe {

constexpr int kMaxControls = 8;
struct TextQuery {
  LONG count;
  HWND controls[kMaxControls];
  LONG heights[kMaxControls];  // tmHeight, or -1 when it could not be read
};

}  // namespace kzprobe

#define KZPROBE_TEXT_NAME "KzTextHeights"
