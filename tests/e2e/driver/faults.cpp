// The faults group: each hooked call that may fail fails at its 1st, 2nd, ...
// call of a pass (a Copy, a repaint, a style change, a Zub), then at every
// call of one. After each the program must answer, hold the handles it held,
// have closed the clipboard and copy again; a soak of commands and repaints
// must end holding the handles it began with.
#include <climits>
#include <cstring>
#include <random>

#include "../probe/probe.h"
#include "driver.h"
#include "midend/command_table.h"
#include "resources/resource_ids.h"

namespace kze {
namespace {

using kzprobe::FaultState;

// Once the program has taken up its update region and answered again (a
// WM_PAINT sent from here could come on top of the system's, or not).
void Painted(Program& p) {
  for (int i = 0; i < 2000 && GetUpdateRect(p.window(), nullptr, FALSE); ++i) Sleep(1);
  p.Send(p.window(), WM_NULL);
}
void Repaint(Program& p) { InvalidateRect(p.window(), nullptr, TRUE), Painted(p); }

void (*const kPass[])(Program&) = {[](Program& p) { p.Command(IDC_COPY); }, Repaint,
                                   [](Program& p) { p.Command(IDM_CLASSIC); },
                                   [](Program& p) { p.Command(IDC_GENERATE); }};

// The probe's state in the program, read and written while it waits for messages.
struct Hooks {
  Program& program;
  BYTE* state;
  FaultState Read() {
    Painted(program);
    FaultState s;
    if (!ReadProcessMemory(program.process(), state, &s, sizeof s, nullptr)) Fatal("cannot read the hooks");
    return s;
  }
  void Fail(LONG hook, LONG first, LONG last) {
    const LONG plan[3] = {hook, first, last};
    if (!WriteProcessMemory(program.process(), state, plan, sizeof plan, nullptr)) Fatal("cannot plan a failure");
  }
};

// The clipboard closed, the handles held as `was`, and a Copy of a new text placing it there.
void Recovered(Hooks& hooks, const FaultState& was, const std::string& what) {
  Expect(GetOpenClipboardWindow() == nullptr, what + ": the clipboard is left open");
  const std::string text = "after " + what;
  hooks.program.Send(hooks.program.Control(IDC_COMMENT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  hooks.program.Command(IDC_COPY);
  std::string copied;
  Expect(ReadClipboard(&copied) && copied == text, what + ": the next Copy gave \"" + copied + "\"");
  const LONG live = hooks.Read().live;
  Expect(live == was.live, what + Format(": %+ld handles held", live - was.live));
}

}  // namespace

void Faults() {
  Program program;
  // A thread started in the program while it draws can deadlock it under
  // Wine: the start-up's paints first, and no thread after the hooks.
  Painted(program);
  Sleep(200);
  DWORD unused = 0;
  if (!program.Probe("KzFaults", &unused, sizeof unused)) Fatal("the fault probe hooked nothing");
  Hooks hooks{program, program.ProbeExport("KzFaultState")};
  // Twice: what is made once and kept is made, then one pass's calls counted.
  FaultState before, after;
  for (int pass = 0; pass < 2; ++pass) {
    before = hooks.Read();
    for (auto step : kPass) step(program);
  }
  after = hooks.Read();
  for (int h = 0; h < kzprobe::kHookCount; ++h) {
    const LONG calls = after.calls[h] - before.calls[h];
    for (LONG n = 1; calls && !std::strchr(kzprobe::kHooks[h].how, 'k') && n <= calls + 1; ++n) {
      const bool every = n > calls;  // a whole pass of failures: retries given up
      const std::string what = Format(every ? "%s failing at every call" : "%s failing at its call %ld",
                                      kzprobe::kHooks[h].name, n);
      const FaultState was = hooks.Read();
      hooks.Fail(h, was.calls[h] + (every ? 1 : n), every ? LONG_MAX : was.calls[h] + n);
      for (auto step : kPass) {
        if (every || hooks.Read().failed == was.failed) step(program);
      }
      hooks.Fail(-1, 0, 0);
      const LONG failed = hooks.Read().failed - was.failed;
      Expect(every ? failed > 0 : failed == 1, what + Format(": %ld failed", failed));
      Recovered(hooks, was, what);
    }
  }

  // The soak: commands, checkbox clicks, mouse messages, repaints, a Zub now and then.
  std::vector<int> ids;
  for (int id = 0; id < 0x10000; ++id) {
    const kz::CommandEntry* e = kz::FindCommand(id);
    using A = kz::CommandAction;
    if (e && e->action != A::Exit && e->action != A::Dialog && e->action != A::Generate) ids.push_back(id);
  }
  std::mt19937 dice(options().seed);
  auto below = [&dice](int n) { return static_cast<int>(dice() % static_cast<unsigned>(n)); };
  const FaultState was = hooks.Read();
  for (int step = 0; step < 3000; ++step) {
    const int pick = below(100), id = ids[below(static_cast<int>(ids.size()))];
    const UINT mouse = pick < 60 ? WM_LBUTTONDOWN : pick < 72 ? WM_MOUSEMOVE : WM_LBUTTONUP;
    if (pick < 50) {
      id >= IDC_BEGINNING_BOX && id <= IDC_END_BOX ? program.Click(id) : program.Command(id);
    } else if (pick < 75) {
      program.Send(program.window(), mouse, mouse == WM_LBUTTONDOWN ? MK_LBUTTON : 0,
                   MAKELPARAM(100 + below(330), 35 + below(100)));
    } else {
      pick < 99 ? Repaint(program) : program.Command(IDC_GENERATE);
    }
  }
  Recovered(hooks, was, "the soak");
}

}  // namespace kze
