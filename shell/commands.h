// The window as the mid end's front end: its controls, menu, clipboard,
// dialogs and the flash's pause, all on the main window.
#pragma once

#include <windows.h>

#include "midend/kudomat_zub.h"

namespace kz {

class WindowFrontEnd final : public FrontEnd {
 public:
  void ShowComment(const char* comment, const char* mark) override;
  void SetSectionChecked(int section, bool checked) override;
  void Pause(int milliseconds) override;
  bool SectionChecked(int section) override;
  void GreyMenuItem(int commandId, bool greyed) override;
  void CopyComment() override;
  void Exit() override;
  void ShowDialog(int dialogId) override;

  HWND window = nullptr;  // the main window, once created
};

}  // namespace kz
