// Start-up: the window, its child controls, their texts and places, the
// string table, and the initial settings seen in checkboxes, menu and
// pixels. Ending: the close box and File > Exit end with exit code 0.
#include <cstring>

#include "program.h"
#include "resource_ids.h"
#include "screen.h"

namespace kze {

namespace {

struct ControlRow {
  int id;
  const char* windowClass;
  const char* text;
  int x, y, width, height;
  DWORD style;
  DWORD extendedStyle;
};

const ControlRow kControls[] = {
    {100, "Static", "00", 2, 160, 26, 18, 0x50000000, WS_EX_STATICEDGE},
    {101, "Edit", "Revavav Evovod", 2, 141, 610, 20, 0x50000000, WS_EX_STATICEDGE},
    {102, "Button", "Zub", 562, 170, 50, 25, 0x50000001, 0},
    {103, "Button", "Copy", 508, 170, 50, 25, 0x50000001, 0},
    {400, "Button", "b", 102, 24, 13, 13, 0x50008003, 0},
    {401, "Button", "m", 202, 24, 13, 13, 0x50008003, 0},
    {402, "Button", "e", 402, 24, 13, 13, 0x50008003, 0},
};

std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

// The style bits that the program sets; the controls may add their own.
constexpr DWORD kStyleBitsSet = 0xFFFF0000u | 0x0000800Fu;

}  // namespace

KZE_SCENARIO(startup) {
  RunRow("main window: class, title, place, size, topmost", [] {
    Program program;
    HWND w = program.window();
    Expect(ClassOf(w) == "KZR_01", "class " + Quoted(ClassOf(w)));
    std::string title = program.Text(0);
    Expect(title == "Kudomat Zub 2003 - [Vorlen]", "title " + Quoted(title));
    RECT r;
    GetWindowRect(w, &r);
    Expect(r.left == 100 && r.top == 100 && r.right - r.left == 620 && r.bottom - r.top == 270,
           Format("outer rectangle at (%ld, %ld) size %ld x %ld, want (100, 100) 620 x 270",
                  r.left, r.top, r.right - r.left, r.bottom - r.top));
    LONG exStyle = GetWindowLongA(w, GWL_EXSTYLE);
    Expect((exStyle & WS_EX_TOPMOST) != 0, Format("extended style 0x%08lx lacks WS_EX_TOPMOST", exStyle));
    LONG style = GetWindowLongA(w, GWL_STYLE);
    Expect((style & (WS_SYSMENU | WS_CAPTION)) == (WS_SYSMENU | WS_CAPTION) &&
               (style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0,
           Format("style 0x%08lx: want caption and system menu, no sizing frame, no min/max box",
                  style));
    Expect(IsWindowVisible(w) != FALSE, "the window is not visible");
    Expect(GetMenu(w) != nullptr, "the window has no menu bar");
  });

  RunRow("the client area's background is RGB(148, 206, 255) away from the panel", [] {
    Program program;
    const POINT points[] = {{300, 5}, {600, 10}, {90, 132}, {560, 132}, {300, 185}};
    Raster raster;
    bool ok = false;
    for (int attempt = 0; attempt < 10 && !ok; ++attempt) {
      raster = CaptureClient(program.window());
      ok = true;
      for (POINT p : points) ok = ok && raster.At(p.x, p.y) == RGB(148, 206, 255);
      if (!ok) SleepMs(20);
    }
    for (POINT p : points) {
      COLORREF c = raster.At(p.x, p.y);
      Expect(c == RGB(148, 206, 255), Format("pixel (%ld, %ld) is RGB(%d, %d, %d)", p.x, p.y,
                                              GetRValue(c), GetGValue(c), GetBValue(c)));
    }
  });

  RunRow("child controls: class, text, place, size, style (table)", [] {
    Program program;
    for (const ControlRow& c : kControls) {
      HWND child = program.Control(c.id);
      if (!Expect(child != nullptr, Format("control %d missing", c.id))) continue;
      std::string cls = ClassOf(child);
      Expect(_stricmp(cls.c_str(), c.windowClass) == 0,
             Format("control %d class ", c.id) + Quoted(cls) + ", want " + Quoted(c.windowClass));
      std::string text = program.Text(c.id);
      Expect(text == c.text, Format("control %d text ", c.id) + Quoted(text) + ", want " +
                                 Quoted(c.text));
      RECT r;
      GetWindowRect(child, &r);
      MapWindowPoints(nullptr, program.window(), reinterpret_cast<POINT*>(&r), 2);
      Expect(r.left == c.x && r.top == c.y && r.right - r.left == c.width &&
                 r.bottom - r.top == c.height,
             Format("control %d at (%ld, %ld) size %ld x %ld, want (%d, %d) %d x %d", c.id, r.left,
                    r.top, r.right - r.left, r.bottom - r.top, c.x, c.y, c.width, c.height));
      DWORD style = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
      Expect((style & kStyleBitsSet) == c.style,
             Format("control %d style 0x%08lx, want 0x%08lx", c.id, style, c.style));
      DWORD ex = static_cast<DWORD>(GetWindowLongA(child, GWL_EXSTYLE));
      Expect((ex & WS_EX_STATICEDGE) == (c.extendedStyle & WS_EX_STATICEDGE),
             Format("control %d extended style 0x%08lx, want static edge %s", c.id, ex,
                    c.extendedStyle ? "set" : "clear"));
    }
  });
}

KZE_SCENARIO(strings) {
  struct StoredString {
    UINT id;
    const char* text;
    size_t size;
  };
  static const StoredString kStored[] = {
#define KZ_STRING(id, text) {id, text, sizeof(text) - 1},
#include "strings.def"
#undef KZ_STRING
  };
  RunRow(Format("LoadStringA gives back the %u stored strings byte for byte",
                static_cast<unsigned>(sizeof kStored / sizeof kStored[0])),
         [] {
           HMODULE module = LoadLibraryExA(options().exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
           if (!module) Fatal("cannot load " + options().exe + " as a data file");
           int wrong = 0;
           for (const StoredString& s : kStored) {
             char buffer[1000];
             std::memset(buffer, 0x55, sizeof buffer);
             int n = LoadStringA(module, s.id, buffer, 999);
             std::string got(buffer, n > 0 ? static_cast<size_t>(n) : 0);
             std::string want(s.text, s.size);
             if (got != want && ++wrong <= 5) {
               Expect(false, Format("string %u: got %d bytes ", s.id, n) + Quoted(got) +
                                 ", want " + Quoted(want));
             }
             if (n >= 0 && n < 999 && buffer[n] != '\0') {
               Expect(false, Format("string %u is not terminated", s.id));
             }
           }
           Expect(wrong <= 5, Format("%d strings differ in all", wrong));
           // An id that the table does not hold gives nothing.
           char buffer[16] = "x";
           Expect(LoadStringA(module, 499, buffer, sizeof buffer) == 0, "string 499 exists");
           FreeLibrary(module);
         });
}

namespace {

// A point of the main window's caption where the system reports the close box.
bool FindCloseBox(Program& program, POINT* where) {
  RECT r;
  GetWindowRect(program.window(), &r);
  for (int y = r.top + 2; y < r.top + 40; y += 2) {
    for (int x = r.right - 2; x > r.right - 80; x -= 2) {
      LRESULT hit = program.Send(program.window(), WM_NCHITTEST, 0, MAKELPARAM(x, y));
      if (hit == HTCLOSE) {
        *where = {x - 3, y + 2};
        if (program.Send(program.window(), WM_NCHITTEST, 0, MAKELPARAM(where->x, where->y)) !=
            HTCLOSE) {
          *where = {x, y};
        }
        return true;
      }
    }
  }
  return false;
}

void ExpectExitZero(Program& program, const char* how) {
  DWORD code = 12345;
  if (!program.WaitExit(5000, &code)) Fatal(std::string("still running 5 s after ") + how);
  Expect(code == 0, Format("exit code %lu after %s, want 0", code, how));
}

}  // namespace

KZE_SCENARIO(close) {
  RunRow("close command of the system menu (WM_SYSCOMMAND SC_CLOSE) ends with code 0", [] {
    Program program;
    program.Post(program.window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    ExpectExitZero(program, "SC_CLOSE");
  });
  RunRow("a real click on the close box ends with code 0", [] {
    Program program;
    POINT box;
    if (!FindCloseBox(program, &box)) Fatal("the caption has no close box");
    BringToFront(program.window());
    ClickAt(box);
    ExpectExitZero(program, "a click on the close box");
  });
  RunRow("Alt+F4 ends with code 0", [] {
    Program program;
    if (!BringToFront(program.window())) Note("the window did not come to the front");
    PressKeys({VK_MENU, VK_F4});
    ExpectExitZero(program, "Alt+F4");
  });
  RunRow("File > Exit (command 105) ends with code 0", [] {
    Program program;
    program.Post(program.window(), WM_COMMAND, 105, 0);
    ExpectExitZero(program, "File > Exit");
  });
  RunRow("File > Exit from the keyboard (Alt+F, X) ends with code 0", [] {
    Program program;
    if (!BringToFront(program.window())) Note("the window did not come to the front");
    PressKeys({VK_MENU, 'F'});
    // Under load the File menu may take a while to drop down.
    for (int i = 0; i < 100 && !IsWindowVisible(FindWindowA("#32768", nullptr)); ++i) SleepMs(20);
    PressKeys({'X'});
    ExpectExitZero(program, "Alt+F, X");
  });
}

}  // namespace kze
