// Speed, measured and printed, never asserted: start-up to the first full
// paint against the smallest window program, one knob-drag mouse move, one
// full repaint, and one press of Zub.
#include <algorithm>

#include "actions.h"

namespace kze {

namespace {

struct Figures {
  std::vector<double> ms;
  std::string Show() const {
    if (ms.empty()) return "no figures";
    std::vector<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    double sum = 0;
    for (double v : ms) sum += v;
    return Format("median %.2f ms, mean %.2f, min %.2f, max %.2f over %u", sorted[sorted.size() / 2],
                  sum / static_cast<double>(ms.size()), sorted.front(), sorted.back(),
                  static_cast<unsigned>(ms.size()));
  }
};

void Report(const char* what, const Figures& f) { Note(std::string("SPEED ") + what + ": " + f.Show()); }

// Start to first paint of the program: the three knobs are on screen.
double ProgramFirstPaint() {
  Program program(options().exe, false);
  double end = NowMs() + 10000;
  while (NowMs() < end) {
    if (FindKnobs(CaptureClient(program.window())).Sound()) return NowMs() - program.startedAtMs();
    SleepMs(1);
  }
  Fatal("the knobs never appeared");
}

// Start to first paint of the minimal window: its fill colour is on screen.
double MinimalFirstPaint() {
  std::string line = "\"" + options().minimal + "\"";
  std::vector<char> commandLine(line.begin(), line.end());
  commandLine.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  double start = NowMs();
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info)) {
    Fatal("cannot start " + line);
  }
  double took = -1;
  HWND window = nullptr;
  double end = NowMs() + 10000;
  while (NowMs() < end && took < 0) {
    if (!window) window = FindProcessWindow(info.dwProcessId, "KzMinimalWindow");
    if (window && CaptureClient(window).At(300, 100) == RGB(12, 34, 56)) took = NowMs() - start;
    if (took < 0) SleepMs(1);
  }
  if (window) PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  if (WaitForSingleObject(info.hProcess, 3000) != WAIT_OBJECT_0) TerminateProcess(info.hProcess, 9);
  WaitForSingleObject(info.hProcess, 3000);
  CloseHandle(info.hProcess);
  CloseHandle(info.hThread);
  if (took < 0) Fatal("the minimal window never painted");
  return took;
}

}  // namespace

KZE_SCENARIO(speed) {
  Note("figures only: this group fails only when a measurement cannot be taken");
  RunRow("start to first full paint: KudomatZub.exe against the minimal window program", [] {
    if (options().minimal.empty()) Fatal("no minimal program given (--minimal)");
    Figures program, minimal;
    for (int i = 0; i < 5; ++i) {
      minimal.ms.push_back(MinimalFirstPaint());
      program.ms.push_back(ProgramFirstPaint());
    }
    Report("start-up to first paint, KudomatZub.exe", program);
    Report("start-up to first paint, minimal window", minimal);
  });

  RunRow("one knob-drag mouse move, one full repaint, one Zub press", [] {
    Program program;
    HWND w = program.window();
    program.Command(32799);
    Figures roundTrip, drag, idleMove, paint, press;
    for (int i = 0; i < 200; ++i) {
      double t = NowMs();
      program.Send(w, WM_NULL);
      roundTrip.ms.push_back(NowMs() - t);
    }
    program.Send(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(206, 80));
    for (int i = 0; i < 300; ++i) {
      int row = 50 + (i * 7) % 65;
      double t = NowMs();
      program.Send(w, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(206, row));
      drag.ms.push_back(NowMs() - t);
    }
    program.Send(w, WM_LBUTTONUP, 0, MAKELPARAM(206, 80));
    for (int i = 0; i < 200; ++i) {
      double t = NowMs();
      program.Send(w, WM_MOUSEMOVE, 0, MAKELPARAM(206, 50 + i % 60));
      idleMove.ms.push_back(NowMs() - t);
    }
    for (int i = 0; i < 60; ++i) {
      double t = NowMs();
      InvalidateRect(w, nullptr, TRUE);
      program.Send(w, WM_PAINT);
      paint.ms.push_back(NowMs() - t);
    }
    for (int i = 0; i < 3; ++i) {
      double t = NowMs();
      program.Command(102);
      press.ms.push_back(NowMs() - t);
    }
    Report("message round trip (WM_NULL), the overhead in every figure below", roundTrip);
    Report("knob-drag WM_MOUSEMOVE (drag running)", drag);
    Report("WM_MOUSEMOVE with no drag", idleMove);
    Report("full repaint (InvalidateRect + sent WM_PAINT)", paint);
    Report("Zub press (flash and compose)", press);
  });
}

}  // namespace kze
