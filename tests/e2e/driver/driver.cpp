// Starting, working and reading the program under test.
#include "driver.h"

#include <tlhelp32.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <stdexcept>

#include "../probe/menu_probe.h"

namespace kze {

Options& options() {
  static Options o;
  return o;
}

namespace {
int failures = 0;

// Every program the driver starts is put in this job, which ends it when
// the driver ends, however it ends.
HANDLE DriverJob() {
  static HANDLE job = [] {
    HANDLE j = CreateJobObjectA(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (j) SetInformationJobObject(j, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    return j;
  }();
  return job;
}

struct Search {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM lParam) {
  auto* s = reinterpret_cast<Search*>(lParam);
  DWORD pid = 0;
  char name[16] = "";
  GetWindowThreadProcessId(window, &pid);
  GetClassNameA(window, name, sizeof name);
  if (pid != s->processId || std::strcmp(name, "KZR_01") != 0) return TRUE;
  s->found = window;
  return FALSE;
}

struct ThreadWindows {
  DWORD threadId;
  HWND except;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectThreadWindow(HWND window, LPARAM lParam) {
  auto* t = reinterpret_cast<ThreadWindows*>(lParam);
  if (window != t->except && IsWindowVisible(window) &&
      GetWindowThreadProcessId(window, nullptr) == t->threadId) {
    t->found.push_back(window);
  }
  return TRUE;
}

}  // namespace

std::string Format(const char* format, ...) {
  char buffer[2048];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  return buffer;
}

bool Expect(bool ok, const std::string& what) {
  if (!ok) {
    ++failures;
    std::printf("    FAIL %s\n", what.c_str());
  }
  return ok;
}

void Fatal(const std::string& what) {
  Expect(false, what);
  throw std::runtime_error(what);
}

int FailureCount() { return failures; }

double NowMs() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

unsigned ClockSeconds() { return static_cast<unsigned>(std::time(nullptr)); }

Program::Program() {
  std::string line = "\"" + options().exe + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info_)) {
    Fatal("cannot start " + line);
  }
  AssignProcessToJobObject(DriverJob(), info_.hProcess);
  for (int i = 0; i < 2000 && !window_; ++i) {
    Search s = {info_.dwProcessId, nullptr};
    EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&s));
    window_ = s.found;
    if (!window_ && WaitForSingleObject(info_.hProcess, 5) == WAIT_OBJECT_0) {
      Fatal("the program ended during start-up");
    }
  }
  if (!window_) Fatal("no main window within 10 s");
  // The comment box shows its start-up text once the word lists are loaded;
  // a sent message is answered only from the message loop, after start-up.
  for (int i = 0; i < 1000 && !(Control(101) && Text(101) == "Revavav Evovod"); ++i) Sleep(5);
  Send(window_, WM_NULL);
}

Program::~Program() {
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 99);
  WaitForSingleObject(info_.hProcess, 5000);
  CloseHandle(info_.hProcess);
  CloseHandle(info_.hThread);
  if (localProbe_) FreeLibrary(localProbe_);
}

LRESULT Program::Send(HWND target, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(target, message, wParam, lParam, SMTO_NORMAL, 10000, &result)) {
    Fatal(Format("message 0x%04x (wParam %u) not answered: the program %s", message,
                 static_cast<unsigned>(wParam),
                 WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0 ? "ended" : "hangs"));
  }
  return static_cast<LRESULT>(result);
}

void Program::Post(HWND target, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!PostMessageA(target, message, wParam, lParam)) Fatal(Format("cannot post 0x%04x", message));
}

std::string Program::Text(HWND target) {
  char buffer[1024] = "";
  const LRESULT n = Send(target, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  return std::string(buffer, n > 0 && n < 1024 ? static_cast<size_t>(n) : 0);
}

bool Program::WaitExit(DWORD ms, DWORD* code) {
  if (WaitForSingleObject(info_.hProcess, ms) != WAIT_OBJECT_0) return false;
  GetExitCodeProcess(info_.hProcess, code);
  return true;
}

std::vector<HWND> Program::OtherWindows() {
  ThreadWindows t = {info_.dwThreadId, window_, {}};
  EnumWindows(CollectThreadWindow, reinterpret_cast<LPARAM>(&t));
  return t.found;
}

// The probe is loaded into the program by a remote thread on LoadLibraryA
// (kernel32 lies at the same address in every process); its base there is
// looked up among the program's modules, which works for 32- and 64-bit
// programs alike.
std::map<int, bool> Program::Greyed(const std::vector<int>& ids) {
  if (!remoteProbe_) {
    const std::string path = options().probe;
    localProbe_ = LoadLibraryA(path.c_str());
    void* remotePath = VirtualAllocEx(info_.hProcess, nullptr, path.size() + 1,
                                      MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!localProbe_ || !remotePath ||
        !WriteProcessMemory(info_.hProcess, remotePath, path.c_str(), path.size() + 1, nullptr)) {
      Fatal("cannot prepare the probe " + path);
    }
    auto loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
    HANDLE thread = CreateRemoteThread(info_.hProcess, nullptr, 0, loadLibrary, remotePath, 0, nullptr);
    if (!thread) Fatal("cannot start LoadLibraryA in the program");
    WaitForSingleObject(thread, 10000);
    CloseHandle(thread);
    HANDLE modules = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, info_.dwProcessId);
    MODULEENTRY32 module = {};
    module.dwSize = sizeof module;
    for (BOOL more = Module32First(modules, &module); more; more = Module32Next(modules, &module)) {
      if (_stricmp(module.szModule, "kzprobe.dll") == 0) remoteProbe_ = module.modBaseAddr;
    }
    CloseHandle(modules);
    remoteBlock_ = VirtualAllocEx(info_.hProcess, nullptr, sizeof(kzprobe::MenuQuery),
                                  MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!remoteProbe_ || !remoteBlock_) Fatal("the program could not load the probe");
  }
  kzprobe::MenuQuery query = {};
  query.window = window_;
  query.count = static_cast<LONG>(ids.size());
  for (size_t i = 0; i < ids.size(); ++i) query.ids[i] = static_cast<UINT>(ids[i]);
  const auto offset = reinterpret_cast<BYTE*>(GetProcAddress(localProbe_, KZPROBE_ENTRY_NAME)) -
                      reinterpret_cast<BYTE*>(localProbe_);
  auto entry = reinterpret_cast<LPTHREAD_START_ROUTINE>(reinterpret_cast<void*>(remoteProbe_ + offset));
  WriteProcessMemory(info_.hProcess, remoteBlock_, &query, sizeof query, nullptr);
  HANDLE thread = CreateRemoteThread(info_.hProcess, nullptr, 0, entry, remoteBlock_, 0, nullptr);
  DWORD read = 0;
  if (!thread || WaitForSingleObject(thread, 5000) != WAIT_OBJECT_0 ||
      !GetExitCodeThread(thread, &read) || read != static_cast<DWORD>(query.count) ||
      !ReadProcessMemory(info_.hProcess, remoteBlock_, &query, sizeof query, nullptr)) {
    Fatal("the menu probe failed");
  }
  CloseHandle(thread);
  std::map<int, bool> greyed;
  for (size_t i = 0; i < ids.size(); ++i) {
    if (query.states[i] == 0xFFFFFFFFu) Fatal(Format("the menu has no item %d", ids[i]));
    greyed[ids[i]] = (query.states[i] & MF_GRAYED) != 0;
  }
  return greyed;
}

Picture Program::Repainted() {
  InvalidateRect(window_, nullptr, TRUE);
  Send(window_, WM_PAINT);
  Send(window_, WM_NULL);
  Picture picture;
  RECT client;
  GetClientRect(window_, &client);
  picture.width = client.right;
  picture.height = client.bottom;
  HDC screen = GetDC(window_);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, picture.width, picture.height, screen, 0, 0, SRCCOPY);
  GdiFlush();
  const auto* p = static_cast<const BYTE*>(bits);
  for (int i = 0; i < picture.width * picture.height; ++i) {
    picture.pixels.push_back(RGB(p[4 * i + 2], p[4 * i + 1], p[4 * i]));
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window_, screen);
  return picture;
}

bool ReadClipboard(std::string* text) {
  bool open = false;
  for (int i = 0; i < 50 && !(open = OpenClipboard(nullptr)); ++i) Sleep(10);
  if (!open) return false;
  HANDLE data = GetClipboardData(CF_TEXT);
  const char* p = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
  if (p) *text = p;
  if (p) GlobalUnlock(data);
  CloseClipboard();
  return p != nullptr;
}

void WriteClipboard(const std::string& text) {
  if (!OpenClipboard(nullptr)) Fatal("cannot open the clipboard");
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  SetClipboardData(CF_TEXT, block);
  CloseClipboard();
}

void MouseTo(HWND window, int x, int y) {
  POINT p = {x, y};
  ClientToScreen(window, &p);
  // Under Wine the X server reports the warp back a little later; the wait
  // lets that arrive before anything else is pressed.
  for (int attempt = 0; attempt < 5; ++attempt) {
    SetCursorPos(p.x, p.y);
    Sleep(25);
    POINT now;
    GetCursorPos(&now);
    if (now.x == p.x && now.y == p.y) break;
  }
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = MOUSEEVENTF_MOVE;  // a move of nothing reaches the window as a move
  SendInput(1, &input, sizeof input);
}

void MouseButton(bool down) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &input, sizeof input);
}

void Keys(const std::vector<WORD>& keys) {
  std::vector<INPUT> inputs(2 * keys.size());
  for (size_t i = 0; i < keys.size(); ++i) {
    inputs[i].type = inputs[2 * keys.size() - 1 - i].type = INPUT_KEYBOARD;
    inputs[i].ki.wVk = inputs[2 * keys.size() - 1 - i].ki.wVk = keys[i];
    inputs[2 * keys.size() - 1 - i].ki.dwFlags = KEYEVENTF_KEYUP;
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

HWND FocusOf(DWORD threadId) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}

bool BringToFront(HWND window) {
  SetForegroundWindow(window);
  for (int i = 0; i < 100; ++i) {
    HWND focus = FocusOf(GetWindowThreadProcessId(window, nullptr));
    if (GetForegroundWindow() == window && (focus == window || IsChild(window, focus))) return true;
    Sleep(10);
  }
  return false;
}

}  // namespace kze
