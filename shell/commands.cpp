// The window as the mid end's front end: the comment and mark boxes, the
// section checkboxes, the menu, the clipboard, the dialogs and closing.
#include "midend/command_table.h"
#include "resources/resource_ids.h"
#include "shell/app.h"
#include "shell/clipboard.h"
#include "shell/dialogs.h"

namespace kz {

void MainWindow::ShowComment(const char* comment, const char* mark) {
  SetWindowTextA(GetDlgItem(window_, IDC_COMMENT), comment);
  SetWindowTextA(GetDlgItem(window_, IDC_LENGTH_MARK), mark);
}

void MainWindow::CheckSectionBox(int section, bool checked) {
  CheckDlgButton(window_, kSectionCheckboxes[section], checked ? BST_CHECKED : BST_UNCHECKED);
}

// The choice in force is shown by its item being greyed, as it always was.
void MainWindow::ShowMenuItem(int commandId, bool greyed, int) {
  EnableMenuItem(GetMenu(window_), static_cast<UINT>(commandId),
                 MF_BYCOMMAND | (greyed ? MF_GRAYED : MF_ENABLED));
}

void MainWindow::CopyComment() {
  char comment[kCommentBoxSize] = {};
  GetWindowTextA(GetDlgItem(window_, IDC_COMMENT), comment, kCommentBoxSize);
  // Another program held the clipboard: the comment box keeps the comment
  // for Copy, and the warning sound says it did not reach the clipboard.
  if (!CopyToClipboard(window_, comment)) MessageBeep(MB_ICONWARNING);
}

void MainWindow::Exit() { DestroyWindow(window_); }

void MainWindow::ShowDialog(int dialogId) { ShowInfoDialog(instance_, window_, dialogId); }

void MainWindow::Announce(Change, int) {}

}  // namespace kz
