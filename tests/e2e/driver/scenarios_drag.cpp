// Dragging knobs with the mouse: real presses, moves and releases, and the
// same as window messages at client coordinates. The dragged knob follows
// the pointer's row within 47..118 and changes the comment's level; frozen
// knobs do not start a drag; the drag runs on until a release over the
// window's own client area.
#include "actions.h"

namespace kze {

void RandomRows(unsigned second, int rows[3]);

namespace {

// Real mouse: press on the knob of `section` now at `fromRow`, move to
// `toRow` and release there.
void RealDrag(Program& program, int section, int fromRow, int toRow) {
  HWND w = program.window();
  int x = kKnobX[section] + 3;
  MouseMoveTo(ClientToScreenPoint(w, x, fromRow));
  MouseButton(true);
  MouseMoveTo(ClientToScreenPoint(w, x + 2, (fromRow + toRow) / 2));
  MouseMoveTo(ClientToScreenPoint(w, x + 1, toRow));
  MouseButton(false);
}

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

void PressAt(Program& p, int x, int y) { p.Send(p.window(), WM_LBUTTONDOWN, MK_LBUTTON, At(x, y)); }
void Move(Program& p, int x, int y, WPARAM keys = MK_LBUTTON) {
  p.Send(p.window(), WM_MOUSEMOVE, keys, At(x, y));
}
void Release(Program& p, int x, int y) { p.Send(p.window(), WM_LBUTTONUP, 0, At(x, y)); }

struct RealDragRow {
  const char* name;
  std::vector<int> setup;  // commands
  int section;
  int toRow;
  int expect[3];
};

const RealDragRow kRealDrags[] = {
    {"Middle from +|- 0 up to row 50 (level 2 to 1)", {32775, 32803, 32799}, 1, 50, {82, 50, 82}},
    {"Beginning from + 100 down to row 115 (left out)", {32775, 32804, 32802}, 0, 115,
     {115, 47, 47}},
    {"End from - 100 up to row 105 (level 3, shown again)", {32775, 32803, 32798}, 2, 105,
     {118, 118, 105}},
    {"Beginning from +|- 0 to row 61 (level 1 edge)", {32784, 32804, 32799}, 0, 61, {61, 82, 82}},
    {"End from + 100 to row 101 (level 2 edge)", {32775, 32803, 32802}, 2, 101, {47, 47, 101}},
};

struct HitRow {
  int dx, dy;  // press point from the knob's top-left corner
  bool hits;
};
const HitRow kHitRows[] = {{0, 0, true},    {20, 25, true},  {20, 0, true},   {0, 25, true},
                           {7, 7, true},    {21, 0, false},  {0, 26, false},  {-1, 3, false},
                           {3, -1, false},  {21, 26, false}, {-1, -1, false}};

}  // namespace

KZE_SCENARIO(drag) {
  for (const RealDragRow& row : kRealDrags) {
    RunRow(std::string("real mouse: ") + row.name + "; the comment follows the new row", [&row] {
      Program program;
      for (int c : row.setup) program.Command(c);
      Settings before = ReadSettings(program);
      BringToFront(program.window());
      RealDrag(program, row.section, before.rows[row.section], row.toRow);
      ExpectKnobRows(program, row.expect, "after the drag");
      Settings after = ReadSettings(program);
      Generated g = Generate(program);
      ExpectComposed(g, after, "comment after the drag");
      // The styles and rows are chosen so that the two rows give different
      // comments in every second: the drag must show in the comment.
      std::vector<std::string> old = ExpectedLines(before, g.first, g.last);
      bool differs = true;
      for (const std::string& l : old) differs = differs && l != g.mark + " " + g.comment;
      Expect(differs, "the comment is the one of the row before the drag");
    });
  }

  RunRow("messages: the knob follows the pointer's row over the whole track (table)", [] {
    Program program;
    program.Command(32799);
    PressAt(program, 205, 80);
    const int rows[] = {47, 48, 60, 81, 82, 83, 100, 117, 118, 64};
    for (int r : rows) {
      Move(program, 205, r);
      int want[3] = {82, r, 82};
      ExpectKnobRows(program, want, Format("move to row %d", r));
    }
    Release(program, 205, 64);
  });

  RunRow("messages: rows outside 47..118 leave the knob where it is", [] {
    Program program;
    program.Command(32799);
    PressAt(program, 405, 80);
    const int rows[] = {46, 30, 0, 119, 130, 200, -5};
    for (int r : rows) {
      Move(program, 405, r);
      int want[3] = {82, 82, 82};
      ExpectKnobRows(program, want, Format("move to row %d", r));
    }
    Move(program, 405, 90);
    int want[3] = {82, 82, 90};
    ExpectKnobRows(program, want, "back to row 90");
  });

  RunRow("messages: the press rectangle is 21 x 26 from the knob's top-left corner (table)", [] {
    Program program;
    for (const HitRow& h : kHitRows) {
      program.Command(32799);  // every knob at row 82, top-left (x, 78)
      PressAt(program, 204 + h.dx, 78 + h.dy);
      Move(program, 230, 60);
      Release(program, 230, 60);
      int want[3] = {82, h.hits ? 60 : 82, 82};
      ExpectKnobRows(program, want, Format("press at (%+d, %+d) of the Middle knob, %s", h.dx,
                                           h.dy, h.hits ? "a hit" : "a miss"));
    }
  });

  RunRow("a move with no drag running moves nothing; a release ends the drag", [] {
    Program program;
    program.Command(32799);
    Move(program, 105, 50, 0);
    Move(program, 205, 50, MK_LBUTTON);
    int rows[3] = {82, 82, 82};
    ExpectKnobRows(program, rows, "moves without a press");
    PressAt(program, 106, 80);
    Move(program, 106, 70);
    Release(program, 106, 70);
    Move(program, 106, 100, 0);
    int after[3] = {70, 82, 82};
    ExpectKnobRows(program, after, "move after the release");
  });

  RunRow("real mouse: a frozen knob does not start a drag", [] {
    Program program;
    program.Command(32799);
    program.Command(32811);  // freeze Middle
    BringToFront(program.window());
    RealDrag(program, 1, 82, 55);
    SleepMs(150);
    program.Sync();
    int rows[3] = {82, 82, 82};
    ExpectKnobRows(program, rows);
  });

  RunRow("messages: a press on a frozen knob keeps the running drag", [] {
    Program program;
    program.Command(32799);
    program.Command(32811);
    PressAt(program, 105, 80);   // Beginning: a drag starts
    PressAt(program, 205, 80);   // Middle is frozen: the Beginning drag goes on
    Move(program, 205, 60);
    int rows[3] = {60, 82, 82};
    ExpectKnobRows(program, rows);
    Release(program, 205, 60);
  });

  RunRow("real mouse: released outside the window, the drag runs on when the pointer comes back", [] {
    Program program;
    program.Command(32799);
    HWND w = program.window();
    BringToFront(w);
    MouseMoveTo(ClientToScreenPoint(w, 406, 82));
    MouseButton(true);
    MouseMoveTo(ClientToScreenPoint(w, 406, 100));
    int first[3] = {82, 82, 100};
    ExpectKnobRows(program, first, "while pressed");
    MouseMoveTo({30, 30});  // outside the window, above and to the left
    MouseButton(false);
    SleepMs(50);
    MouseMoveTo(ClientToScreenPoint(w, 450, 60));
    int back[3] = {82, 82, 60};
    ExpectKnobRows(program, back, "back over the client area, no button held");
    MouseButton(true);
    MouseButton(false);
  });

  RunRow("real mouse: released over the comment box, the drag runs on until a release over the client area",
         [] {
           Program program;
           program.Command(32799);
           HWND w = program.window();
           BringToFront(w);
           MouseMoveTo(ClientToScreenPoint(w, 106, 82));
           MouseButton(true);
           MouseMoveTo(ClientToScreenPoint(w, 110, 70));
           int first[3] = {70, 82, 82};
           ExpectKnobRows(program, first, "while pressed");
           MouseMoveTo(ClientToScreenPoint(w, 300, 150));  // over the comment box
           MouseButton(false);
           SleepMs(50);
           MouseMoveTo(ClientToScreenPoint(w, 300, 56));  // back over the panel, no button
           int follows[3] = {56, 82, 82};
           ExpectKnobRows(program, follows, "no button held, back over the client area");
           MouseButton(true);  // a click on the panel's background ends it
           MouseButton(false);
           SleepMs(50);
           MouseMoveTo(ClientToScreenPoint(w, 300, 100));
           SleepMs(100);
           program.Sync();
           ExpectKnobRows(program, follows, "after a release over the client area");
         });
}

KZE_SCENARIO(random_key) {
  // Ctrl+R from the keyboard; waits until every knob that should move has
  // left the bottom (they move one after another).
  auto pressCtrlR = [](Program& program, const bool moves[3], unsigned* first, unsigned* last) {
    *first = ClockSeconds();
    PressKeys({VK_CONTROL, 'R'});
    Knobs k = WaitKnobs(program.window(), [moves](const Knobs& k) {
      bool moved = k.Sound();
      for (int i = 0; i < 3; ++i) moved = moved && (!moves[i] || k.section[i].y != 114);
      return moved;
    }, 800);
    *last = ClockSeconds();
    return k;
  };

  struct KeyRow {
    const char* name;
    std::vector<int> freeze;
    bool moves[3];
  };
  const KeyRow rows[] = {
      {"Ctrl+R with the main window focused moves every knob to the second's rows", {}, {true, true, true}},
      {"Ctrl+R with the Middle frozen moves Beginning and End only", {32811}, {true, false, true}},
      {"Ctrl+R with only the End enabled", {32810, 32811}, {false, false, true}},
  };
  for (const KeyRow& row : rows) {
    RunRow(row.name, [&] {
      Program program;
      program.Command(32798);  // all at the bottom, which Random never gives
      for (int f : row.freeze) program.Command(f);
      int bottom[3] = {118, 118, 118};
      ExpectKnobRows(program, bottom, "before Ctrl+R");
      BringToFront(program.window());
      if (FocusOf(program.threadId()) != program.window()) {
        Fatal("the main window did not get the focus (focus on " +
              Format("%p", static_cast<void*>(FocusOf(program.threadId()))) + ")");
      }
      unsigned first = 0, last = 0;
      Knobs knobs = pressCtrlR(program, row.moves, &first, &last);
      bool matched = false;
      for (unsigned t = first; t <= last && !matched; ++t) {
        int r[3];
        RandomRows(t, r);
        matched = knobs.Sound();
        for (int i = 0; i < 3; ++i) {
          matched = matched && knobs.section[i].y + 4 == (row.moves[i] ? r[i] : 118);
        }
      }
      int want[3];
      RandomRows(first, want);
      for (int i = 0; i < 3; ++i) want[i] = row.moves[i] ? want[i] : 118;
      Expect(matched, "knobs " + knobs.Show() +
                          Format(", want rows %d, %d, %d (second %u)", want[0], want[1], want[2],
                                 first));
    });
  }

  struct FocusRow {
    const char* name;
    POINT click;  // client point clicked first (really)
    int focusId;
  };
  const FocusRow focusRows[] = {
      {"Ctrl+R does nothing after a click on the Copy button (focus on it)", {533, 182}, 103},
      {"Ctrl+R does nothing with the focus in the comment box", {300, 150}, 101},
      {"Ctrl+R does nothing after a click on a checkbox (focus on it)", {208, 30}, 401},
  };
  for (const FocusRow& row : focusRows) {
    RunRow(row.name, [&row] {
      Program program;
      program.Command(32798);
      BringToFront(program.window());
      ClickAt(ClientToScreenPoint(program.window(), row.click.x, row.click.y));
      SleepMs(100);
      program.Sync();
      if (row.focusId == 401) {
        program.Click(401);  // the click unchecked it: check it again (focus stays)
        ExpectChecks(program, true, true, true);
      }
      HWND focus = FocusOf(program.threadId());
      if (focus != program.Control(row.focusId)) {
        Fatal(Format("the focus is not on control %d after the click", row.focusId));
      }
      PressKeys({VK_CONTROL, 'R'});
      SleepMs(250);
      program.Sync();
      int rows[3] = {118, 118, 118};
      ExpectKnobRows(program, rows, "after Ctrl+R");
    });
  }
}

}  // namespace kze
