// The knobs' keyboard stops; see knob_windows.h.
#include "shell/knob_windows.h"

#include "compose/compose_settings.h"
#include "midend/command_table.h"

namespace kz {
namespace {

constexpr char kKnobClass[] = "KudomatZubKnob";
constexpr int kWholeTrack = kBottomRow - kTopRow;

KnobKeyTarget* knobTarget;

LRESULT CALLBACK KnobProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const int section = KnobOfWindow(window);
  switch (message) {
    case WM_GETDLGCODE:
      // The arrows are the knob's; Tab and Enter stay the dialog's.
      return DLGC_WANTARROWS;
    case WM_KEYDOWN:
      if (const int rows = KnobKeyRows(wParam)) {
        knobTarget->StepKnob(section, rows);
        return 0;
      }
      break;
    case WM_SETFOCUS:
      knobTarget->FocusKnob(section);
      return 0;
    case WM_KILLFOCUS:
      // The knob that takes it next says so after this.
      knobTarget->FocusKnob(-1);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int KnobKeyRows(WPARAM key) {
  switch (key) {
    case VK_UP:
    case VK_RIGHT:
      return 1;
    case VK_DOWN:
    case VK_LEFT:
      return -1;
    case VK_PRIOR:
      return 10;
    case VK_NEXT:
      return -10;
    case VK_HOME:
      return kWholeTrack;
    case VK_END:
      return -kWholeTrack;
    default:
      return 0;
  }
}

void CreateKnobWindows(HWND parent, HINSTANCE instance, KnobKeyTarget& target) {
  knobTarget = &target;
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = KnobProc;
  wc.hInstance = instance;
  wc.lpszClassName = kKnobClass;
  RegisterClassExA(&wc);
  for (int s = 0; s < kSectionCount; ++s) {
    HWND knob = CreateWindowExA(0, kKnobClass, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstKnobWindowId + s)), instance,
                                nullptr);
    // Next after its checkbox in the tab order, which is the order of the
    // children.
    SetWindowPos(knob, GetDlgItem(parent, kSectionCheckboxes[s]), 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

HWND KnobWindow(HWND parent, int section) { return GetDlgItem(parent, kFirstKnobWindowId + section); }

int KnobOfWindow(HWND window) {
  const int section = GetDlgCtrlID(window) - kFirstKnobWindowId;
  return 0 <= section && section < kSectionCount ? section : -1;
}

}  // namespace kz
