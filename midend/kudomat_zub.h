// One running Kudomat Zub, and the one owner of its state: the panel, the
// sections, the held and the focused knob, the random source, the flash in
// progress and the menu as the front end shows it. Every front end (the
// window, the page, the test hosts) builds one of these from its seams,
// turns its platform's events into the calls below and shows what it is
// told. No <windows.h> here.
#pragma once

#include "compose/composer.h"
#include "compose/random.h"
#include "midend/menu_state.h"
#include "panel/panel.h"

namespace kz {

// What changed, for screen readers.
enum class Change {
  KnobValue,     // section's knob moved
  KnobFocus,     // the keyboard focus moved to section's knob, or left the knobs (-1)
  SectionState,  // section was enabled or frozen
  Choices,       // the style, spelling or role in force (section -1)
};

// What a front end does for the mid end: it shows the comment and its mark
// (CommentDisplay), the checkboxes and the menu as it is told, and carries
// out what only it can do.
class FrontEnd : public CommentDisplay {
 public:
  virtual void CheckSectionBox(int section, bool checked) = 0;
  // Greys or enables the item of command `commandId`; `inForce` is 1 or 0
  // for a style, spelling or role item (its choice is in force or not), -1
  // for the others.
  virtual void ShowMenuItem(int commandId, bool greyed, int inForce) = 0;
  // Puts the comment box's text, as it stands, on the clipboard; a front
  // end that cannot says so itself.
  virtual void CopyComment() = 0;
  virtual void Exit() = 0;
  virtual void ShowDialog(int dialogId) = 0;
  virtual void Announce(Change what, int section) = 0;

 protected:
  ~FrontEnd() = default;
};

// The longest text, with its terminator, a front end reads back from its
// comment box to copy.
constexpr int kCommentBoxSize = 256;

// The choices in force at start-up: American, As Seller.
constexpr int kStartSpelling = 1;
constexpr int kStartRole = 1;

// How a section's knob stands.
struct KnobView {
  int x, row;    // its centre, in panel pixels
  int value;     // +100 on the top row, 0 on the middle row, -100 on the bottom row
  bool enabled;  // false: frozen; keys and drags leave it
  bool shown;    // false: the section is left out of the comment
  bool focused;  // has the keyboard focus
  bool held;     // being dragged
};

struct ShortText {
  char text[64];
};

// The composing settings of the style, role and spelling given and of each
// section's knob row, frozen or not.
ComposeSettings SettingsFor(int style, int role, int spelling, const int (&rows)[kSectionCount],
                            const bool (&frozen)[kSectionCount]);

class KudomatZub {
 public:
  // The seams are given once, here, and held for the object's life; the
  // clock seeds the random source at every input. The object is large
  // (the word bank): keep it in static storage or on the heap.
  KudomatZub(const StringSource& strings, Surface& surface, FrontEnd& frontEnd,
             ClockFunction clock = SystemClockSeconds);
  KudomatZub(const KudomatZub&) = delete;
  KudomatZub& operator=(const KudomatZub&) = delete;

  // Start-up once the front end's controls exist: the word lists, a random
  // style, American, As Seller, all sections enabled, knobs on random rows,
  // the first painting, and every checkbox and menu item shown.
  void Start();

  // A button, checkbox, menu item or shortcut by command id. A checkbox
  // names its section; the mid end then sets every checkbox. False for an
  // id that is not a command.
  bool Command(int id);

  // Pointer input in panel pixels. A press on an enabled knob takes it; a
  // move drags the knob taken, whether a button is held or not; a release,
  // wherever it happens, lets it go.
  void PointerPress(int x, int y);
  void PointerMove(int y);
  void PointerRelease();

  // Moves section's knob `rows` rows up (negative: down), held to the
  // track; a frozen section's knob stays. What a keyboard slider does.
  void StepKnob(int section, int rows);
  // Gives section's knob the keyboard focus; -1: no knob has it.
  void FocusKnob(int section);

  // The knob flash, which Zub starts: the milliseconds the front end waits
  // before calling Tick for the next step, or -1 when no flash runs. The
  // comment is composed and copied as the last step ends. Any other input
  // during a flash first completes it.
  int FlashDelay() const;
  void Tick();

  // Paints the whole panel afresh (the window uncovered, the page resized).
  void Repaint();

  KnobView Knob(int section) const;
  // The knob's value as a slider says it: "+ 35", "-  40", "+|-  0", with
  // ", left out" when the section is left out.
  ShortText KnobValueText(int section) const;
  // "Beginning", "Middle", "End"; "" for any other section.
  static const char* SectionName(int section);
  // The choices in force, in menu order: "American, As Seller, Classic".
  ShortText Choices() const;

  // Everything that changes between inputs: a host that tries one input
  // from several states (the end-to-end model) saves and restores it.
  // Restoring keeps this object's seams.
  struct Session {
    Panel panel;
    bool styleChosen = false;
    int focusedKnob = -1;
    int flashStep = -1;  // the flash's next step, or -1
    MenuItemView shownItems[kCommandCount] = {};
    bool shownChecked[kSectionCount] = {};
  };
  struct State {
    Session session;
    char sectionText[kSectionCount][kTextSize];
  };
  State Save() const;
  void Restore(const State& state);

 private:
  struct Snapshot;
  Snapshot Take() const;
  void Reseed();
  void CompleteFlash();
  void Carry(const CommandEntry& entry);
  void ShowChanges(const Snapshot& before, bool everything);
  ChoiceState Choice() const;

  FrontEnd& frontEnd_;
  ClockFunction clock_;
  Random random_;
  Session session_;
  Composer composer_;
};

}  // namespace kz
