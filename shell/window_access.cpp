// The window's accessibility; see window_access.h.
#include "shell/window_access.h"

#include <cstdio>
#include <cstring>

#include "compose/generator.h"
#include "shell/app.h"
#include "shell/knob_windows.h"
#include "shell/panel_accessible.h"
#include "shell/panel_looks.h"

namespace kz {
namespace {

constexpr const char* kSectionNames[kSectionCount] = {"Beginning", "Middle", "End"};
constexpr const char* kStyleNames[] = {
#define KZ_STYLE(command, name, knobColumn, nameColumn, nameWidth, red, green, blue) name,
#include "resources/styles.def"
#undef KZ_STYLE
};

// The knob's place on the Edit menu's scale: +100 on the top row, 0 on the
// middle one, -100 on the bottom one; and as the page's slider says it.
int KnobValue(int row) {
  const int above = kMiddleRow - row, below = row - kMiddleRow;
  const int span = row <= kMiddleRow ? kMiddleRow - kTopRow : kBottomRow - kMiddleRow;
  const int scaled = 100 * (row <= kMiddleRow ? above : below);
  return (row <= kMiddleRow ? 1 : -1) * ((scaled + span / 2) / span);
}
void KnobValueText(int section, char* text, int size) {
  const int y = app.panel().sliders[section].y, value = KnobValue(KnobRow(y));
  const char* leftOut = IsShown(y) ? "" : ", left out";
  if (value > 0) std::snprintf(text, static_cast<size_t>(size), "+ %d%s", value, leftOut);
  if (value < 0) std::snprintf(text, static_cast<size_t>(size), "-  %d%s", -value, leftOut);
  if (value == 0) std::snprintf(text, static_cast<size_t>(size), "+|-  0%s", leftOut);
}

// Screen pixels per panel pixel, from the client area's width.
int ScaleOf(HWND window) {
  RECT client = {};
  GetClientRect(window, &client);
  const int k = client.right / kClientWidth;
  return k > 0 ? k : 1;
}

// What the window shows and tells about the panel besides its picture.
class WindowAccess final : public AccessiblePanelSource, public KnobKeyTarget {
 public:
  HWND window = nullptr;
  int focused = -1;  // the knob with the keyboard focus
  bool cuesHidden = false;  // UISF_HIDEFOCUS: after mouse use
  PanelLooks looks;
  PanelAccessible* object = nullptr;

  Knob ReadKnob(int section) override {
    const SliderRecord& r = app.panel().sliders[section];
    const int k = ScaleOf(window);
    Knob knob = {kSectionNames[section], {}, r.enabled != 0, focused == section,
                 {r.x * k, r.y * k, (r.x + kTileSize) * k, (r.y + kTileSize) * k}};
    KnobValueText(section, knob.value, sizeof knob.value);
    return knob;
  }
  void ReadChoices(char* text, int size) override {
    const Panel& p = app.panel();
    std::snprintf(text, static_cast<size_t>(size), "%s, %s, %s", kStyleNames[p.sliders[0].style],
                  p.spelling ? "American" : "European", p.role ? "As Seller" : "As Buyer");
  }
  void TakeFocus(int section) override { SetFocus(KnobWindow(window, section)); }

  void StepKnob(int section, int rows) override {
    cuesHidden = false;  // keyboard use, which Wine does not always pass on as a UI state
    app.StepKnob(section, rows);
    ShowPanelChanges();
  }
  void FocusKnob(int section) override {
    focused = section;
    if (GetKeyState(VK_TAB) < 0) cuesHidden = false;
    ShowPanelChanges();
    if (section >= 0) NotifyWinEvent(EVENT_OBJECT_FOCUS, window, OBJID_CLIENT, section + 1);
  }

  // The ring shows around the focused knob while keyboard cues show.
  int Ring() const { return cuesHidden ? -1 : focused; }
};
WindowAccess access;

// What screen readers were last told.
struct Told {
  int y[kSectionCount];
  bool enabled[kSectionCount];
  char choices[64];
};
Told told = {{-1, -1, -1}, {}, ""};

}  // namespace

void AttachAccessibility(HWND window, HINSTANCE instance) {
  access.window = window;
  access.looks.ReadSettings();
  access.cuesHidden = SendMessageA(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS;
  CreateKnobWindows(window, instance, access);
}

void DetachAccessibility() {
  if (!access.object) return;
  access.object->Disconnect();
  access.object->Release();
  access.object = nullptr;
}

LRESULT OnGetObject(HWND window, WPARAM wParam, LPARAM lParam) {
  if (static_cast<LONG>(lParam) != static_cast<LONG>(OBJID_CLIENT) || window != access.window) {
    return DefWindowProcA(window, WM_GETOBJECT, wParam, lParam);
  }
  if (!access.object) {
    // Clients' calls come to this thread, from its message loop. COM starts
    // when the first client asks: started with the window, it keeps Wine's
    // modal dialogs from taking a posted BM_CLICK on OK.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    access.object = new PanelAccessible(window, access);
  }
  return LresultFromObject(__uuidof(IAccessible), wParam, access.object);
}

void OnSettingChange(HWND window) {
  if (access.looks.ReadSettings()) InvalidateRect(window, nullptr, FALSE);
}

void OnMouseUse(HWND window) {
  SendMessageA(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
  access.cuesHidden = true;  // whether or not the system keeps the state
}

void OnUiStateChange(WPARAM wParam) {
  if (!(HIWORD(wParam) & UISF_HIDEFOCUS)) return;
  if (LOWORD(wParam) == UIS_SET) access.cuesHidden = true;
  if (LOWORD(wParam) == UIS_CLEAR) access.cuesHidden = false;
}

void ShowPanel(HDC target, const RECT& part, int k, const PanelPicture& picture) {
  const Panel& p = app.panel();
  KnobLook looks[kSectionCount];
  for (int s = 0; s < kSectionCount; ++s) {
    looks[s] = {p.sliders[s].enabled != 0, access.focused == s || p.dragIndex == s};
  }
  access.looks.Show(target, part, k, picture, p.sliders, looks, access.Ring());
}

void AnnounceChanges(HWND window) {
  const Panel& p = app.panel();
  for (int s = 0; s < kSectionCount; ++s) {
    if (p.sliders[s].y != told.y[s]) {
      told.y[s] = p.sliders[s].y;
      NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, window, OBJID_CLIENT, s + 1);
    }
    if ((p.sliders[s].enabled != 0) != told.enabled[s]) {
      told.enabled[s] = p.sliders[s].enabled != 0;
      NotifyWinEvent(EVENT_OBJECT_STATECHANGE, window, OBJID_CLIENT, s + 1);
    }
  }
  char choices[sizeof told.choices];
  access.ReadChoices(choices, sizeof choices);
  if (std::strcmp(choices, told.choices) != 0) {
    std::memcpy(told.choices, choices, sizeof choices);
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, window, OBJID_CLIENT, CHILDID_SELF);
  }
}

}  // namespace kz
