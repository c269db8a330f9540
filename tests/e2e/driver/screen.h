// What a person sees and does: the window's pixels, the clipboard, and
// real mouse and keyboard input.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace kze {

class Program;

// A copy of a window's client area, one COLORREF per pixel.
struct Raster {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;
  COLORREF At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
    return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
  }
};

Raster CaptureClient(HWND window);
// Writes a raster as a 24-bit BMP (for looking at a failure).
bool SaveBmp(const Raster& raster, const std::string& path);

// Knob tiles: the six style colours, in style order, and the flash tile.
COLORREF KnobColour(int style);
constexpr COLORREF kFlashColour = RGB(255, 255, 255);
constexpr int kKnobX[3] = {104, 204, 404};

struct KnobSighting {
  int y = -1;       // top edge of the 8 x 8 tile; -1 when none was found
  int style = -1;   // 0..5 for a style colour, 6 for the flash tile
  int count = 0;    // how many tiles were found in the strip (1 when sound)
};

// Looks for the knob of a section in its strip of the raster.
KnobSighting FindKnob(const Raster& raster, int section);

struct Knobs {
  KnobSighting section[3];
  bool Sound() const;  // every section shows exactly one knob
  std::string Show() const;
};
Knobs FindKnobs(const Raster& raster);
// Polls the window until the knobs satisfy want (or timeout); returns the
// last sighting.
template <class Want>
Knobs WaitKnobs(HWND window, Want want, int timeoutMs = 300);

// ---- clipboard ----
// The clipboard's CF_TEXT, or nothing when it holds none or cannot be opened.
std::optional<std::string> ReadClipboardText();
bool WriteClipboardText(const std::string& text);

// Keeps the clipboard open in this process, as another program might.
class ClipboardHold {
 public:
  ClipboardHold();
  ~ClipboardHold();
  bool held() const { return held_; }

 private:
  bool held_ = false;
};

// ---- real input (SendInput) ----
POINT ClientToScreenPoint(HWND window, int x, int y);
void MouseMoveTo(POINT screen);
void MouseButton(bool down);
void ClickAt(POINT screen);
// Presses the keys in order and releases them in reverse order.
void PressKeys(const std::vector<WORD>& keys);
// Makes the window the foreground window with the keyboard focus on it or
// on one of its children.
bool BringToFront(HWND window);
HWND FocusOf(DWORD threadId);

// ---- implementation of the template ----
template <class Want>
Knobs WaitKnobs(HWND window, Want want, int timeoutMs) {
  DWORD end = GetTickCount() + static_cast<DWORD>(timeoutMs);
  Knobs knobs;
  for (;;) {
    knobs = FindKnobs(CaptureClient(window));
    if (want(knobs)) return knobs;
    if (static_cast<LONG>(GetTickCount() - end) >= 0) return knobs;
    Sleep(10);
  }
}

}  // namespace kze
