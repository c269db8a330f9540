// Starting, working and reading the program under test.
#include "driver.h"

#include <tlhelp32.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <stdexcept>

#include "../probe/probe.h"

namespace kze {

Options& options() {
  static Options o;
  return o;
}

static int failures = 0;

std::string Format(const char* format, ...) {
  char buffer[2048];
  va_list args;
  va_start(args, format), std::vsnprintf(buffer, sizeof buffer, format, args), va_end(args);
  return buffer;
}

bool Expect(bool ok, const std::string& what) {
  return ok || (std::printf("    FAIL %s\n", what.c_str()), ++failures, false);
}

void Fatal(const std::string& what) { throw std::runtime_error((Expect(false, what), what)); }
int FailureCount() { return failures; }
unsigned ClockSeconds() { return static_cast<unsigned>(std::time(nullptr)); }

Program::Program() {
  std::string line = "\"" + options().exe + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_)) {
    Fatal("cannot start " + line);
  }
  for (int i = 0; i < 2000 && !window_; ++i) {
    HWND found = FindWindowA("KZR_01", nullptr);
    DWORD pid = 0;
    if (GetWindowThreadProcessId(found, &pid), pid == info_.dwProcessId) window_ = found;
    if (WaitForSingleObject(info_.hProcess, window_ ? 0 : 5) == WAIT_OBJECT_0) Fatal("the program ended");
  }
  if (!window_) Fatal("no main window within 10 s");
  // The comment box shows its start-up text once the word lists are loaded;
  // a sent message is answered only from the message loop, after start-up.
  for (int i = 0; i < 1000 && !(Control(101) && Text(101) == "Revavav Evovod"); ++i) Sleep(5);
  Send(window_, WM_NULL);
}

Program::~Program() {
  TerminateProcess(info_.hProcess, 99);  // no matter if it has ended
  WaitForSingleObject(info_.hProcess, 5000);
  CloseHandle(info_.hProcess), CloseHandle(info_.hThread);
  if (localProbe_) FreeLibrary(localProbe_);
}

LRESULT Program::Send(HWND target, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(target, message, wParam, lParam, SMTO_NORMAL, 10000, &result)) {
    Fatal(Format("message 0x%04x (wParam %u) not answered: the program %s", message, unsigned(wParam),
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
  return WaitForSingleObject(info_.hProcess, ms) == WAIT_OBJECT_0 && GetExitCodeProcess(info_.hProcess, code);
}

// Runs `entry` on a new thread of the program; false when it does not end.
static bool RunRemote(HANDLE process, void* entry, void* argument, DWORD* result) {
  HANDLE thread = CreateRemoteThread(process, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(entry),
                                     argument, 0, nullptr);
  const bool ended = thread && WaitForSingleObject(thread, 10000) == WAIT_OBJECT_0 && GetExitCodeThread(thread, result);
  if (thread) CloseHandle(thread);
  return ended;
}

// The probe is loaded by a remote thread on LoadLibraryA (kernel32 lies at the
// same address in every process) and found among the program's modules, for
// 32- and 64-bit programs alike. One block in the program carries every request.
constexpr size_t kProbeBlockSize = 0x10000;

BYTE* Program::ProbeExport(const char* name) {
  if (!remoteProbe_) {
    DWORD result = 0;
    const std::string path = options().probe;
    localProbe_ = LoadLibraryA(path.c_str());
    remoteBlock_ = VirtualAllocEx(info_.hProcess, nullptr, kProbeBlockSize, MEM_COMMIT, PAGE_READWRITE);
    if (!localProbe_ || !remoteBlock_ ||
        !WriteProcessMemory(info_.hProcess, remoteBlock_, path.c_str(), path.size() + 1, nullptr) ||
        !RunRemote(info_.hProcess, reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")),
                   remoteBlock_, &result)) {
      Fatal("cannot load the probe " + path + " into the program");
    }
    HANDLE modules = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, info_.dwProcessId);
    MODULEENTRY32 module = {};
    module.dwSize = sizeof module;
    for (BOOL more = Module32First(modules, &module); more; more = Module32Next(modules, &module)) {
      if (_stricmp(module.szModule, "kzprobe.dll") == 0) remoteProbe_ = module.modBaseAddr;
    }
    CloseHandle(modules);
    if (!remoteProbe_) Fatal("the program could not load the probe");
  }
  BYTE* local = reinterpret_cast<BYTE*>(GetProcAddress(localProbe_, name));
  if (!local) Fatal(Format("the probe has no %s", name));
  return remoteProbe_ + (local - reinterpret_cast<BYTE*>(localProbe_));
}

DWORD Program::Probe(const char* name, void* block, size_t size) {
  BYTE* entry = ProbeExport(name);
  DWORD result = 0;
  if (size > kProbeBlockSize ||
      !WriteProcessMemory(info_.hProcess, remoteBlock_, block, size, nullptr) ||
      !RunRemote(info_.hProcess, entry, remoteBlock_, &result) ||
      !ReadProcessMemory(info_.hProcess, remoteBlock_, block, size, nullptr)) {
    Fatal(Format("the probe's %s failed", name));
  }
  return result;
}

std::map<int, bool> Program::Greyed(const std::vector<int>& ids) {
  kzprobe::MenuQuery query = {window_, static_cast<LONG>(ids.size()), {}, {}};
  for (size_t i = 0; i < ids.size(); ++i) query.ids[i] = static_cast<UINT>(ids[i]);
  if (Probe("KzReadMenuStates", &query, sizeof query) != ids.size()) Fatal("the menu probe failed");
  std::map<int, bool> greyed;
  for (size_t i = 0; i < ids.size(); ++i) {
    if (query.states[i] == 0xFFFFFFFFu) Fatal(Format("the menu has no item %d", ids[i]));
    greyed[ids[i]] = (query.states[i] & MF_GRAYED) != 0;
  }
  return greyed;
}

kz::Raster Program::Repainted() {
  InvalidateRect(window_, nullptr, TRUE), Send(window_, WM_PAINT), Send(window_, WM_NULL);
  return Picture();
}

kz::Raster Program::Picture() {
  RECT client;
  GetClientRect(window_, &client);
  const int w = client.right, h = client.bottom;
  HDC screen = GetDC(window_), memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen, 0, 0, SRCCOPY), SelectObject(memory, old);
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof info.bmiHeader, w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};  // top-down
  std::vector<BYTE> bits(4 * w * h);
  GetDIBits(memory, bitmap, 0, h, bits.data(), &info, DIB_RGB_COLORS);
  kz::Raster picture(w, h);
  for (int i = 0; i < w * h; ++i) picture.Set(i % w, i / w, RGB(bits[4 * i + 2], bits[4 * i + 1], bits[4 * i]));
  DeleteObject(bitmap), DeleteDC(memory), ReleaseDC(window_, screen);
  return picture;
}

bool ReadClipboard(std::string* text) {
  for (int i = 0; !OpenClipboard(nullptr); ++i, Sleep(10)) {
    if (i == 50) return false;
  }
  HANDLE data = GetClipboardData(CF_TEXT);
  const char* p = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
  if (p) *text = p, GlobalUnlock(data);
  return CloseClipboard(), p != nullptr;
}

void MouseTo(HWND window, int x, int y) {
  POINT p = {x, y};
  ClientToScreen(window, &p);
  // Under Wine the X server reports a warp back a little later, and a late
  // report of an earlier one can move the cursor back: it must stay put.
  for (int still = 0, attempt = 0; still < 2 && attempt < 20; ++attempt) {
    POINT now;
    GetCursorPos(&now);
    still = now.x == p.x && now.y == p.y ? still + 1 : (SetCursorPos(p.x, p.y), 0);
    Sleep(25);
  }
  MouseButton(false, MOUSEEVENTF_MOVE);  // a move of nothing reaches the window as a move
}

void MouseButton(bool down, DWORD flags) {
  INPUT input = {INPUT_MOUSE, {}};
  input.mi.dwFlags = flags ? flags : down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &input, sizeof input);
}

void Keys(const std::vector<WORD>& keys) {
  std::vector<INPUT> inputs(2 * keys.size());
  for (size_t i = 0; i < keys.size(); ++i) {
    INPUT& up = inputs[2 * keys.size() - 1 - i];
    // The arrows and the keys above them are the extended keys, not the keypad's.
    const DWORD extended = VK_PRIOR <= keys[i] && keys[i] <= VK_DOWN ? KEYEVENTF_EXTENDEDKEY : 0;
    inputs[i].type = up.type = INPUT_KEYBOARD, inputs[i].ki.wVk = up.ki.wVk = keys[i];
    inputs[i].ki.dwFlags = extended, up.ki.dwFlags = KEYEVENTF_KEYUP | extended;
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

HWND FocusOf(DWORD threadId) {
  GUITHREADINFO info = {sizeof info, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, {}};
  return GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}

bool BringToFront(HWND window) {
  SetForegroundWindow(window);
  for (int i = 0; i < 100; ++i, Sleep(10)) {
    HWND focus = FocusOf(GetWindowThreadProcessId(window, nullptr));
    if (GetForegroundWindow() == window && (focus == window || IsChild(window, focus))) return true;
  }
  return false;
}

}  // namespace kze
