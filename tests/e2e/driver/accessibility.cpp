// The accessibility group, at the session's DPI (--dpi): the panel read from
// this process as a screen reader reads it (MSAA, WinEvents out of context),
// the knobs by keyboard with their focus ring, and high contrast.
#include <oleacc.h>

#include <cstdio>

#include "../probe/probe.h"
#include "compose/compose_settings.h"
#include "driver.h"
#include "panel/high_contrast.h"
#include "panel/slider_record.h"

namespace kze {
namespace {

// The events raised on the program's main window for its client object.
HWND watched;
std::vector<std::pair<DWORD, LONG>> events;  // event, child id
void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
  if (window == watched && object == OBJID_CLIENT) events.emplace_back(event, child);
}
// Whether `event` for `child` arrives within two seconds; what came is forgotten.
bool Raised(DWORD event, LONG child) {
  for (int i = 0; i < 200; ++i, Sleep(10)) {
    for (MSG m; PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&m);
    for (const auto& e : events) {
      if (e == std::make_pair(event, child)) return events.clear(), true;
    }
  }
  return events.clear(), false;
}

VARIANT Id(LONG id) {
  VARIANT v;
  v.vt = VT_I4, v.lVal = id;
  return v;
}
std::string Narrow(BSTR text) {
  char out[256] = "";
  if (text) WideCharToMultiByte(CP_ACP, 0, text, -1, out, sizeof out, nullptr, nullptr), SysFreeString(text);
  return out;
}

// The object as a screen reader reads it: name, role, value (the panel's
// description) and, for a knob, its state.
std::string Read(IAccessible* panel, LONG id) {
  BSTR name = nullptr, value = nullptr;
  VARIANT role = {}, state = {};
  panel->get_accName(Id(id), &name), panel->get_accRole(Id(id), &role), panel->get_accState(Id(id), &state);
  id ? panel->get_accValue(Id(id), &value) : panel->get_accDescription(Id(id), &value);
  char roleText[64] = "";
  GetRoleTextA(static_cast<DWORD>(role.lVal), roleText, sizeof roleText);
  const LONG s = id ? state.lVal : 0;  // the panel's: whether the window has the focus
  return Format("%s %s \"%s\"%s%s%s", Narrow(name).c_str(), roleText, Narrow(value).c_str(),
                s & STATE_SYSTEM_FOCUSABLE ? ", focusable" : "", s & STATE_SYSTEM_FOCUSED ? ", focused" : "",
                s & STATE_SYSTEM_UNAVAILABLE ? ", unavailable" : "");
}

// The knobs' panel rows after each step, and so where each is on screen.
int rows[kz::kSectionCount];
void Locations(IAccessible* panel, HWND window, int k) {
  for (int s = 0; s < kz::kSectionCount; ++s) {
    const int left = kz::kInitialSliders[s].x, top = kz::KnobTop(rows[s]);
    RECT want = {left * k, top * k, (left + kz::kTileSize) * k, (top + kz::kTileSize) * k};
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&want), 2);
    long x = 0, y = 0, w = 0, h = 0;
    VARIANT hit = {};
    panel->accLocation(&x, &y, &w, &h, Id(s + 1));
    panel->accHitTest((want.left + want.right) / 2, (want.top + want.bottom) / 2, &hit);
    Expect(x == want.left && y == want.top && w == want.right - want.left && h == want.bottom - want.top,
           Format("knob %d at (%ld, %ld) %ld x %ld, want (%ld, %ld)", s, x, y, w, h, want.left, want.top));
    Expect(hit.vt == VT_I4 && hit.lVal == s + 1, Format("a hit on knob %d finds %d", s, hit.lVal));
  }
  // Beside the knobs: the panel itself, and the comment box by its own object.
  POINT beside = {300 * k, 100 * k}, box = {300 * k, 150 * k};
  ClientToScreen(window, &beside), ClientToScreen(window, &box);
  VARIANT hit = {}, next = {}, last = {}, first = {};
  panel->accHitTest(beside.x, beside.y, &hit);
  Expect(hit.vt == VT_I4 && hit.lVal == CHILDID_SELF, "a hit beside the knobs does not find the panel");
  panel->accHitTest(box.x, box.y, &hit);
  Expect(hit.vt == VT_DISPATCH, "a hit on the comment box does not find its object");
  if (hit.vt == VT_DISPATCH) hit.pdispVal->Release();
  panel->accNavigate(NAVDIR_NEXT, Id(1), &next), panel->accNavigate(NAVDIR_NEXT, Id(3), &last);
  panel->accNavigate(NAVDIR_FIRSTCHILD, Id(CHILDID_SELF), &first);
  long count = 0;
  panel->get_accChildCount(&count);
  Expect(next.vt == VT_I4 && next.lVal == 2 && last.vt == VT_EMPTY && first.vt == VT_I4 && first.lVal == 1 &&
             count == 3,
         "navigation among the knobs, and their count");
}

// The ring's top-left pixel of knob `section`, as the window shows it.
COLORREF RingCorner(Program& p, int section, int k) {
  const kz::Raster picture = p.Picture();
  return picture.At((kz::kInitialSliders[section].x - kz::kFocusRingMargin) * k,
                    (kz::KnobTop(rows[section]) - kz::kFocusRingMargin) * k);
}

BOOL CALLBACK AddControl(HWND control, LPARAM list) {
  RECT r;
  GetWindowRect(control, &r), MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return reinterpret_cast<std::vector<RECT>*>(list)->push_back(r), TRUE;
}

void HighContrast(Program& p, int k) {
  const kz::SystemColours on = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(26, 235, 255), RGB(63, 242, 63)};
  kzprobe::HighContrast request = {p.window(), 1, 4, {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_HIGHLIGHT, COLOR_GRAYTEXT},
                                   {on.window, on.windowText, on.highlight, on.grayText}};
  kzprobe::HighContrast off = request;
  off.on = 0;
  for (int i = 0; i < 4; ++i) off.colours[i] = GetSysColor(request.elements[i]);
  if (!p.Probe("KzHighContrast", &request, sizeof request)) Fatal("the program reads no SystemParametersInfoA");
  p.Command(IDM_FREEZE_MIDDLE);
  // The screen may show the change, and the freezing, a little later.
  kz::Raster picture = p.Repainted();
  auto centre = [&](int s) { return picture.At((kz::kInitialSliders[s].x + 4) * k, rows[s] * k); };
  for (int i = 0; i < 50 && (picture.At(0, 0) != on.window || centre(1) != on.grayText); ++i) {
    Sleep(20), picture = p.Picture();
  }
  // The controls keep the colours their own classes give them.
  std::vector<RECT> controls;
  EnumChildWindows(p.window(), AddControl, reinterpret_cast<LPARAM>(&controls));
  int strange = 0;
  std::string first;
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const COLORREF c = picture.At(x, y);
      bool plain = c == on.window || c == on.windowText || c == on.highlight || c == on.grayText;
      for (const RECT& r : controls) plain |= PtInRect(&r, POINT{x, y}) != 0;
      if (!plain && !strange++) first = Format("(%d, %d) is %06lx", x, y, c);
    }
  }
  Expect(!strange, Format("high contrast: %d pixels in no system colour, first %s", strange, first.c_str()));
  // The focused End knob in the highlight, the frozen Middle one grey.
  Expect(centre(2) == on.highlight && centre(1) == on.grayText && centre(0) == on.windowText,
         Format("high contrast knobs %06lx %06lx %06lx", centre(0), centre(1), centre(2)));
  p.Probe("KzHighContrast", &off, sizeof off);
}

}  // namespace

void AccessibilityGroup() {
  CoInitialize(nullptr);
  Program p;
  const int k = (options().dpi + 48) / 96;
  HWND w = watched = p.window();
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, OnEvent, pid, 0,
                                       WINEVENT_OUTOFCONTEXT);
  IAccessible* panel = nullptr;
  if (!hook || FAILED(AccessibleObjectFromWindow(w, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                                 reinterpret_cast<void**>(&panel)))) {
    Fatal("no accessible object or event hook for the main window");
  }
  // Menu moves, freezing, a choice and keys on the focused knob: each read after its event (0: none
  // awaited, as the start-up's style and rows may already be these; a key: the key's value).
  const std::string left = "-  100, left out";
  struct Step { int command; WORD key; DWORD event; LONG child; std::string read; };
  const Step steps[] = {
      {IDM_CHATTY, 0, 0, 0, "Control panel client \"American, As Seller, Chatty\""},
      {IDM_ALL_TOP, 0, 0, 1, "Beginning slider \"+ 100\", focusable"},
      {IDM_ALL_BOTTOM, 0, EVENT_OBJECT_VALUECHANGE, 1, "Beginning slider \"" + left + "\", focusable"},
      {IDM_MIDDLE_MIDDLE, 0, EVENT_OBJECT_VALUECHANGE, 2, "Middle slider \"+|-  0\", focusable"},
      {IDM_FREEZE_MIDDLE, 0, EVENT_OBJECT_STATECHANGE, 2, "Middle slider \"+|-  0\", focusable, unavailable"},
      {IDM_ENABLE_ALL, 0, EVENT_OBJECT_STATECHANGE, 2, "Middle slider \"+|-  0\", focusable"},
      {IDM_EUROPEAN, 0, EVENT_OBJECT_DESCRIPTIONCHANGE, 0, "Control panel client \"European, As Seller, Chatty\""},
      {0, VK_UP, EVENT_OBJECT_VALUECHANGE, 3, "End slider \"-  97, left out\", focusable, focused"},
      {0, VK_HOME, EVENT_OBJECT_VALUECHANGE, 3, "End slider \"+ 100\", focusable, focused"},
      {0, VK_END, EVENT_OBJECT_VALUECHANGE, 3, "End slider \"" + left + "\", focusable, focused"},
  };
  rows[0] = rows[2] = kz::kBottomRow, rows[1] = kz::kMiddleRow;
  COLORREF unringed = 0;
  for (const Step& s : steps) {
    if (s.key == VK_UP) {  // Tab to the comment box, Shift+Tab round to the End knob, the last stop
      Locations(panel, w, k);
      unringed = RingCorner(p, 2, k);
      if (!BringToFront(w)) Fatal("the window does not come to the front");
      Keys({VK_TAB}), Keys({VK_SHIFT, VK_TAB});
      Expect(Raised(EVENT_OBJECT_FOCUS, 3), "Shift+Tab: no focus event for the End knob");
      VARIANT focus = {};
      panel->get_accFocus(&focus);
      Expect(focus.vt == VT_I4 && focus.lVal == 3, "Shift+Tab: the End knob does not have the focus");
    }
    s.key ? Keys({s.key}) : p.Command(s.command);
    const std::string step = Format("command %d, key %02x", s.command, s.key);
    Expect(!s.event || Raised(s.event, s.child), Format("%s: no event %04lx for %ld", step.c_str(), s.event, s.child));
    const std::string seen = Read(panel, s.child);
    Expect(seen == s.read, Format("%s: %s, want %s", step.c_str(), seen.c_str(), s.read.c_str()));
  }
  // A frozen knob keeps its place; the ring shows after keys, not after a click.
  auto ring = [&](bool shown, const char* what) {
    const COLORREF want = shown ? RGB(0, 0, 0) : unringed;
    for (int i = 0; i < 50 && RingCorner(p, 2, k) != want; ++i) Sleep(10);
    Expect(RingCorner(p, 2, k) == want, what);
  };
  p.Command(IDM_FREEZE_END);
  Keys({VK_UP}), Sleep(300);
  Expect(Read(panel, 3) == "End slider \"" + left + "\", focusable, focused, unavailable", "a frozen knob moved");
  p.Command(IDM_ENABLE_ALL);
  ring(true, "no focus ring after keyboard use");
  MouseTo(w, 300 * k, 185 * k), MouseButton(true), MouseButton(false);
  ring(false, "the focus ring stays after a click");
  Keys({VK_UP});
  rows[2] = 117;
  Raised(EVENT_OBJECT_VALUECHANGE, 3);
  ring(true, "no focus ring after a key that follows a click");
  HighContrast(p, k);
  panel->Release();
  UnhookWinEvent(hook);
}

}  // namespace kze
