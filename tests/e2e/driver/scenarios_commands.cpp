// What each command does to the panel: styles recolour the knobs, the Edit
// items move one knob or every enabled knob, Random moves enabled knobs to
// the rows that the clock second gives, and ids the menu does not hold
// change nothing.
#include <cstdint>

#include "actions.h"

namespace kze {

// The classic run-time generator, the one the program reseeds from the
// clock at every message.
struct ClassicRandom {
  std::uint32_t x;
  int Next() {
    x = x * 214013u + 2531011u;
    return static_cast<int>((x >> 16) & 0x7FFF);
  }
};

// Rows that Random (Edit > Random or Ctrl+R) gives in a second: one draw
// per section, frozen or not.
void RandomRows(unsigned second, int rows[3]) {
  ClassicRandom r{second};
  for (int i = 0; i < 3; ++i) rows[i] = 47 + r.Next() % 71;
}

namespace {

struct StyleRow {
  int command;
  const char* name;
};
const StyleRow kStyles[] = {{32775, "Classic"}, {32777, "Emotive"}, {32778, "Exhuberant"},
                            {32784, "Flat"},    {32785, "Chatty"},  {32786, "Concise"}};

struct EditRow {
  int command;
  int section;
  int row;
};
const EditRow kEditRows[] = {
    {32789, 0, 47}, {32790, 0, 82}, {32791, 0, 118}, {32792, 1, 47}, {32793, 1, 82},
    {32794, 1, 118}, {32795, 2, 47}, {32796, 2, 82}, {32797, 2, 118}};

struct AllRow {
  const char* name;
  std::vector<int> freeze;  // Tools > Freeze commands first
  int command;
  int from;                 // All command that places every knob first
  int expect[3];            // rows after the command
};
const AllRow kAllRows[] = {
    {"All > + 100, all enabled", {}, 32802, 32798, {47, 47, 47}},
    {"All > +|- 0, all enabled", {}, 32799, 32802, {82, 82, 82}},
    {"All > - 100, all enabled", {}, 32798, 32802, {118, 118, 118}},
    {"All > + 100 with the Middle frozen", {32811}, 32802, 32798, {47, 118, 47}},
    {"All > - 100 with Beginning and End frozen", {32810, 32812}, 32798, 32799, {82, 118, 82}},
    {"All > +|- 0 with every section frozen", {32813}, 32799, 32798, {118, 118, 118}},
};

void ExpectStyleColours(Program& program, int style, const std::string& when) {
  auto want = [style](const Knobs& k) {
    return k.Sound() && k.section[0].style == style && k.section[1].style == style &&
           k.section[2].style == style;
  };
  SettlePixels(program);
  Knobs knobs = WaitKnobs(program.window(), want, 400);
  Expect(want(knobs), when + ": knobs " + knobs.Show() + Format(", want style colour %d", style));
}

}  // namespace

// Sends Edit > Random to a program whose knobs all stand at the bottom and
// expects the enabled ones on the rows of the clock second (the command
// may fall in either of the seconds read around it), the others unmoved.
static void ExpectRandomRows(Program& program, const bool enabled[3], const std::string& what) {
  unsigned first = ClockSeconds();
  program.Command(32801);
  unsigned last = ClockSeconds();
  SettlePixels(program);
  Knobs knobs = WaitKnobs(program.window(), [enabled](const Knobs& k) {
    if (!k.Sound()) return false;
    for (int s = 0; s < 3; ++s) {
      if (enabled[s] && k.section[s].y != 114) return true;
    }
    return false;
  }, 400);
  bool matched = false;
  for (unsigned t = first; t <= last && !matched; ++t) {
    int rows[3];
    RandomRows(t, rows);
    matched = knobs.Sound();
    for (int s = 0; s < 3; ++s) {
      matched = matched && knobs.section[s].y + 4 == (enabled[s] ? rows[s] : 118);
    }
  }
  int want[3];
  RandomRows(first, want);
  for (int s = 0; s < 3; ++s) {
    if (!enabled[s]) want[s] = 118;
  }
  Expect(matched, what + ": knobs " + knobs.Show() +
                      Format(", want rows %d, %d, %d for second %u", want[0], want[1], want[2],
                             first));
}

KZE_SCENARIO(commands) {
  RunRow("Insert: each style gives the three knobs its colour and keeps their rows", [] {
    Program program;
    Knobs before = SeeKnobs(program);
    int rows[3];
    for (int i = 0; i < 3; ++i) rows[i] = before.section[i].y + 4;
    for (int s = 0; s < 6; ++s) {
      program.Command(kStyles[s].command);
      ExpectStyleColours(program, s, kStyles[s].name);
      ExpectKnobRows(program, rows, kStyles[s].name);
    }
  });

  RunRow("Edit > section items move only their own knob (table of nine)", [] {
    Program program;
    program.Command(32799);
    int rows[3] = {82, 82, 82};
    ExpectKnobRows(program, rows, "All > +|- 0");
    for (const EditRow& e : kEditRows) {
      program.Command(e.command);
      rows[e.section] = e.row;
      ExpectKnobRows(program, rows, Format("command %d", e.command));
    }
  });

  RunRow("Edit > section item moves a frozen section's knob too", [] {
    Program program;
    program.Command(32799);
    program.Command(32811);  // freeze Middle
    program.Command(32792);
    int rows[3] = {82, 47, 82};
    ExpectKnobRows(program, rows, "Middle + 100 while frozen");
    program.Command(32794);
    rows[1] = 118;
    ExpectKnobRows(program, rows, "Middle - 100 while frozen");
  });

  for (const AllRow& a : kAllRows) {
    RunRow(std::string("Edit > ") + a.name, [&a] {
      Program program;
      program.Command(a.from);
      for (int f : a.freeze) program.Command(f);
      program.Command(a.command);
      ExpectKnobRows(program, a.expect);
    });
  }

  RunRow("Edit > Random puts enabled knobs on the rows of the clock second", [] {
    Program program;
    program.Command(32798);  // all at the bottom, which Random never gives
    const bool enabled[3] = {true, true, true};
    for (int attempt = 0; attempt < 3; ++attempt) {
      ExpectRandomRows(program, enabled, Format("attempt %d", attempt + 1));
      SleepMs(350);
    }
  });

  RunRow("Edit > Random with only the Middle enabled moves only the Middle knob", [] {
    Program program;
    program.Command(32798);
    program.Command(32810);
    program.Command(32812);
    const bool enabled[3] = {false, true, false};
    ExpectRandomRows(program, enabled, "only the Middle");
  });

  RunRow("Edit > Random with every section frozen moves no knob", [] {
    Program program;
    program.Command(32799);
    program.Command(32813);
    program.Command(32801);
    SleepMs(100);
    int rows[3] = {82, 82, 82};
    ExpectKnobRows(program, rows);
  });

  RunRow("two Random commands in the same second give the same rows", [] {
    Program program;
    for (int attempt = 0; attempt < 5; ++attempt) {
      unsigned first = ClockSeconds();
      program.Command(32801);
      Knobs a = SeeKnobs(program);
      program.Command(32798);
      program.Command(32801);
      unsigned last = ClockSeconds();
      if (first != last) continue;  // the second turned; try again
      int rows[3] = {a.section[0].y + 4, a.section[1].y + 4, a.section[2].y + 4};
      ExpectKnobRows(program, rows, "second Random");
      return;
    }
    Note("the clock turned during every attempt; nothing compared");
  });

  RunRow("commands that the menu does not hold change no knob, text, checkbox or menu item", [] {
    Program program;
    Knobs before = SeeKnobs(program);
    int rows[3] = {before.section[0].y + 4, before.section[1].y + 4, before.section[2].y + 4};
    const int ids[] = {0, 1, 2, 104, 106, 300, 401 + 1000, 32770, 32773, 32774, 32776,
                       32779, 32780, 32781, 32787, 32788, 32800, 32805, 32814, 40000, 65535};
    for (int id : ids) program.Command(id);
    SleepMs(50);
    ExpectKnobRows(program, rows);
    Expect(program.Text(101) == "Revavav Evovod", "comment box " + Quoted(program.Text(101)));
    Expect(program.Text(100) == "00", "length-mark box " + Quoted(program.Text(100)));
    ExpectChecks(program, true, true, true);
    ExpectMenu(program, StartGreyed());
    Expect(program.OtherWindows().empty(), "a window opened");
  });
}

}  // namespace kze
