// Starting, working and reading the program under test.
#include "program.h"

#include <algorithm>
#include <cstring>

#include <tlhelp32.h>

#include "../probe/menu_probe.h"

namespace kze {

namespace {

constexpr char kClassName[] = "KZR_01";
constexpr char kStartText[] = "Revavav Evovod";

struct FindData {
  DWORD processId;
  const char* className;
  HWND found;
};

BOOL CALLBACK FindProcessWindowProc(HWND window, LPARAM lParam) {
  auto* data = reinterpret_cast<FindData*>(lParam);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != data->processId) return TRUE;
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  if (std::strcmp(name, data->className) != 0) return TRUE;
  data->found = window;
  return FALSE;
}

struct ThreadWindows {
  DWORD threadId;
  HWND except;
  std::vector<HWND> found;
};

BOOL CALLBACK ThreadWindowsProc(HWND window, LPARAM lParam) {
  auto* data = reinterpret_cast<ThreadWindows*>(lParam);
  if (window != data->except && GetWindowThreadProcessId(window, nullptr) == data->threadId &&
      IsWindowVisible(window)) {
    data->found.push_back(window);
  }
  return TRUE;
}

// Every program the driver starts is put in this job, which ends them all
// when the driver ends, however it ends.
HANDLE DriverJob() {
  static HANDLE job = [] {
    HANDLE j = CreateJobObjectA(nullptr, nullptr);
    if (j) {
      JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
      limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
      SetInformationJobObject(j, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    }
    return j;
  }();
  return job;
}

}  // namespace

HWND FindProcessWindow(DWORD processId, const char* className) {
  FindData data{processId, className, nullptr};
  EnumWindows(FindProcessWindowProc, reinterpret_cast<LPARAM>(&data));
  return data.found;
}

Program::Program(const std::string& exe, bool waitReady) {
  std::string commandLine = "\"" + WindowsPath(exe) + "\"";
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startedAtMs_ = NowMs();
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info_)) {
    Fatal("cannot start " + commandLine + Format(" (error %lu)", GetLastError()));
  }
  if (DriverJob()) AssignProcessToJobObject(DriverJob(), info_.hProcess);
  for (int i = 0; i < 2000 && !window_; ++i) {
    window_ = FindProcessWindow(info_.dwProcessId, kClassName);
    if (!window_) {
      if (WaitForSingleObject(info_.hProcess, 5) == WAIT_OBJECT_0) {
        DWORD code = 0;
        GetExitCodeProcess(info_.hProcess, &code);
        Fatal(Format("the program ended during start-up with code %lu", code));
      }
    }
  }
  if (!window_) {
    Kill();
    Fatal("no window of class KZR_01 appeared within 10 s");
  }
  if (!waitReady) return;
  // The comment box shows its start-up text once the word lists are loaded;
  // a sent message is answered only from the message loop, after start-up.
  bool ready = false;
  for (int i = 0; i < 1000 && !ready; ++i) {
    ready = Control(101) && Text(101) == kStartText;
    if (!ready) Sleep(5);
  }
  if (!ready) {
    Kill();
    Fatal("the comment box never showed " + Quoted(kStartText));
  }
  Sync();
}

Program::~Program() {
  Kill();
  if (info_.hProcess) CloseHandle(info_.hProcess);
  if (info_.hThread) CloseHandle(info_.hThread);
}

void Program::Kill() {
  if (!info_.hProcess) return;
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 5000);
  }
}

bool Program::Running() {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Program::WaitExit(DWORD timeoutMs, DWORD* exitCode) {
  if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  if (exitCode) *exitCode = code;
  return true;
}

HWND Program::Control(int id) const { return GetDlgItem(window_, id); }

LRESULT Program::Send(HWND target, UINT message, WPARAM wParam, LPARAM lParam,
                      DWORD timeoutMs) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(target, message, wParam, lParam, SMTO_NORMAL, timeoutMs, &result)) {
    if (!Running()) {
      DWORD code = 0;
      GetExitCodeProcess(info_.hProcess, &code);
      Fatal(Format("the program has ended (exit code %lu) - message 0x%04x not handled", code,
                   message));
    }
    Fatal(Format("the program did not answer message 0x%04x (wParam %u) within %lu ms",
                 message, static_cast<unsigned>(wParam), timeoutMs));
  }
  return static_cast<LRESULT>(result);
}

void Program::Post(HWND target, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!PostMessageA(target, message, wParam, lParam)) {
    Fatal(Format("cannot post message 0x%04x", message));
  }
}

void Program::Sync() { Send(window_, WM_NULL); }

std::string Program::WindowText(HWND target) {
  char buffer[1024] = "";
  LRESULT n = Send(target, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  if (n < 0) n = 0;
  if (n >= static_cast<LRESULT>(sizeof buffer)) n = sizeof buffer - 1;
  return std::string(buffer, static_cast<size_t>(n));
}

std::string Program::Text(int id) {
  HWND target = id ? Control(id) : window_;
  if (!target) Fatal(Format("the main window has no control %d", id));
  return WindowText(target);
}

bool Program::Checked(int id) {
  HWND box = Control(id);
  if (!box) Fatal(Format("the main window has no control %d", id));
  return Send(box, BM_GETCHECK) == BST_CHECKED;
}

LRESULT Program::Command(int id) {
  return Send(window_, WM_COMMAND, static_cast<WPARAM>(id & 0xFFFF), 0, 10000);
}

void Program::Click(int controlId) {
  HWND button = Control(controlId);
  if (!button) Fatal(Format("the main window has no control %d", controlId));
  Send(button, BM_CLICK, 0, 0, 10000);
  Sync();
}

void Program::SetBoxText(const std::string& text) {
  HWND box = Control(101);
  if (!box) Fatal("the main window has no comment box");
  Send(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::vector<HWND> Program::OtherWindows() {
  ThreadWindows data{info_.dwThreadId, window_, {}};
  EnumWindows(ThreadWindowsProc, reinterpret_cast<LPARAM>(&data));
  return data.found;
}

HWND Program::WaitDialog(const std::string& title, DWORD timeoutMs) {
  double end = NowMs() + timeoutMs;
  do {
    for (HWND w : OtherWindows()) {
      char name[64] = "";
      GetClassNameA(w, name, sizeof name);
      if (std::strcmp(name, "#32770") == 0 && WindowText(w) == title) return w;
    }
    Sleep(5);
  } while (NowMs() < end);
  return nullptr;
}

// ---- the menu probe ----

namespace {

HMODULE RemoteModule(DWORD processId, const char* name) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
  if (snapshot == INVALID_HANDLE_VALUE) return nullptr;
  MODULEENTRY32 entry;
  entry.dwSize = sizeof entry;
  HMODULE found = nullptr;
  for (BOOL more = Module32First(snapshot, &entry); more && !found;
       more = Module32Next(snapshot, &entry)) {
    if (lstrcmpiA(entry.szModule, name) == 0) found = reinterpret_cast<HMODULE>(entry.modBaseAddr);
  }
  CloseHandle(snapshot);
  return found;
}

}  // namespace

void Program::InjectProbe() {
  if (remoteProbe_) return;
  std::string path = WindowsPath(options().probe);
  localProbe_ = LoadLibraryA(path.c_str());
  if (!localProbe_) Fatal("cannot load the probe " + path);

  SIZE_T size = path.size() + 1;
  void* remotePath =
      VirtualAllocEx(info_.hProcess, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (!remotePath || !WriteProcessMemory(info_.hProcess, remotePath, path.c_str(), size, nullptr)) {
    Fatal("cannot write the probe's path into the program");
  }
  // kernel32 lies at the same address in every process of the session.
  auto loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(reinterpret_cast<DWORD_PTR>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
  HANDLE thread =
      CreateRemoteThread(info_.hProcess, nullptr, 0, loadLibrary, remotePath, 0, nullptr);
  if (!thread) Fatal(Format("CreateRemoteThread(LoadLibraryA) failed (error %lu)", GetLastError()));
  WaitForSingleObject(thread, 10000);
  DWORD loaded = 0;
  GetExitCodeThread(thread, &loaded);
  CloseHandle(thread);
  VirtualFreeEx(info_.hProcess, remotePath, 0, MEM_RELEASE);
  // The thread's exit code is only 32 bits wide, too narrow for a 64-bit
  // module base: take the base from the program's module list instead.
  remoteProbe_ = loaded ? RemoteModule(info_.dwProcessId, "kzprobe.dll") : nullptr;
  if (!remoteProbe_) Fatal("the program could not load the probe");
  size_t block = std::max(sizeof(kzprobe::MenuQuery), sizeof(kzprobe::MenuDump));
  remoteBlock_ =
      VirtualAllocEx(info_.hProcess, nullptr, block, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (!remoteBlock_) Fatal("cannot allocate the probe's request block in the program");
}

// Writes the block into the program, runs the probe entry on a thread of
// the program with it, reads the block back and returns the entry's result.
DWORD Program::RunProbe(const char* entryName, const void* block, size_t size, void* back) {
  InjectProbe();
  FARPROC local = GetProcAddress(localProbe_, entryName);
  if (!local) Fatal(std::string("the probe has no entry ") + entryName);
  DWORD_PTR offset =
      reinterpret_cast<DWORD_PTR>(local) - reinterpret_cast<DWORD_PTR>(localProbe_);
  if (!WriteProcessMemory(info_.hProcess, remoteBlock_, block, size, nullptr)) {
    Fatal("cannot write the probe's request into the program");
  }
  auto entry = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<DWORD_PTR>(remoteProbe_) + offset);
  HANDLE thread = CreateRemoteThread(info_.hProcess, nullptr, 0, entry, remoteBlock_, 0, nullptr);
  if (!thread) Fatal("cannot start the probe in the program");
  if (WaitForSingleObject(thread, 5000) != WAIT_OBJECT_0) {
    CloseHandle(thread);
    Fatal("the probe did not finish");
  }
  DWORD result = 0;
  GetExitCodeThread(thread, &result);
  CloseHandle(thread);
  if (!ReadProcessMemory(info_.hProcess, remoteBlock_, back, size, nullptr)) {
    Fatal("cannot read the probe's answer");
  }
  return result;
}

MenuStates Program::Menu(const std::vector<UINT>& ids) {
  kzprobe::MenuQuery query = {};
  query.window = window_;
  query.count = static_cast<LONG>(std::min<size_t>(ids.size(), kzprobe::kMaxItems));
  for (LONG i = 0; i < query.count; ++i) query.ids[i] = ids[static_cast<size_t>(i)];
  DWORD read = RunProbe(KZPROBE_ENTRY_NAME, &query, sizeof query, &query);
  if (read != static_cast<DWORD>(query.count)) {
    Fatal(Format("the menu probe read %ld of %ld items (no menu?)", static_cast<long>(read),
                 static_cast<long>(query.count)));
  }
  MenuStates states;
  for (LONG i = 0; i < query.count; ++i) {
    UINT state = query.states[i];
    if (state == kzprobe::kNoItem) Fatal(Format("the menu has no item %u", query.ids[i]));
    states[query.ids[i]] = (state & MF_GRAYED) != 0;
  }
  return states;
}

std::string Program::MenuText() {
  static kzprobe::MenuDump dump;
  dump = {};
  dump.window = window_;
  DWORD length = RunProbe(KZPROBE_DUMP_NAME, &dump, sizeof dump, &dump);
  if (length == 0xFFFFFFFFu) Fatal("the main window has no menu");
  dump.text[kzprobe::kDumpSize - 1] = '\0';
  return dump.text;
}

MenuStates Program::Menu() { return Menu(AllMenuIds()); }

const std::vector<UINT>& AllMenuIds() {
  static const std::vector<UINT> ids = {
      105,                                                     // File
      32789, 32790, 32791, 32792, 32793, 32794, 32795, 32796, 32797,  // Edit, sections
      32802, 32799, 32798, 32801,                              // Edit, All and Random
      32782, 32783, 32803, 32804,                              // View
      32775, 32777, 32778, 32784, 32785, 32786,                // Insert
      32806, 32807, 32808, 32809, 32810, 32811, 32812, 32813,  // Tools
      32771, 32772};                                           // Help
  return ids;
}

std::vector<UINT> Greyed(const MenuStates& states) {
  std::vector<UINT> out;
  for (const auto& [id, greyed] : states) {
    if (greyed) out.push_back(id);
  }
  return out;
}

std::string ShowIds(const std::vector<UINT>& ids) {
  std::string out = "{";
  for (size_t i = 0; i < ids.size(); ++i) {
    if (i) out += " ";
    out += std::to_string(ids[i]);
  }
  return out + "}";
}

}  // namespace kze
