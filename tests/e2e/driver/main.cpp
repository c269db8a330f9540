// kzdriver: end-to-end tests of KudomatZub.exe, run under Wine by ctest.
//
//   kzdriver SCENARIO --exe PATH [--kzub PATH] [--minimal PATH]
//            [--probe PATH] [--out DIR] [--pictures DIR --states FILE]
//            [--seed N] [--actions N]
//
// Exit code 0 when every row of the scenario group passed, 1 otherwise,
// 2 for a usage error.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "harness.h"

using namespace kze;

namespace {

int Usage() {
  std::fprintf(stderr, "usage: kzdriver SCENARIO --exe PATH [options]\nscenarios:");
  for (const auto& s : Scenarios()) std::fprintf(stderr, " %s", s.first.c_str());
  std::fprintf(stderr, "\n");
  return 2;
}

std::string DriverDirectory() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  char* slash = std::strrchr(path, '\\');
  if (slash) *slash = '\0';
  return path;
}

}  // namespace

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  if (argc < 2) return Usage();
  std::string scenario = argv[1];
  Options& o = options();
  o.probe = DriverDirectory() + "\\kzprobe.dll";
  o.outDir = DriverDirectory();
  for (int i = 2; i < argc; ++i) {
    std::string a = argv[i];
    std::string v = i + 1 < argc ? argv[i + 1] : "";
    if (a == "--exe") o.exe = WindowsPath(v);
    else if (a == "--kzub") o.kzub = WindowsPath(v);
    else if (a == "--minimal") o.minimal = WindowsPath(v);
    else if (a == "--probe") o.probe = WindowsPath(v);
    else if (a == "--out") o.outDir = WindowsPath(v);
    else if (a == "--pictures") o.pictures = WindowsPath(v);
    else if (a == "--states") o.states = WindowsPath(v);
    else if (a == "--seed") o.seed = static_cast<unsigned>(std::strtoul(v.c_str(), nullptr, 10));
    else if (a == "--actions") o.actions = std::atoi(v.c_str());
    else return Usage();
    ++i;
  }
  if (o.exe.empty()) return Usage();
  for (const auto& s : Scenarios()) {
    if (s.first != scenario) continue;
    std::printf("== %s\n", scenario.c_str());
    try {
      s.second();
    } catch (const Abort&) {
      // already reported
    }
    int failures = FailureCount();
    std::printf("== %s: %s (%d failed check%s)\n", scenario.c_str(),
                failures ? "FAILED" : "passed", failures, failures == 1 ? "" : "s");
    return failures ? 1 : 0;
  }
  return Usage();
}
