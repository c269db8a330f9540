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

// The object as a screen reader reads it: name, role, value and state, or
// for the panel its description; each knob after it.
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
std::string Tree(IAccessible* panel) {
  long count = 0;
  panel->get_accChildCount(&count);
  std::string tree = Read(panel, CHILDID_SELF) + Format(", %ld children:", count);
  for (LONG id = 1; id <= count; ++id) tree += "\n      " + Read(panel, id);
  return tree;
}

// The knobs' panel rows after each step, and so where each is on screen.
int rows[kz::kSectionCount];
RECT KnobOnScreen(HWND window, int section, int k) {
  const int x = kz::kInitialSliders[section].x, y = kz::KnobTop(rows[section]);
  RECT r = {x * k, y * k, (x + kz::kTileSize) * k, (y + kz::kTileSize) * k};
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void Locations(IAccessible* panel, HWND window, int k) {
  for (int s = 0; s < kz::kSectionCount; ++s) {
    const RECT want = KnobOnScreen(window, s, k);
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
  Expect(next.vt == VT_I4 && next.lVal == 2 && last.vt == VT_EMPTY && first.vt == VT_I4 && first.lVal == 1,
         "navigation among the knobs");
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
  // The screen may show the change a little later.
  kz::Raster picture = p.Repainted();
  for (int i = 0; i < 50 && picture.At(0, 0) != on.window; ++i) Sleep(20), picture = p.Picture();
  // The controls keep the colours their own classes give them.
  std::vector<RECT> controls;
  EnumChildWindows(p.window(), AddControl, reinterpret_cast<LPARAM>(&controls));
  int strange = 0;
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const POINT at = {x, y};
      const COLORREF c = picture.At(x, y);
      bool control = false;
      for (const RECT& r : controls) control |= PtInRect(&r, at) != 0;
      if (control || c == on.window || c == on.windowText || c == on.highlight || c == on.grayText || strange++) {
        continue;
      }
      Expect(false, Format("high contrast: (%d, %d) is %06lx", x, y, c));
    }
  }
  Expect(!strange, Format("high contrast: %d pixels in no system colour", strange));
  // The focused End knob in the highlight, the frozen Middle one grey.
  auto centre = [&](int s) {
    return picture.At((kz::kInitialSliders[s].x + 4) * k, rows[s] * k);
  };
  Expect(centre(2) == on.highlight && centre(1) == on.grayText && centre(0) == on.windowText,
         Format("high contrast knobs %06lx %06lx %06lx", centre(0), centre(1), centre(2)));
  p.Probe("KzHighContrast", &off, sizeof off);
  p.Command(IDM_ENABLE_ALL);
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
  std::printf("    at start-up: %s\n", Tree(panel).c_str());
  // Menu moves, freezing and choices: what each changes, and its event.
  const std::string left = "-  100, left out";
  struct Step { int command; DWORD event; LONG child; const char* values[3]; const char* description; };
  const Step steps[] = {
      {IDM_ALL_TOP, 0, 0, {"+ 100", "+ 100", "+ 100"}, nullptr},
      {IDM_ALL_BOTTOM, EVENT_OBJECT_VALUECHANGE, 2, {left.c_str(), left.c_str(), left.c_str()}, nullptr},
      {IDM_MIDDLE_MIDDLE, EVENT_OBJECT_VALUECHANGE, 2, {left.c_str(), "+|-  0", left.c_str()}, nullptr},
      {IDM_FREEZE_MIDDLE, EVENT_OBJECT_STATECHANGE, 2, {left.c_str(), "+|-  0", left.c_str()}, nullptr},
      {IDM_ENABLE_ALL, EVENT_OBJECT_STATECHANGE, 2, {left.c_str(), "+|-  0", left.c_str()}, nullptr},
      {IDM_CHATTY, EVENT_OBJECT_DESCRIPTIONCHANGE, 0, {left.c_str(), "+|-  0", left.c_str()}, "American, As Seller, Chatty"},
      {IDM_EUROPEAN, EVENT_OBJECT_DESCRIPTIONCHANGE, 0, {left.c_str(), "+|-  0", left.c_str()}, "European, As Seller, Chatty"},
  };
  for (const Step& s : steps) {
    p.Command(s.command);
    Expect(!s.event || Raised(s.event, s.child), Format("command %d: no event %04lx for %ld", s.command, s.event, s.child));
    const bool frozen = s.command == IDM_FREEZE_MIDDLE;
    std::string want = Format("Control panel client \"%s\", 3 children:", s.description ? s.description : "");
    for (int i = 0; i < 3; ++i) {
      want += Format("\n      %s slider \"%s\", focusable%s", i == 0 ? "Beginning" : i == 1 ? "Middle" : "End",
                     s.values[i], frozen && i == 1 ? ", unavailable" : "");
    }
    std::string seen = Tree(panel);
    if (!s.description) seen.replace(seen.find('"') + 1, seen.find('"', seen.find('"') + 1) - seen.find('"') - 1, "");
    Expect(seen == want, Format("command %d:\n      seen %s\n      want %s", s.command, seen.c_str(), want.c_str()));
  }
  rows[0] = rows[2] = kz::kBottomRow, rows[1] = kz::kMiddleRow;
  Locations(panel, w, k);
  // The keyboard: Tab from the window to the comment box, Shift+Tab round to
  // the End knob, the last stop; then its keys.
  const COLORREF unringed = RingCorner(p, 2, k);
  if (!BringToFront(w)) Fatal("the window does not come to the front");
  Keys({VK_TAB}), Keys({VK_SHIFT, VK_TAB});
  Expect(Raised(EVENT_OBJECT_FOCUS, 3), "Shift+Tab: no focus event for the End knob");
  VARIANT focus = {};
  panel->get_accFocus(&focus);
  Expect(focus.vt == VT_I4 && focus.lVal == 3, "Shift+Tab: the End knob does not have the focus");
  struct Press { WORD key; int row; const char* value; } presses[] = {
      {VK_UP, 117, "-  97, left out"}, {VK_PRIOR, 107, "-  69"}, {VK_HOME, 47, "+ 100"}, {VK_DOWN, 48, "+ 97"},
      {VK_NEXT, 58, "+ 69"}, {VK_LEFT, 59, "+ 66"}, {VK_RIGHT, 58, "+ 69"}, {VK_END, 118, left.c_str()},
  };
  for (const Press& press : presses) {
    Keys({press.key});
    rows[2] = press.row;
    Expect(Raised(EVENT_OBJECT_VALUECHANGE, 3), Format("key %02x: no value event", press.key));
    const std::string seen = Read(panel, 3), want = Format("End slider \"%s\", focusable, focused", press.value);
    Expect(seen == want, Format("key %02x: %s, want %s", press.key, seen.c_str(), want.c_str()));
  }
  // A frozen knob keeps its place; the ring shows after keys, not after a click.
  p.Command(IDM_FREEZE_END);
  Keys({VK_UP}), Sleep(300);
  Expect(Read(panel, 3) == "End slider \"" + left + "\", focusable, focused, unavailable", "a frozen knob moved");
  p.Command(IDM_ENABLE_ALL);
  for (int i = 0; i < 50 && RingCorner(p, 2, k) != RGB(0, 0, 0); ++i) Sleep(10);
  Expect(RingCorner(p, 2, k) == RGB(0, 0, 0), "no focus ring after keyboard use");
  Locations(panel, w, k);
  MouseTo(w, 300 * k, 185 * k), MouseButton(true), MouseButton(false);
  for (int i = 0; i < 50 && RingCorner(p, 2, k) != unringed; ++i) Sleep(10);
  Expect(RingCorner(p, 2, k) == unringed, "the focus ring stays after a click");
  Keys({VK_UP});
  rows[2] = 117;
  Raised(EVENT_OBJECT_VALUECHANGE, 3);
  for (int i = 0; i < 50 && RingCorner(p, 2, k) != RGB(0, 0, 0); ++i) Sleep(10);
  Expect(RingCorner(p, 2, k) == RGB(0, 0, 0), "no focus ring after a key that follows a click");
  std::printf("    after the keys: %s\n", Tree(panel).c_str());
  HighContrast(p, k);
  panel->Release();
  UnhookWinEvent(hook);
}

}  // namespace kze
