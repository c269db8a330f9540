// The real program's figures under Wine, measured and printed, never
// asserted: start-up to a running message loop (the panel is painted by
// then) and a real repaint, each against the smallest window program, one
// knob-drag mouse move and one press of Zub. `kzbench pose` instead sets a pleasant
// state, presses Zub and holds the window still for scripts/screenshot.sh.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "tests/e2e/driver/driver.h"

using namespace kze;

namespace {

double NowMs() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <class Action>
void Measure(const char* what, int times, Action action) {
  std::vector<double> ms;
  for (int i = 0; i < times; ++i) {
    const double start = NowMs();
    action(i);
    ms.push_back(NowMs() - start);
  }
  std::sort(ms.begin(), ms.end());
  std::printf("%-58s median %8.2f ms, min %8.2f, max %8.2f over %d\n", what, ms[ms.size() / 2],
              ms.front(), ms.back(), times);
}

// The minimal window program, started and waited for until it has painted;
// closed again at the end of the scope.
class MinimalWindow {
 public:
  explicit MinimalWindow(const std::string& exe) {
    std::string line = "\"" + exe + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info_)) {
      Fatal("cannot start " + line);
    }
    for (int i = 0; i < 10000; ++i, Sleep(1)) {
      window_ = window_ ? window_ : FindWindowA("KzMinimalWindow", nullptr);
      HDC dc = window_ ? GetDC(window_) : nullptr;
      const bool painted = dc && GetPixel(dc, 300, 100) == RGB(12, 34, 56);
      if (dc) ReleaseDC(window_, dc);
      if (painted) break;
    }
  }
  ~MinimalWindow() {
    PostMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
    WaitForSingleObject(info_.hProcess, 3000);
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
  }
  MinimalWindow(const MinimalWindow&) = delete;
  MinimalWindow& operator=(const MinimalWindow&) = delete;
  HWND window() const { return window_; }

 private:
  PROCESS_INFORMATION info_ = {};
  HWND window_ = nullptr;
};

// What a user's uncovering of the whole window costs: invalidated, then
// painted (the window and its controls) before UpdateWindow returns.
void RealRepaint(HWND window) {
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
}

}  // namespace

int main(int argc, char** argv) {
  std::string minimal;
  for (int i = 2; i + 1 < argc; i += 2) {
    std::string value = argv[i + 1];
    if (value[0] == '/') value = "Z:" + value;
    if (std::string(argv[i]) == "--exe") options().exe = value;
    if (std::string(argv[i]) == "--minimal") minimal = value;
  }
  if (argc < 2 || options().exe.empty()) {
    std::fprintf(stderr, "usage: kzbench speed|pose --exe KudomatZub.exe [--minimal kzminimal.exe]\n");
    return 2;
  }
  if (std::string(argv[1]) == "pose") {
    Program program;
    for (int id : {IDM_CLASSIC, IDM_AS_SELLER, IDM_BEGINNING_TOP, IDM_MIDDLE_MIDDLE, IDM_END_TOP}) {
      program.Command(id);
    }
    program.Command(IDC_GENERATE);
    std::printf("posed\n");
    std::fflush(stdout);
    Sleep(4000);
    return 0;
  }
  if (!minimal.empty()) {
    Measure("start-up to first paint, minimal window", 5, [&](int) { MinimalWindow m(minimal); });
    MinimalWindow m(minimal);
    Measure("real repaint (InvalidateRect + UpdateWindow), minimal window", 60,
            [&](int) { RealRepaint(m.window()); });
  }
  Measure("start-up to a running message loop, KudomatZub.exe", 5, [](int) { Program program; });
  Program program;
  HWND w = program.window();
  program.Command(IDM_ALL_MIDDLE);
  Measure("message round trip (WM_NULL), in every figure below", 200, [&](int) { program.Send(w, WM_NULL); });
  program.Send(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(206, 80));
  Measure("knob-drag WM_MOUSEMOVE (drag running)", 300,
          [&](int i) { program.Send(w, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(206, 50 + (i * 7) % 65)); });
  program.Send(w, WM_LBUTTONUP, 0, MAKELPARAM(206, 80));
  Measure("WM_MOUSEMOVE with no drag", 200,
          [&](int i) { program.Send(w, WM_MOUSEMOVE, 0, MAKELPARAM(206, 50 + i % 60)); });
  Measure("real repaint (InvalidateRect + UpdateWindow), KudomatZub.exe", 60, [&](int) { RealRepaint(w); });
  Measure("the same, and every control repainted too", 60, [&](int) {
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  });
  Measure("Zub press (flash and compose)", 3, [&](int) { program.Command(IDC_GENERATE); });
  return 0;
}
