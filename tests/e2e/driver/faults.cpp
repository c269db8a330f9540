// The faults group: failures injected into the running program. The fault
// probe hooks the program's imports; each call it can make fail fails in
// turn at its 1st, 2nd, ... call in a Copy, a repaint, a style change and a
// Zub, then at every call of them. After each failure the program must still
// answer, hold the handles it held before, have left the clipboard closed,
// and copy again. Then a soak of thousands of commands and repaints must end
// holding the handles it began with.
#include <climits>
#include <cstddef>
#include <iterator>
#include <random>

#include "../probe/fault_probe.h"
#include "driver.h"
#include "midend/command_table.h"
#include "resources/resource_ids.h"

namespace kze {
namespace {

using kzprobe::FaultState;

// By GetObjectType's numbers, then the probe's own.
// clang-format off
const char* const kKinds[kzprobe::kHandleKinds] = {
    "other handles", "pens", "brushes", "device contexts", "metafile DCs", "palettes", "fonts", "bitmaps",
    "regions", "metafiles", "memory device contexts", "extended pens", "enhanced metafile DCs",
    "enhanced metafiles", "colour spaces", "global blocks"};
// clang-format on
constexpr int kSoakSteps = 3000;

// Returns once the program has taken up its window's update region (in its
// WM_PAINT) and answered again. A WM_PAINT sent from here could come on top
// of the one the system gives it, or not, as it happens.
void Painted(Program& p) {
  for (int i = 0; i < 2000 && GetUpdateRect(p.window(), nullptr, FALSE); ++i) Sleep(1);
  p.Send(p.window(), WM_NULL);
}

void Repaint(Program& p) {
  InvalidateRect(p.window(), nullptr, TRUE);
  Painted(p);
}

// What the loop's failures fall in, in this order: the panel draws in a
// style change and a Zub's flash, a repaint shows what it drew.
void (*const kSteps[])(Program&) = {[](Program& p) { p.Command(IDC_COPY); }, Repaint,
                                    [](Program& p) { p.Command(IDM_CLASSIC); },
                                    [](Program& p) { p.Command(IDC_GENERATE); }};

// The fault probe's state in the program, read and written while the
// program waits for messages.
class Hooks {
 public:
  explicit Hooks(Program& program) : program_(program) {
    // A thread started in the program while it draws can deadlock it under
    // Wine (fault_probe.h): the start-up's paints are let through first.
    Painted(program);
    Sleep(200);
    DWORD unused = 0;
    if (!program.Probe(KZPROBE_FAULTS_NAME, &unused, sizeof unused))
      Fatal("the fault probe hooked nothing");
    state_ = program.ProbeExport(KZPROBE_FAULT_STATE_NAME);
  }
  // The counts, once the program has painted what it had to.
  FaultState Read() {
    Painted(program_);
    FaultState state;
    if (!ReadProcessMemory(program_.process(), state_, &state, sizeof state, nullptr))
      Fatal("cannot read the hooks");
    return state;
  }
  // The program's nth call of `hook` from now on fails, or with `onward`
  // every call from the nth on (hook -1: none).
  void Fail(int hook, int n, bool onward = false) {
    const LONG first = hook < 0 ? 0 : Read().calls[hook] + n;
    const LONG plan[3] = {hook, first, onward ? LONG_MAX : first};
    static_assert(sizeof plan == offsetof(FaultState, imported), "the plan opens the state");
    if (!WriteProcessMemory(program_.process(), state_, plan, sizeof plan, nullptr)) {
      Fatal("cannot write the failure plan");
    }
  }

 private:
  Program& program_;
  BYTE* state_ = nullptr;
};

// The handles held, by kind, as differences from `before`: "" when none.
std::string Changed(const FaultState& before, const FaultState& now) {
  std::string out;
  for (int k = 0; k < kzprobe::kHandleKinds; ++k) {
    if (now.live[k] != before.live[k])
      out += Format(" %+ld %s", now.live[k] - before.live[k], kKinds[k]);
  }
  return out;
}

// The clipboard closed, and a Copy of a new text in the comment box placing it there.
void CopyWorks(Program& program, const std::string& what) {
  Expect(GetOpenClipboardWindow() == nullptr, what + ": the clipboard is left open");
  const std::string text = "after " + what;
  program.Send(program.Control(IDC_COMMENT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  program.Command(IDC_COPY);
  std::string copied;
  Expect(ReadClipboard(&copied) && copied == text,
         what + ": the next Copy gave \"" + copied + "\"");
}

}  // namespace

void Faults() {
  Program program;
  Hooks hooks(program);
  int commands = 0;
  // Twice without failures: what is made once and kept is made, then the calls of one pass counted.
  FaultState before;
  for (int pass = 0; pass < 2; ++pass) {
    before = hooks.Read();
    for (auto step : kSteps) step(program), ++commands;
  }
  const FaultState pass = hooks.Read();
  std::string failing, skipped;
  for (int h = 0; h < kzprobe::kHookCount; ++h) {
    const char* name = kzprobe::kHooks[h].name;
    const LONG calls = pass.calls[h] - before.calls[h];
    if (!calls) skipped += Format(" %s%s", name, pass.imported[h] ? "" : "(not imported)");
    if (!kzprobe::kHooks[h].canFail || !calls) continue;
    failing += Format(" %s:%ld", name, calls);
    // Each call alone, then every call of a whole pass (retries given up).
    for (int n = 1; n <= calls + 1; ++n) {
      const bool every = n > calls;
      const std::string what = every ? Format("%s failing at every call", name)
                                     : Format("%s failing at its call %d", name, n);
      const FaultState was = hooks.Read();
      hooks.Fail(h, every ? 1 : n, every);
      for (size_t s = 0; s < std::size(kSteps) && (every || hooks.Read().failed == was.failed);
           ++s, ++commands) {
        kSteps[s](program);
      }
      hooks.Fail(-1, 0);
      const LONG failed = hooks.Read().failed - was.failed;
      Expect(every ? failed > 0 : failed == 1, what + Format(": %ld failed", failed));
      CopyWorks(program, what), ++commands;
      const std::string leaked = Changed(was, hooks.Read());
      Expect(leaked.empty(), what + ": left" + leaked);
    }
  }
  const FaultState looped = hooks.Read();
  std::printf(
      "    %ld calls failed, alone and a pass at a time, in %d commands:%s\n"
      "    hooked, not called:%s\n",
      looped.failed, commands, failing.c_str(), skipped.c_str());

  // The soak: commands from the table, checkbox clicks, knob drags, Copy, a
  // Zub now and then, and repaints, seeded by --seed.
  std::vector<int> ids;
  for (int id = 0; id < 0x10000; ++id) {
    const kz::CommandEntry* e = kz::FindCommand(id);
    using A = kz::CommandAction;
    if (e && e->action != A::Exit && e->action != A::Dialog && e->action != A::Generate)
      ids.push_back(id);
  }
  std::mt19937 dice(options().seed);
  auto below = [&dice](int n) { return static_cast<int>(dice() % static_cast<unsigned>(n)); };
  for (int step = 0; step < kSoakSteps; ++step, ++commands) {
    const int pick = below(100), id = ids[below(static_cast<int>(ids.size()))];
    const UINT mouse = pick < 60 ? WM_LBUTTONDOWN : pick < 72 ? WM_MOUSEMOVE : WM_LBUTTONUP;
    if (pick < 50) {
      id == IDC_BEGINNING_BOX || id == IDC_MIDDLE_BOX || id == IDC_END_BOX ? program.Click(id)
                                                                           : program.Command(id);
    } else if (pick < 75) {
      program.Send(program.window(), mouse, mouse == WM_LBUTTONDOWN ? MK_LBUTTON : 0,
                   MAKELPARAM(100 + below(330), 35 + below(100)));
    } else {
      pick < 99 ? Repaint(program) : program.Command(IDC_GENERATE);
    }
  }
  CopyWorks(program, "the soak"), ++commands;
  const FaultState end = hooks.Read();
  const std::string leaked = Changed(looped, end);
  Expect(leaked.empty(), Format("%d steps of the soak left", kSoakSteps) + leaked);
  LONG made = 0;
  for (LONG calls : end.calls) made += calls;
  const std::string live = Changed(FaultState{}, end);
  std::printf("    %d commands and repaints in all, %ld hooked calls; live at the end:%s\n",
              commands, made, live.empty() ? " none" : live.c_str());
}

}  // namespace kze
