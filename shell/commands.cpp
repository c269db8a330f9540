// Carries out the entries of the command table on the panel, the composer,
// the clipboard, the dialogs and the menu.
#include "shell/commands.h"

#include "compose/random.h"
#include "resources/resource_ids.h"
#include "shell/app.h"
#include "shell/clipboard.h"
#include "shell/command_table.h"
#include "shell/dialogs.h"
#include "shell/menu_state.h"

namespace kz {
namespace {

// Room for what the comment box can hand back: 255 characters and the end.
constexpr int kCommentBufferSize = 256;

void CopyCommentBox(HWND window) {
  char comment[kCommentBufferSize] = {};
  GetWindowTextA(GetDlgItem(window, IDC_COMMENT), comment, kCommentBufferSize);
  CopyToClipboard(window, comment);
}

void Generate(HWND window, const SliderRecord* snapshot) {
  panel.FlashKnobs();
  composer.Compose(panel.spelling, panel.role, snapshot);
  CopyCommentBox(window);
}

void RunRules(const CommandEntry& entry, HMENU menu, HWND window) {
  for (const RuleCall& call : entry.rules) {
    if (call.id != 0) UpdateMenuState(menu, call.id, call.on, window);
  }
}

}  // namespace

LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam, HMENU menu) {
  // The command works on the sliders as they were when it arrived.
  SliderRecord snapshot[kSectionCount];
  for (int s = 0; s < kSectionCount; ++s) snapshot[s] = panel.sliders[s];

  const int id = LOWORD(wParam);
  const CommandEntry* found = FindCommand(id);
  if (!found) return DefWindowProcA(window, WM_COMMAND, wParam, lParam);
  CommandEntry entry = *found;

  switch (entry.action) {
    case CommandAction::Generate:
      Generate(window, snapshot);
      break;
    case CommandAction::Copy:
      CopyCommentBox(window);
      break;
    case CommandAction::Exit:
      DestroyWindow(window);
      break;
    case CommandAction::Dialog:
      ShowInfoDialog(appInstance, window, entry.argument);
      break;
    case CommandAction::Style:
      panel.SetStyle(entry.argument);
      break;
    case CommandAction::Spelling:
      panel.SetSpelling(entry.argument);
      break;
    case CommandAction::Role:
      panel.SetRole(entry.argument);
      break;
    case CommandAction::MoveKnob:
      panel.MoveKnob(entry.argument, entry.row);
      break;
    case CommandAction::MoveEnabled:
      for (int s = 0; s < kSectionCount; ++s) {
        if (snapshot[s].enabled) panel.MoveKnob(s, entry.row);
      }
      break;
    case CommandAction::MoveRandom:
      // Every section uses up its draw, frozen or not.
      for (int s = 0; s < kSectionCount; ++s) {
        const int r = DrawRandom();
        if (snapshot[s].enabled) panel.MoveKnob(s, kTopRow + r % kRandomRowSpan);
      }
      break;
    case CommandAction::SectionBox: {
      // The automatic checkbox has already toggled itself.
      const bool checked = IsDlgButtonChecked(window, id) == BST_CHECKED;
      entry = SectionBoxCommand(entry.argument, checked);
      panel.SetSectionState(entry.argument);
      break;
    }
    case CommandAction::SectionState:
      panel.SetSectionState(entry.argument);
      break;
  }
  RunRules(entry, menu, window);
  return 0;
}

}  // namespace kz
