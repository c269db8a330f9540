// The main window: the one object of the running program, which lives with
// its window (reached from the window through GWLP_USERDATA). It holds the
// mid end and is its front end: the controls, the menu, the clipboard, the
// dialogs and the panel's picture and scale.
#pragma once

#include <windows.h>

#include "midend/kudomat_zub.h"
#include "shell/gdi_surface.h"
#include "shell/panel_picture.h"
#include "shell/win32_text.h"

namespace kz {

class MainWindow final : public FrontEnd {
 public:
  explicit MainWindow(HINSTANCE instance);
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Registers the class and creates and shows the window; false when
  // Windows would not. Then the panel gets its picture and the program
  // starts.
  bool Create(int showState);
  HWND Handle() const { return window_; }

  // FrontEnd: what the mid end has the window show or do.
  void ShowComment(const char* comment, const char* mark) override;
  void CheckSectionBox(int section, bool checked) override;
  void ShowMenuItem(int commandId, bool greyed, int inForce) override;
  void CopyComment() override;
  void Exit() override;
  void ShowDialog(int dialogId) override;
  void Announce(Change what, int section) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCreate();
  void OnPaint();
  void OnCommand(int id);
  void ApplyScale(int dpi, const RECT* placed);
  int PanelPixel(int windowPixel) const;
  // Shows on the window what the panel has drawn since it was last shown.
  void ShowPanelChanges();

  HINSTANCE instance_;
  HWND window_ = nullptr;
  ResourceStrings strings_;
  GdiSurface surface_;
  // What the panel draws into, and the window's own device context that
  // shows it (held for the whole run).
  PanelPicture picture_;
  HDC windowDc_ = nullptr;
  // Screen pixels per panel pixel, and the controls' font made for it.
  int scale_ = 1;
  HFONT controlFont_ = nullptr;
  KudomatZub app_;
};

}  // namespace kz
