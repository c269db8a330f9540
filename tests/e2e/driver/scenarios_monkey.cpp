// The monkey: thousands of random mouse moves, presses, releases, clicks,
// key presses and commands (ids the menu does not hold among them), seeded
// and reproducible. The program must stay alive and its invariants hold:
// knobs inside their tracks in one style colour, the menu in step with the
// checkboxes, the clipboard equal to the box after every comment and Copy.
#include <algorithm>
#include <cstdint>
#include <iterator>

#include "actions.h"

namespace kze {

namespace {

// A small seeded generator for the monkey's choices.
class Dice {
 public:
  explicit Dice(std::uint32_t seed) : x_(seed ? seed : 1) {}
  std::uint32_t Next() {
    x_ ^= x_ << 13;
    x_ ^= x_ >> 17;
    x_ ^= x_ << 5;
    return x_;
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint32_t>(n)); }
  int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }

 private:
  std::uint32_t x_;
};

const int kMenuCommands[] = {32789, 32790, 32791, 32792, 32793, 32794, 32795, 32796, 32797,
                             32802, 32799, 32798, 32801, 32782, 32783, 32803, 32804, 32775,
                             32777, 32778, 32784, 32785, 32786, 32806, 32807, 32808, 32809,
                             32810, 32811, 32812, 32813};
const int kKnownIds[] = {100, 101, 102, 103, 105, 400, 401, 402, 32771, 32772};

bool IsKnown(int id) {
  for (int k : kKnownIds) {
    if (k == id) return true;
  }
  for (int k : kMenuCommands) {
    if (k == id) return true;
  }
  return false;
}

const WORD kKeys[] = {'A', 'K', 'Z', 'R', '0', '7', VK_SPACE, VK_RETURN, VK_ESCAPE, VK_TAB,
                      VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_BACK, VK_DELETE, VK_HOME, VK_END};

// The menu rules that must hold whatever happened before.
void CheckMenuAgainstBoxes(Program& program, const std::string& when) {
  MenuStates m = program.Menu();
  bool checked[3] = {program.Checked(400), program.Checked(401), program.Checked(402)};
  const UINT enableItem[3] = {32806, 32807, 32808};
  const UINT freezeItem[3] = {32810, 32811, 32812};
  const UINT firstEdit[3] = {32789, 32792, 32795};
  for (int i = 0; i < 3; ++i) {
    bool ok = m[enableItem[i]] == checked[i] && m[freezeItem[i]] == !checked[i];
    for (UINT id = firstEdit[i]; id < firstEdit[i] + 3; ++id) ok = ok && m[id] == !checked[i];
    Expect(ok, when + Format(": section %d is %s but its Enable/Freeze/Edit items disagree", i,
                             checked[i] ? "enabled" : "frozen"));
  }
  bool any = checked[0] || checked[1] || checked[2];
  bool all = checked[0] && checked[1] && checked[2];
  for (UINT id : {32802u, 32799u, 32798u, 32801u, 32813u}) {
    Expect(m[id] == !any, when + Format(": item %u is %s with %s section enabled", id,
                                        m[id] ? "greyed" : "enabled", any ? "a" : "no"));
  }
  Expect(m[32809] == all, when + Format(": Enable > All is %s", m[32809] ? "greyed" : "enabled"));
  Expect(m[32782] != m[32783], when + ": American and European are both in one state");
  Expect(m[32803] != m[32804], when + ": As Buyer and As Seller are both in one state");
  int greyedStyles = 0;
  for (UINT id : {32775u, 32777u, 32778u, 32784u, 32785u, 32786u}) greyedStyles += m[id] ? 1 : 0;
  Expect(greyedStyles <= 1, when + Format(": %d Insert items greyed", greyedStyles));
  Expect(!m[105] && !m[32771] && !m[32772], when + ": Exit, Help or About is greyed");
}

void CheckKnobs(Program& program, const std::string& when) {
  SettlePixels(program);
  Knobs k = WaitKnobs(program.window(), [](const Knobs& k) { return k.Sound(); }, 300);
  bool ok = k.Sound();
  for (int i = 0; i < 3 && ok; ++i) {
    ok = k.section[i].y >= 43 && k.section[i].y <= 114 && k.section[i].style <= 5 &&
         k.section[i].style == k.section[0].style;
  }
  Expect(ok, when + ": knobs " + k.Show());
}

}  // namespace

KZE_SCENARIO(monkey) {
  std::uint32_t seed = options().seed ? options().seed : static_cast<std::uint32_t>(GetTickCount());
  int actions = options().actions > 0 ? options().actions : 3000;
  Note(Format("seed %u, %d actions (repeat with --seed %u --actions %d)", seed, actions, seed,
              actions));
  RunRow(Format("monkey run, seed %u", seed), [seed, actions] {
    Dice dice(seed);
    Program program;
    HWND w = program.window();
    int generated = 0, copied = 0, dialogs = 0, commands = 0, invalid = 0, mouse = 0, keys = 0;
    double start = NowMs();
    for (int n = 1; n <= actions; ++n) {
      std::string when = Format("action %d", n);
      int pick = dice.Below(1000);
      bool heavyCheck = n % 50 == 0;
      if (pick < 350) {  // pointer moves, with or without the button
        ++mouse;
        program.Send(w, WM_MOUSEMOVE, dice.Below(2) ? MK_LBUTTON : 0,
                     MAKELPARAM(dice.Between(-10, 630), dice.Between(-20, 240)));
      } else if (pick < 470) {  // presses, half of them on or near a knob
        ++mouse;
        int x, y;
        if (dice.Below(2)) {
          x = kKnobX[dice.Below(3)] + dice.Between(-3, 24);
          y = dice.Between(40, 140);
        } else {
          x = dice.Between(0, 614);
          y = dice.Between(0, 230);
        }
        program.Send(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
      } else if (pick < 570) {  // releases
        ++mouse;
        program.Send(w, WM_LBUTTONUP, 0, MAKELPARAM(dice.Between(0, 614), dice.Between(0, 230)));
      } else if (pick < 770) {  // menu commands
        ++commands;
        program.Command(kMenuCommands[dice.Below(static_cast<int>(std::size(kMenuCommands)))]);
        heavyCheck = heavyCheck || dice.Below(4) == 0;
      } else if (pick < 820) {  // ids the program does not know
        ++invalid;
        int id;
        do {
          id = dice.Below(65536);
        } while (IsKnown(id));
        program.Send(w, WM_COMMAND, static_cast<WPARAM>(id), 0);
      } else if (pick < 870) {  // checkbox clicks
        program.Click(400 + dice.Below(3));
        heavyCheck = true;
      } else if (pick < 920) {  // typing into the comment box
        ++keys;
        program.Send(program.Control(101), WM_CHAR, static_cast<WPARAM>(dice.Between(32, 126)), 1);
      } else if (pick < 970) {  // keys to the window or the box
        ++keys;
        HWND target = dice.Below(2) ? w : program.Control(101);
        WORD key = kKeys[dice.Below(static_cast<int>(std::size(kKeys)))];
        program.Send(target, WM_KEYDOWN, key, 1);
        program.Send(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
      } else if (pick < 985) {  // Copy
        ++copied;
        program.Command(103);
        std::string box = program.Text(101);
        std::optional<std::string> clip = ReadClipboardText();
        std::string want = box.substr(0, 255);
        Expect(clip && *clip == want, when + ": after Copy the clipboard " +
                                          (clip ? Quoted(*clip) : "(no text)") + ", box " +
                                          Quoted(box));
      } else if (pick < 993) {  // Zub
        ++generated;
        bool allEnabled = program.Checked(400) && program.Checked(401) && program.Checked(402);
        Settings s = ReadSettings(program);
        Generated g = Generate(program);
        if (allEnabled) {
          ExpectComposed(g, s, when);
        } else {
          Expect(g.clipboard && *g.clipboard == g.comment,
                 when + ": clipboard differs from the box after Zub");
          Expect(g.mark == LengthMark(g.comment), when + ": length mark " + Quoted(g.mark));
        }
      } else if (pick < 997) {  // Help or About, opened and closed again
        ++dialogs;
        bool help = dice.Below(2) == 0;
        program.Post(w, WM_COMMAND, help ? 32771 : 32772, 0);
        HWND dialog = program.WaitDialog(help ? "Help" : "About", 3000);
        if (!dialog) Fatal(when + ": the dialog did not open");
        if (dice.Below(2)) {
          program.Post(dialog, WM_COMMAND, dice.Below(2) ? IDOK : IDCANCEL, 0);
        } else {
          program.Post(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        double until = NowMs() + 3000;
        while (IsWindow(dialog) && NowMs() < until) SleepMs(5);
        if (IsWindow(dialog)) Fatal(when + ": the dialog did not close");
        program.Sync();
      } else {  // Ctrl+R from the keyboard, wherever the focus is
        ++keys;
        BringToFront(w);
        PressKeys({VK_CONTROL, 'R'});
        SleepMs(30);
        program.Sync();
      }
      if (!program.Running()) Fatal(when + ": the program has ended");
      if (heavyCheck) {
        CheckKnobs(program, when);
        CheckMenuAgainstBoxes(program, when);
        Expect(program.OtherWindows().empty(), when + ": a window other than the main one is open");
      }
      if (FailureCount() > 20) Fatal("too many failures; stopping");
    }
    program.Sync();
    CheckKnobs(program, "at the end");
    CheckMenuAgainstBoxes(program, "at the end");
    Note(Format("%d actions in %.1f s: %d mouse, %d commands, %d unknown ids, %d keys, %d Zub, "
                "%d Copy, %d dialogs",
                actions, (NowMs() - start) / 1000, mouse, commands, invalid, keys, generated,
                copied, dialogs));
    program.Post(w, WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD code = 99;
    Expect(program.WaitExit(5000, &code) && code == 0,
           Format("the program did not end with code 0 after the run (code %lu)", code));
  });
}

}  // namespace kze
