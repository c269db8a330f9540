// The main window: class, creation, child controls and window procedure.
#include "compose/random.h"
#include "resources/resource_ids.h"
#include "shell/app.h"
#include "shell/commands.h"
#include "shell/gdi_surface.h"
#include "shell/win32_text.h"

namespace kz {

Composer composer;
Panel panel;
HINSTANCE appInstance;
HWND mainWindow;

namespace {

constexpr int kWindowWidth = 620;
constexpr int kWindowHeight = 270;

char titleText[100];
char className[100];

// The seams the composer and the panel are given, for the whole run.
ResourceStrings strings;
ControlTexts texts;
DialogCheckboxes checkboxes;
GdiSurface surface;
SystemTicks ticks;

struct ChildControl {
  int id;
  const char* windowClass;
  const char* text;
  DWORD style;
  DWORD extendedStyle;
  int x, y, width, height;
};

const ChildControl kChildControls[] = {
    {IDC_LENGTH_MARK, "STATIC", "00", WS_CHILD | WS_VISIBLE, WS_EX_STATICEDGE, 2, 160, 26, 18},
    {IDC_COMMENT, "EDIT", "Sample Feedback will be deposited here40", WS_CHILD | WS_VISIBLE,
     WS_EX_STATICEDGE, 2, 141, 610, 20},
    {IDC_GENERATE, "BUTTON", "Zub", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 0, 562, 170, 50, 25},
    {IDC_COPY, "BUTTON", "Copy", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 0, 508, 170, 50, 25},
    {IDC_BEGINNING_BOX, "BUTTON", "b", WS_CHILD | WS_VISIBLE | BS_FLAT | BS_AUTOCHECKBOX, 0, 102,
     24, 13, 13},
    {IDC_MIDDLE_BOX, "BUTTON", "m", WS_CHILD | WS_VISIBLE | BS_FLAT | BS_AUTOCHECKBOX, 0, 202,
     24, 13, 13},
    {IDC_END_BOX, "BUTTON", "e", WS_CHILD | WS_VISIBLE | BS_FLAT | BS_AUTOCHECKBOX, 0, 402, 24,
     13, 13},
};

void OnCreate(HWND window) {
  for (const ChildControl& c : kChildControls) {
    CreateWindowExA(c.extendedStyle, c.windowClass, c.text, c.style, c.x, c.y, c.width, c.height,
                    window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), appInstance,
                    nullptr);
  }
}

void OnPaint(HWND window) {
  // The panel draws through its own device context, not the paint one, so
  // it is not clipped to the region being repainted.
  PAINTSTRUCT ps;
  BeginPaint(window, &ps);
  panel.PaintPanel(kWholePanel);
  EndPaint(window, &ps);
}

}  // namespace

void LoadWindowStrings(HINSTANCE instance) {
  LoadStringA(instance, IDS_TITLE, titleText, sizeof titleText);
  LoadStringA(instance, IDS_CLASS_NAME, className, sizeof className);
}

void RegisterAppClass(HINSTANCE instance) {
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = AppWndProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP));
  // Loaded at its own size: LoadIconA would stretch it to the large size.
  wc.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_APP_SMALL), IMAGE_ICON,
                                             kSmallIconSize, kSmallIconSize, LR_DEFAULTCOLOR));
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = CreateSolidBrush(kBackgroundColour);
  wc.lpszMenuName = MAKEINTRESOURCEA(IDR_MAIN_MENU);
  wc.lpszClassName = className;
  RegisterClassExA(&wc);
}

bool CreateAppWindow(HINSTANCE instance, int showState) {
  appInstance = instance;
  strings.module = instance;
  composer.instance = &strings;

  HWND window = CreateWindowExA(0, className, titleText, WS_OVERLAPPED | WS_SYSMENU, 0, 0,
                                kWindowWidth, kWindowHeight, nullptr, nullptr, instance, nullptr);
  mainWindow = window;
  texts.window = window;
  checkboxes.window = window;
  composer.window = &texts;
  panel.window = &checkboxes;
  if (!window) return false;
  ShowWindow(window, showState);
  UpdateWindow(window);
  return true;
}

void AttachPanelSurface(HWND window) {
  surface.dc = GetDC(window);  // held for the whole run
  surface.module = appInstance;
  panel.dc = &surface;
  panel.ticks = &ticks;
}

LRESULT CALLBACK AppWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const int x = static_cast<short>(LOWORD(lParam));
  const int y = static_cast<short>(HIWORD(lParam));
  ReseedFromClock();
  HMENU menu = GetMenu(window);
  switch (message) {
    case WM_CREATE:
      OnCreate(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_PAINT:
      OnPaint(window);
      return 0;
    case WM_COMMAND:
      return OnCommand(window, wParam, lParam, menu);
    case WM_MOUSEMOVE:
      // Follows the pointer while a knob is held, button or not.
      panel.MoveKnob(-1, y);
      return 0;
    case WM_LBUTTONDOWN:
      panel.HitTest(x, y);
      return 0;
    case WM_LBUTTONUP:
      panel.dragIndex = -1;
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace kz
