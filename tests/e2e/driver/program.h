// The program under test, seen from outside: started with CreateProcess,
// worked through messages and input, read through texts, checkbox states,
// pixels, the clipboard and the menu probe. Ended on destruction if it is
// still running, so a failed check never leaves it behind.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "harness.h"

namespace kze {

// Menu item states by command id: true = greyed.
using MenuStates = std::map<UINT, bool>;

class Program {
 public:
  // Starts the program and waits until its message loop runs.
  explicit Program(const std::string& exe = options().exe, bool waitReady = true);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  HWND window() const { return window_; }
  DWORD processId() const { return info_.dwProcessId; }
  DWORD threadId() const { return info_.dwThreadId; }
  HANDLE process() const { return info_.hProcess; }
  double startedAtMs() const { return startedAtMs_; }

  HWND Control(int id) const;
  // WM_GETTEXT of a control (or of the main window for id 0).
  std::string Text(int id);
  std::string WindowText(HWND window);
  bool Checked(int id);

  // Synchronous message, failing the row if the program does not answer.
  LRESULT Send(HWND target, UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
               DWORD timeoutMs = 5000);
  void Post(HWND target, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  // WM_COMMAND with the id, handled before this returns.
  LRESULT Command(int id);
  // BM_CLICK on a button or checkbox of the main window.
  void Click(int controlId);
  // Waits until the program has handled everything sent so far.
  void Sync();

  // Sets the comment box's text as typing would leave it (WM_SETTEXT).
  void SetBoxText(const std::string& text);

  // Menu item states through the probe DLL.
  MenuStates Menu(const std::vector<UINT>& ids);
  MenuStates Menu();
  // The whole menu bar as text (see kzprobe::MenuDump).
  std::string MenuText();

  bool Running();
  // Waits for the end of the process; false on timeout.
  bool WaitExit(DWORD timeoutMs, DWORD* exitCode);
  // Ends the process at once (used on failure and at the end).
  void Kill();

  // Top-level windows of the program's thread other than the main window.
  std::vector<HWND> OtherWindows();
  HWND WaitDialog(const std::string& title, DWORD timeoutMs);

 private:
  void InjectProbe();
  DWORD RunProbe(const char* entryName, const void* block, size_t size, void* back);

  PROCESS_INFORMATION info_{};
  HWND window_ = nullptr;
  double startedAtMs_ = 0;
  HMODULE remoteProbe_ = nullptr;
  HMODULE localProbe_ = nullptr;
  void* remoteBlock_ = nullptr;
};

// Every command id of the menu, in menu order.
const std::vector<UINT>& AllMenuIds();

// Greyed ids of a state, sorted.
std::vector<UINT> Greyed(const MenuStates& states);
std::string ShowIds(const std::vector<UINT>& ids);

// The top-level window of a process with the given class, or null.
HWND FindProcessWindow(DWORD processId, const char* className);

}  // namespace kze
