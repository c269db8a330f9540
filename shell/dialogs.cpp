#include "shell/dialogs.h"

namespace kz {

INT_PTR CALLBACK InfoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;  // the focus goes to OK, the first tab stop
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

void ShowInfoDialog(HINSTANCE instance, HWND owner, int dialogId) {
  DialogBoxParamA(instance, MAKEINTRESOURCEA(dialogId), owner, InfoDialogProc, 0);
}

}  // namespace kz
