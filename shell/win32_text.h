// The composer's seams over Win32: strings from the program's resources,
// texts shown in the main window's controls.
#pragma once

#include <windows.h>

#include "compose/text_seams.h"

namespace kz {

class ResourceStrings final : public StringSource {
 public:
  explicit ResourceStrings(HINSTANCE module) : module_(module) {}
  int LoadText(int id, char* buffer, int limit) const override {
    return LoadStringA(module_, static_cast<UINT>(id), buffer, limit);
  }

 private:
  HINSTANCE module_;
};

class ControlTexts final : public TextDisplay {
 public:
  explicit ControlTexts(HWND window) : window_(window) {}
  void ShowText(int controlId, const char* text) override {
    SetWindowTextA(GetDlgItem(window_, controlId), text);
  }

 private:
  HWND window_;
};

}  // namespace kz
