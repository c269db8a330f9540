// The scenario groups: start-up and closing, and the monkey: a seeded
// random walk of commands, clicks, mouse messages, real drags, keys, typing, Zub,
// Copy, dialogs, after each of which the program must show what the model does.
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <random>
#include <thread>

#include "driver.h"
#include "midend/command_table.h"
#include "panel/high_contrast.h"
#include "panel/slider_record.h"
#include "shell/knob_windows.h"

namespace kze {
namespace {

// A Zub watched from outside: the knobs' centres sampled while another thread
// sends it, until it is answered; each must have turned white, the first
// well before the comment (the flash takes about half a second).
void ExpectFlash(Program& program) {
  program.Command(IDM_ALL_MIDDLE);  // the knobs where the samples look
  const std::string before = program.Text(IDC_COMMENT);
  HWND window = program.window();
  std::atomic<DWORD> answered{0};
  std::thread asking([window, &answered] {
    DWORD_PTR ignored;
    SendMessageTimeoutA(window, WM_COMMAND, IDC_GENERATE, 0, SMTO_NORMAL, 5000, &ignored);
    answered = GetTickCount() | 1;
  });
  bool white[kz::kSectionCount] = {};
  DWORD firstWhite = 0;
  for (bool done = false; !done; Sleep(2)) {
    done = answered != 0;
    HDC dc = GetDC(window);
    for (int s = 0; s < kz::kSectionCount; ++s) {
      white[s] |= GetPixel(dc, kz::kInitialSliders[s].x + 4, kz::kMiddleRow) == RGB(255, 255, 255);
      if (white[s] && !firstWhite) firstWhite = GetTickCount();
    }
    ReleaseDC(window, dc);
  }
  asking.join();
  for (int s = 0; s < kz::kSectionCount; ++s) Expect(white[s], Format("a Zub: knob %d never white", s));
  Expect(firstWhite && answered - firstWhite >= 200,
         Format("a Zub: the comment %lu ms after the first white knob", answered - firstWhite));
  Expect(program.Text(IDC_COMMENT) != before, "a Zub: no new comment");
}

void Startup() {
  Program program;
  // Tab visits every control but the length mark; the scale group places them.
  struct Row { int id; const char *windowClass, *caption; DWORD style, exStyle; };
  const DWORD child = WS_CHILD | WS_VISIBLE, tab = child | WS_TABSTOP, box = tab | BS_FLAT | BS_AUTOCHECKBOX;
  const Row rows[] = {
      {IDC_LENGTH_MARK, "Static", "00", child, WS_EX_STATICEDGE},
      {IDC_COMMENT, "Edit", "Revavav Evovod", tab, WS_EX_STATICEDGE},
      {IDC_GENERATE, "Button", "Zub", tab | BS_DEFPUSHBUTTON, 0},
      {IDC_COPY, "Button", "Copy", tab | BS_DEFPUSHBUTTON, 0},
      {IDC_BEGINNING_BOX, "Button", "b", box, 0},
      {IDC_MIDDLE_BOX, "Button", "m", box, 0},
      {IDC_END_BOX, "Button", "e", box, 0},
  };
  for (const Row& c : rows) {
    HWND control = program.Control(c.id);
    char windowClass[64] = "";
    GetClassNameA(control, windowClass, sizeof windowClass);
    const char* const form = "control %d: %s \"%s\" style %08lx ex %08lx";
    const std::string seen = Format(form, c.id, windowClass, program.Text(control).c_str(),
                                    GetWindowLongA(control, GWL_STYLE), GetWindowLongA(control, GWL_EXSTYLE));
    const std::string want = Format(form, c.id, c.windowClass, c.caption, c.style, c.exStyle);
    Expect(seen == want, seen + ", want " + want);
  }
  RECT r = {};
  GetWindowRect(program.window(), &r);
  const bool topmost = GetWindowLongA(program.window(), GWL_EXSTYLE) & WS_EX_TOPMOST;
  Expect(program.Text(0) == "Kudomat Zub 2003 - [Vorlen]" && r.left == 100 && r.top == 100 && topmost,
         Format("the main window \"%s\" at (%ld, %ld), topmost %d", program.Text(0).c_str(), r.left, r.top, topmost));
  ExpectFlash(program);
  for (int way = 0; way < 3; ++way) {
    Program closing;
    HWND w = closing.window();
    DWORD code = 12345;
    if (way == 0) closing.Post(w, WM_SYSCOMMAND, SC_CLOSE);
    if (way == 1) closing.Post(w, WM_COMMAND, IDM_EXIT);
    // A key may reach a window still on its way to the front: once more then.
    for (int attempt = 0; way == 2 && attempt < 2 && !closing.WaitExit(attempt * 4000, &code); ++attempt) {
      BringToFront(w), Keys({VK_MENU, VK_F4});
    }
    const bool exited = closing.WaitExit(8000, &code);
    Expect(exited && code == 0, Format("closing way %d: exit code %lu", way, code));
  }
}

// The menu's greying, the checkboxes, the texts and the clipboard.
std::string Line(const Model& m) {
  std::string line = "menu ";
  for (const auto& [id, g] : m.greyed) line += g ? 'g' : 'e';
  const kz::SliderRecord* s = m.panel().sliders;
  return line + Format(", boxes %d%d%d, box \"%s\", mark %s, clipboard \"%s\"", !!s[0].enabled, !!s[1].enabled,
                       !!s[2].enabled, m.box.c_str(), m.mark.c_str(), m.clipboard.c_str());
}
std::string Clipboard() {
  std::string text;
  return ReadClipboard(&text) ? text : "(no text)";
}

// What the walk sees after a step. A knob move draws only what changed, which
// a full repaint would hide: the window is judged as left, and repainted after.
struct Seen {
  std::string line;
  kz::Raster picture;
  int ring;  // the knob with the keyboard focus, whose focus ring may show
};
Seen Look(Program& p, bool repaint) {
  const int ring = GetDlgCtrlID(FocusOf(p.threadId())) - kz::kFirstKnobWindowId;
  Model m;
  m.greyed = p.Greyed(MenuIds()), m.box = p.Text(IDC_COMMENT), m.mark = p.Text(IDC_LENGTH_MARK), m.clipboard = Clipboard();
  for (int i = 0; i < kz::kSectionCount; ++i) m.state.session.panel.sliders[i].enabled = p.Checked(IDC_BEGINNING_BOX + i);
  return {Line(m), repaint ? p.Repainted() : p.Picture(), 0 <= ring && ring < kz::kSectionCount ? ring : -1};
}

// What differs between the model and what was seen; "" when nothing.
std::string Differences(const Model& m, const Seen& s) {
  const std::string want = Line(m);
  std::string out = s.line == want ? "" : "\n      seen " + s.line + "\n      want " + want;
  // The rows between the checkboxes and the comment box, and below the buttons.
  const kz::Raster painting = m.Painting();
  // The ring's square is the accessibility group's to judge.
  const kz::SliderRecord& knob = m.panel().sliders[std::max(s.ring, 0)];
  auto onRing = [&](int x, int y) {
    const int u = x - knob.x + kz::kFocusRingMargin, v = y - knob.y + kz::kFocusRingMargin, last = kz::kFocusRingSize - 1;
    return s.ring >= 0 && 0 <= u && u <= last && 0 <= v && v <= last && (u % last == 0 || v % last == 0);
  };
  int differing = 0;
  for (int y = 38; y < std::min(painting.Height(), s.picture.Height()); y = y == 140 ? 196 : y + 1) {
    for (int x = 0; x < std::min(painting.Width(), s.picture.Width()); ++x) {
      if (s.picture.At(x, y) == painting.At(x, y) || onRing(x, y) || differing++) continue;
      out += Format("\n      first pixel differing from the native painting: (%d, %d) %06x, want %06x", x, y,
                    static_cast<unsigned>(s.picture.At(x, y)), static_cast<unsigned>(painting.At(x, y)));
    }
  }
  return out + (differing ? Format(", %d in all", differing) : "");
}

// Candidates alike in this are one.
std::string Key(const Model& m) {
  std::string key(&m.state.sectionText[0][0], sizeof m.state.sectionText);
  for (const kz::SliderRecord& r : m.panel().sliders) key += Format("%d %d,", r.y, r.style);
  return key + Format("%d %d %d ", m.panel().dragIndex, m.panel().spelling, m.panel().role) + Line(m);
}

// The program and the models it may agree with, one for each second it may
// have read the clock in.
struct Walk {
  std::string clipboard = Clipboard();
  unsigned t0 = ClockSeconds();
  Program program;
  std::vector<Model> candidates = Model::AtStart(t0, ClockSeconds());
  std::string path;

  Walk() {
    for (Model& m : candidates) m.clipboard = clipboard;
    Settle("start-up", t0);
  }
  void Step(const std::string& what, const std::function<void()>& act,
            const std::function<void(Model&, unsigned second)>& change) {
    const unsigned t0 = ClockSeconds();
    act();
    program.Send(program.window(), WM_NULL);  // everything sent so far handled
    const unsigned t1 = ClockSeconds();
    std::vector<Model> next;
    for (const Model& m : candidates) {
      for (unsigned s = t0; s <= t1; ++s) next.push_back(m), change(next.back(), s);
    }
    candidates.swap(next);
    Settle(what, t0);
  }
  void Message(const std::string& what, UINT message, int a, int b = 0) {
    Step(what, [&] {
      if (message == WM_COMMAND) program.Command(a);
      else program.Send(program.window(), message, message == WM_MOUSEMOVE ? 0 : MK_LBUTTON, MAKELPARAM(a, b));
    }, [=](Model& m, unsigned s) { m.Message(s, message, a, b); });
  }
  // Keeps the candidates the program agrees with, first as the window was left,
  // then after a full repaint; real input and the picture may lag a little.
  void Settle(const std::string& what, unsigned t0) {
    std::string differences;
    for (int attempt = 0, repaint = 0; attempt < 20;) {
      const Seen seen = Look(program, repaint);
      std::map<std::string, Model> agreeing;  // seconds that made no difference leave copies
      for (const Model& m : candidates) {
        differences = Differences(m, seen);
        if (differences.empty()) agreeing.emplace(Key(m), m);
      }
      if (agreeing.empty()) {
        ++attempt, Sleep(100);
      } else if (repaint++) {
        candidates.clear();
        for (const auto& [key, m] : agreeing) candidates.push_back(m);
        path += "\n      " + what;
        return;
      }
    }
    std::printf("    the walk so far:%s\n", path.c_str());
    Fatal(what + Format(" (second %u):", t0) + differences);
  }
};

void Monkey() {
  std::printf("    seed %u, %d steps (--seed, --steps)\n", options().seed, options().steps);
  std::mt19937 dice(options().seed);
  auto below = [&dice](int n) { return static_cast<int>(dice() % static_cast<unsigned>(n)); };
  Walk walk;
  Program& program = walk.program;
  HWND w = program.window();
  std::vector<int> commands;
  for (int id : MenuIds()) {
    if (id != IDM_EXIT && id != IDM_HELP && id != IDM_ABOUT) commands.push_back(id);
  }
  auto ctrlR = [&] {
    bool focus = false;  // on the main window itself; else the key goes to a control
    walk.Step("Ctrl+R",
              [&] { focus = BringToFront(w) && FocusOf(program.threadId()) == w, Keys({VK_CONTROL, 'R'}); },
              [&focus](Model& m, unsigned s) { focus ? m.Message(s, WM_COMMAND, IDM_RANDOM) : void(); });
  };
  auto box = [&](int id) {
    walk.Step(Format("checkbox %d", id), [&] { program.Click(id); },
              [id](Model& m, unsigned s) { m.Message(s, WM_COMMAND, id); });
  };
  // Help or About: modal, closed by OK, Esc or the close command in turn.
  int dialogs = 0;
  auto dialog = [&](int id) {
    const int way = dialogs++ % 3;
    walk.Step(Format("dialog %d, closed the %d. way", id, way), [&] {
      program.Post(w, WM_COMMAND, static_cast<WPARAM>(id));
      HWND shown = nullptr;
      for (int i = 0; i < 300 && !(shown = FindWindowA("#32770", id == IDM_HELP ? "Help" : "About")); ++i) Sleep(10);
      // Found as soon as it is made; its buttons are there once it shows.
      for (int i = 0; i < 300 && shown && !IsWindowVisible(shown); ++i) Sleep(10);
      if (!shown || IsWindowEnabled(w)) Fatal("no modal dialog opened");
      if (way == 0) program.Post(GetDlgItem(shown, IDOK), BM_CLICK);
      if (way == 1) BringToFront(shown), Keys({VK_ESCAPE});
      if (way == 2) program.Post(shown, WM_SYSCOMMAND, SC_CLOSE);
      for (int i = 0; i < 300 && IsWindow(shown); ++i) Sleep(10);
      if (IsWindow(shown)) Fatal("the dialog stays open");
    }, [](Model&, unsigned) {});
  };
  // The keyboard alone: from the window Tab twice to Zub and Enter, then Shift+Tab
  // round by the End knob to the End box and Space; each press must reach the next
  // stop. Then Shift+Tab to the Middle knob, whose keys move it as the model says.
  const int endKnob = kz::kFirstKnobWindowId + 2;
  for (const std::vector<int>& stops : {std::vector<int>{IDC_COMMENT, IDC_GENERATE},
                                        std::vector<int>{IDC_COMMENT, endKnob, IDC_END_BOX}}) {
    const int target = stops.back();
    const bool back = target == IDC_END_BOX;
    walk.Step(Format("%s to control %d and its key", back ? "Shift+Tab" : "Tab", target), [&] {
      BringToFront(w);
      for (int stop : stops) {
        const HWND from = FocusOf(program.threadId());
        back ? Keys({VK_SHIFT, VK_TAB}) : Keys({VK_TAB});
        for (int i = 0; i < 100 && FocusOf(program.threadId()) == from; ++i) Sleep(10);
        Expect(FocusOf(program.threadId()) == program.Control(stop), Format("the focus did not reach %d", stop));
      }
      const std::string box = program.Text(IDC_COMMENT);
      const bool checked = program.Checked(target);
      Keys({WORD(back ? VK_SPACE : VK_RETURN)});  // real input arrives in its own time: until it has made its change
      for (int i = 0; i < 200 && program.Text(IDC_COMMENT) == box && program.Checked(target) == checked; ++i) Sleep(10);
    }, [target](Model& m, unsigned s) { m.Message(s, WM_COMMAND, target); });
  }
  const std::pair<WORD, int> knobKeys[] = {{VK_HOME, 71}, {VK_DOWN, -1}, {VK_NEXT, -10}, {VK_LEFT, -1},
                                           {VK_PRIOR, 10}, {VK_RIGHT, 1}, {VK_END, -71}, {VK_UP, 1}};
  walk.Step("Shift+Tab to the Middle knob and its keys", [&] {
    const HWND knob = program.Control(kz::kFirstKnobWindowId + 1);
    BringToFront(w), Keys({VK_SHIFT, VK_TAB});
    for (int i = 0; i < 100 && FocusOf(program.threadId()) != knob; ++i) Sleep(10);
    Expect(FocusOf(program.threadId()) == knob, "Shift+Tab did not reach the Middle knob");
    for (const auto& [key, rows] : knobKeys) Keys({key});
  }, [&](Model& m, unsigned s) {
    for (const auto& [key, rows] : knobKeys) m.Message(s, WM_KEYDOWN, 1, rows);
  });
  // Every command and checkbox once, Ctrl+R with the focus on the window,
  // then on the comment box, each way of closing a dialog; then random steps.
  for (int id : commands) walk.Message(Format("command %d", id), WM_COMMAND, id);
  for (int id : {IDC_BEGINNING_BOX, IDC_MIDDLE_BOX, IDC_END_BOX, IDC_END_BOX, IDC_MIDDLE_BOX, IDC_BEGINNING_BOX}) box(id);
  ctrlR();
  walk.Step("a real click on the comment box", [&] {
    BringToFront(w), MouseTo(w, 300, 150), MouseButton(true), MouseButton(false), MouseTo(w, 300, -10);
  }, [](Model&, unsigned) {});
  ctrlR();
  for (int id : {IDM_HELP, IDM_ABOUT, IDM_HELP}) dialog(id);
  for (int step = 0; step < options().steps; ++step) {
    const int pick = below(100);
    if (pick < 34) {  // a command of the menu, or an unknown one
      const int id = pick < 30 ? commands[below(static_cast<int>(commands.size()))] : 106 + below(32000);
      if (pick < 30 || !kz::FindCommand(id)) walk.Message(Format("command %d", id), WM_COMMAND, id);
    } else if (pick < 44) {
      box(IDC_BEGINNING_BOX + below(3));
    } else if (pick < 72) {  // presses about the knobs, moves anywhere, releases
      const UINT message = pick < 54 ? WM_LBUTTONDOWN : pick < 66 ? WM_MOUSEMOVE : WM_LBUTTONUP;
      const int x = message == WM_MOUSEMOVE ? below(620) : 100 + below(330);
      const int y = message == WM_MOUSEMOVE ? 20 + below(140) : 35 + below(100);
      walk.Message(Format("message 0x%04x at (%d, %d)", message, x, y), message, x, y);
    } else if (pick < 77) {
      const int section = below(3), row = 47 + below(72);
      const int x = 108 + 100 * section + 100 * (section == 2);
      const int y = walk.candidates[0].panel().sliders[section].y + 4;
      walk.Step(Format("a real drag of knob %d from row %d to row %d", section, y, row), [&] {
        BringToFront(w), MouseTo(w, x, y), MouseButton(true), MouseTo(w, x, row), MouseButton(false);
        MouseTo(w, 300, -10);  // parked on the caption, out of the walk's way
      }, [=](Model& m, unsigned s) {
        m.Message(s, WM_MOUSEMOVE, x, y), m.Message(s, WM_LBUTTONDOWN, x, y);
        m.Message(s, WM_MOUSEMOVE, x, row), m.Message(s, WM_LBUTTONUP, x, row);
      });
    } else if (pick < 87) {
      walk.Message(pick < 83 ? "Zub" : "Copy", WM_COMMAND, pick < 83 ? IDC_GENERATE : IDC_COPY);
    } else if (pick < 89) {
      walk.Step("Zub while another program holds the clipboard", [&] {
        if (!OpenClipboard(nullptr)) Fatal("cannot hold the clipboard");
        program.Command(IDC_GENERATE);
        CloseClipboard();
      }, [](Model& m, unsigned s) {
        m.clipboardHeld = true, m.Message(s, WM_COMMAND, IDC_GENERATE), m.clipboardHeld = false;
      });
    } else if (pick < 93) {
      ctrlR();
    } else if (pick < 95) {
      dialog(below(2) ? IDM_HELP : IDM_ABOUT);
    } else {
      const char typed = static_cast<char>(32 + below(95));
      std::string text;  // typing is the edit control's business: its result is taken as is
      walk.Step(Format("typing '%c' into the comment box", typed), [&] {
        program.Send(program.Control(IDC_COMMENT), WM_CHAR, static_cast<WPARAM>(typed), 1);
        text = program.Text(IDC_COMMENT);
      }, [&text](Model& m, unsigned) { m.box = text; });
    }
  }
}

}  // namespace

void Scale();               // scale.cpp
void Faults();              // faults.cpp
void AccessibilityGroup();  // accessibility.cpp

}  // namespace kze

int main(int argc, char** argv) {
  using namespace kze;
  const std::map<std::string, void (*)()> scenarios = {
      {"startup", Startup}, {"monkey", Monkey}, {"scale", Scale}, {"faults", Faults},
      {"accessibility", AccessibilityGroup}};
  Options& o = options();
  for (int i = 2; i + 1 < argc; i += 2) {
    const std::string name = argv[i], value = (argv[i + 1][0] == '/' ? "Z:" : "") + std::string(argv[i + 1]);
    std::string* path = name == "--exe" ? &o.exe : name == "--probe" ? &o.probe : name == "--art" ? &o.art : nullptr;
    if (path) *path = value;
    if (name == "--seed") o.seed = static_cast<unsigned>(std::stoul(value));
    if (name == "--steps" || name == "--dpi") (name == "--steps" ? o.steps : o.dpi) = std::stoi(value);
  }
  const auto scenario = argc > 1 ? scenarios.find(argv[1]) : scenarios.end();
  if (scenario == scenarios.end() || o.exe.empty()) {
    std::fprintf(stderr, "usage: kzdriver startup|monkey|scale|faults|accessibility --exe PATH --probe PATH --art DIR "
                         "[--seed N] [--steps N] [--dpi N]\n");
    return 2;
  }
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  try {
    scenario->second();
  } catch (const std::exception&) {}  // reported where it was thrown
  std::printf("== %s: %s\n", argv[1], FailureCount() ? "FAILED" : "passed");
  return FailureCount() ? 1 : 0;
}
