// The main window: class, creation, child controls and window procedure.
#include "compose/random.h"
#include "resources/resource_ids.h"
#include "shell/app.h"
#include "shell/commands.h"
#include "shell/gdi_surface.h"
#include "shell/panel_picture.h"
#include "shell/scale.h"
#include "shell/win32_text.h"
#include "shell/window_access.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace kz {

HINSTANCE appInstance;
HWND mainWindow;

namespace {

constexpr int kWindowWidth = 620;
constexpr int kWindowHeight = 270;

char titleText[100];
char className[100];

// The seams the running program is given, for the whole run.
ResourceStrings strings;
GdiSurface surface;
WindowFrontEnd frontEnd;

// What the panel draws into, and the window's own device context that shows
// it (held for the whole run).
PanelPicture picture;
HDC windowDc;
// Screen pixels per panel pixel, and the controls' font made for it.
int scale = 1;
HFONT controlFont;

// What each kind of child control is in Win32.
enum ControlKind { MarkBox, CommentBox, Button, Checkbox };
struct ControlClass {
  const char* windowClass;
  DWORD style;
  DWORD extendedStyle;
};
// Tab and Shift+Tab visit every control but the length mark, in this order.
const ControlClass kControlClasses[] = {
    {"STATIC", WS_CHILD | WS_VISIBLE, WS_EX_STATICEDGE},
    {"EDIT", WS_CHILD | WS_VISIBLE | WS_TABSTOP, WS_EX_STATICEDGE},
    {"BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0},
    {"BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_FLAT | BS_AUTOCHECKBOX, 0},
};

struct ChildControl {
  int id;
  ControlKind kind;
  const char* text;
  int x, y, width, height;
};

const ChildControl kChildControls[] = {
#define KZ_CONTROL(id, kind, text, x, y, width, height) {id, kind, text, x, y, width, height},
#include "resources/controls.def"
#undef KZ_CONTROL
};

// Places and sizes the controls, and the window around them, for `dpi`:
// at its top-left corner, or in `placed` when the system suggests a place.
void ApplyScale(HWND window, int dpi, const RECT* placed) {
  scale = ScaleForDpi(dpi);
  HFONT font = CreateControlFont(scale);
  for (const ChildControl& c : kChildControls) {
    HWND control = GetDlgItem(window, c.id);
    SetWindowPos(control, nullptr, c.x * scale, c.y * scale, c.width * scale, c.height * scale,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // None at 96 DPI: the controls keep the system font they start with.
    if (font || controlFont)
      SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  if (controlFont) DeleteObject(controlFont);
  controlFont = font;
  const SIZE outer = OuterSize(window, kClientWidth * scale, kClientHeight * scale, dpi);
  const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (placed ? 0 : SWP_NOMOVE);
  SetWindowPos(window, nullptr, placed ? placed->left : 0, placed ? placed->top : 0, outer.cx,
               outer.cy, flags);
  InvalidateRect(window, nullptr, TRUE);
}

void OnCreate(HWND window) {
  for (const ChildControl& c : kChildControls) {
    const ControlClass& k = kControlClasses[c.kind];
    CreateWindowExA(k.extendedStyle, k.windowClass, c.text, k.style, c.x, c.y, c.width, c.height,
                    window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), appInstance,
                    nullptr);
  }
  AttachAccessibility(window, appInstance);
  ApplyScale(window, WindowDpi(window), nullptr);
}

void OnPaint(HWND window) {
  // What the panel last drew, from its picture: nothing is drawn afresh.
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  const RECT& r = ps.rcPaint;
  const RECT part = {r.left / scale, r.top / scale, (r.right + scale - 1) / scale,
                     (r.bottom + scale - 1) / scale};
  ShowPanel(dc, part, scale, picture);
  EndPaint(window, &ps);
}

// A window pixel's panel pixel; the division rounds down on both sides of 0.
int PanelPixel(int windowPixel) {
  return windowPixel >= 0 ? windowPixel / scale : -((scale - 1 - windowPixel) / scale);
}

LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const int x = PanelPixel(static_cast<short>(LOWORD(lParam)));
  const int y = PanelPixel(static_cast<short>(HIWORD(lParam)));
  ReseedFromClock();
  switch (message) {
    case WM_CREATE:
      OnCreate(window);
      return 0;
    case WM_DESTROY:
      DetachAccessibility();
      PostQuitMessage(0);
      return 0;
    case WM_PAINT:
      OnPaint(window);
      return 0;
    case WM_DPICHANGED:
      ApplyScale(window, HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return 0;
    case DM_GETDEFID:
      // Enter in the comment box (or on the window) presses Zub.
      return MAKELRESULT(IDC_GENERATE, DC_HASDEFID);
    case WM_COMMAND:
      if (app.Command(LOWORD(wParam))) return 0;
      return DefWindowProcA(window, message, wParam, lParam);
    case WM_MOUSEMOVE:
      // Follows the pointer while a knob is held, button or not.
      app.PointerMove(x, y);
      return 0;
    case WM_LBUTTONDOWN:
      OnMouseUse(window);
      app.PointerPress(x, y);
      return 0;
    case WM_LBUTTONUP:
      app.PointerRelease();
      return 0;
    case WM_GETOBJECT:
      return OnGetObject(window, wParam, lParam);
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
      OnSettingChange(window);
      return 0;
    case WM_UPDATEUISTATE:
      DefWindowProcA(window, message, wParam, lParam);
      OnUiStateChange(wParam);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

KudomatZub app(strings, surface, frontEnd);

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

  // The window's own painting leaves its controls alone: they paint
  // themselves, and are not repainted with the window.
  HWND window =
      CreateWindowExA(0, className, titleText, WS_OVERLAPPED | WS_SYSMENU | WS_CLIPCHILDREN, 0, 0,
                      kWindowWidth, kWindowHeight, nullptr, nullptr, instance, nullptr);
  mainWindow = window;
  frontEnd.window = window;
  if (!window) return false;
  ShowWindow(window, showState);
  UpdateWindow(window);
  return true;
}

void AttachPanelSurface(HWND window) {
  windowDc = GetDC(window);
  surface.module = appInstance;
  if (picture.Create()) surface.dc = picture.Dc();
}

void ShowPanelChanges() {
  const RECT changed = surface.TakeChanged();
  ShowPanel(windowDc, changed, scale, picture);
  if (mainWindow) AnnounceChanges(mainWindow);
}

LRESULT CALLBACK AppWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = HandleMessage(window, message, wParam, lParam);
  // Whatever the panel drew reaches the window at once.
  ShowPanelChanges();
  return result;
}

}  // namespace kz
