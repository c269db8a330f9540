// The end-to-end driver's tools: start the program, read a text, the pixels, the
// menu, click and press keys; checks that count failures. No hook in the program.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "panel/raster.h"

namespace kze {

struct Options {
  std::string exe, probe, art;  // the program, kzprobe.dll, the bitmap files
  unsigned seed = 1;            // of the random walk
  int steps = 200;
  int dpi = 96;                 // the screen's, as the prefix was set up for the scale group
};
Options& options();

std::string Format(const char* format, ...);
bool Expect(bool ok, const std::string& what);      // prints a failure and counts it
[[noreturn]] void Fatal(const std::string& what);  // prints it and ends the scenario
int FailureCount();
unsigned ClockSeconds();  // as the program reads the clock

class Program {
 public:
  // Starts the program and waits until its message loop runs.
  Program();
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  HWND window() const { return window_; }
  DWORD threadId() const { return info_.dwThreadId; }
  HWND Control(int id) const { return GetDlgItem(window_, id); }
  // Handled before this returns; the scenario ends if the program does not answer.
  LRESULT Send(HWND target, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  void Post(HWND target, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  std::string Text(HWND target);
  std::string Text(int id) { return Text(id ? Control(id) : window_); }
  bool Checked(int id) { return Send(Control(id), BM_GETCHECK) == BST_CHECKED; }
  void Command(int id) { Send(window_, WM_COMMAND, static_cast<WPARAM>(id & 0xFFFF)); }
  void Click(int id) { Send(Control(id), BM_CLICK); }
  // Item greyed, by command id, read inside the program by the probe.
  std::map<int, bool> Greyed(const std::vector<int>& ids);
  // Runs the probe's entry `name` on a thread of the program on a copy of
  // `block`, copies the block back and gives the entry's result.
  DWORD Probe(const char* name, void* block, size_t size);
  // Where the probe's export `name` lies in the program. Either loads the
  // probe into the program the first time.
  BYTE* ProbeExport(const char* name);
  HANDLE process() const { return info_.hProcess; }
  // The client area as the program left it, and after a full repaint.
  kz::Raster Picture();
  kz::Raster Repainted();
  bool WaitExit(DWORD ms, DWORD* code);

 private:
  PROCESS_INFORMATION info_{};
  HWND window_ = nullptr;
  HMODULE localProbe_ = nullptr;
  BYTE* remoteProbe_ = nullptr;
  void* remoteBlock_ = nullptr;
};

// The clipboard's text; false when it holds none or cannot be opened.
bool ReadClipboard(std::string* text);

// Real input, through the system's input queue.
void MouseTo(HWND window, int x, int y);  // client coordinates
void MouseButton(bool down, DWORD flags = 0);  // flags: other than the left button
void Keys(const std::vector<WORD>& keys);  // pressed in order, released in reverse
bool BringToFront(HWND window);
HWND FocusOf(DWORD threadId);

}  // namespace kze
