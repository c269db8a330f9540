// The composer's seams over Win32: strings from the program's resources,
// texts shown in the main window's controls.
#pragma once

#include <windows.h>

#include "compose/text_seams.h"

namespace kz {

class ResourceStrings final : public StringSource {
 public:
  int LoadText(int id, char* buffer, int limit) const override {
    return LoadStringA(module, static_cast<UINT>(id), buffer, limit);
  }
  HINSTANCE module = nullptr;
};

class ControlTexts final : public TextDisplay {
 public:
  void ShowText(int controlId, const char* text) override {
    SetWindowTextA(GetDlgItem(window, controlId), text);
  }
  HWND window = nullptr;
};

}  // namespace kz
