// The window for keyboard, screen-reader and high-contrast users: the knobs'
// keyboard stops, the panel's IAccessible and the WinEvents that say what
// changed, and the panel shown in the system's colours with a focus ring.
#pragma once

#include <windows.h>

#include "midend/kudomat_zub.h"
#include "shell/knob_windows.h"
#include "shell/panel_accessible.h"
#include "shell/panel_looks.h"

namespace kz {

class WindowAccess final : public AccessiblePanelSource {
 public:
  explicit WindowAccess(const KudomatZub& app) : app_(app) {}
  WindowAccess(const WindowAccess&) = delete;
  WindowAccess& operator=(const WindowAccess&) = delete;

  // Once the window's controls exist: reads the settings and makes the
  // knobs' keyboard stops, whose keys and focus go to `keys`.
  void Attach(HWND window, HINSTANCE instance, KnobKeyTarget& keys);
  // As the window goes: clients still holding the panel's object are refused.
  void Detach();
  // WM_GETOBJECT: the panel's object for OBJID_CLIENT, the system's otherwise.
  LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
  // WM_SYSCOLORCHANGE, WM_SETTINGCHANGE: high contrast and its colours read
  // again, and the panel repainted if they change what it shows.
  void OnSettingChange();
  // WM_UPDATEUISTATE, and keyboard or mouse use seen by the window itself
  // (Wine does not always pass it on): whether the focus ring shows.
  void OnUiStateChange(WPARAM wParam);
  void ShowCues(bool shown);
  // Shows `part` of the panel's picture on `target` at scale k as it is to
  // be seen: in the system's colours under high contrast, with the ring.
  void Show(HDC target, const RECT& part, int k, const PanelPicture& picture);
  // What the mid end says has changed, raised as a WinEvent.
  void Announce(Change what, int section);

  // AccessiblePanelSource
  Knob ReadKnob(int section) override;
  void ReadChoices(char* text, int size) override;
  void TakeFocus(int section) override;

 private:
  const KudomatZub& app_;
  HWND window_ = nullptr;
  bool cuesHidden_ = false;  // UISF_HIDEFOCUS: after mouse use
  PanelLooks looks_;
  PanelAccessible* object_ = nullptr;
};

}  // namespace kz
