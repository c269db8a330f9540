// Failure reporting, rows and the scenario registry.
#include "harness.h"

#include <cstdarg>
#include <ctime>

namespace kze {

namespace {

int failures = 0;
int rowFailures = 0;
std::string currentRow;
bool inRow = false;

std::vector<std::pair<std::string, ScenarioFunction>>& Registry() {
  static std::vector<std::pair<std::string, ScenarioFunction>> registry;
  return registry;
}

}  // namespace

Options& options() {
  static Options o;
  return o;
}

std::string WindowsPath(const std::string& path) {
  if (path.empty() || path[0] != '/') return path;
  std::string out = "Z:";
  for (char c : path) out += (c == '/') ? '\\' : c;
  return out;
}

bool Expect(bool ok, const std::string& what) {
  if (!ok) {
    ++failures;
    ++rowFailures;
    std::printf("    FAIL %s%s%s\n", inRow ? currentRow.c_str() : "", inRow ? ": " : "",
                what.c_str());
    std::fflush(stdout);
  }
  return ok;
}

void Fatal(const std::string& what) {
  Expect(false, what);
  throw Abort(what);
}

void Note(const std::string& what) {
  std::printf("    %s\n", what.c_str());
  std::fflush(stdout);
}

int FailureCount() { return failures; }

void BeginRow(const std::string& name) {
  currentRow = name;
  rowFailures = 0;
  inRow = true;
}

void EndRow(bool aborted) {
  std::printf("  %-4s %s%s\n", rowFailures ? "FAIL" : "ok", currentRow.c_str(),
              aborted ? " (ended early)" : "");
  std::fflush(stdout);
  inRow = false;
}

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 32 || c > 126) {
      out += Format("\\x%02x", c);
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::string Format(const char* format, ...) {
  char buffer[2048];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  return buffer;
}

ScenarioRegistrar::ScenarioRegistrar(const char* name, ScenarioFunction function) {
  Registry().emplace_back(name, function);
}

const std::vector<std::pair<std::string, ScenarioFunction>>& Scenarios() { return Registry(); }

unsigned ClockSeconds() { return static_cast<unsigned>(std::time(nullptr)); }

double NowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void SleepMs(int ms) { Sleep(static_cast<DWORD>(ms)); }

}  // namespace kze
