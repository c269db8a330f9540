// The window's accessibility; see window_access.h.
#include "shell/window_access.h"

#include "compose/bounded_text.h"

namespace kz {
namespace {

// The knob's tile, from its centre, in panel pixels.
SliderRecord Tile(const KnobView& knob) {
  SliderRecord tile = {};
  tile.x = knob.x - kTileSize / 2;
  tile.y = KnobTop(knob.row);
  return tile;
}

// Screen pixels per panel pixel, from the client area's width.
int ScaleOf(HWND window) {
  RECT client = {};
  GetClientRect(window, &client);
  const int k = client.right / kClientWidth;
  return k > 0 ? k : 1;
}

}  // namespace

void WindowAccess::Attach(HWND window, HINSTANCE instance, KnobKeyTarget& keys) {
  window_ = window;
  looks_.ReadSettings();
  cuesHidden_ = SendMessageA(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS;
  CreateKnobWindows(window, instance, keys);
}

void WindowAccess::Detach() {
  if (!object_) return;
  object_->Disconnect();
  object_->Release();
  object_ = nullptr;
}

LRESULT WindowAccess::OnGetObject(WPARAM wParam, LPARAM lParam) {
  if (static_cast<LONG>(lParam) != static_cast<LONG>(OBJID_CLIENT)) {
    return DefWindowProcA(window_, WM_GETOBJECT, wParam, lParam);
  }
  if (!object_) {
    // Clients' calls come to this thread, from its message loop. COM starts
    // when the first client asks: started with the window, it keeps Wine's
    // modal dialogs from taking a posted BM_CLICK on OK.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    object_ = new PanelAccessible(window_, *this);
  }
  return LresultFromObject(__uuidof(IAccessible), wParam, object_);
}

void WindowAccess::OnSettingChange() {
  if (looks_.ReadSettings()) InvalidateRect(window_, nullptr, FALSE);
}

void WindowAccess::OnUiStateChange(WPARAM wParam) {
  if (!(HIWORD(wParam) & UISF_HIDEFOCUS)) return;
  if (LOWORD(wParam) == UIS_SET) cuesHidden_ = true;
  if (LOWORD(wParam) == UIS_CLEAR) cuesHidden_ = false;
}

void WindowAccess::ShowCues(bool shown) {
  SendMessageA(window_, WM_CHANGEUISTATE, MAKEWPARAM(shown ? UIS_CLEAR : UIS_SET, UISF_HIDEFOCUS), 0);
  cuesHidden_ = !shown;
}

void WindowAccess::Show(HDC target, const RECT& part, int k, const PanelPicture& picture) {
  SliderRecord tiles[kSectionCount];
  KnobLook looks[kSectionCount];
  int ring = -1;
  for (int s = 0; s < kSectionCount; ++s) {
    const KnobView knob = app_.Knob(s);
    tiles[s] = Tile(knob);
    looks[s] = {knob.enabled, knob.focused || knob.held};
    if (knob.focused && !cuesHidden_) ring = s;
  }
  looks_.Show(target, part, k, picture, tiles, looks, ring);
}

void WindowAccess::Announce(Change what, int section) {
  switch (what) {
    case Change::KnobValue:
      NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, window_, OBJID_CLIENT, section + 1);
      break;
    case Change::KnobFocus:
      // After the system's own event for the knob's window.
      if (section >= 0) NotifyWinEvent(EVENT_OBJECT_FOCUS, window_, OBJID_CLIENT, section + 1);
      break;
    case Change::SectionState:
      NotifyWinEvent(EVENT_OBJECT_STATECHANGE, window_, OBJID_CLIENT, section + 1);
      break;
    case Change::Choices:
      NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, window_, OBJID_CLIENT, CHILDID_SELF);
      break;
  }
}

AccessiblePanelSource::Knob WindowAccess::ReadKnob(int section) {
  const KnobView view = app_.Knob(section);
  const SliderRecord tile = Tile(view);
  const int k = ScaleOf(window_);
  Knob knob = {KudomatZub::SectionName(section), {}, view.enabled, view.focused,
               {tile.x * k, tile.y * k, (tile.x + kTileSize) * k, (tile.y + kTileSize) * k}};
  const int limit = static_cast<int>(sizeof knob.value) - 1;
  AppendBounded(knob.value, 0, limit, app_.KnobValueText(section).text, limit);
  return knob;
}

void WindowAccess::ReadChoices(char* text, int size) {
  if (size > 0) AppendBounded(text, 0, size - 1, app_.Choices().text, size - 1);
}

void WindowAccess::TakeFocus(int section) { SetFocus(KnobWindow(window_, section)); }

}  // namespace kz
