// The window's side of the mid end: the comment and mark boxes, the section
// checkboxes, the menu, the clipboard, the dialogs and closing.
#include "shell/commands.h"

#include "midend/command_table.h"
#include "resources/resource_ids.h"
#include "shell/app.h"
#include "shell/clipboard.h"
#include "shell/dialogs.h"

namespace kz {
namespace {

// Room for what the comment box can hand back: 255 characters and the end.
constexpr int kCommentBufferSize = 256;

}  // namespace

void WindowFrontEnd::ShowComment(const char* comment, const char* mark) {
  SetWindowTextA(GetDlgItem(window, IDC_COMMENT), comment);
  SetWindowTextA(GetDlgItem(window, IDC_LENGTH_MARK), mark);
}

void WindowFrontEnd::SetSectionChecked(int section, bool checked) {
  CheckDlgButton(window, kSectionCheckboxes[section], checked ? BST_CHECKED : BST_UNCHECKED);
}

// The window spins on the tick counter, as it always has: the flash is
// over before any other message is taken. Each step is shown first.
void WindowFrontEnd::Pause(int milliseconds) {
  ShowPanelChanges();
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < static_cast<DWORD>(milliseconds)) {
  }
}

bool WindowFrontEnd::SectionChecked(int section) {
  return IsDlgButtonChecked(window, kSectionCheckboxes[section]) == BST_CHECKED;
}

void WindowFrontEnd::GreyMenuItem(int commandId, bool greyed) {
  EnableMenuItem(GetMenu(window), static_cast<UINT>(commandId),
                 MF_BYCOMMAND | (greyed ? MF_GRAYED : MF_ENABLED));
}

void WindowFrontEnd::CopyComment() {
  char comment[kCommentBufferSize] = {};
  GetWindowTextA(GetDlgItem(window, IDC_COMMENT), comment, kCommentBufferSize);
  CopyToClipboard(window, comment);
}

void WindowFrontEnd::Exit() { DestroyWindow(window); }

void WindowFrontEnd::ShowDialog(int dialogId) { ShowInfoDialog(appInstance, window, dialogId); }

}  // namespace kz
