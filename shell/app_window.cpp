// The main window: class, creation, child controls and window procedure.
#include "compose/random.h"
#include "resources/resource_ids.h"
#include "shell/app.h"
#include "shell/commands.h"
#include "shell/gdi_surface.h"
#include "shell/win32_text.h"

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

// What each kind of child control is in Win32.
enum ControlKind { MarkBox, CommentBox, Button, Checkbox };
struct ControlClass {
  const char* windowClass;
  DWORD style;
  DWORD extendedStyle;
};
const ControlClass kControlClasses[] = {
    {"STATIC", WS_CHILD | WS_VISIBLE, WS_EX_STATICEDGE},
    {"EDIT", WS_CHILD | WS_VISIBLE, WS_EX_STATICEDGE},
    {"BUTTON", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 0},
    {"BUTTON", WS_CHILD | WS_VISIBLE | BS_FLAT | BS_AUTOCHECKBOX, 0},
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

void OnCreate(HWND window) {
  for (const ChildControl& c : kChildControls) {
    const ControlClass& k = kControlClasses[c.kind];
    CreateWindowExA(k.extendedStyle, k.windowClass, c.text, k.style, c.x, c.y, c.width, c.height,
                    window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), appInstance,
                    nullptr);
  }
}

void OnPaint(HWND window) {
  // The panel draws through its own device context, not the paint one, so
  // it is not clipped to the region being repainted.
  PAINTSTRUCT ps;
  BeginPaint(window, &ps);
  app.Repaint();
  EndPaint(window, &ps);
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

  HWND window = CreateWindowExA(0, className, titleText, WS_OVERLAPPED | WS_SYSMENU, 0, 0,
                                kWindowWidth, kWindowHeight, nullptr, nullptr, instance, nullptr);
  mainWindow = window;
  frontEnd.window = window;
  if (!window) return false;
  ShowWindow(window, showState);
  UpdateWindow(window);
  return true;
}

void AttachPanelSurface(HWND window) {
  surface.dc = GetDC(window);  // held for the whole run
  surface.module = appInstance;
}

LRESULT CALLBACK AppWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const int x = static_cast<short>(LOWORD(lParam));
  const int y = static_cast<short>(HIWORD(lParam));
  ReseedFromClock();
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
      if (app.Command(LOWORD(wParam))) return 0;
      return DefWindowProcA(window, message, wParam, lParam);
    case WM_MOUSEMOVE:
      // Follows the pointer while a knob is held, button or not.
      app.PointerMove(x, y);
      return 0;
    case WM_LBUTTONDOWN:
      app.PointerPress(x, y);
      return 0;
    case WM_LBUTTONUP:
      app.PointerRelease();
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace kz
