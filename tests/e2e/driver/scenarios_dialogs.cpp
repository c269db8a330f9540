// Help and About: modal dialogs owned by the program's thread that open
// from the Help menu and close with OK, Enter, Esc and the close box,
// leaving the program as it was.
#include <cstring>

#include "actions.h"

namespace kze {

namespace {

struct DialogKind {
  int command;
  const char* title;
  const char* text;  // a static text the dialog must show
};
const DialogKind kDialogs[] = {
    {32771, "Help",
     "Please view the Kudomat_help.htm and ReadMe.txt that came with the original file abstract."},
    {32772, "About", "Kudomat Zub 2003"},
};

enum class Close { kOkButton, kOkRealClick, kEnter, kEscape, kCloseCommand, kCloseBoxClick };
struct CloseWay {
  Close way;
  const char* name;
};
const CloseWay kCloseWays[] = {
    {Close::kOkButton, "OK (BM_CLICK)"},        {Close::kOkRealClick, "a real click on OK"},
    {Close::kEnter, "the Enter key"},           {Close::kEscape, "the Esc key"},
    {Close::kCloseCommand, "SC_CLOSE"},         {Close::kCloseBoxClick, "a real click on the close box"},
};

struct ChildTexts {
  Program* program;
  std::vector<std::string> texts;
  HWND ok;
};

BOOL CALLBACK CollectChild(HWND child, LPARAM lParam) {
  auto* data = reinterpret_cast<ChildTexts*>(lParam);
  data->texts.push_back(data->program->WindowText(child));
  if (GetDlgCtrlID(child) == IDOK) data->ok = child;
  return TRUE;
}

bool FindCloseBoxOf(Program& program, HWND window, POINT* where) {
  RECT r;
  GetWindowRect(window, &r);
  for (int y = r.top + 2; y < r.top + 40; y += 2) {
    for (int x = r.right - 2; x > r.right - 60; x -= 2) {
      if (program.Send(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
        *where = {x - 2, y + 2};
        return true;
      }
    }
  }
  return false;
}

void CloseDialog(Program& program, HWND dialog, HWND ok, Close way) {
  switch (way) {
    case Close::kOkButton:
      program.Post(ok, BM_CLICK);
      break;
    case Close::kOkRealClick: {
      RECT r;
      GetWindowRect(ok, &r);
      ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
      break;
    }
    case Close::kEnter:
    case Close::kEscape:
      BringToFront(dialog);
      PressKeys({static_cast<WORD>(way == Close::kEnter ? VK_RETURN : VK_ESCAPE)});
      break;
    case Close::kCloseCommand:
      program.Post(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case Close::kCloseBoxClick: {
      POINT box;
      if (!FindCloseBoxOf(program, dialog, &box)) Fatal("the dialog has no close box");
      ClickAt(box);
      break;
    }
  }
}

bool WaitGone(HWND window, int ms) {
  double end = NowMs() + ms;
  while (IsWindow(window) && IsWindowVisible(window) && NowMs() < end) SleepMs(5);
  return !IsWindow(window) || !IsWindowVisible(window);
}

}  // namespace

KZE_SCENARIO(dialogs) {
  for (const DialogKind& d : kDialogs) {
    RunRow(Format("%s opens modal, shows its text, closes with ", d.title) +
               "OK, Enter, Esc and the close box (table)",
           [&d] {
             Program program;
             for (const CloseWay& c : kCloseWays) {
               std::string when = std::string(d.title) + ", closed by " + c.name;
               program.Post(program.window(), WM_COMMAND, static_cast<WPARAM>(d.command), 0);
               HWND dialog = program.WaitDialog(d.title, 3000);
               if (!dialog) Fatal(when + ": no dialog titled " + Quoted(d.title) + " appeared");
               Expect(!IsWindowEnabled(program.window()),
                      when + ": the main window stays enabled while the dialog is open");
               ChildTexts children{&program, {}, nullptr};
               EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&children));
               bool hasText = false;
               for (const std::string& t : children.texts) hasText = hasText || t == d.text;
               Expect(hasText, when + ": the dialog does not show " + Quoted(d.text));
               if (!children.ok) Fatal(when + ": the dialog has no OK button");
               Expect(program.WindowText(children.ok) == "OK",
                      when + ": the OK button reads " + Quoted(program.WindowText(children.ok)));
               CloseDialog(program, dialog, children.ok, c.way);
               if (!WaitGone(dialog, 3000)) {
                 program.Post(dialog, WM_COMMAND, IDOK, 0);
                 WaitGone(dialog, 1000);
                 Fatal(when + ": the dialog is still open after 3 s");
               }
               program.Sync();
               Expect(IsWindowEnabled(program.window()) != FALSE,
                      when + ": the main window is disabled after the dialog closed");
               Expect(program.Running(), when + ": the program has ended");
               Expect(program.OtherWindows().empty(), when + ": another window is still open");
             }
             ExpectMenu(program, StartGreyed(), "after the dialogs");
             ExpectChecks(program, true, true, true, "after the dialogs");
           });
  }

  RunRow("Help from the keyboard (Alt+H, Enter) and closed with Esc", [] {
    Program program;
    if (!BringToFront(program.window())) Note("the window did not come to the front");
    PressKeys({VK_MENU, 'H'});
    SleepMs(150);
    PressKeys({VK_RETURN});
    HWND dialog = program.WaitDialog("Help", 3000);
    if (!dialog) {
      PressKeys({VK_ESCAPE});
      PressKeys({VK_ESCAPE});
      Fatal("Alt+H, Enter opened no Help dialog");
    }
    BringToFront(dialog);
    PressKeys({VK_ESCAPE});
    Expect(WaitGone(dialog, 3000), "Esc did not close the Help dialog");
    program.Sync();
  });
}

}  // namespace kze
