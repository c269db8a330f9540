// Pixels, clipboard and real input.
#include "screen.h"

#include <cstdio>
#include <cstring>

#include "harness.h"

namespace kze {

Raster CaptureClient(HWND window) {
  Raster raster;
  RECT client;
  if (!GetClientRect(window, &client)) return raster;
  raster.width = client.right;
  raster.height = client.bottom;
  if (raster.width <= 0 || raster.height <= 0) return raster;
  HDC source = GetDC(window);
  HDC memory = CreateCompatibleDC(source);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = raster.width;
  info.bmiHeader.biHeight = -raster.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, raster.width, raster.height, source, 0, 0, SRCCOPY);
  GdiFlush();
  raster.pixels.resize(static_cast<size_t>(raster.width) * static_cast<size_t>(raster.height));
  const auto* p = static_cast<const unsigned char*>(bits);
  for (size_t i = 0; i < raster.pixels.size(); ++i) {
    raster.pixels[i] = RGB(p[4 * i + 2], p[4 * i + 1], p[4 * i]);
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, source);
  return raster;
}

bool SaveBmp(const Raster& raster, const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  int rowBytes = (raster.width * 3 + 3) & ~3;
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER header = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(rowBytes * raster.height);
  header.biSize = sizeof header;
  header.biWidth = raster.width;
  header.biHeight = raster.height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  std::fwrite(&file, sizeof file, 1, f);
  std::fwrite(&header, sizeof header, 1, f);
  std::vector<unsigned char> row(static_cast<size_t>(rowBytes), 0);
  for (int y = raster.height - 1; y >= 0; --y) {
    for (int x = 0; x < raster.width; ++x) {
      COLORREF c = raster.At(x, y);
      row[3 * x] = GetBValue(c);
      row[3 * x + 1] = GetGValue(c);
      row[3 * x + 2] = GetRValue(c);
    }
    std::fwrite(row.data(), row.size(), 1, f);
  }
  std::fclose(f);
  return true;
}

COLORREF KnobColour(int style) {
  static const COLORREF colours[6] = {RGB(0, 0, 255),   RGB(255, 0, 255), RGB(0, 255, 255),
                                      RGB(0, 255, 0),   RGB(255, 255, 0), RGB(255, 0, 0)};
  return style >= 0 && style < 6 ? colours[style] : kFlashColour;
}

KnobSighting FindKnob(const Raster& raster, int section) {
  KnobSighting sighting;
  int x0 = kKnobX[section];
  // Knob tops run from 43 to 114; the strip is searched a little wider.
  for (int y = 30; y <= 130 && y + 8 <= raster.height; ++y) {
    COLORREF c = raster.At(x0, y);
    int style = -1;
    for (int s = 0; s <= 6; ++s) {
      if (c == KnobColour(s)) style = s;
    }
    if (style < 0) continue;
    bool solid = true;
    for (int dy = 0; dy < 8 && solid; ++dy) {
      for (int dx = 0; dx < 8 && solid; ++dx) solid = raster.At(x0 + dx, y + dy) == c;
    }
    // A tile: solid 8 x 8 with the track colours (not the knob colour) on
    // the rows just above and below, so a tall block does not count twice.
    if (!solid || raster.At(x0, y - 1) == c || raster.At(x0, y + 8) == c) continue;
    if (sighting.count == 0) {
      sighting.y = y;
      sighting.style = style;
    }
    ++sighting.count;
  }
  return sighting;
}

bool Knobs::Sound() const {
  for (const KnobSighting& k : section) {
    if (k.count != 1) return false;
  }
  return true;
}

std::string Knobs::Show() const {
  std::string out;
  for (int i = 0; i < 3; ++i) {
    const KnobSighting& k = section[i];
    if (i) out += ", ";
    if (k.count == 0) {
      out += "no knob";
    } else {
      out += Format("y %d (style %d%s)", k.y, k.style, k.count > 1 ? ", more than one" : "");
    }
  }
  return "[" + out + "]";
}

Knobs FindKnobs(const Raster& raster) {
  Knobs knobs;
  for (int i = 0; i < 3; ++i) knobs.section[i] = FindKnob(raster, i);
  return knobs;
}

// ---- clipboard ----

namespace {

bool OpenClipboardRetrying() {
  for (int i = 0; i < 100; ++i) {
    if (OpenClipboard(nullptr)) return true;
    Sleep(10);
  }
  return false;
}

}  // namespace

std::optional<std::string> ReadClipboardText() {
  if (!OpenClipboardRetrying()) return std::nullopt;
  std::optional<std::string> text;
  HANDLE data = GetClipboardData(CF_TEXT);
  if (data) {
    const char* p = static_cast<const char*>(GlobalLock(data));
    if (p) {
      SIZE_T size = GlobalSize(data);
      size_t n = 0;
      while (n < size && p[n]) ++n;
      text = std::string(p, n);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

bool WriteClipboardText(const std::string& text) {
  if (!OpenClipboardRetrying()) return false;
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  bool ok = false;
  if (block) {
    char* p = static_cast<char*>(GlobalLock(block));
    std::memcpy(p, text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    ok = SetClipboardData(CF_TEXT, block) != nullptr;
    if (!ok) GlobalFree(block);
  }
  CloseClipboard();
  return ok;
}

ClipboardHold::ClipboardHold() { held_ = OpenClipboardRetrying(); }
ClipboardHold::~ClipboardHold() {
  if (held_) CloseClipboard();
}

// ---- real input ----

POINT ClientToScreenPoint(HWND window, int x, int y) {
  POINT p = {x, y};
  ClientToScreen(window, &p);
  return p;
}

void MouseMoveTo(POINT screen) {
  // The cursor to the exact pixel, then a move of nothing, which reaches
  // the window under it as a mouse move like any other. Under Wine the
  // X server reports the warp back a little later; the wait lets that
  // report arrive before anything else is pressed.
  for (int attempt = 0; attempt < 5; ++attempt) {
    SetCursorPos(screen.x, screen.y);
    Sleep(25);
    POINT now;
    GetCursorPos(&now);
    if (now.x == screen.x && now.y == screen.y) break;
  }
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = MOUSEEVENTF_MOVE;
  SendInput(1, &input, sizeof input);
}

void MouseButton(bool down) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &input, sizeof input);
}

void ClickAt(POINT screen) {
  MouseMoveTo(screen);
  MouseButton(true);
  MouseButton(false);
}

void PressKeys(const std::vector<WORD>& keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    inputs.push_back(input);
  }
  for (size_t i = keys.size(); i-- > 0;) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = keys[i];
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

HWND FocusOf(DWORD threadId) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(threadId, &info)) return nullptr;
  return info.hwndFocus;
}

bool BringToFront(HWND window) {
  SetForegroundWindow(window);
  DWORD thread = GetWindowThreadProcessId(window, nullptr);
  for (int i = 0; i < 100; ++i) {
    HWND focus = FocusOf(thread);
    if (GetForegroundWindow() == window && (focus == window || IsChild(window, focus))) {
      return true;
    }
    Sleep(10);
  }
  return false;
}

}  // namespace kze
