// The main window: class, creation, child controls and window procedure.
#include "resources/resource_ids.h"
#include "shell/app.h"
#include "shell/scale.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace kz {
namespace {

constexpr int kWindowWidth = 620;
constexpr int kWindowHeight = 270;
constexpr int kStringSize = 100;  // the title's and the class name's buffers
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

}  // namespace

MainWindow::MainWindow(HINSTANCE instance)
    : instance_(instance), app_(strings_, surface_, *this) {
  strings_.module = instance;
  surface_.module = instance;
}

// Places and sizes the controls, and the window around them, for `dpi`:
// at its top-left corner, or in `placed` when the system suggests a place.
void MainWindow::ApplyScale(int dpi, const RECT* placed) {
  scale_ = ScaleForDpi(dpi);
  HFONT font = CreateControlFont(scale_);
  for (const ChildControl& c : kChildControls) {
    HWND control = GetDlgItem(window_, c.id);
    SetWindowPos(control, nullptr, c.x * scale_, c.y * scale_, c.width * scale_,
                 c.height * scale_, SWP_NOZORDER | SWP_NOACTIVATE);
    // None at 96 DPI: the controls keep the system font they start with.
    if (font || controlFont_)
      SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  if (controlFont_) DeleteObject(controlFont_);
  controlFont_ = font;
  // At 1x the window keeps its outer size; scaled, it is sized to its client area.
  const SIZE outer = scale_ == 1 ? SIZE{kWindowWidth, kWindowHeight}
                                 : OuterSize(window_, kClientWidth * scale_, kClientHeight * scale_, dpi);
  const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (placed ? 0 : SWP_NOMOVE);
  SetWindowPos(window_, nullptr, placed ? placed->left : 0, placed ? placed->top : 0, outer.cx,
               outer.cy, flags);
  InvalidateRect(window_, nullptr, TRUE);
}

void MainWindow::OnCreate() {
  for (const ChildControl& c : kChildControls) {
    const ControlClass& k = kControlClasses[c.kind];
    CreateWindowExA(k.extendedStyle, k.windowClass, c.text, k.style, c.x, c.y, c.width, c.height,
                    window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance_,
                    nullptr);
  }
  ApplyScale(WindowDpi(window_), nullptr);
}

void MainWindow::OnPaint() {
  // What the panel last drew, from its picture: nothing is drawn afresh.
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_, &ps);
  const RECT& r = ps.rcPaint;
  const RECT part = {r.left / scale_, r.top / scale_, (r.right + scale_ - 1) / scale_,
                     (r.bottom + scale_ - 1) / scale_};
  picture_.Show(dc, part, scale_);
  EndPaint(window_, &ps);
}

// A command, and then the flash it may have started: the window spins on
// the tick counter, as it always has, so the flash is over before any
// other message is taken. Each step is shown before the wait.
void MainWindow::OnCommand(int id) {
  app_.Command(id);
  for (int delay; (delay = app_.FlashDelay()) >= 0;) {
    ShowPanelChanges();
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < static_cast<DWORD>(delay)) {
    }
    app_.Tick();
  }
}

// A window pixel's panel pixel; the division rounds down on both sides of 0.
int MainWindow::PanelPixel(int windowPixel) const {
  return windowPixel >= 0 ? windowPixel / scale_ : -((scale_ - 1 - windowPixel) / scale_);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const int x = PanelPixel(static_cast<short>(LOWORD(lParam)));
  const int y = PanelPixel(static_cast<short>(HIWORD(lParam)));
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_DPICHANGED:
      ApplyScale(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return 0;
    case DM_GETDEFID:
      // Enter in the comment box (or on the window) presses Zub.
      return MAKELRESULT(IDC_GENERATE, DC_HASDEFID);
    case WM_COMMAND:
      if (!FindCommand(LOWORD(wParam))) break;
      OnCommand(LOWORD(wParam));
      return 0;
    case WM_MOUSEMOVE:
      // Follows the pointer while a knob is held, button or not.
      app_.PointerMove(y);
      return 0;
    case WM_LBUTTONDOWN:
      app_.PointerPress(x, y);
      return 0;
    case WM_LBUTTONUP:
      app_.PointerRelease();
      return 0;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                        LPARAM lParam) {
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  const LRESULT result = self->HandleMessage(message, wParam, lParam);
  // Whatever the panel drew reaches the window at once.
  self->ShowPanelChanges();
  return result;
}

bool MainWindow::Create(int showState) {
  char title[kStringSize];
  char className[kStringSize];
  LoadStringA(instance_, IDS_TITLE, title, sizeof title);
  LoadStringA(instance_, IDS_CLASS_NAME, className, sizeof className);

  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance_;
  wc.hIcon = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_APP));
  // Loaded at its own size: LoadIconA would stretch it to the large size.
  wc.hIconSm = static_cast<HICON>(LoadImageA(instance_, MAKEINTRESOURCEA(IDI_APP_SMALL),
                                             IMAGE_ICON, kSmallIconSize, kSmallIconSize,
                                             LR_DEFAULTCOLOR));
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = CreateSolidBrush(kBackgroundColour);
  wc.lpszMenuName = MAKEINTRESOURCEA(IDR_MAIN_MENU);
  wc.lpszClassName = className;
  RegisterClassExA(&wc);

  // The window's own painting leaves its controls alone: they paint
  // themselves, and are not repainted with the window.
  if (!CreateWindowExA(0, className, title, WS_OVERLAPPED | WS_SYSMENU | WS_CLIPCHILDREN, 0, 0,
                       kWindowWidth, kWindowHeight, nullptr, nullptr, instance_, this)) {
    return false;
  }
  ShowWindow(window_, showState);
  UpdateWindow(window_);
  SetWindowPos(window_, HWND_TOPMOST, 100, 100, 0, 0, SWP_NOSIZE);

  // If GDI cannot make the picture the panel draws nothing; the controls
  // still work.
  windowDc_ = GetDC(window_);
  if (picture_.Create()) surface_.dc = picture_.Dc();
  app_.Start();
  ShowPanelChanges();
  return true;
}

void MainWindow::ShowPanelChanges() {
  if (!windowDc_) return;
  const RECT changed = surface_.TakeChanged();
  picture_.Show(windowDc_, changed, scale_);
}

}  // namespace kz
