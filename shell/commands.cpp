// The window's side of its commands: the mid end carries them out on the
// panel and the composer; this host reads the checkboxes, greys the menu,
// fills the clipboard, shows the dialogs and closes the window.
#include "shell/commands.h"

#include "midend/commands.h"
#include "resources/resource_ids.h"
#include "shell/app.h"
#include "shell/clipboard.h"
#include "shell/dialogs.h"

namespace kz {
namespace {

// Room for what the comment box can hand back: 255 characters and the end.
constexpr int kCommentBufferSize = 256;

class WindowHost final : public CommandHost {
 public:
  WindowHost(HWND window, HMENU menu) : window_(window), menu_(menu) {}

  bool SectionChecked(int section) override {
    return IsDlgButtonChecked(window_, kSectionCheckboxes[section]) == BST_CHECKED;
  }
  void GreyMenuItem(int id, bool greyed) override {
    EnableMenuItem(menu_, static_cast<UINT>(id), MF_BYCOMMAND | (greyed ? MF_GRAYED : MF_ENABLED));
  }
  void CopyCommentBox() override {
    char comment[kCommentBufferSize] = {};
    GetWindowTextA(GetDlgItem(window_, IDC_COMMENT), comment, kCommentBufferSize);
    CopyToClipboard(window_, comment);
  }
  void Exit() override { DestroyWindow(window_); }
  void ShowDialog(int dialogId) override { ShowInfoDialog(appInstance, window_, dialogId); }

 private:
  HWND window_;
  HMENU menu_;
};

}  // namespace

LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam, HMENU menu) {
  WindowHost host(window, menu);
  if (!RunCommand(LOWORD(wParam), panel, composer, host)) {
    return DefWindowProcA(window, WM_COMMAND, wParam, lParam);
  }
  return 0;
}

}  // namespace kz
