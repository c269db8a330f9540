// The test driver's backbone: options, failure reporting, scenario tables
// and the registry of scenario groups that ctest runs one by one.
#pragma once

#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace kze {

struct Options {
  std::string exe;       // the program under test (Windows path)
  std::string kzub;      // kzub.exe, the command-line composer (may be empty)
  std::string minimal;   // the minimal window program (speed yardstick)
  std::string probe;     // kzprobe.dll
  std::string outDir;    // where pictures of failures are written
  std::string pictures;  // folder of the native raster's paintings (.bmp)
  std::string states;    // the list of painted states
  unsigned seed = 0;     // monkey seed; 0 = from the clock
  int actions = 0;       // monkey actions; 0 = default
};

Options& options();

// Turns "/work/x/y" into "Z:\work\x\y"; Windows paths pass unchanged.
std::string WindowsPath(const std::string& path);

// Thrown to end the current row (or scenario) after a fatal check.
class Abort : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Prints a failure of the current row and counts it; returns ok.
bool Expect(bool ok, const std::string& what);
// Records a failure and ends the current row.
[[noreturn]] void Fatal(const std::string& what);
// Prints an informative line (indented under the current row).
void Note(const std::string& what);
int FailureCount();

// A row of a scenario table: prints "ok" or "FAIL" with its name when it
// ends. Run a row's body through RunRow so that a fatal check ends only
// that row.
template <class Body>
void RunRow(const std::string& name, Body body);

// Text shown with its quotes and with non-printing bytes escaped.
std::string Quoted(const std::string& text);
std::string Format(const char* format, ...);

template <class T>
std::string Join(const std::vector<T>& items, const char* separator = ",");

// Scenario groups, one ctest test each.
using ScenarioFunction = void (*)();
struct ScenarioRegistrar {
  ScenarioRegistrar(const char* name, ScenarioFunction function);
};
const std::vector<std::pair<std::string, ScenarioFunction>>& Scenarios();

#define KZE_SCENARIO(name)                                          \
  static void Scenario_##name();                                    \
  static ::kze::ScenarioRegistrar registrar_##name(#name, Scenario_##name); \
  static void Scenario_##name()

// Seconds of the clock, as the program reads it.
unsigned ClockSeconds();
// Milliseconds of a high-resolution counter.
double NowMs();
void SleepMs(int ms);

// ---- implementation of the templates ----

void BeginRow(const std::string& name);
void EndRow(bool aborted);

template <class Body>
void RunRow(const std::string& name, Body body) {
  BeginRow(name);
  bool aborted = false;
  try {
    body();
  } catch (const Abort&) {
    aborted = true;
  }
  EndRow(aborted);
}

template <class T>
std::string Join(const std::vector<T>& items, const char* separator) {
  std::string out;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i) out += separator;
    out += std::to_string(items[i]);
  }
  return out;
}

}  // namespace kze
