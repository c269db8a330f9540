// The scenario groups: start-up and closing, a smoke run, and the monkey: a seeded
// random walk of commands, checkbox clicks, mouse messages, real drags, Ctrl+R,
// typing, Zub and Copy (with the clipboard held by another program now and then),
// Help and About, after each of which the menu, the checkboxes, the texts, the
// clipboard and the repainted window must be the model's.
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <memory>
#include <random>
#include <thread>

#include "model.h"
#include "resources/resource_ids.h"
#include "midend/command_table.h"
#include "panel/slider_record.h"

namespace kze {
namespace {

// What a window is, as the start-up checks compare it: class, caption,
// style, extended style and rectangle in its parent's client coordinates.
std::string Describe(const char* windowClass, const std::string& caption, DWORD style, DWORD exStyle,
                     int x, int y, int width, int height) {
  return Format("%s \"%s\" style %08lx ex %08lx at (%d, %d) %d x %d", windowClass, caption.c_str(), style,
                exStyle, x, y, width, height);
}

std::string Described(Program& program, HWND window) {
  char windowClass[64] = "";
  GetClassNameA(window, windowClass, sizeof windowClass);
  RECT r = {};
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return Describe(windowClass, program.Text(window), GetWindowLongA(window, GWL_STYLE),
                  GetWindowLongA(window, GWL_EXSTYLE), r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// A Zub watched from outside: the knobs' centres sampled while another
// thread sends it, until it is answered, which is when the comment is in.
std::string Flash(Program& program) {
  program.Command(IDM_ALL_MIDDLE);  // the knobs where the samples look
  const std::string before = program.Text(IDC_COMMENT);
  HWND window = program.window();
  const DWORD start = GetTickCount();
  std::atomic<bool> answered{false};
  std::thread asking([window, &answered] {
    DWORD_PTR ignored;
    SendMessageTimeoutA(window, WM_COMMAND, IDC_GENERATE, 0, SMTO_NORMAL, 5000, &ignored);
    answered = true;
  });
  // Sampled until the comment is in, then until no knob is white (at most 300 ms more).
  DWORD firstWhite[3] = {0, 0, 0}, end = 0;
  int white = 0;
  for (DWORD now = 0; !end || (white && now < end + 300);) {
    const bool done = answered;
    Sleep(2);
    now = GetTickCount() - start;
    HDC dc = GetDC(window);
    white = 0;
    for (int s = 0; s < kz::kSectionCount; ++s) {
      if (GetPixel(dc, kz::kInitialSliders[s].x + 4, kz::kMiddleRow) != RGB(255, 255, 255)) continue;
      ++white;
      if (!firstWhite[s]) firstWhite[s] = now;
    }
    ReleaseDC(window, dc);
    if (done && !end) end = now;
  }
  asking.join();
  // Six steps 80 ms apart, then the comment. Wine puts a step on the screen
  // only when the next one is drawn more than 50 ms after it, so every other
  // step is seen: knobs 0 and 1 white at 160 ms (in either order, as the
  // three are read one after the other), 2 at 320 ms, none at 480 ms.
  std::string seen;
  for (int s = 0; s < kz::kSectionCount; ++s) seen += firstWhite[s] ? "" : Format("knob %d never white, ", s);
  if (firstWhite[2] && firstWhite[0] >= firstWhite[2]) seen += "not white in turn, ";
  if (white) seen += "still white after the comment, ";
  if (program.Text(IDC_COMMENT) == before) seen += "no new comment, ";
  if (end < 450 || end > 1500) seen += Format("the comment %lu ms after the Zub, ", end);
  if (firstWhite[0] && firstWhite[0] + 200 > end) {
    seen += Format("white only %lu ms before the comment, ", end - firstWhite[0]);
  }
  return seen.empty() ? "flashed" : seen.substr(0, seen.size() - 2);
}

void Startup() {
  Program program;
  struct Row {
    std::string what, want;
    std::function<std::string()> seen;
  };
  auto control = [&program](int id, const char* windowClass, const char* caption, DWORD style, DWORD exStyle,
                            int x, int y, int width, int height) {
    return Row{Format("control %d", id), Describe(windowClass, caption, style, exStyle, x, y, width, height),
               [&program, id] { return Described(program, program.Control(id)); }};
  };
  // Tab visits every control but the length mark.
  const DWORD child = WS_CHILD | WS_VISIBLE, tab = child | WS_TABSTOP, box = tab | BS_FLAT | BS_AUTOCHECKBOX;
  const Row rows[] = {
      control(IDC_LENGTH_MARK, "Static", "00", child, WS_EX_STATICEDGE, 2, 160, 26, 18),
      control(IDC_COMMENT, "Edit", "Revavav Evovod", tab, WS_EX_STATICEDGE, 2, 141, 610, 20),
      control(IDC_GENERATE, "Button", "Zub", tab | BS_DEFPUSHBUTTON, 0, 562, 170, 50, 25),
      control(IDC_COPY, "Button", "Copy", tab | BS_DEFPUSHBUTTON, 0, 508, 170, 50, 25),
      control(IDC_BEGINNING_BOX, "Button", "b", box, 0, 102, 24, 13, 13),
      control(IDC_MIDDLE_BOX, "Button", "m", box, 0, 202, 24, 13, 13),
      control(IDC_END_BOX, "Button", "e", box, 0, 402, 24, 13, 13),
      {"the main window", "\"Kudomat Zub 2003 - [Vorlen]\" at (100, 100), topmost", [&program] {
         RECT r = {};
         GetWindowRect(program.window(), &r);
         const bool topmost = GetWindowLongA(program.window(), GWL_EXSTYLE) & WS_EX_TOPMOST;
         return Format("\"%s\" at (%ld, %ld), %s", program.Text(0).c_str(), r.left, r.top,
                       topmost ? "topmost" : "not topmost");
       }},
      {"a Zub", "flashed", [&program] { return Flash(program); }},
  };
  for (const Row& row : rows) {
    const std::string seen = row.seen();
    Expect(seen == row.want, row.what + ": " + seen + ", want " + row.want);
  }
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
    Expect(closing.WaitExit(8000, &code) && code == 0, Format("closing way %d: exit code %lu", way, code));
  }
}

// What the walk sees of the program after a step.
struct Seen {
  std::map<int, bool> greyed;
  bool checked[3];
  std::string box, mark, clipboard;
  kz::Raster picture;
};

// A knob move draws only what changed; a full repaint would hide what it left
// behind, so the window is judged as it was left, and repainted only after.
Seen Look(Program& p, bool repaint) {
  Seen s{p.Greyed(MenuIds()), {p.Checked(400), p.Checked(401), p.Checked(402)}, p.Text(101),
         p.Text(100), "(no text)", repaint ? p.Repainted() : p.Picture()};
  ReadClipboard(&s.clipboard);
  return s;
}

// What differs between the model and what was seen; "" when nothing.
std::string Differences(const Model& m, const Seen& s) {
  std::string out;
  for (const auto& [id, greyed] : m.greyed) {
    if (s.greyed.at(id) != greyed) out += Format(" item %d %s;", id, greyed ? "not greyed" : "greyed");
  }
  for (int i = 0; i < 3; ++i) {
    if (s.checked[i] != (m.panel().sliders[i].enabled != 0)) out += Format(" checkbox %d;", i);
  }
  if (s.box != m.box) out += " box \"" + s.box + "\", want \"" + m.box + "\";";
  if (s.mark != m.mark) out += " mark " + s.mark + ", want " + m.mark + ";";
  if (s.clipboard != m.clipboard) out += " clipboard \"" + s.clipboard + "\", want \"" + m.clipboard + "\";";
  // The rows between the checkboxes and the comment box, and below the buttons.
  const kz::Raster want = m.Painting();
  int differing = 0;
  std::string first;
  for (int y = 38; y < std::min(want.Height(), s.picture.Height()); y = y == 140 ? 196 : y + 1) {
    for (int x = 0; x < std::min(want.Width(), s.picture.Width()); ++x) {
      if (s.picture.At(x, y) == want.At(x, y) || differing++) continue;
      first = Format(" first at (%d, %d): %06x, want %06x", x, y, static_cast<unsigned>(s.picture.At(x, y)),
                     static_cast<unsigned>(want.At(x, y)));
    }
  }
  if (differing) out += Format(" %d pixels differ from the native raster's painting;", differing) + first;
  return out;
}

std::string Key(const Model& m) {
  std::string key(&m.state.sectionText[0][0], sizeof m.state.sectionText);
  for (const kz::SliderRecord& r : m.panel().sliders) key += Format("%d %d %d,", r.y, r.style, r.enabled);
  key += Format("%d %d %d", m.state.HeldKnob(), m.panel().spelling, m.panel().role);
  for (const auto& [id, greyed] : m.greyed) key += greyed ? "g" : "e";
  return key + m.box + "\n" + m.clipboard;
}

using Change = std::function<void(Model&, unsigned second)>;

class Walk {
 public:
  Walk() {
    std::string clipboard = "(no text)";
    ReadClipboard(&clipboard);
    const unsigned t0 = ClockSeconds();
    program_.reset(new Program());
    const unsigned t1 = ClockSeconds();
    for (unsigned a = t0; a <= t1; ++a) {
      for (unsigned b = a; b <= t1; ++b) {
        candidates_.push_back(Model::AtStart(a, b));
        candidates_.back().clipboard = clipboard;
      }
    }
    Settle("start-up", t0);
  }

  Program& program() { return *program_; }
  const Model& model() const { return candidates_[0]; }

  // Runs a step; checks the program against the model for each second it may have seen.
  void Step(const std::string& what, const std::function<void()>& act, const Change& change) {
    std::vector<Model> before;
    before.swap(candidates_);
    const unsigned t0 = ClockSeconds();
    act();
    program().Send(program().window(), WM_NULL);  // everything sent so far handled
    const unsigned t1 = ClockSeconds();
    for (const Model& m : before) {
      for (unsigned s = t0; s <= t1; ++s) {
        candidates_.push_back(m);
        change(candidates_.back(), s);
      }
    }
    Settle(what, t0);
  }
  void Message(const std::string& what, UINT message, int a, int b = 0) {
    Step(what,
         [&] {
           if (message == WM_COMMAND) program().Command(a);
           else program().Send(program().window(), message, message == WM_MOUSEMOVE ? 0 : MK_LBUTTON, MAKELPARAM(a, b));
         },
         [=](Model& m, unsigned s) { m.Message(s, message, a, b); });
  }

 private:
  // Keeps the candidates the program agrees with (a section left out of the comment
  // may hide which second it was composed in); ends the walk when there are none.
  void Settle(const std::string& what, unsigned t0) {
    std::string differences;
    // Real input arrives in its own time; a picture read just after drawing may be
    // stale. The window as left must agree first, then after a full repaint.
    bool repaint = false;
    for (int attempt = 0; attempt < 20;) {
      const Seen seen = Look(program(), repaint);
      std::map<std::string, Model> agreeing;  // seconds that made no difference leave copies
      for (const Model& m : candidates_) {
        differences = Differences(m, seen);
        if (differences.empty()) agreeing.emplace(Key(m), m);
      }
      if (agreeing.empty()) {
        ++attempt, Sleep(100);
      } else if (!repaint) {
        repaint = true;
      } else {
        candidates_.clear();
        for (const auto& [key, m] : agreeing) candidates_.push_back(m);
        path_ += "\n      " + what;
        return;
      }
    }
    std::printf("    the walk so far:%s\n", path_.c_str());
    Fatal(what + Format(" (second %u):", t0) + differences);
  }

  std::unique_ptr<Program> program_;
  std::vector<Model> candidates_;
  std::string path_;
};

// A short run of the second Windows build: start-up, one comment, File > Exit.
void Smoke() {
  Walk walk;
  walk.Message("Zub", WM_COMMAND, IDC_GENERATE);
  walk.program().Post(walk.program().window(), WM_COMMAND, IDM_EXIT);
  DWORD code = 12345;
  Expect(walk.program().WaitExit(8000, &code) && code == 0, Format("File > Exit: exit code %lu", code));
}

void Monkey() {
  const unsigned seed = options().seed;
  std::printf("    seed %u, %d steps (--seed, --steps)\n", seed, options().steps);
  std::mt19937 dice(seed);
  auto below = [&dice](int n) { return static_cast<int>(dice() % static_cast<unsigned>(n)); };
  Walk walk;
  Program& program = walk.program();
  HWND w = program.window();
  std::vector<int> commands;
  int dialogs = 0;
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
  auto dialog = [&](int id) {
    const int way = dialogs++ % 3;
    walk.Step(Format("dialog %d, closed the %d. way", id, way), [&] {
      program.Post(w, WM_COMMAND, static_cast<WPARAM>(id));
      HWND shown = nullptr;
      for (int i = 0; i < 300 && !shown; ++i, Sleep(10)) {
        shown = FindWindowA("#32770", id == IDM_HELP ? "Help" : "About");
      }
      if (!shown || IsWindowEnabled(w)) Fatal("no modal dialog opened");
      if (way == 0) program.Post(GetDlgItem(shown, IDOK), BM_CLICK);
      if (way == 1) BringToFront(shown), Keys({VK_ESCAPE});
      if (way == 2) program.Post(shown, WM_SYSCOMMAND, SC_CLOSE);
      for (int i = 0; i < 300 && IsWindow(shown); ++i) Sleep(10);
      if (IsWindow(shown)) Fatal("the dialog stays open");
    }, [](Model&, unsigned) {});
  };
  // From start-up, the keyboard alone: Tab round to Zub and Enter, Shift+Tab back round to the End
  // box and Space. Each press must reach the next tab stop (from the window itself: the first).
  const int tabs[] = {IDC_COMMENT, IDC_GENERATE, IDC_COPY, IDC_BEGINNING_BOX, IDC_MIDDLE_BOX, IDC_END_BOX};
  struct KeyStep { int target; bool back; WORD key; };
  for (const KeyStep& k : {KeyStep{IDC_GENERATE, false, VK_RETURN}, KeyStep{IDC_END_BOX, true, VK_SPACE}}) {
    walk.Step(Format("%s to control %d, key %d", k.back ? "Shift+Tab" : "Tab", k.target, k.key), [&] {
      BringToFront(w);
      for (int press = 0; press < 7 && FocusOf(program.threadId()) != program.Control(k.target); ++press) {
        const HWND from = FocusOf(program.threadId());
        int at = 0;
        while (at < 6 && program.Control(tabs[at]) != from) ++at;
        const int next = tabs[at == 6 ? (k.back ? 5 : 0) : (at + (k.back ? 5 : 1)) % 6];
        k.back ? Keys({VK_SHIFT, VK_TAB}) : Keys({VK_TAB});
        for (int i = 0; i < 100 && FocusOf(program.threadId()) == from; ++i) Sleep(10);
        Expect(FocusOf(program.threadId()) == program.Control(next), Format("the focus did not reach %d", next));
      }
      const std::string box = program.Text(IDC_COMMENT);
      const bool checked = program.Checked(k.target);
      Keys({k.key});  // real input arrives in its own time: until it has made its change
      for (int i = 0; i < 200 && program.Text(IDC_COMMENT) == box && program.Checked(k.target) == checked; ++i) Sleep(10);
    }, [&k](Model& m, unsigned s) { m.Message(s, WM_COMMAND, k.target); });
  }
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
    if (pick < 30) {
      const int id = commands[below(static_cast<int>(commands.size()))];
      walk.Message(Format("command %d", id), WM_COMMAND, id);
    } else if (pick < 40) {
      box(IDC_BEGINNING_BOX + below(3));
    } else if (pick < 44) {
      const int id = 106 + below(32000);
      if (!kz::FindCommand(id)) walk.Message(Format("unknown command %d", id), WM_COMMAND, id);
    } else if (pick < 54) {
      const int x = 100 + below(330), y = 35 + below(100);
      walk.Message(Format("press at (%d, %d)", x, y), WM_LBUTTONDOWN, x, y);
    } else if (pick < 66) {
      const int x = below(620), y = 20 + below(140);
      walk.Message(Format("move to (%d, %d)", x, y), WM_MOUSEMOVE, x, y);
    } else if (pick < 72) {
      walk.Message("release", WM_LBUTTONUP, 300, 100);
    } else if (pick < 77) {
      const int section = below(3), row = 47 + below(72);
      const int x = 108 + 100 * section + 100 * (section == 2);
      const int y = walk.model().panel().sliders[section].y + 4;
      walk.Step(Format("a real drag of knob %d from row %d to row %d", section, y, row), [&] {
        BringToFront(w), MouseTo(w, x, y), MouseButton(true), MouseTo(w, x, row), MouseButton(false);
        MouseTo(w, 300, -10);  // parked on the caption, out of the walk's way
      }, [=](Model& m, unsigned s) {
        m.Message(s, WM_MOUSEMOVE, x, y), m.Message(s, WM_LBUTTONDOWN, x, y);
        m.Message(s, WM_MOUSEMOVE, x, row), m.Message(s, WM_LBUTTONUP, x, row);
      });
    } else if (pick < 83) {
      walk.Message("Zub", WM_COMMAND, IDC_GENERATE);
    } else if (pick < 87) {
      walk.Message("Copy", WM_COMMAND, IDC_COPY);
    } else if (pick < 89) {
      walk.Step("Zub while another program holds the clipboard", [&] {
        if (!OpenClipboard(nullptr)) Fatal("cannot hold the clipboard");
        program.Command(IDC_GENERATE);
        CloseClipboard();
      }, [](Model& m, unsigned s) {
        m.clipboardHeld = true;
        m.Message(s, WM_COMMAND, IDC_GENERATE);
        m.clipboardHeld = false;
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

void Scale();   // scale.cpp
void Faults();  // faults.cpp

}  // namespace kze

int main(int argc, char** argv) {
  using namespace kze;
  const std::map<std::string, void (*)()> scenarios = {
      {"startup", Startup}, {"monkey", Monkey}, {"smoke", Smoke}, {"scale", Scale}, {"faults", Faults}};
  Options& o = options();
  for (int i = 2; i + 1 < argc; i += 2) {
    std::string value = argv[i + 1];
    if (value[0] == '/') value = "Z:" + value;  // a path of the host system
    const std::string name = argv[i];
    if (name == "--exe") o.exe = value;
    if (name == "--probe") o.probe = value;
    if (name == "--art") o.art = value;
    if (name == "--seed") o.seed = static_cast<unsigned>(std::stoul(value));
    if (name == "--steps") o.steps = std::stoi(value);
    if (name == "--dpi") o.dpi = std::stoi(value);
  }
  const auto scenario = argc > 1 ? scenarios.find(argv[1]) : scenarios.end();
  if (scenario == scenarios.end() || o.exe.empty()) {
    std::fprintf(stderr, "usage: kzdriver startup|monkey|smoke|scale|faults --exe PATH --probe PATH --art DIR "
                         "[--seed N] [--steps N] [--dpi N]\n");
    return 2;
  }
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  try {
    scenario->second();
  } catch (const std::exception&) {
    // reported where it was thrown
  }
  std::printf("== %s: %s\n", argv[1], FailureCount() ? "FAILED" : "passed");
  return FailureCount() ? 1 : 0;
}
