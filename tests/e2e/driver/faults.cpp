// Each hooked call fails at its 1st, 2nd, ... call of a pass (Copy, repaint, style, Zub),
// then at all; after each, and after a soak, the program answers, holds the handles it
// held, has closed the clipboard and copies again.
#include <climits>
#include <cstring>
#include <random>

#include "../probe/probe.h"
#include "driver.h"

namespace kze {
namespace {

using kzprobe::FaultState;

// Once the program has painted and answered (a WM_PAINT sent from here could
// come on top of the system's, or not).
void Painted(Program& p) {
  for (int i = 0; i < 2000 && GetUpdateRect(p.window(), nullptr, FALSE); ++i) Sleep(1);
  p.Send(p.window(), WM_NULL);
}
void Repaint(Program& p) { InvalidateRect(p.window(), nullptr, TRUE), Painted(p); }
// What the loop's failures fall in.
void (*const kPass[])(Program&) = {[](Program& p) { p.Command(IDC_COPY); }, Repaint,
                                   [](Program& p) { p.Command(IDM_CLASSIC); },
                                   [](Program& p) { p.Command(IDC_GENERATE); }};

}  // namespace

void Faults() {
  Program program;
  // A thread started in the program while it draws can deadlock it under
  // Wine: the start-up's paints first, and no thread after the hooks.
  Painted(program), Sleep(200);
  DWORD unused = 0;
  if (!program.Probe("KzFaults", &unused, sizeof unused)) Fatal("the fault probe hooked nothing");
  BYTE* state = program.ProbeExport("KzFaultState");
  auto read = [&] {  // once the program has painted what it had to
    FaultState s;
    if (Painted(program), !ReadProcessMemory(program.process(), state, &s, sizeof s, nullptr)) Fatal("cannot read the hooks");
    return s;
  };
  auto fail = [&](LONG hook, LONG first, LONG last) {
    const LONG plan[3] = {hook, first, last};
    if (!WriteProcessMemory(program.process(), state, plan, sizeof plan, nullptr)) Fatal("cannot plan a failure");
  };
  // The clipboard closed, the handles held as `was`, and a Copy of a new text placing it there.
  auto recovered = [&](const FaultState& was, const std::string& what) {
    Expect(GetOpenClipboardWindow() == nullptr, what + ": the clipboard is left open");
    const std::string text = "after " + what;
    program.Send(program.Control(IDC_COMMENT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    std::string copied;
    program.Command(IDC_COPY);
    Expect(ReadClipboard(&copied) && copied == text, what + ": the next Copy gave \"" + copied + "\"");
    Expect(read().live == was.live, what + Format(": %+ld handles held", read().live - was.live));
  };
  // Twice: what is made once and kept is made, then one pass's calls counted.
  FaultState before = read(), after = before;
  for (int pass = 0; pass < 2; ++pass, after = read()) {
    before = after;
    for (auto step : kPass) step(program);
  }
  for (int h = 0; h < kzprobe::kHookCount; ++h) {
    const LONG calls = after.calls[h] - before.calls[h];
    for (LONG n = 1; calls && !std::strchr(kzprobe::kHooks[h].how, 'k') && n <= calls + 1; ++n) {
      const bool every = n > calls;  // a whole pass of failures: retries given up
      const std::string what = Format(every ? "%s failing at every call" : "%s failing at its call %ld",
                                      kzprobe::kHooks[h].name, n);
      const FaultState was = read();
      fail(h, was.calls[h] + (every ? 1 : n), every ? LONG_MAX : was.calls[h] + n);
      for (auto step : kPass) {
        if (every || read().failed == was.failed) step(program);
      }
      fail(-1, 0, 0);
      const LONG failed = read().failed - was.failed;
      Expect(every ? failed > 0 : failed == 1, what + Format(": %ld failed", failed));
      recovered(was, what);
    }
  }

  // The soak: commands and checkbox clicks, mouse messages, repaints, a Zub now and then.
  std::vector<int> ids = {IDC_COPY, IDC_BEGINNING_BOX, IDC_MIDDLE_BOX, IDC_END_BOX};
  for (int id : MenuIds()) {
    if (id != IDM_EXIT && id != IDM_HELP && id != IDM_ABOUT) ids.push_back(id);
  }
  std::mt19937 dice(options().seed);
  auto below = [&dice](int n) { return static_cast<int>(dice() % static_cast<unsigned>(n)); };
  const FaultState was = read();
  for (int step = 0; step < 3000; ++step) {
    const int pick = below(100), id = ids[below(static_cast<int>(ids.size()))], x = 100 + below(330), y = 35 + below(100);
    const UINT mouse = pick < 60 ? WM_LBUTTONDOWN : pick < 72 ? WM_MOUSEMOVE : WM_LBUTTONUP;
    if (pick < 50) id >= IDC_BEGINNING_BOX && id <= IDC_END_BOX ? program.Click(id) : program.Command(id);
    else if (pick < 75) program.Send(program.window(), mouse, mouse == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, y));
    else pick < 99 ? Repaint(program) : program.Command(IDC_GENERATE);
  }
  recovered(was, "the soak");
}

}  // namespace kze
