// Shared steps of the scenarios.
#include "actions.h"

#include <algorithm>

namespace kze {

const std::vector<UINT>& StartGreyed() {
  static const std::vector<UINT> greyed = {32782, 32804, 32806, 32807, 32808, 32809};
  return greyed;
}

std::vector<UINT> Changed(std::vector<UINT> base, const std::vector<UINT>& grey,
                          const std::vector<UINT>& enable) {
  for (UINT id : grey) {
    if (std::find(base.begin(), base.end(), id) == base.end()) base.push_back(id);
  }
  for (UINT id : enable) base.erase(std::remove(base.begin(), base.end(), id), base.end());
  std::sort(base.begin(), base.end());
  return base;
}

bool ExpectMenu(Program& program, std::vector<UINT> greyed, const std::string& when) {
  std::sort(greyed.begin(), greyed.end());
  greyed.erase(std::unique(greyed.begin(), greyed.end()), greyed.end());
  std::vector<UINT> got = Greyed(program.Menu());
  if (got == greyed) return true;
  std::vector<UINT> extra, missing;
  std::set_difference(got.begin(), got.end(), greyed.begin(), greyed.end(),
                      std::back_inserter(extra));
  std::set_difference(greyed.begin(), greyed.end(), got.begin(), got.end(),
                      std::back_inserter(missing));
  return Expect(false, (when.empty() ? "" : when + ": ") + "greyed items " + ShowIds(got) +
                           ", want " + ShowIds(greyed) + " (wrongly greyed " + ShowIds(extra) +
                           ", wrongly enabled " + ShowIds(missing) + ")");
}

bool ExpectChecks(Program& program, bool beginning, bool middle, bool end,
                  const std::string& when) {
  bool got[3] = {program.Checked(400), program.Checked(401), program.Checked(402)};
  bool want[3] = {beginning, middle, end};
  bool same = got[0] == want[0] && got[1] == want[1] && got[2] == want[2];
  return Expect(same, (when.empty() ? "" : when + ": ") +
                          Format("checkboxes b/m/e %d%d%d, want %d%d%d", got[0], got[1], got[2],
                                 want[0], want[1], want[2]));
}

void SettlePixels(Program& program) {
  // The program's drawing reaches the screen when its thread next waits for
  // messages; a message answered means it is about to.
  program.Sync();
  SleepMs(20);
}

Knobs SeeKnobs(Program& program) {
  SettlePixels(program);
  // Two equal sightings in a row: what the screen shows has settled.
  Knobs last = FindKnobs(CaptureClient(program.window()));
  for (int attempt = 0; attempt < 20; ++attempt) {
    SleepMs(15);
    Knobs now = FindKnobs(CaptureClient(program.window()));
    if (now.Sound() && now.Show() == last.Show()) return now;
    last = now;
  }
  Fatal("the three knobs cannot be seen steadily: " + last.Show());
}

Knobs ExpectKnobRows(Program& program, const int rows[3], const std::string& when) {
  auto matches = [rows](const Knobs& k) {
    if (!k.Sound()) return false;
    for (int i = 0; i < 3; ++i) {
      if (rows[i] >= 0 && k.section[i].y + 4 != rows[i]) return false;
    }
    return true;
  };
  SettlePixels(program);
  Knobs knobs = WaitKnobs(program.window(), matches, 400);
  Expect(matches(knobs), (when.empty() ? "" : when + ": ") + "knobs " + knobs.Show() +
                             Format(", want centre rows %d, %d, %d (-1 any)", rows[0], rows[1],
                                    rows[2]));
  return knobs;
}

Settings ReadSettings(Program& program) {
  Knobs knobs = SeeKnobs(program);
  Settings s;
  s.style = knobs.section[0].style;
  for (int i = 0; i < 3; ++i) {
    s.rows[i] = knobs.section[i].y + 4;
    if (knobs.section[i].style != s.style) {
      Fatal("the knobs show different styles: " + knobs.Show());
    }
  }
  if (s.style > 5) Fatal("a knob is white (flash) while idle: " + knobs.Show());
  MenuStates menu = program.Menu({32782, 32783, 32803, 32804});
  if (menu[32782] == menu[32783]) Fatal("American and European are both greyed or both enabled");
  if (menu[32803] == menu[32804]) Fatal("As Buyer and As Seller are both greyed or both enabled");
  s.spelling = menu[32782] ? 1 : 0;
  s.role = menu[32804] ? 1 : 0;
  return s;
}

void ChooseThroughMenus(Program& program, const Settings& s) {
  static const int kStyleCommands[] = {32775, 32777, 32778, 32784, 32785, 32786};
  static const int kFirstEdit[] = {32789, 32792, 32795};
  program.Command(kStyleCommands[s.style]);
  program.Command(s.spelling ? 32782 : 32783);
  program.Command(s.role ? 32804 : 32803);
  HWND w = program.window();
  SetCursorPos(0, 0);  // a pointer left over the window would move a held knob
  program.Sync();
  for (int i = 0; i < 3; ++i) {
    int row = s.rows[i];
    if (row == 47 || row == 82 || row == 118) {
      program.Command(kFirstEdit[i] + (row == 47 ? 0 : row == 82 ? 1 : 2));
    } else {
      program.Command(kFirstEdit[i]);  // to the top, then dragged
      int x = kKnobX[i] + 2;
      program.Send(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 45));
      program.Send(w, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, row));
      program.Send(w, WM_LBUTTONUP, 0, MAKELPARAM(x, row));
    }
  }
}

Generated Generate(Program& program, Press press, bool readClipboard) {
  Generated g;
  g.first = ClockSeconds();
  double start = NowMs();
  switch (press) {
    case Press::kCommand:
      program.Command(102);
      break;
    case Press::kButtonClick:
      program.Click(102);
      break;
    case Press::kRealClick: {
      // A marker in the box tells when the click has been handled.
      const std::string marker = "(pressing Zub)";
      program.SetBoxText(marker);
      BringToFront(program.window());
      ClickAt(ClientToScreenPoint(program.window(), 587, 182));
      double end = NowMs() + 5000;
      while (program.Text(101) == marker && NowMs() < end) SleepMs(10);
      break;
    }
  }
  program.Sync();
  g.ms = NowMs() - start;
  g.last = ClockSeconds();
  g.comment = program.Text(101);
  g.mark = program.Text(100);
  if (readClipboard) g.clipboard = ReadClipboardText();
  return g;
}

std::string LengthMark(const std::string& comment) {
  return comment.size() > 80 ? ">80" : comment.size() == 80 ? "=80" : "<80";
}

unsigned ExpectComposed(const Generated& g, const Settings& s, const std::string& when) {
  std::string prefix = when.empty() ? "" : when + ": ";
  Expect(g.clipboard.has_value() && *g.clipboard == g.comment,
         prefix + "clipboard " + (g.clipboard ? Quoted(*g.clipboard) : "(no text)") +
             " differs from the comment box " + Quoted(g.comment));
  Expect(g.mark == LengthMark(g.comment),
         prefix + Format("length mark %s for a comment of %u characters", Quoted(g.mark).c_str(),
                         static_cast<unsigned>(g.comment.size())));
  std::vector<std::string> lines = ExpectedLines(s, g.first, g.last);
  std::string got = g.mark + " " + g.comment;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == got) return g.first + static_cast<unsigned>(i);
  }
  std::string want;
  for (const std::string& l : lines) want += "\n        " + Quoted(l);
  Expect(false, prefix + "comment " + Quoted(got) + " is not kzub's for " + ShowSettings(s) +
                    Format(" at seconds %u..%u:", g.first, g.last) + want);
  return 0;
}

}  // namespace kze
