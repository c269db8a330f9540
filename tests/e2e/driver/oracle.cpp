// Running kzub.exe and reading its lines.
#include "oracle.h"

#include <windows.h>

#include "harness.h"

namespace kze {

namespace {

const char* const kStyleNames[] = {"classic", "emotive", "exhuberant", "flat", "chatty", "concise"};

std::vector<std::string> SettingsArgs(const Settings& s) {
  return {"--style",    kStyleNames[s.style % 6],
          "--role",     s.role ? "seller" : "buyer",
          "--spelling", s.spelling ? "american" : "european",
          "--knobs",    Format("%d,%d,%d", s.rows[0], s.rows[1], s.rows[2])};
}

}  // namespace

bool HaveKzub() { return !options().kzub.empty(); }

std::string ShowSettings(const Settings& s) {
  std::string out;
  for (const std::string& a : SettingsArgs(s)) out += (out.empty() ? "" : " ") + a;
  return out;
}

std::vector<std::string> RunKzub(const std::vector<std::string>& args) {
  if (!HaveKzub()) Fatal("no kzub.exe was given (--kzub)");
  std::string line = "\"" + options().kzub + "\"";
  for (const std::string& a : args) line += " " + a;
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) Fatal("cannot create a pipe for kzub");
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION info = {};
  std::vector<char> commandLine(line.begin(), line.end());
  commandLine.push_back('\0');
  BOOL started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE,
                                CREATE_NO_WINDOW, nullptr, nullptr, &startup, &info);
  CloseHandle(writeEnd);
  if (!started) {
    CloseHandle(readEnd);
    Fatal("cannot start " + line);
  }
  std::string output;
  char buffer[4096];
  DWORD n = 0;
  while (ReadFile(readEnd, buffer, sizeof buffer, &n, nullptr) && n > 0) output.append(buffer, n);
  CloseHandle(readEnd);
  WaitForSingleObject(info.hProcess, 10000);
  DWORD code = 1;
  GetExitCodeProcess(info.hProcess, &code);
  CloseHandle(info.hProcess);
  CloseHandle(info.hThread);
  if (code != 0) Fatal(Format("kzub ended with code %lu: ", code) + line);
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < output.size()) {
    size_t end = output.find('\n', start);
    if (end == std::string::npos) end = output.size();
    std::string l = output.substr(start, end - start);
    if (!l.empty() && l.back() == '\r') l.pop_back();
    lines.push_back(l);
    start = end + 1;
  }
  return lines;
}

std::vector<std::string> ExpectedLines(const Settings& s, unsigned first, unsigned last) {
  std::vector<std::string> args = SettingsArgs(s);
  args.insert(args.end(), {"--mark", "--seed", std::to_string(first), "--count",
                           std::to_string(last - first + 1)});
  return RunKzub(args);
}

std::string ExpectedAfterFreeze(const Settings& s, unsigned firstSecond, unsigned second,
                                const bool frozen[3]) {
  static const char* const kSections[] = {"beginning", "middle", "end"};
  std::vector<std::string> args = SettingsArgs(s);
  std::string list;
  for (int i = 0; i < 3; ++i) {
    if (frozen[i]) list += (list.empty() ? "" : ",") + std::string(kSections[i]);
  }
  args.insert(args.end(), {"--mark", "--seed", std::to_string(firstSecond), "--count",
                           std::to_string(second - firstSecond + 1)});
  if (!list.empty()) args.insert(args.end(), {"--freeze", list});
  std::vector<std::string> lines = RunKzub(args);
  return lines.empty() ? std::string() : lines.back();
}

}  // namespace kze
