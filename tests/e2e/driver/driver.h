// The end-to-end driver's tools: start the program, read its texts, pixels and
// menu, click and press keys; checks that count failures; and the model.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "midend/kudomat_zub.h"
#include "panel/raster.h"
#include "resources/resource_ids.h"

namespace kze {

struct Options {
  std::string exe, probe, art;  // the program, kzprobe.dll, the bitmap files
  unsigned seed = 1;
  int steps = 200, dpi = 96;
};
Options& options();

std::string Format(const char* format, ...);
bool Expect(bool ok, const std::string& what);      // prints a failure and counts it
[[noreturn]] void Fatal(const std::string& what);  // prints it and ends the scenario
int FailureCount();
unsigned ClockSeconds();  // as the program reads the clock

class Program {
 public:
  Program();  // started, its message loop running
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  HWND window() const { return window_; }
  DWORD threadId() const { return info_.dwThreadId; }
  HANDLE process() const { return info_.hProcess; }
  HWND Control(int id) const { return GetDlgItem(window_, id); }
  // Handled before it returns; the scenario ends if the program does not answer.
  LRESULT Send(HWND target, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  void Post(HWND target, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  std::string Text(HWND target);
  std::string Text(int id) { return Text(id ? Control(id) : window_); }
  bool Checked(int id) { return Send(Control(id), BM_GETCHECK) == BST_CHECKED; }
  void Command(int id) { Send(window_, WM_COMMAND, static_cast<WPARAM>(id & 0xFFFF)); }
  void Click(int id) { Send(Control(id), BM_CLICK); }
  std::map<int, bool> Greyed(const std::vector<int>& ids);  // menu items by command id
  // The probe's entry `name` run on a thread of the program on a copy of
  // `block`, which is copied back; the entry's result.
  DWORD Probe(const char* name, void* block, size_t size);
  BYTE* ProbeExport(const char* name);  // in the program, the probe loaded first
  kz::Raster Picture();    // the client area as the program left it
  kz::Raster Repainted();  // and after a full repaint
  bool WaitExit(DWORD ms, DWORD* code);

 private:
  PROCESS_INFORMATION info_{};
  HWND window_ = nullptr;
  HMODULE localProbe_ = nullptr;
  BYTE* remoteProbe_ = nullptr;
  void* remoteBlock_ = nullptr;
};

bool ReadClipboard(std::string* text);  // false when it holds no text or will not open

// Real input, through the system's input queue.
void MouseTo(HWND window, int x, int y);       // client coordinates
void MouseButton(bool down, DWORD flags = 0);  // flags: other than the left button
void Keys(const std::vector<WORD>& keys);      // pressed in order, released in reverse
bool BringToFront(HWND window);
HWND FocusOf(DWORD threadId);

// What the program must show after each input: the real mid end driven as the
// window drives it, a recording front end in the window's place (model.cpp).
struct Model {
  kz::KudomatZub::State state;  // the panel and the section texts
  std::map<int, bool> greyed;   // menu items by command id
  std::string box = "Revavav Evovod", mark = "00", clipboard;
  bool clipboardHeld = false;  // by another program

  const kz::Panel& panel() const { return state.session.panel; }
  // After a start-up between seconds t0 and t1: one for each second the style
  // and then the rows may have been drawn in.
  static std::vector<Model> AtStart(unsigned t0, unsigned t1);
  // A message to the main window in `second`: WM_COMMAND (a: the id), WM_MOUSEMOVE, WM_LBUTTONDOWN or _UP (a, b: x, y).
  void Message(unsigned second, UINT message, int a, int b = 0);
  kz::Raster Painting() const;  // the native raster's fresh painting of the client area
};
const std::vector<int>& MenuIds();  // every command id of the menu

}  // namespace kze
