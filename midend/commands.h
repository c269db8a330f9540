// What a command does to the panel and the composer, the same for every
// front end. The front end routes its buttons, checkboxes, menu items and
// shortcuts here by command id and supplies, through CommandHost, what is
// its own: the checkboxes it reads, the menu it greys, the clipboard, the
// dialogs and closing. No <windows.h> here.
#pragma once

#include "compose/composer.h"
#include "panel/panel.h"

namespace kz {

class CommandHost {
 public:
  // Whether section checkbox `section` is checked as it stands now.
  virtual bool SectionChecked(int section) = 0;
  // Greys or enables the menu item of command `id`.
  virtual void GreyMenuItem(int id, bool greyed) = 0;
  // Puts the comment box's text, as it stands now, on the clipboard.
  virtual void CopyCommentBox() = 0;
  virtual void Exit() = 0;
  virtual void ShowDialog(int dialogId) = 0;

 protected:
  ~CommandHost() = default;
};

// Carries out command `id` (a button, checkbox, menu item or shortcut; a
// checkbox has toggled itself already) and then its menu rules. False for
// an id that is not a command of the window: the front end passes it on.
bool RunCommand(int id, Panel& panel, Composer& composer, CommandHost& host);

// Runs the menu rule of `commandId` with `flag`, then the checkbox rules,
// reading the section checkboxes from `host`.
void UpdateMenuState(int commandId, bool flag, CommandHost& host);

// What start-up does once the window and its seams are in place: the word
// lists, a random style, American, As Seller, all sections enabled, knobs
// on random rows, and the first painting.
void StartPanel(Panel& panel, Composer& composer);

}  // namespace kz
